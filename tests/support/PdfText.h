#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

namespace gm::test {

// The text of a PDF file as pdftotext lays it out; empty when pdftotext is
// not installed (callers skip then).
inline std::string PdfText(const std::filesystem::path& pdf) {
    std::string out;
    const std::string command = "pdftotext -layout '" + pdf.string() + "' - 2>/dev/null";
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (const std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

// How many times `what` stands in `text` (a title once per page, say).
inline int Occurrences(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

}  // namespace gm::test
