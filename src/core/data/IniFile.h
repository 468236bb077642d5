#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "FileIO.h"
#include "Status.h"

namespace gm {

// An initialisation file read and written the way the Windows profile
// functions do it: sections in brackets, "key=value" lines, section and key
// names matched without regard to case, the default when a section or key is
// missing, values cut to the reader's buffer length minus one. Writing one key
// rewrites that line in place and keeps every other line of the file as it was.
// The file holds Windows-1252 text; values in memory are UTF-8.
class IniFile {
public:
    explicit IniFile(fs::path file) : file_(std::move(file)) {}

    const fs::path& path() const { return file_; }

    // Like GetPrivateProfileString with a buffer of `bufferSize` characters:
    // at most bufferSize - 1 characters of the value (or of the default) come back.
    std::string Read(std::string_view section, std::string_view key, std::string_view def,
                     std::size_t bufferSize) const;

    // Like WritePrivateProfileString: creates the file, section or key as needed.
    Status Write(std::string_view section, std::string_view key, std::string_view value) const;

    // Removes a key, or a whole section with all its keys.
    Status DeleteKey(std::string_view section, std::string_view key) const;
    Status DeleteSection(std::string_view section) const;

private:
    fs::path file_;
};

// The from-bytes core of IniFile::Read and IniFile::Write: the value of a key
// in a settings text, and the whole text with one key written.
std::string ReadProfileText(std::string_view bytes, std::string_view section, std::string_view key,
                            std::string_view def, std::size_t bufferSize);
std::string WriteProfileText(std::string_view bytes, std::string_view section, std::string_view key,
                             std::string_view value);

// The number at the start of a settings text: its leading digits (after blanks
// and an optional sign); 0 when there are none.
long LeadingNumber(std::string_view text);

}  // namespace gm
