
// GNOME Shell 43 and 44: a script whose init() returns the object that is enabled and disabled.
const {Gio, Meta} = imports.gi;

function init() {
    return new WindowListService(Gio, Meta);
}
