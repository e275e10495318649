// The window list that OrvaneScreenTool asks GNOME Shell for over the session bus.
//
// Written without module syntax: the build puts this body in front of the entry point of the
// GNOME Shell it installs for (ES modules from 45 on, the imports.* format before), so that both
// share it. Gio and Meta are handed in by that entry point.

const windowListBusName = 'org.orvane.ScreenTool';
const windowListObjectPath = '/org/orvane/ScreenTool';
const windowListInterface = `
<node>
  <interface name="org.orvane.ScreenTool.WindowList">
    <method name="GetWindows">
      <arg type="s" direction="out" name="windows"/>
    </method>
  </interface>
</node>`;

// Meta.WindowType's own names, lower-cased: "normal", "dialog", "dock", "popup_menu", ...
function windowTypeName(Meta, type) {
    for (const [name, value] of Object.entries(Meta.WindowType)) {
        if (value === type)
            return name.toLowerCase();
    }
    return 'unknown';
}

function describeWindow(Meta, window, activeWorkspace) {
    const frame = window.get_frame_rect();
    const actor = window.get_compositor_private();
    return {
        id: window.get_stable_sequence(),
        x: frame.x,
        y: frame.y,
        width: frame.width,
        height: frame.height,
        title: window.get_title() ?? '',
        wmClass: window.get_wm_class() ?? '',
        appId: window.get_sandboxed_app_id() || window.get_gtk_application_id() || '',
        pid: window.get_pid(),
        type: windowTypeName(Meta, window.get_window_type()),
        overrideRedirect: window.is_override_redirect(),
        above: window.is_above(),
        minimized: window.minimized,
        onActiveWorkspace: window.located_on_workspace(activeWorkspace),
        opacity: actor ? actor.opacity / 255 : 1,
    };
}

// Every window that has an actor, front to back by the display's stacking order, with the
// screen's size, as JSON text;
// {"error": ...} when reading them fails, so that the caller never takes part of a list.
function describeWindows(Meta) {
    try {
        const windows = global.get_window_actors()
            .map(actor => actor.get_meta_window())
            .filter(window => window !== null);
        const activeWorkspace = global.workspace_manager.get_active_workspace();
        const frontToBack = global.display.sort_windows_by_stacking(windows).reverse();
        return JSON.stringify({
            screen: {width: global.screen_width, height: global.screen_height},
            windows: frontToBack.map(window => describeWindow(Meta, window, activeWorkspace)),
        });
    } catch (error) {
        return JSON.stringify({error: String(error)});
    }
}

// Serves GetWindows under its own bus name while the extension is enabled.
class WindowListService {
    constructor(Gio, Meta) {
        this._Gio = Gio;
        this._Meta = Meta;
        this._exported = null;
        this._nameOwnership = 0;
    }

    enable() {
        const Gio = this._Gio;
        this._exported = Gio.DBusExportedObject.wrapJSObject(windowListInterface, this);
        this._exported.export(Gio.DBus.session, windowListObjectPath);
        this._nameOwnership = Gio.bus_own_name_on_connection(Gio.DBus.session,
            windowListBusName, Gio.BusNameOwnerFlags.NONE, null, null);
    }

    disable() {
        if (this._nameOwnership !== 0)
            this._Gio.bus_unown_name(this._nameOwnership);
        this._nameOwnership = 0;
        this._exported?.unexport();
        this._exported = null;
    }

    GetWindows() {
        return describeWindows(this._Meta);
    }
}
