#pragma once

#include <string>

#include <algorithm>

#include "core/data/MemberRecord.h"
#include "core/data/WeekLabel.h"
#include "core/data/TextCodec.h"
#include "core/output/TextColumns.h"

namespace gm {

// The member's 18-character name field (names read from the file already are).
inline std::string NameField(const MemberRecord& m) {
    if (m.Name.size() == static_cast<std::size_t>(kNameLength) &&
        std::all_of(m.Name.begin(), m.Name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return m.Name;
    return FitName(m.Name);
}

// Appends the name field without a copy when it is already 18 plain characters.
inline void AppendName(std::string& out, const MemberRecord& m) {
    if (m.Name.size() == static_cast<std::size_t>(kNameLength) &&
        std::all_of(m.Name.begin(), m.Name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        out += m.Name;
    else
        out += FitName(m.Name);
}

}  // namespace gm
