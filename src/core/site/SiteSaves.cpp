#include "core/site/SiteSaves.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "core/site/SiteSettings.h"

namespace gm {

namespace {

bool Digits(std::string_view text, int& out) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

std::optional<SiteTime> ParseAuditStamp(std::string_view s) {
    using namespace std::chrono;
    // YYYY-MM-DDTHH:MM:SS+HH:MM
    if (s.size() != 25 || s[4] != '-' || s[7] != '-' || s[10] != 'T' || s[13] != ':' || s[16] != ':' ||
        (s[19] != '+' && s[19] != '-') || s[22] != ':')
        return std::nullopt;
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, se = 0, oh = 0, om = 0;
    if (!Digits(s.substr(0, 4), y) || !Digits(s.substr(5, 2), mo) || !Digits(s.substr(8, 2), d) ||
        !Digits(s.substr(11, 2), h) || !Digits(s.substr(14, 2), mi) || !Digits(s.substr(17, 2), se) ||
        !Digits(s.substr(20, 2), oh) || !Digits(s.substr(23, 2), om))
        return std::nullopt;
    const year_month_day date{year(y), month(static_cast<unsigned>(mo)), day(static_cast<unsigned>(d))};
    if (!date.ok() || h > 23 || mi > 59 || se > 60 || oh > 23 || om > 59) return std::nullopt;
    const seconds offset = hours(oh) + minutes(om);
    const sys_seconds local = sys_days(date) + hours(h) + minutes(mi) + seconds(se);
    return s[19] == '+' ? local - offset : local + offset;
}

std::vector<SavedSheetRow> WhoSaved(std::string_view auditLog, int week) {
    struct Last {
        AuditSave Save;
        std::optional<SiteTime> At;
        std::size_t Order = 0;
        int Saves = 0;
    };
    std::map<std::string, Last> byMember;  // by name as written; the site writes each member's name one way
    std::size_t order = 0;
    for (AuditSave& save : ReadAuditSaves(auditLog, week)) {
        Last& last = byMember[save.Member];
        last.At = ParseAuditStamp(save.Stamp);
        last.Save = std::move(save);
        last.Order = order++;
        ++last.Saves;
    }
    std::vector<const Last*> sorted;
    for (const auto& [name, last] : byMember) sorted.push_back(&last);
    // The log is written in time order: the latest line is the latest save.
    std::sort(sorted.begin(), sorted.end(), [](const Last* a, const Last* b) { return a->Order > b->Order; });
    std::vector<SavedSheetRow> rows;
    for (const Last* l : sorted)
        rows.push_back({l->Save.Member, l->At ? EasternLabel(*l->At) : l->Save.Stamp, l->Save.Address, l->Saves});
    return rows;
}

std::string SavedElsewhereQuestion(const std::vector<std::pair<std::string, int>>& saves) {
    std::string names;
    std::vector<std::pair<std::string, int>> named;
    for (const auto& s : saves) {
        if (std::find(named.begin(), named.end(), s) != named.end()) continue;
        named.push_back(s);
        names += (names.empty() ? "" : ", ") + s.first + " (week " + std::to_string(s.second) + ")";
    }
    return "While this window was open, the picks site saved the picks of " + names +
           ".\nSaving now writes this window's selections over them.\n\nSave anyway? (No: back to the window; "
           "Cancel it and open it again to see the site's picks.)";
}

std::string WhoSavedSummary(int saved, int members, int week) {
    return std::to_string(saved) + " of " + std::to_string(members) + (members == 1 ? " member has" : " members have") +
           " saved week " + std::to_string(week) + ".";
}

}  // namespace gm
