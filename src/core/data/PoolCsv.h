#pragma once

#include <span>
#include <string>

#include "MemberRecord.h"

namespace gm {

// The pool as CSV: one "member" row per member in record order (name without
// trailing blanks, player number), followed by a row for every non-zero pick,
// confidence and tiebreak entry of that member. Weeks are 1-based, slots 0-based.
std::string ExportPoolCsv(std::span<const MemberRecord> members);

}  // namespace gm
