#pragma once

#include <QString>

#include <optional>

#include "tamovid/report/reading_document.h"

class QWidget;

namespace tamovid {

class UserInterface;

/// The window's printing and PDF export of the reading it shows.
class ReadingExport {
public:
    explicit ReadingExport(UserInterface& ui) : ui_(ui) {}

    /// The print preview with the system's print dialog; before any calculation, says so.
    void Print(QWidget* parent, const std::optional<PrintableReading>& printable);
    /// Asks for a .pdf file and writes the reading to it whole, or tells why it could not.
    void ExportPdf(QWidget* parent, const std::optional<PrintableReading>& printable);

    /// The PDF file name last chosen, offered again by the next export.
    const QString& PdfFileName() const { return pdfFileName_; }

private:
    bool Ready(const std::optional<PrintableReading>& printable, const QString& verb);

    UserInterface& ui_;
    QString pdfFileName_;
};

/// The file name first offered for a reading's PDF: the person's name with the characters
/// that file systems refuse left out, or "Reading" when none is left, and ".pdf".
QString SuggestedPdfName(const std::string& personName);

}  // namespace tamovid
