#include "tamovid/app/options_menus.h"

#include "tamovid/app/chart_options_menu.h"
#include "tamovid/app/dasha_year_menu.h"
#include "tamovid/app/engine_menu.h"
#include "tamovid/app/frm_main.h"
#include "tamovid/app/preferences.h"
#include "tamovid/app/upagraha_menu.h"

namespace tamovid {

Preferences& AddOptionsMenus(FrmMain& window, QSettings* settings) {
    auto* preferences = new Preferences(settings, &window);
    window.UsePreferences(*preferences);
    auto* engineMenu = new EngineMenu(window, *preferences);
    new ChartOptionsMenu(window, *engineMenu, *preferences);
    new DashaYearMenu(window, *engineMenu, *preferences);
    new UpagrahaMenu(window, *engineMenu, *preferences);
    return *preferences;
}

}  // namespace tamovid
