#include "tamovid/app/desktop/update_reminder.h"

#include <QSettings>

#include <string>

#include "tamovid/app/options/settings_file.h"
#include "tamovid/app/dialogs/user_interface.h"
#include "tamovid/app/desktop/web_link_opener.h"
#include "tamovid/app/desktop/web_links.h"
#include "tamovid/chartfile/codepage.h"
#include "tamovid/chartfile/text_shift.h"

namespace tamovid {
namespace {

constexpr int kReminderDays = 14;

QString ReminderKey() { return SettingsKey(Setting::kReminderDate); }

}  // namespace

QString UpdateQuestionText() {
    return QStringLiteral("There maybe an update to this software available") + QChar(u'\r') +
           QStringLiteral("Do you want to check for an update?");
}

StoredReminder ReadReminderDate(const QSettings& settings) {
    const QString stored = settings.value(ReminderKey()).toString();
    if (stored.isEmpty()) {
        return {};
    }
    const std::optional<std::string> bytes = Utf8ToWindows1252(stored.toStdString());
    if (!bytes) {
        return {StoredReminder::State::kUnreadable, {}};
    }
    const QString plain = QString::fromStdString(UnscrambleText(*bytes));
    // Exactly yyyy-MM-dd: anything longer or shorter was not written by us.
    const QDate date = plain.size() == 10 ? QDate::fromString(plain, Qt::ISODate) : QDate();
    if (!date.isValid()) {
        return {StoredReminder::State::kUnreadable, {}};
    }
    return {StoredReminder::State::kDate, date};
}

void WriteReminderDate(QSettings& settings, QDate date) {
    settings.setValue(ReminderKey(), ShiftedSettingText(date.toString(Qt::ISODate).toStdString()));
    settings.sync();
}

bool ReminderIsDue(QDate today, QDate stored) {
    const qint64 days = today.daysTo(stored);
    return days < -kReminderDays || days > kReminderDays;
}

void RunUpdateReminder(QSettings& settings, QDate today, UserInterface& ui) {
    const StoredReminder stored = ReadReminderDate(settings);
    switch (stored.state) {
        case StoredReminder::State::kUnreadable:
            return;
        case StoredReminder::State::kMissing:
            WriteReminderDate(settings, today);
            return;
        case StoredReminder::State::kDate:
            break;
    }
    if (!ReminderIsDue(today, stored.date)) {
        return;
    }
    const bool wantsUpdate = ui.question(UpdateQuestionText());
    WriteReminderDate(settings, today);
    if (wantsUpdate) {
        WebLinkOpener(ui).Open(WebAddress(WebPage::kDownload));
    }
}

}  // namespace tamovid
