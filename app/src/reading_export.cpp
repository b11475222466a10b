#include "tamovid/app/reading_export.h"

#include <QCoreApplication>
#include <QFile>
#include <QPrinter>

#include <filesystem>
#include <memory>

#include "tamovid/app/user_interface.h"

namespace tamovid {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("ReadingExport", text); }

}  // namespace

QString SuggestedPdfName(const std::string& personName) {
    QString name;
    for (const QChar c : QString::fromStdString(personName)) {
        if (c.isPrint() && !QStringLiteral("/\\:*?\"<>|").contains(c)) name += c;
    }
    name = name.simplified();
    // A name of dots alone would make a hidden file or a folder's name.
    while (name.startsWith(u'.')) name.remove(0, 1);
    return (name.isEmpty() ? QStringLiteral("Reading") : name) + QStringLiteral(".pdf");
}

bool ReadingExport::Ready(const std::optional<PrintableReading>& printable, const QString& verb) {
    if (printable) return true;
    ui_.message(
        Tr("There is no reading to %1 yet. Please enter the birth details and get the Aprakasha "
           "Grahas first.")
            .arg(verb),
        QMessageBox::Information);
    return false;
}

void ReadingExport::Print(QWidget* parent, const std::optional<PrintableReading>& printable) {
    if (!Ready(printable, Tr("print"))) return;
    const auto reading = std::make_shared<const PrintableReading>(*printable);
    PrintRequest request;
    request.documentName = SuggestedPdfName(reading->reading.record.strName).chopped(4);
    request.setUp = [](QPrinter& printer) { SetReadingPageLayout(printer, ReadingPageSize()); };
    request.paint = [reading](QPrinter& printer) { PaintReading(printer, *reading); };
    ui_.printPreview(parent, request);
}

void ReadingExport::ExportPdf(QWidget* parent, const std::optional<PrintableReading>& printable) {
    if (!Ready(printable, Tr("export"))) return;
    const QString offered =
        pdfFileName_.isEmpty() ? SuggestedPdfName(printable->reading.record.strName) : pdfFileName_;
    const QString name = ui_.getPdfFileName(parent, offered);
    if (name.isEmpty()) return;
    pdfFileName_ = name;
    // File names reach the file system in the same encoding Qt itself uses for them.
    const FileWriteResult written =
        WriteReadingPdf(std::filesystem::path(QFile::encodeName(name).toStdString()), *printable);
    if (!written.ok()) {
        ui_.message(QString::fromStdString(written.error()), QMessageBox::Warning);
    }
}

}  // namespace tamovid
