#pragma once

#include <QDate>
#include <QString>

class QSettings;

namespace tamovid {

class UserInterface;

/// The reminder's question, carriage return included.
QString UpdateQuestionText();

/// What the stored reminder date says.
struct StoredReminder {
    enum class State { kMissing, kUnreadable, kDate } state = State::kMissing;
    QDate date;  ///< valid only for kDate
};

/// Reads "Duration" from section "Settings"; key and value are stored shifted.
StoredReminder ReadReminderDate(const QSettings& settings);

/// Stores a date as shifted ISO 8601 text under "Duration".
void WriteReminderDate(QSettings& settings, QDate date);

/// True when the last reminder lies more than 14 days away from today, either way.
bool ReminderIsDue(QDate today, QDate stored);

/// The start-up reminder: asks about an update when one is due, remembers today
/// whenever the setting was missing or the question was asked, and opens the
/// download page on Yes. An unreadable setting is left untouched and nothing is asked.
void RunUpdateReminder(QSettings& settings, QDate today, UserInterface& ui);

}  // namespace tamovid
