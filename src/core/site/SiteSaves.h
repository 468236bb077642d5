#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
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

// Asked before the selections window writes its copy over sheets the site
// saved while it was open: each member and week named once.
inline constexpr std::string_view kSavedElsewhereTitle = "Picks Saved Through The Site";
std::string SavedElsewhereQuestion(const std::vector<std::pair<std::string, int>>& saves);

// The instant of an audit stamp ("2024-09-05T20:20:00-04:00"); nothing for other text.
std::optional<SiteTime> ParseAuditStamp(std::string_view stamp);

}  // namespace gm
