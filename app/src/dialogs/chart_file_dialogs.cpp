#include "tamovid/app/dialogs/chart_file_dialogs.h"

#include <QCoreApplication>
#include <QFile>

#include <filesystem>

#include "tamovid/app/dialogs/user_interface.h"
#include "tamovid/birthentry/chart_session.h"

namespace tamovid {
namespace {

// File names reach the file system in the same encoding Qt itself uses for them.
std::filesystem::path LocalPath(const QString& name) {
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

QString Message(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

void ChartFileDialogs::Save(QWidget* parent, const ChartSession& shown) {
    // The chart the dialog was opened for, whatever the window shows once it closes.
    const ChartSession session = shown;
    if (const Result<void, SaveRefusal> savable = session.CheckSavable(); !savable.ok()) {
        ui_.message(Message(savable.error().message) + u' ' +
                        QCoreApplication::translate("ChartFileDialogs", "The chart was not saved."),
                    QMessageBox::Warning);
        return;
    }
    const QString name = ui_.getSaveFileName(parent, saveFileName_);
    if (name.isEmpty()) {
        return;
    }
    saveFileName_ = name;
    const Result<FileWritten, SaveRefusal> saved = session.Save(LocalPath(name));
    if (!saved.ok()) {
        ui_.message(Message(saved.error().message), QMessageBox::Warning);
    } else if (!saved.value().notice.empty()) {
        ui_.message(Message(saved.value().notice), QMessageBox::Information);
    }
}

std::optional<OpenedChart> ChartFileDialogs::Open(const QString& name, ChartOptions current) {
    Result<OpenedChart, OpenRefusal> opened = ChartSession::Open(LocalPath(name), current);
    if (!opened.ok()) {
        const bool wrongName = opened.error().reason == OpenRefusal::Reason::kWrongEnding;
        ui_.message(Message(opened.error().message),
                    wrongName ? QMessageBox::Critical : QMessageBox::Warning);
        return std::nullopt;
    }
    if (!opened.value().notice.empty()) {
        ui_.message(Message(opened.value().notice), QMessageBox::Warning);
    }
    return std::move(opened).value();
}

}  // namespace tamovid
