#include "tamovid/app/options/settings_file.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "tamovid/chartfile/codepage.h"
#include "tamovid/chartfile/text_shift.h"

namespace tamovid {
namespace {

// The table is looked up by a setting's number.
constexpr bool InSettingOrder() {
    for (std::size_t i = 0; i < kSettingKeys.size(); ++i) {
        if (kSettingKeys[i].setting != static_cast<Setting>(i)) return false;
    }
    return true;
}
static_assert(InSettingOrder());

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString DefaultSettingsPath() {
    // The file the native format uses on this system, named by organisation and program.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
           QCoreApplication::organizationName() + u'/' + QCoreApplication::applicationName() +
           QStringLiteral(".conf");
}

std::unique_ptr<QSettings> OpenSettingsFile(const QString& path) {
    const QFileInfo info(path);  // follows a link to what it names
    if (info.exists() && (!info.isFile() || info.size() > kMaxSettingsFileBytes)) {
        return nullptr;
    }
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

QString ShiftedSettingText(std::string_view plain) {
    return QString::fromStdString(Windows1252ToUtf8(ScrambleText(plain)));
}

QString SettingsKey(Setting setting) {
    const SettingKey& key = kSettingKeys[static_cast<std::size_t>(setting)];
    const QString name = key.shifted ? ShiftedSettingText(key.name) : Latin1(key.name);
    return Latin1(key.group) + u'/' + name;
}

}  // namespace tamovid
