#include "tamovid/app/options/options_menus.h"

#include "tamovid/app/options/chart_options_menu.h"
#include "tamovid/app/options/dasha_year_menu.h"
#include "tamovid/app/options/engine_menu.h"
#include "tamovid/app/mainform/frm_main.h"
#include "tamovid/app/options/preferences.h"
#include "tamovid/app/options/upagraha_menu.h"

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
