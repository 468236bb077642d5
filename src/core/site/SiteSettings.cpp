#include "core/site/SiteSettings.h"

#include <charconv>
#include <cstdio>

#include "core/site/Json.h"

namespace gm {

namespace {

constexpr std::string_view kSection = "Site";

bool Number(std::string_view text, int& out) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

std::optional<EasternClock> ParseDeadline(std::string_view text) {
    // YYYY-MM-DD HH:MM
    if (text.size() != 16 || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':') return std::nullopt;
    int y = 0, mo = 0, d = 0, h = 0, mi = 0;
    if (!Number(text.substr(0, 4), y) || !Number(text.substr(5, 2), mo) || !Number(text.substr(8, 2), d) ||
        !Number(text.substr(11, 2), h) || !Number(text.substr(14, 2), mi))
        return std::nullopt;
    EasternClock when{static_cast<std::uint32_t>(y * 10000 + mo * 100 + d), static_cast<std::uint16_t>(h * 100 + mi)};
    if (!EasternToUtc(when)) return std::nullopt;
    return when;
}

std::string DeadlineText(EasternClock when) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04u-%02u-%02u %02u:%02u", when.Date / 10000, when.Date / 100 % 100,
                  when.Date % 100, static_cast<unsigned>(when.Time / 100), static_cast<unsigned>(when.Time % 100));
    return buf;
}

SiteSettings ReadSiteSettings(const AppState& state) {
    SiteSettings s;
    s.AutoAdvance = state.Settings.Read(kSection, "AutoAdvance", "No", 8) == "Yes";
    int week = 0;
    if (Number(state.Settings.Read(kSection, "DeadlineWeek", "0", 8), week) && state.League().ValidWeek(week))
        s.DeadlineWeek = week;
    s.Deadline = ParseDeadline(state.Settings.Read(kSection, "Deadline", "", 20));
    if (!s.Deadline) s.DeadlineWeek = 0;
    if (s.DeadlineWeek == 0) s.Deadline.reset();
    return s;
}

Status WriteSiteSettings(const AppState& state, const SiteSettings& settings) {
    const bool deadline = settings.Deadline && settings.DeadlineWeek > 0;
    for (auto [key, value] : {std::pair<std::string_view, std::string>{"AutoAdvance", settings.AutoAdvance ? "Yes" : "No"},
                              {"DeadlineWeek", deadline ? std::to_string(settings.DeadlineWeek) : "0"},
                              {"Deadline", deadline ? DeadlineText(*settings.Deadline) : ""}}) {
        if (Status s = state.Settings.Write(kSection, key, value); !s) return s;
    }
    return Status::Ok();
}

OpenSheet OpenSheetAt(const AppState& state, const SiteSettings& settings, SiteTime now) {
    OpenSheet open;
    open.Options.AutoAdvance = settings.AutoAdvance;
    open.Week = OpenWeek(state, open.Options, now);
    if (settings.Deadline && settings.DeadlineWeek == open.Week) open.Options.Deadline = settings.Deadline;
    return open;
}

std::vector<AuditSave> ReadAuditSaves(std::string_view log, int week) {
    std::vector<AuditSave> out;
    const std::string wanted = " week=" + std::to_string(week) + " changes:";
    while (!log.empty()) {
        const std::size_t nl = log.find('\n');
        std::string_view line = log.substr(0, nl);
        log = nl == std::string_view::npos ? std::string_view() : log.substr(nl + 1);
        // STAMP member="..." address="..." week=N changes: ...
        const std::size_t space = line.find(' ');
        if (space == std::string_view::npos || line.find(wanted) == std::string_view::npos) continue;
        if (line.find(kNotSaved) != std::string_view::npos) continue;
        AuditSave save;
        save.Stamp = std::string(line.substr(0, space));
        std::string_view rest = line.substr(space + 1);
        auto quoted = [&rest](std::string_view key, std::string& value) {
            if (rest.substr(0, key.size()) != key) return false;
            rest.remove_prefix(key.size());
            // The value is one JSON string: find its closing quote.
            std::size_t i = 1;
            while (i < rest.size() && rest[i] != '"') i += rest[i] == '\\' ? 2 : 1;
            if (rest.empty() || rest[0] != '"' || i >= rest.size()) return false;
            const json::ParseResult parsed = json::Parse(rest.substr(0, i + 1));
            if (!parsed.Ok || parsed.Root.AsString() == nullptr) return false;
            value = *parsed.Root.AsString();
            rest.remove_prefix(std::min(rest.size(), i + 2));
            return true;
        };
        std::string member, address;
        if (!quoted("member=", member) || !quoted("address=", address)) continue;
        if (rest.substr(0, wanted.size() - 1) != wanted.substr(1)) continue;
        save.Member = member;
        save.Address = address;
        save.Week = week;
        out.push_back(std::move(save));
    }
    return out;
}

}  // namespace gm
