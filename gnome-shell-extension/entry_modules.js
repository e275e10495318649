
// GNOME Shell 45 and later: an ES module whose default export is the extension.
import Gio from 'gi://Gio';
import Meta from 'gi://Meta';
import {Extension} from 'resource:///org/gnome/shell/extensions/extension.js';

export default class OrvaneScreenToolExtension extends Extension {
    enable() {
        this._service = new WindowListService(Gio, Meta);
        this._service.enable();
    }

    disable() {
        this._service.disable();
        this._service = null;
    }
}
