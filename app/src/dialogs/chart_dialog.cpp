#include "tamovid/app/dialogs/chart_dialog.h"

#include <QFileDialog>

#include <array>

namespace tamovid {

std::unique_ptr<QFileDialog> MakeChartDialog(ChartDialog kind, const QString& initialName,
                                             QWidget* parent) {
    const bool save = kind == ChartDialog::kSave;
    auto dialog = std::make_unique<QFileDialog>(
        parent, save ? QStringLiteral("Tamovid") : QStringLiteral("Select the source file"));
    dialog->setObjectName(save ? QStringLiteral("saveChartDialog")
                               : QStringLiteral("openChartDialog"));
    dialog->setNameFilter(QStringLiteral("Zerin Vedic Apraksha Grahas (*.vug)"));
    dialog->setDefaultSuffix(QStringLiteral("vug"));
    // Only lower-case "vug" opens; a listed "B.VUG" would only be refused.
    dialog->setFilter(dialog->filter() | QDir::CaseSensitive);
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

namespace tamovid {
namespace {

struct ImageFilter {
    const char* filter;
    const char* suffix;
};
constexpr std::array<ImageFilter, 2> kImageFilters = {
    {{"PNG image (*.png)", "png"}, {"SVG image (*.svg)", "svg"}}};

}  // namespace

std::unique_ptr<QFileDialog> MakeImageDialog(const QString& initialName, QWidget* parent) {
    auto dialog = std::make_unique<QFileDialog>(parent, QObject::tr("Save the Rasi Chart"));
    dialog->setObjectName(QStringLiteral("saveImageDialog"));
    QStringList filters;
    for (const ImageFilter& f : kImageFilters) filters << QString::fromLatin1(f.filter);
    dialog->setNameFilters(filters);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, false);
    // A bare name takes the ending of the filter chosen, which follows the offered name's ending.
    const ImageFilter* chosen = &kImageFilters[0];
    for (const ImageFilter& f : kImageFilters) {
        if (initialName.endsWith(u'.' + QString::fromLatin1(f.suffix), Qt::CaseInsensitive))
            chosen = &f;
    }
    dialog->selectNameFilter(QString::fromLatin1(chosen->filter));
    dialog->setDefaultSuffix(QString::fromLatin1(chosen->suffix));
    QObject::connect(dialog.get(), &QFileDialog::filterSelected, dialog.get(),
                     [d = dialog.get()](const QString& filter) {
                         for (const ImageFilter& f : kImageFilters) {
                             if (filter == QString::fromLatin1(f.filter))
                                 d->setDefaultSuffix(QString::fromLatin1(f.suffix));
                         }
                     });
    if (!initialName.isEmpty()) dialog->selectFile(initialName);
    return dialog;
}

QString RunImageDialog(const QString& initialName, QWidget* parent) {
    const std::unique_ptr<QFileDialog> dialog = MakeImageDialog(initialName, parent);
    if (dialog->exec() != QDialog::Accepted) {
        return {};
    }
    const QStringList chosen = dialog->selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.front();
}

}  // namespace tamovid
