#include "tamovid/app/chart_dialog.h"

#include <QFileDialog>

namespace tamovid {

std::unique_ptr<QFileDialog> MakeChartDialog(ChartDialog kind, const QString& initialName, QWidget* parent) {
    const bool save = kind == ChartDialog::kSave;
    auto dialog = std::make_unique<QFileDialog>(
        parent, save ? QStringLiteral("Tamovid") : QStringLiteral("Select the source file"));
    dialog->setObjectName(save ? QStringLiteral("saveChartDialog") : QStringLiteral("openChartDialog"));
    dialog->setNameFilter(QStringLiteral("Zerin Vedic Apraksha Grahas (*.vug)"));
    dialog->setDefaultSuffix(QStringLiteral("vug"));
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Qt asks before replacing a file unless told otherwise; say it for the reader.
    dialog->setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog->setOption(QFileDialog::ReadOnly, false);
    if (save && !initialName.isEmpty()) {
        dialog->selectFile(initialName);
    }
    return dialog;
}

QString RunChartDialog(ChartDialog kind, const QString& initialName, QWidget* parent) {
    const std::unique_ptr<QFileDialog> dialog = MakeChartDialog(kind, initialName, parent);
    if (dialog->exec() != QDialog::Accepted) {
        return {};
    }
    const QStringList chosen = dialog->selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.front();
}

}  // namespace tamovid
