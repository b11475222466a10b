#include "tamovid/app/dialogs/reading_export.h"

#include <QCoreApplication>
#include <QFile>
#include <QPrinter>

#include <filesystem>
#include <memory>

#include "tamovid/app/dialogs/user_interface.h"
#include "tamovid/birthentry/chart_naming.h"

namespace tamovid {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("ReadingExport", text); }

}  // namespace

QString SuggestedPdfName(const BirthRecord& record) {
    return QString::fromStdString(ProposedFileName(record, "Reading", ".pdf"));
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
    request.documentName = SuggestedPdfName(reading->reading.record).chopped(4);
    request.setUp = [](QPrinter& printer) { SetReadingPageLayout(printer, ReadingPageSize()); };
    request.paint = [reading](QPrinter& printer) { PaintReading(printer, *reading); };
    ui_.printPreview(parent, request);
}

void ReadingExport::ExportPdf(QWidget* parent, const std::optional<PrintableReading>& printable) {
    if (!Ready(printable, Tr("export"))) return;
    const QString proposal = SuggestedPdfName(printable->reading.record);
    const QString name = ui_.getPdfFileName(parent, pdfNames_.Offer(proposal));
    if (name.isEmpty()) return;
    pdfNames_.Chosen(name, proposal);
    // File names reach the file system in the same encoding Qt itself uses for them.
    const FileWriteResult written =
        WriteReadingPdf(std::filesystem::path(QFile::encodeName(name).toStdString()), *printable);
    if (!written.ok()) {
        ui_.message(QString::fromStdString(written.error()), QMessageBox::Warning);
    }
}

}  // namespace tamovid
