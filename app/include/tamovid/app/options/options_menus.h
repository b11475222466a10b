#pragma once

class QSettings;

namespace tamovid {

class FrmMain;
class Preferences;

/// Gives the window its remembered chart choices and the Options menu that changes them,
/// as the program does at start: every entry of the menu plugs in here. Everything made is
/// owned by the window; the settings (null: nothing is remembered) must outlive it.
Preferences& AddOptionsMenus(FrmMain& window, QSettings* settings);

}  // namespace tamovid
