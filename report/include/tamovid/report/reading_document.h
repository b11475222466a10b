#pragma once

#include <QByteArray>
#include <QLocale>
#include <QPageSize>

#include <filesystem>
#include <optional>
#include <string>

#include "tamovid/birthentry/calculation.h"
#include "tamovid/birthentry/graha_table.h"
#include "tamovid/base/file_io.h"
#include "tamovid/chartlayout/chart_layout.h"
#include "tamovid/dasha/vimshottari.h"
#include "tamovid/fullreading/full_reading.h"
#include "tamovid/timewindow/time_window.h"
#include "tamovid/vargas/varga_body.h"

class QPagedPaintDevice;

namespace tamovid {

/// A calculated reading with what the page shows beside it.
struct PrintableReading {
    Reading reading;
    std::string zoneLabel;  ///< the zone as the user chose it
    ChartStyle style = ChartStyle::kSouth;
    /// The Ascendant, the nine grahas and the five points as a table, when printed.
    std::optional<GrahaTable> grahas;
    /// The birth-time window, when printed.
    std::optional<timewindow::TimeWindow> timeWindow;
    /// The bodies' divisional signs: the Navamsa chart is printed beside the Rasi chart.
    std::optional<std::vector<VargaBody>> vargas;
    /// The dasha, when printed, with the moment (Julian Date, UT) whose periods it marks.
    std::optional<Vimshottari> dasha;
    double nowJulianDate = 0;
    /// The six time-based upagrahas with their day, when printed.
    std::optional<ReadingUpagrahas> upagrahas;
};

/// The moment of the call as a Julian Date (UT).
double CurrentJulianDate();

/// US Letter where the locale's country uses it, A4 everywhere else.
QPageSize ReadingPageSize(const QLocale& locale = QLocale::system());

/// Sets the paper and the reading's margins on a printer or PDF writer.
void SetReadingPageLayout(QPagedPaintDevice& device, const QPageSize& size);

/// Paints the whole reading on the device, starting new pages as the text needs:
/// heading, birth data, Sun and Ascendant, the chart in black on white (the Navamsa beside
/// it when given), the table of the five points, the graha table, the birth-time window
/// and the dasha when given, each point's lines
/// and a footer with "page n of m". Returns the number
/// of pages, or 0 when the device could not be painted on.
int PaintReading(QPagedPaintDevice& device, const PrintableReading& printable);

/// The reading as a PDF document with embedded fonts; empty when it could not be made.
QByteArray ReadingPdf(const PrintableReading& printable, const QPageSize& size = ReadingPageSize());

/// Writes the reading's PDF, replacing the file whole or leaving it as it was.
FileWriteResult WriteReadingPdf(const std::filesystem::path& path,
                                const PrintableReading& printable,
                                const QPageSize& size = ReadingPageSize());

}  // namespace tamovid
