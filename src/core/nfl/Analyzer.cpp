#include "Analyzer.h"

#include <algorithm>
#include <cctype>

#include "core/nfl/Marquee.h"
#include "core/output/TextColumns.h"

namespace gm {

// ---- The category counter ----------------------------------------------------

void BuildCategory(TeamTable& table, const SeasonGrid& games, WeekRange range, const Category& c) {
    RecordCount count;
    count.venue = c.location;
    count.judge = c.spread ? Judge::Spread : Judge::StraightUp;
    count.role = c.role;
    count.games = c.restriction;
    count.spreadPoints = true;
    CountRecords(table, games, range, count);
}

// ---- Records, groups and percentages -----------------------------------------

float WinPct(int wins, int losses, int ties) {
    const int games = wins + losses + ties;
    if (games == 0) return 0.0f;
    return (static_cast<float>(wins) + static_cast<float>(ties) / 2.0f) / static_cast<float>(games) * 100.0f;
}

namespace {

template <typename R>
void SetPct(R& r) {
    r.Pct = WinPct(r.Wins, r.Losses, r.Ties);
}

template <typename R>
void AddTo(GroupRecord& g, const R& r) {
    g.Wins += r.Wins;
    g.Losses += r.Losses;
    g.Ties += r.Ties;
    g.PointsFor += r.PointsFor;
    g.PointsAgainst += r.PointsAgainst;
}

}  // namespace

namespace {

// The conference index (0 NFC, 1 AFC) of a division list.
std::size_t ConferenceIndexOfList(int list, const League& league) {
    return ConferenceOfList(list, league) == kConferenceNFC ? 0 : 1;
}

}  // namespace

int ConferenceOfTeam(int team, const League& league) {
    const int list = DivisionListOf(team, league);
    return list < 0 ? -1 : static_cast<int>(ConferenceIndexOfList(list, league));
}

AnalyzerTables SumTables(const TeamTable& counted) {
    AnalyzerTables out;
    const League& league = *counted.league;
    out.league = &league;
    for (int t = 1; t <= league.Teams; ++t) {
        const TeamRecord& r = counted[static_cast<std::size_t>(t)];
        AnalyzerRecord& a = out.Teams[static_cast<std::size_t>(t)];
        a = AnalyzerRecord{t, r.Wins, r.Losses, r.Ties, r.PointsFor, r.PointsAgainst};
        SetPct(a);
        const int division = DivisionListOf(t, league);
        AddTo(out.Divisions[static_cast<std::size_t>(division)], a);
        AddTo(out.Conferences[ConferenceIndexOfList(division, league)], a);
    }
    for (auto& d : out.Divisions) SetPct(d);
    for (auto& c : out.Conferences) SetPct(c);
    return out;
}

void ApplyBenchmark(AnalyzerTables& cat, const AnalyzerTables& regular, Benchmark benchmark) {
    GroupRecord league;
    for (const auto& c : cat.Conferences) AddTo(league, c);
    SetPct(league);
    const League& lg = *cat.league;
    for (int t = 1; t <= lg.Teams; ++t) {
        AnalyzerRecord& a = cat.Teams[static_cast<std::size_t>(t)];
        const auto conference = static_cast<std::size_t>(ConferenceOfTeam(a.Team, lg));
        switch (benchmark) {
            case Benchmark::RegularSeason: a.Change = a.Pct - regular.Teams[static_cast<std::size_t>(a.Team)].Pct; break;
            case Benchmark::ConferenceHC: a.Change = a.Pct - cat.Conferences[conference].Pct; break;
            case Benchmark::LeagueHC: a.Change = a.Pct - league.Pct; break;
        }
    }
    for (std::size_t d = 0; d < static_cast<std::size_t>(lg.Divisions); ++d) {
        GroupRecord& g = cat.Divisions[d];
        switch (benchmark) {
            case Benchmark::RegularSeason: g.Change = g.Pct - regular.Divisions[d].Pct; break;
            case Benchmark::ConferenceHC:
                g.Change = g.Pct - cat.Conferences[ConferenceIndexOfList(static_cast<int>(d), lg)].Pct;
                break;
            case Benchmark::LeagueHC: g.Change = g.Pct - league.Pct; break;
        }
    }
    for (std::size_t c = 0; c < cat.Conferences.size(); ++c) {
        GroupRecord& g = cat.Conferences[c];
        switch (benchmark) {
            case Benchmark::RegularSeason: g.Change = g.Pct - regular.Conferences[c].Pct; break;
            case Benchmark::ConferenceHC: g.Change = 0.0f; break;
            case Benchmark::LeagueHC: g.Change = g.Pct - league.Pct; break;
        }
    }
}

std::optional<int> ParseChange(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        i = 1;
    }
    const std::string_view digits = text.substr(i);
    if (digits.empty() || digits.size() > 3) return std::nullopt;
    int value = 0;
    for (char ch : digits) {
        if (ch < '0' || ch > '9') return std::nullopt;
        value = value * 10 + (ch - '0');
    }
    if (negative) value = -value;
    if (value < -100 || value > 100) return std::nullopt;
    return value;
}

std::vector<std::string> Hits(const AnalyzerTables& cat, const TeamTables& teams, int low, int high) {
    std::vector<std::string> hits;
    for (int t = 1; t <= cat.league->Teams; ++t) {
        const float change = cat.Teams[static_cast<std::size_t>(t)].Change;
        if (change >= static_cast<float>(low) && change <= static_cast<float>(high)) hits.push_back(teams.City(t));
    }
    hits.push_back(std::to_string(hits.size()));
    return hits;
}

std::string AnalyzerSignMessage(const WeekGames& week, const TeamTables& teams) {
    std::string message = "  ";
    bool any = false;
    for (int slot = 0; slot < kMaxSlots; ++slot) {
        const GameRecord& g = week[static_cast<std::size_t>(slot)];
        if (!g.HasGame()) continue;
        any = true;
        message += GameSignText(g, teams) + " ** ";
    }
    if (!any) return std::string(kNoGamesMessage) + "              ";
    return message;
}

// ---- Lines ------------------------------------------------------------------

namespace {

void AppendChange(std::string& line, std::size_t width, float change) {
    if (change > 0) {
        std::string text;
        AppendFixed1(text, 0, change);
        AppendPad(line, width, "+" + text);
    } else {
        AppendFixed1(line, width, change);
    }
}

void AppendColumns(std::string& line, std::size_t winWidth, int w, int l, int t, float pct, int pf, int pa, float rs,
                   float change) {
    AppendNumber(line, winWidth, w);
    AppendNumber(line, 4, l);
    AppendNumber(line, 2, t);
    AppendFixed1(line, 6, pct);
    AppendNumber(line, 6, pf);
    AppendNumber(line, 5, pa);
    AppendFixed1(line, 7, rs);
    AppendChange(line, 7, change);
}

std::string GroupLine(std::string_view name, const GroupRecord& g, float rs) {
    std::string line(name);
    AppendColumns(line, 4, g.Wins, g.Losses, g.Ties, g.Pct, g.PointsFor, g.PointsAgainst, rs, g.Change);
    return line;
}

constexpr std::array<std::string_view, 3> kDivisionWords{" East         ", " Central      ", " West         "};

// The name field of a division's line: in 1997 " East", " Central", " West";
// today the division's own word after its conference (" North").
std::string DivisionWords(int list, const League& league) {
    if (league.Kind == LeagueKind::Nfl1997) return std::string(kDivisionWords[static_cast<std::size_t>(list % 3)]);
    const std::string name = DivisionName(list, league);
    const auto blank = name.find(' ');
    return PadRight(" " + (blank == std::string::npos ? name : name.substr(blank + 1)), 14);
}

}  // namespace

std::string_view RoleWords(Role role) {
    return role == Role::Favorite ? "As Favorites" : role == Role::Underdog ? "As Underdogs" : "All Games";
}
std::string_view LocationWords(Venue location) {
    return location == Venue::Home ? "Home Games" : location == Venue::Road ? "Away Games" : "All Games";
}
std::string_view RestrictionWords(GameFilter restriction) {
    return restriction == GameFilter::NonDivision     ? "Non Division Games"
           : restriction == GameFilter::NonConference ? "Non Conference Games"
                                                      : "All Games";
}
std::string_view BenchmarkWords(Benchmark benchmark) {
    switch (benchmark) {
        case Benchmark::RegularSeason: return "vs. Own Regular Season Record";
        case Benchmark::ConferenceHC: return "Conference's Record vs. Handicapping Categories";
        case Benchmark::LeagueHC: return "NFL's Record vs. Handicapping Categories";
    }
    return {};
}

// ---- The display --------------------------------------------------------------

Analyzer::Analyzer(AppState& state)
    : state_(state),
      start_(1, state.League().Weeks),
      end_(std::clamp(state.CurrentWeek, 1, state.League().Weeks), state.League().Weeks),
      marquee_(std::clamp(state.CurrentWeek, 1, state.League().Weeks), state.League().Weeks) {
    Rebuild();
}

void Analyzer::SetRole(Role role) {
    category_kind_.role = role;
    Rebuild();
}
void Analyzer::SetLocation(Venue location) {
    category_kind_.location = location;
    Rebuild();
}
void Analyzer::SetRestriction(GameFilter restriction) {
    category_kind_.restriction = restriction == GameFilter::NonDivision || restriction == GameFilter::NonConference
                                     ? restriction
                                     : GameFilter::All;
    Rebuild();
}
void Analyzer::SetSpread(bool spread) {
    category_kind_.spread = spread;
    Rebuild();
}
void Analyzer::SetBenchmark(Benchmark benchmark) {
    benchmark_ = benchmark;
    Rebuild();
}
bool Analyzer::SpinStart(int step) {
    if (!start_.Step(step)) return false;
    Rebuild();
    return true;
}
bool Analyzer::SpinEnd(int step) {
    if (!end_.Step(step)) return false;
    state_.CurrentWeek = end_.Week();
    Rebuild();
    return true;
}
void Analyzer::SetChangeRange(int low, int high) {
    low_ = low;
    high_ = high;
}
void Analyzer::SetExpanded(bool expanded) { expanded_ = expanded; }

bool Analyzer::SpinMarquee(int step) { return marquee_.Step(step); }

std::string Analyzer::SignMessage() const {
    return AnalyzerSignMessage(state_.Games[static_cast<std::size_t>(marquee_.Week() - 1)], state_.Teams);
}

void Analyzer::Rebuild() {
    const WeekRange range{start_.Week() - 1, end_.Week() - 1};
    // The regular-season benchmark is counted only while it is the one
    // chosen; the other benchmarks leave its last count (the RS column) as it was.
    if (benchmark_ == Benchmark::RegularSeason) {
        TeamTable regular = NewTeamTable(state_.League());
        BuildRegRecord(regular, state_.Games, range);
        regular_ = SumTables(regular);
    }
    TeamTable counted = NewTeamTable(state_.League());
    BuildCategory(counted, state_.Games, range, category_kind_);
    category_ = SumTables(counted);
    ApplyBenchmark(category_, regular_, benchmark_);
    hits_ = Hits(category_, state_.Teams, low_, high_);

    // Most wins first, equal wins by fewest losses, then team number.
    auto first = category_.Teams.begin() + 1;
    auto last = first + state_.League().Teams;
    std::stable_sort(first, last, [](const AnalyzerRecord& a, const AnalyzerRecord& b) { return a.Losses < b.Losses; });
    std::stable_sort(first, last, [](const AnalyzerRecord& a, const AnalyzerRecord& b) { return a.Wins > b.Wins; });
}

std::vector<std::string> Analyzer::ListLines() const {
    std::vector<std::string> lines;
    const League& league = state_.League();
    for (int c = 0; c < kConferences; ++c) {
        const auto ci = static_cast<std::size_t>(c);
        lines.push_back(GroupLine(c == 0 ? "NFC           " : "AFC           ", category_.Conferences[ci],
                                  regular_.Conferences[ci].Pct));
        for (int d = 0; d < league.Divisions; ++d) {
            if (ConferenceOfList(d, league) != (c == 0 ? kConferenceNFC : kConferenceAFC)) continue;
            const auto di = static_cast<std::size_t>(d);
            lines.emplace_back();
            lines.push_back(GroupLine(DivisionWords(d, league), category_.Divisions[di], regular_.Divisions[di].Pct));
            if (!expanded_) continue;
            for (int i = 1; i <= league.Teams; ++i) {
                const AnalyzerRecord& a = category_.Teams[static_cast<std::size_t>(i)];
                if (DivisionListOf(a.Team, league) != d) continue;
                std::string line = "  " + PadRight(Utf8Left(state_.Teams.City(a.Team), 13), 13);
                AppendColumns(line, 3, a.Wins, a.Losses, a.Ties, a.Pct, a.PointsFor, a.PointsAgainst,
                              regular_.Teams[static_cast<std::size_t>(a.Team)].Pct, a.Change);
                lines.push_back(std::move(line));
            }
        }
    }
    return lines;
}

std::vector<std::string> Analyzer::OutputLines() const {
    std::vector<std::string> out{"                    The NFL Analyzer", "", std::string(kAnalyzerHeading), ""};
    const auto list = ListLines();
    out.insert(out.end(), list.begin(), list.end());
    out.emplace_back();
    out.push_back("                    Week " + std::to_string(start_.Week()) + " To Week " +
                  std::to_string(end_.Week()));
    out.emplace_back();
    out.push_back("  League: " + std::string(RestrictionWords(category_kind_.restriction)));
    out.push_back("  Home/Away: " + std::string(LocationWords(category_kind_.location)));
    out.push_back("  Favorite/Underdog: " + std::string(RoleWords(category_kind_.role)));
    out.push_back("  PointSpreads: " + std::string(category_kind_.spread ? "In Use" : "Not Used"));
    out.emplace_back();
    out.push_back("  Benchmark Used: " + std::string(BenchmarkWords(benchmark_)));
    return out;
}

TextFileOutput Analyzer::TextFile() const {
    TextFileOutput out;
    out.FileName = "Analyze.txt";
    out.Lines = OutputLines();
    out.ConfirmTitle = "The NFL Analyzer";
    return out;
}

ClipboardOutput Analyzer::Clipboard() const {
    return {ClipboardText(OutputLines()),
            OutputMessage::Confirm("The NFL Analyzer", "The NFL Benchmark Statistics are now on the clipboard")};
}

WebPageOutput Analyzer::WebPage() const {
    WebPageOutput page;
    page.Page = WebPageId::Analyzer;
    const auto list = ListLines();
    for (const auto& line : OutputLines()) {
        // Conference and division lines stand out; team lines (indented two
        // blanks) and the rest are plain.
        const bool listLine = std::find(list.begin(), list.end(), line) != list.end();
        if (listLine && line.size() > 1 && line[1] != ' ')
            page.Lines.push_back(WebLine::Head(line));
        else
            page.Lines.push_back(WebLine::Plain(line));
    }
    return page;
}

void Analyzer::PrintCopy(PageSurface& s, int) const {
    const double bottom = PageBottom(s);
    const PageFont title{"Times New Roman", 20, true};
    const PageFont body{"Courier New", 10};
    const auto lines = OutputLines();
    s.Font = title;
    PrintCentered(s, lines[0].substr(lines[0].find_first_not_of(' ')));
    s.PrintLine();
    s.Font = body;
    const std::vector<std::string> heading{std::string(kAnalyzerHeading)};
    for (std::size_t i = 2; i < lines.size(); ++i) {
        if (i > 4) BreakPageIfNeeded(s, bottom, body, body, heading);
        s.CurrentX = 720;
        s.PrintLine(lines[i]);
    }
}

}  // namespace gm
