#include "tamovid/app/settings_file.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace tamovid {

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

}  // namespace tamovid
