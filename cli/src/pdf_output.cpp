#include "tamovid/cli/pdf_output.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "tamovid/cli/offscreen_gui.h"
#include "tamovid/report/reading_document.h"
#include "tamovid/report/reading_sheet.h"

namespace tamovid::cli {

bool IsPdfName(const std::string& path) {
    constexpr std::string_view kEnding = ".pdf";
    if (path.size() < kEnding.size()) return false;
    return std::equal(kEnding.begin(), kEnding.end(), path.end() - static_cast<std::ptrdiff_t>(kEnding.size()),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

FileWriteResult WriteReadingPdfFile(const Reading& reading, int zoneRow, const std::string& path) {
    const OffscreenGui gui;
    const PrintableReading printable{reading, std::string(ZoneRowLabel(zoneRow)), ChartStyle::kSouth};
    return WriteReadingPdf(path, printable);
}

}  // namespace tamovid::cli
