#pragma once

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include <array>
#include <cstddef>
#include <functional>

#include "tamovid/app/mainform/frm_main.h"
#include "tamovid/app/options/preferences.h"

namespace tamovid {

/// A submenu of exclusive, checkable items, one per row of a choice's table: item i is
/// named `prefix` + its key and, when the user picks it, `choose(options, i)` sets the
/// choice on the options the window uses, which go to the preferences.
template <std::size_t N>
std::array<QAction*, N> AddExclusiveChoices(
    QMenu* menu, FrmMain& window, Preferences& preferences, const std::array<QString, N>& captions,
    const std::array<QString, N>& names, std::function<void(ChartOptions&, std::size_t)> choose) {
    std::array<QAction*, N> items{};
    auto* group = new QActionGroup(menu);
    for (std::size_t i = 0; i < N; ++i) {
        QAction* item = menu->addAction(captions[i]);
        item->setObjectName(names[i]);
        item->setCheckable(true);
        group->addAction(item);
        items[i] = item;
        QObject::connect(item, &QAction::triggered, menu, [&window, &preferences, choose, i] {
            ChartOptions chosen = window.CurrentOptions();
            choose(chosen, i);
            preferences.setChartOptions(chosen);
        });
    }
    return items;
}

/// Checks the item whose row `isChosen(i)` says the options hold.
template <std::size_t N, typename IsChosen>
void CheckChosen(const std::array<QAction*, N>& items, IsChosen isChosen) {
    for (std::size_t i = 0; i < N; ++i) items[i]->setChecked(isChosen(i));
}

}  // namespace tamovid
