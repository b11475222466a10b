#include "tamovid/app/options_menus.h"

#include "tamovid/app/chart_options_menu.h"
#include "tamovid/app/engine_menu.h"
#include "tamovid/app/frm_main.h"
#include "tamovid/app/preferences.h"

namespace tamovid {

Preferences& AddOptionsMenus(FrmMain& window, QSettings* settings) {
    auto* preferences = new Preferences(settings, &window);
    window.UsePreferences(*preferences);
    auto* engineMenu = new EngineMenu(window, *preferences);
    new ChartOptionsMenu(window, *engineMenu, *preferences);
    return *preferences;
}

}  // namespace tamovid
