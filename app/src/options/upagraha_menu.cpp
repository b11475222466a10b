#include "tamovid/app/options/upagraha_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "tamovid/app/options/engine_menu.h"
#include "tamovid/app/mainform/frm_main.h"
#include "tamovid/app/options/preferences.h"
#include "tamovid/app/mainform/program_texts.h"

namespace tamovid {
namespace {

using upagrahas::PortionPoint;

/// The points each "where it rises" submenu places: Gulika; Mandi; Kala .. Yamaghantaka.
constexpr std::array<std::array<bool, upagrahas::kUpagrahaCount>, 3> kGroupMembers{{
    {false, false, false, false, true, false},
    {false, false, false, false, false, true},
    {true, true, true, true, false, false},
}};

/// The place a group's points share, or nothing when they differ (as an opened chart or
/// the command line may have them).
std::optional<PortionPoint> GroupPoint(const upagrahas::UpagrahaOptions& options,
                                       std::size_t group) {
    std::optional<PortionPoint> shared;
    for (std::size_t i = 0; i < upagrahas::kUpagrahaCount; ++i) {
        if (!kGroupMembers[group][i]) continue;
        if (shared && *shared != options.at[i]) return std::nullopt;
        shared = options.at[i];
    }
    return shared;
}

/// A table's name as a menu item: "eight slots" as "&Eight slots".
QString Caption(std::string_view name) {
    QString caption = Text(name);
    if (!caption.isEmpty()) caption[0] = caption[0].toUpper();
    return u'&' + caption;
}

void Check(QActionGroup* group, std::optional<std::size_t> index) {
    const QList<QAction*> actions = group->actions();
    for (qsizetype i = 0; i < actions.size(); ++i)
        actions[i]->setChecked(index && static_cast<qsizetype>(*index) == i);
}

std::optional<std::size_t> CheckedIndex(QActionGroup* group) {
    const QList<QAction*> actions = group->actions();
    for (qsizetype i = 0; i < actions.size(); ++i) {
        if (actions[i]->isChecked()) return static_cast<std::size_t>(i);
    }
    return std::nullopt;
}

}  // namespace

UpagrahaMenu::UpagrahaMenu(FrmMain& window, EngineMenu& engineMenu, Preferences& preferences)
    : QObject(&window), window_(window) {
    mnuUpagrahas_ = engineMenu.menu()->addMenu(tr("&Upagrahas"));
    mnuUpagrahas_->setObjectName(QStringLiteral("mnuUpagrahas"));
    mnuUpagrahas_->setToolTipsVisible(true);
    mnuUpagrahas_->menuAction()->setToolTip(
        tr("How the six upagrahas of the day (Gulika, Mandi and four others) are placed"));

    QMenu* sunrise = mnuUpagrahas_->addMenu(tr("&Sunrise"));
    sunrise->setObjectName(QStringLiteral("mnuSunrise"));
    sunrise->setToolTipsVisible(true);
    sunrise_ = new QActionGroup(this);
    for (const upagrahas::SunriseRuleKey& row : upagrahas::kSunriseRuleKeys) {
        AddChoice(sunrise, sunrise_, Caption(row.name), QStringLiteral("mnuSunrise_") + Text(row.key))
            ->setToolTip(Text(row.explanation));
    }
    QMenu* lords = mnuUpagrahas_->addMenu(tr("Portion &Lords"));
    lords->setObjectName(QStringLiteral("mnuPortionLords"));
    lords_ = new QActionGroup(this);
    for (const upagrahas::LordRuleKey& row : upagrahas::kLordRuleKeys) {
        AddChoice(lords, lords_, Caption(row.name), QStringLiteral("mnuPortionLords_") + Text(row.key));
    }
    mnuUpagrahas_->addSeparator();
    const std::array<std::pair<QString, QString>, kGroupCount> groups{{
        {tr("&Gulika Rises At"), QStringLiteral("Gulika")},
        {tr("&Mandi Rises At"), QStringLiteral("Mandi")},
        {tr("The &Other Four Rise At"), QStringLiteral("Others")},
    }};
    for (std::size_t g = 0; g < kGroupCount; ++g) {
        QMenu* at = mnuUpagrahas_->addMenu(groups[g].first);
        at->setObjectName(QStringLiteral("mnuRise") + groups[g].second);
        at_[g] = new QActionGroup(this);
        for (const upagrahas::PortionPointKey& row : upagrahas::kPortionPointKeys) {
            AddChoice(at, at_[g], Caption(row.key),
                      QStringLiteral("mnuRise") + groups[g].second + u'_' + Text(row.key));
        }
    }
    for (QActionGroup* group : {sunrise_, lords_, at_[0], at_[1], at_[2]}) {
        connect(group, &QActionGroup::triggered, this,
                [this, &preferences] { preferences.setChartOptions(Chosen()); });
    }
    Show(window.CurrentOptions());
    connect(&window, &FrmMain::chartOptionsShown, this, &UpagrahaMenu::Show);
}

QAction* UpagrahaMenu::AddChoice(QMenu* menu, QActionGroup* group, const QString& caption,
                                 const QString& objectName) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(objectName);
    item->setCheckable(true);
    group->addAction(item);
    return item;
}

void UpagrahaMenu::Show(const ChartOptions& options) {
    Check(sunrise_, static_cast<std::size_t>(options.upagrahas.sunrise));
    Check(lords_, static_cast<std::size_t>(options.upagrahas.lords));
    for (std::size_t g = 0; g < kGroupCount; ++g) {
        const std::optional<PortionPoint> point = GroupPoint(options.upagrahas, g);
        Check(at_[g], point ? std::optional<std::size_t>(static_cast<std::size_t>(*point))
                            : std::nullopt);
    }
}

ChartOptions UpagrahaMenu::Chosen() const {
    ChartOptions options = window_.CurrentOptions();
    upagrahas::UpagrahaOptions& chosen = options.upagrahas;
    if (const auto i = CheckedIndex(sunrise_)) chosen.sunrise = static_cast<upagrahas::SunriseRule>(*i);
    if (const auto i = CheckedIndex(lords_)) chosen.lords = static_cast<upagrahas::LordRule>(*i);
    for (std::size_t g = 0; g < kGroupCount; ++g) {
        const std::optional<std::size_t> i = CheckedIndex(at_[g]);
        if (!i) continue;  // the group's points differ and nothing was picked for them
        for (std::size_t p = 0; p < upagrahas::kUpagrahaCount; ++p) {
            if (kGroupMembers[g][p]) chosen.at[p] = static_cast<PortionPoint>(*i);
        }
    }
    return options;
}

}  // namespace tamovid
