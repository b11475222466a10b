#pragma once

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace tamovid::testing_support {

/// Standard output of a shell command (poppler's pdftotext, pdfinfo, pdffonts).
inline std::string CommandOutput(const std::string& command) {
    std::string output;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return output;
    std::array<char, 4096> buffer{};
    while (const std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe.get()))
        output.append(buffer.data(), n);
    return output;
}

/// Runs of blanks and line ends as one blank, so wrapped lines read as one.
inline std::string Flattened(const std::string& text) {
    std::string flat;
    for (const char ch : text) {
        const bool blank = ch == ' ' || ch == '\n' || ch == '\r' || ch == '\t' || ch == '\f';
        if (blank && (flat.empty() || flat.back() == ' ')) continue;
        flat += blank ? ' ' : ch;
    }
    return flat;
}

/// The PDF's text in drawing order, flattened.
inline std::string PdfText(const std::filesystem::path& pdf) {
    return Flattened(CommandOutput("pdftotext -raw -enc UTF-8 '" + pdf.string() + "' -"));
}

/// "Pages:" of pdfinfo; 0 when it cannot be read.
inline int PdfPageCount(const std::filesystem::path& pdf) {
    const std::string info = CommandOutput("pdfinfo '" + pdf.string() + "'");
    const std::size_t at = info.find("Pages:");
    return at == std::string::npos ? 0 : std::stoi(info.substr(at + 6));
}

/// pdffonts' table rows: one per font, after the two heading lines.
inline std::string PdfFonts(const std::filesystem::path& pdf) {
    return CommandOutput("pdffonts '" + pdf.string() + "'");
}

}  // namespace tamovid::testing_support
