// The chart and PDF drawing of tamovid-cli, loaded only when asked for: Qt's
// libraries cost more to load than the rest of the tool's whole run.
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>

#include <array>
#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>

#include "tamovid/birthentry/calculation.h"
#include "tamovid/chartlayout/image_format.h"
#include "tamovid/render/chart_image.h"
#include "tamovid/report/full_reading.h"
#include "tamovid/report/reading_document.h"
#include "tamovid/report/reading_sheet.h"

namespace {

// Qt's own notes (such as a missing runtime folder) are not the tool's to print;
// only its critical and fatal messages reach standard error.
void QuietMessages(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
}

// A QGuiApplication on the offscreen platform, made only when there is none, so that
// fonts can be measured and drawn without a display.
class OffscreenGui {
public:
    OffscreenGui() {
        if (QCoreApplication::instance() != nullptr) return;
        previous_ = qInstallMessageHandler(QuietMessages);
        app_ = std::make_unique<QGuiApplication>(argc_, argv_.data());
    }
    ~OffscreenGui() {
        if (!app_) return;
        app_.reset();
        qInstallMessageHandler(previous_);
    }
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

private:
    // The platform named on the command line wins over QT_QPA_PLATFORM. Qt takes the
    // arguments it handles out of these, so each application gets its own copy: a second
    // one in the same run (--chart with --pdf) would otherwise look for a display.
    std::array<char, 12> program_{"tamovid-cli"};
    std::array<char, 10> platformFlag_{"-platform"};
    std::array<char, 10> platform_{"offscreen"};
    std::array<char*, 4> argv_{program_.data(), platformFlag_.data(), platform_.data(), nullptr};
    int argc_ = 3;

    QtMessageHandler previous_ = nullptr;
    std::unique_ptr<QGuiApplication> app_;
};

/// Without any font Qt draws every letter as an empty box; a PNG or PDF of boxes is
/// no reading, so it is refused instead of written. The family and writing-system lists
/// are no test: they still hold the generic names ("Sans Serif", Latin) when no font file
/// is installed at all; only a real font has a glyph for a letter.
bool RefusedForLackOfFonts(const std::string& what, std::string* error) {
    if (QFontMetricsF(QFont()).inFont(QLatin1Char('A'))) return false;
    *error = what +
             ": no font is installed, so its text cannot be drawn (install one, such as "
             "the package fonts-dejavu-core).";
    return true;
}

}  // namespace

extern "C" bool tamovid_write_reading_chart(const tamovid::FullReading* full,
                                            tamovid::ChartStyle style, const std::string* path,
                                            std::string* error) {
    const OffscreenGui gui;
    // An SVG keeps its text as text, for the viewer's fonts to draw.
    if (tamovid::ChartImageFormatFor(*path) == tamovid::ChartImageFormat::kPng &&
        RefusedForLackOfFonts("The chart \"" + *path + "\" was not drawn", error)) {
        return false;
    }
    tamovid::ChartInput input = tamovid::ChartInputFromReading(full->reading);
    if (full->grahas) tamovid::AddGrahaPlacements(input, full->grahas->grahas);
    if (full->upagrahas) {
        tamovid::AddUpagrahaPlacements(input, tamovid::UpagrahaLongitudes(*full->upagrahas),
                                       false);
    }
    const tamovid::FileWriteResult written = tamovid::WriteChartImage(
        *path, tamovid::LayoutChart(style, input), tamovid::PaperChartColours());
    if (!written.ok()) *error = written.error();
    return written.ok();
}

extern "C" bool tamovid_write_reading_pdf(const tamovid::FullReading* full, int zoneRow,
                                          tamovid::ChartStyle style, const std::string* path,
                                          std::string* error) {
    const OffscreenGui gui;
    if (RefusedForLackOfFonts("The reading \"" + *path + "\" was not written", error)) {
        return false;
    }
    const tamovid::FileWriteResult written = tamovid::WriteReadingPdf(
        *path, tamovid::PrintableOf(*full, std::string(tamovid::ZoneRowLabel(zoneRow)), style));
    if (!written.ok()) *error = written.error();
    return written.ok();
}
