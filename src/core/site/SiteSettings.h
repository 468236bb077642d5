#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/AppState.h"
#include "core/data/Status.h"
#include "core/site/PicksSite.h"

namespace gm {

// The organiser's choices for the picks site, kept in section "Site" of the
// settings file: the deadline of one week and whether the site may open the
// next week by itself.
struct SiteSettings {
    bool AutoAdvance = false;
    int DeadlineWeek = 0;                 // the week the deadline locks; 0: none
    std::optional<EasternClock> Deadline;  // Eastern wall-clock time
    bool operator==(const SiteSettings&) const = default;
};

SiteSettings ReadSiteSettings(const AppState& state);
// Writes the three keys; a failure names the file.
Status WriteSiteSettings(const AppState& state, const SiteSettings& settings);

// "2024-09-08 13:00" (Eastern); nothing for any other text or an impossible time.
std::optional<EasternClock> ParseDeadline(std::string_view text);
std::string DeadlineText(EasternClock when);

// The site's options for a request at `now`: the open week is found with
// auto-advance as set, and the deadline counts only when it is that week's.
struct OpenSheet {
    int Week = 1;
    SiteOptions Options;
};
OpenSheet OpenSheetAt(const AppState& state, const SiteSettings& settings, SiteTime now);

// One saved sheet as the audit log records it.
struct AuditSave {
    std::string Stamp;   // "2024-09-05T20:20:00-04:00"
    std::string Member;
    std::string Address;
    int Week = 0;
};
// The saves of `week` in an audit log's text, in the order they were made;
// lines that are not saves are passed over.
std::vector<AuditSave> ReadAuditSaves(std::string_view log, int week);

inline constexpr std::string_view kSiteAuditFileName = "PicksSite.log";
// Ends the audit line of a sheet that could not be saved, before the reason.
inline constexpr std::string_view kNotSaved = " NOT SAVED: ";

}  // namespace gm
