#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/site/EasternTime.h"

namespace gm {

// The picks site window's list of who has saved a week: one row a member,
// with the last save, the most recent first.
struct SavedSheetRow {
    std::string Member;
    std::string When;     // "Thu 9/5/2024 8:20 PM ET"
    std::string Address;  // where the last save came from
    int Saves = 0;        // how many times the member saved the week
};
std::vector<SavedSheetRow> WhoSaved(std::string_view auditLog, int week);
// "3 of 12 members have saved week 4."
std::string WhoSavedSummary(int saved, int members, int week);

// The instant of an audit stamp ("2024-09-05T20:20:00-04:00"); nothing for other text.
std::optional<SiteTime> ParseAuditStamp(std::string_view stamp);

}  // namespace gm
