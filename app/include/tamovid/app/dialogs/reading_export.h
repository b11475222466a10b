#pragma once

#include <QString>

#include <optional>

#include "tamovid/app/dialogs/file_name_offer.h"
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

private:
    bool Ready(const std::optional<PrintableReading>& printable, const QString& verb);

    UserInterface& ui_;
    FileNameOffer pdfNames_;
};

/// The file name first offered for a reading's PDF: "Asha Rao 1947-08-15.pdf", or
/// "Reading.pdf" when the name leaves nothing usable.
QString SuggestedPdfName(const BirthRecord& record);

}  // namespace tamovid
