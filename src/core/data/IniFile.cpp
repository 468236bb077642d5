#include "IniFile.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

#include "TextCodec.h"

namespace gm {
namespace {

std::string_view Trim(std::string_view s) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The file as lines, with the line ending it uses, so that a rewrite keeps it.
struct Lines {
    std::vector<std::string> lines;
    std::string eol = "\r\n";
    bool finalEol = true;
    std::string bom;  // a byte-order mark some editors put first; kept, but not part of the first line
};

Lines Split(std::string_view bytes) {
    Lines out;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        out.bom = std::string(bytes.substr(0, 3));
        bytes.remove_prefix(3);
    }
    if (bytes.find('\n') != std::string::npos && bytes.find("\r\n") == std::string::npos) out.eol = "\n";
    std::size_t start = 0;
    while (start < bytes.size()) {
        auto end = bytes.find('\n', start);
        if (end == std::string::npos) {
            out.lines.emplace_back(bytes.substr(start));
            out.finalEol = false;
            break;
        }
        std::string line(bytes.substr(start, end - start));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        out.lines.push_back(std::move(line));
        start = end + 1;
    }
    return out;
}

std::string Join(const Lines& l) {
    std::string out = l.bom;
    for (std::size_t i = 0; i < l.lines.size(); ++i) {
        out += l.lines[i];
        if (i + 1 < l.lines.size() || l.finalEol) out += l.eol;
    }
    return out;
}

// The section name of a "[name]" line.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    const auto close = line.find(']');
    return Trim(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

// The key of a "key=value" line (the whole line when it has no '=').
std::string_view KeyOf(std::string_view line) {
    return Trim(line.substr(0, line.find('=')));
}

struct SectionSpan {
    std::size_t header;  // index of the "[name]" line
    std::size_t end;     // one past its last line
};

std::optional<SectionSpan> FindSection(const Lines& l, std::string_view section) {
    for (std::size_t i = 0; i < l.lines.size(); ++i) {
        auto name = SectionName(l.lines[i]);
        if (!name || !EqualNoCase(*name, section)) continue;
        std::size_t end = i + 1;
        while (end < l.lines.size() && !SectionName(l.lines[end])) ++end;
        return SectionSpan{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> FindKey(const Lines& l, const SectionSpan& s, std::string_view key) {
    for (std::size_t i = s.header + 1; i < s.end; ++i) {
        std::string_view line = Trim(l.lines[i]);
        if (line.empty() || line.front() == ';') continue;
        if (EqualNoCase(KeyOf(line), key)) return i;
    }
    return std::nullopt;
}

// A value stays on its line: line breaks in it would start new keys.
std::string OneLine(std::string_view value) {
    std::string out(value);
    std::replace(out.begin(), out.end(), '\r', ' ');
    std::replace(out.begin(), out.end(), '\n', ' ');
    return out;
}

std::string CutToBuffer(std::string_view cp1252, std::size_t bufferSize) {
    const std::size_t limit = bufferSize == 0 ? 0 : bufferSize - 1;
    return Cp1252ToUtf8(cp1252.substr(0, std::min(limit, cp1252.size())));
}

}  // namespace

std::string ReadProfileText(std::string_view bytes, std::string_view section, std::string_view key,
                            std::string_view def, std::size_t bufferSize) {
    const Lines l = Split(bytes);
    const auto span = FindSection(l, section);
    const auto at = span ? FindKey(l, *span, key) : std::nullopt;
    if (!at) return CutToBuffer(Utf8ToCp1252(def), bufferSize);
    const std::string& line = l.lines[*at];
    const auto eq = line.find('=');
    std::string_view value = eq == std::string::npos ? std::string_view{} : Trim(std::string_view(line).substr(eq + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return CutToBuffer(value, bufferSize);
}

std::string WriteProfileText(std::string_view bytes, std::string_view section, std::string_view key,
                             std::string_view value) {
    Lines l = Split(bytes);
    const std::string encoded = Utf8ToCp1252(OneLine(value));
    const auto span = FindSection(l, section);
    if (!span) {
        if (!l.lines.empty() && !Trim(l.lines.back()).empty()) l.lines.emplace_back();
        l.lines.push_back("[" + std::string(section) + "]");
        l.lines.push_back(std::string(key) + "=" + encoded);
        l.finalEol = true;
    } else if (const auto at = FindKey(l, *span, key)) {
        l.lines[*at] = std::string(KeyOf(l.lines[*at])) + "=" + encoded;
    } else {
        // New keys go after the section's last non-blank line.
        std::size_t insert = span->end;
        while (insert > span->header + 1 && Trim(l.lines[insert - 1]).empty()) --insert;
        l.lines.insert(l.lines.begin() + static_cast<std::ptrdiff_t>(insert), std::string(key) + "=" + encoded);
        if (insert == l.lines.size() - 1) l.finalEol = true;
    }
    return Join(l);
}

std::string IniFile::Read(std::string_view section, std::string_view key, std::string_view def,
                          std::size_t bufferSize) const {
    std::string bytes;
    if (!ReadFileBytes(file_, bytes)) return CutToBuffer(Utf8ToCp1252(def), bufferSize);
    return ReadProfileText(bytes, section, key, def, bufferSize);
}

Status IniFile::Write(std::string_view section, std::string_view key, std::string_view value) const {
    std::string bytes;
    if (Status s = ReadFileBytes(file_, bytes); !s) return s;
    return WriteFileAtomic(file_, WriteProfileText(bytes, section, key, value));
}

Status IniFile::DeleteKey(std::string_view section, std::string_view key) const {
    std::string bytes;
    bool missing = false;
    if (Status s = ReadFileBytes(file_, bytes, &missing); !s || missing) return s;
    Lines l = Split(bytes);
    const auto span = FindSection(l, section);
    const auto at = span ? FindKey(l, *span, key) : std::nullopt;
    if (!at) return Status::Ok();
    l.lines.erase(l.lines.begin() + static_cast<std::ptrdiff_t>(*at));
    return WriteFileAtomic(file_, Join(l));
}

Status IniFile::DeleteSection(std::string_view section) const {
    std::string bytes;
    bool missing = false;
    if (Status s = ReadFileBytes(file_, bytes, &missing); !s || missing) return s;
    Lines l = Split(bytes);
    bool removed = false;
    // Every copy of the section goes, so no stale duplicate becomes visible.
    while (const auto span = FindSection(l, section)) {
        l.lines.erase(l.lines.begin() + static_cast<std::ptrdiff_t>(span->header),
                      l.lines.begin() + static_cast<std::ptrdiff_t>(span->end));
        removed = true;
    }
    if (!removed) return Status::Ok();
    return WriteFileAtomic(file_, Join(l));
}

long LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        if (value < 100000000) value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

}  // namespace gm
