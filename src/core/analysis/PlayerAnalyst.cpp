#include "PlayerAnalyst.h"

#include <algorithm>

#include "core/output/PrintJob.h"
#include "core/pool/PoolText.h"
#include "core/sheets/PickSheet.h"

namespace gm {

namespace {

constexpr int kFirstWeek = 1;

// "#0.0" after (width - digits before the point) blanks: the points or
// percentage column of the result lines.
std::string ValueField(double value, int width) {
    const std::string text = Format1(value);
    const auto whole = static_cast<int>(text.find('.'));
    return std::string(static_cast<std::size_t>(std::max(0, width - whole)), ' ') + text;
}

std::string Trim(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(' ');
    return std::string(s.substr(first, last - first + 1));
}

constexpr PlayerCategory kHomeCategory[] = {PlayerCategory::Overall, PlayerCategory::AfcHome, PlayerCategory::NfcHome};
constexpr PlayerCategory kRoadCategory[] = {PlayerCategory::Overall, PlayerCategory::AfcRoad, PlayerCategory::NfcRoad};
constexpr PlayerCategory kFavoriteCategory[] = {PlayerCategory::Overall, PlayerCategory::AfcFavorites,
                                                PlayerCategory::NfcFavorites};
constexpr PlayerCategory kUnderdogCategory[] = {PlayerCategory::Overall, PlayerCategory::AfcUnderdogs,
                                                PlayerCategory::NfcUnderdogs};

// The order of the conference block in the reports.
constexpr PlayerCategory kHomeRoadOrder[] = {PlayerCategory::AfcHome, PlayerCategory::AfcRoad, PlayerCategory::NfcHome,
                                             PlayerCategory::NfcRoad};
constexpr PlayerCategory kFavUndOrder[] = {PlayerCategory::AfcFavorites, PlayerCategory::AfcUnderdogs,
                                           PlayerCategory::NfcFavorites, PlayerCategory::NfcUnderdogs};

constexpr const char* kThreeColumnTitle =
    "    In Games Involving                  When Betting On               When Betting Against";
constexpr const char* kTwoColumnTitle = "    In Games Involving                  When Betting On";

}  // namespace

void PlayerCell::Add(Grade grade, int confidence) {
    switch (grade) {
        case Grade::Win:
            ++Wins;
            Points += static_cast<float>(confidence);
            break;
        case Grade::Loss: ++Losses; break;
        case Grade::Tie:
            ++Ties;
            Points += static_cast<float>(confidence) / 2.0f;
            break;
        case Grade::None:
        case Grade::Pending: break;
    }
}

PlayerCell PlayerBettingAgainst(const PlayerCell& involving, const PlayerCell& bettingOn) {
    PlayerCell c;
    c.Wins = involving.Wins - bettingOn.Wins;
    c.Losses = involving.Losses - bettingOn.Losses;
    c.Ties = involving.Ties - bettingOn.Ties;
    c.Points = involving.Points - bettingOn.Points;
    c.UpdatePct();
    return c;
}

std::string_view PlayerCategoryCaption(PlayerCategory category) {
    switch (category) {
        case PlayerCategory::Overall: return " Overall Record ";
        case PlayerCategory::AfcHome: return " AFC Home Teams ";
        case PlayerCategory::AfcRoad: return " AFC Road Teams ";
        case PlayerCategory::NfcHome: return " NFC Home Teams ";
        case PlayerCategory::NfcRoad: return " NFC Road Teams ";
        case PlayerCategory::AfcFavorites: return " AFC Favorites ";
        case PlayerCategory::AfcUnderdogs: return " AFC Underdogs ";
        case PlayerCategory::NfcFavorites: return " NFC Favorites ";
        case PlayerCategory::NfcUnderdogs: return " NFC Underdogs ";
    }
    return {};
}

std::string_view PlayerDivisionName(int division) {
    static constexpr std::string_view names[] = {"",         "NFC East",    "NFC Central", "NFC West",
                                                 "AFC East", "AFC Central", "AFC West"};
    return division >= 1 && division <= kDivisions ? names[division] : std::string_view{};
}

std::string_view PlayerDivisionName(int division, const League& league) {
    if (league.Kind == LeagueKind::Nfl1997) return PlayerDivisionName(division);
    static constexpr std::string_view names[] = {"",         "NFC East", "NFC North", "NFC South", "NFC West",
                                                 "AFC East", "AFC North", "AFC South", "AFC West"};
    return division >= 1 && division <= league.Divisions ? names[division] : std::string_view{};
}

PlayerRecord TallyPlayer(const SeasonGrid& games, const MemberRecord& member, bool againstSpread, int firstWeek,
                         int lastWeek, const League& league) {
    PlayerRecord r;
    firstWeek = std::max(firstWeek, 0);
    lastWeek = std::min(lastWeek, league.Weeks - 1);
    for (int w = firstWeek; w <= lastWeek; ++w) {
        for (int slot = 0; slot < league.Slots; ++slot) {
            const GameRecord& g = games[static_cast<std::size_t>(w)][static_cast<std::size_t>(slot)];
            const int pick = member.Picks[static_cast<std::size_t>(w)][static_cast<std::size_t>(slot)];
            const Grade grade = GradeSelection(g, pick, againstSpread);
            if (grade == Grade::None || grade == Grade::Pending) continue;
            const int c = member.Confidence[static_cast<std::size_t>(w)][static_cast<std::size_t>(slot)];
            auto add = [&](PlayerCell& cell) { cell.Add(grade, c); };

            add(r.Categories[static_cast<std::size_t>(PlayerCategory::Overall)]);

            // Home or road by the conference the game holds for the picked side.
            const bool home = pick == g.HomeTeam, away = pick == g.AwayTeam;
            const int conference = home ? g.HomeConference : away ? g.AwayConference : 0;
            const int side = conference == kConferenceAFC ? 1 : conference == kConferenceNFC ? 2 : 0;
            if (side != 0) {
                if (home) add(r.Categories[static_cast<std::size_t>(kHomeCategory[side])]);
                if (away) add(r.Categories[static_cast<std::size_t>(kRoadCategory[side])]);
                // The favourite gets no points; equal spreads have none.
                if (g.HomeSpread != g.AwaySpread) {
                    const bool homeFavorite = g.AwaySpread > g.HomeSpread;
                    const bool pickedFavorite = home ? homeFavorite : !homeFavorite;
                    add(r.Categories[static_cast<std::size_t>(pickedFavorite ? kFavoriteCategory[side]
                                                                             : kUnderdogCategory[side])]);
                }
            }

            for (int team : {static_cast<int>(g.HomeTeam), static_cast<int>(g.AwayTeam)}) {
                if (!league.ValidTeam(team)) continue;
                add(r.TeamInvolving[static_cast<std::size_t>(team)]);
                add(r.DivisionInvolving[static_cast<std::size_t>(league.Division(team))]);
            }
            if ((home || away) && league.ValidTeam(pick)) {
                add(r.TeamBettingOn[static_cast<std::size_t>(pick)]);
                add(r.DivisionBettingOn[static_cast<std::size_t>(league.Division(pick))]);
            }
        }
    }
    for (auto* cells : {&r.TeamInvolving, &r.TeamBettingOn})
        for (PlayerCell& c : *cells) c.UpdatePct();
    for (auto* cells : {&r.DivisionInvolving, &r.DivisionBettingOn})
        for (PlayerCell& c : *cells) c.UpdatePct();
    for (PlayerCell& c : r.Categories) c.UpdatePct();
    return r;
}

std::string PlayerCategoryLine(const PlayerCell& cell, bool points) {
    std::string line;
    AppendNumber(line, 3, cell.Games());
    AppendNumber(line, 6, cell.Wins);
    AppendNumber(line, 4, cell.Losses);
    AppendNumber(line, 2, cell.Ties);
    return line + ValueField(points ? cell.Points : cell.Pct, 6);
}

std::string PlayerTeamLine(std::string_view name, const PlayerCell& cell, bool points) {
    std::string line = PadRight(name, 13);
    AppendNumber(line, 3, cell.Wins);
    AppendNumber(line, 3, cell.Losses);
    AppendNumber(line, 2, cell.Ties);
    return line + ValueField(points ? cell.Points : cell.Pct, 5);
}

PlayerAnalyst::PlayerAnalyst(AppState& state) : state_(state) {
    end_ = std::clamp(state_.CurrentWeek, kFirstWeek, state_.League().Weeks);
    startLabel_ = N(start_);
    endLabel_ = N(end_);
    if (UsesPointSpreads(state_.PointSpreads)) GradeAgainstSpread(state_.Games, state_.League());
    SelectMember(0);
}

std::vector<std::string> PlayerAnalyst::MemberChoices() const {
    std::vector<std::string> names;
    for (int i = 0; i < state_.MemberCount; ++i) names.push_back(NameField(state_.Members[static_cast<std::size_t>(i)]));
    return names;
}

void PlayerAnalyst::SelectMember(int index) {
    member_ = index >= 0 && index < state_.MemberCount ? index : -1;
    Compute();
}

void PlayerAnalyst::Compute() {
    if (member_ < 0) {
        record_ = PlayerRecord{};
        return;
    }
    record_ = TallyPlayer(state_.Games, state_.Members[static_cast<std::size_t>(member_)],
                          UsesPointSpreads(state_.PointSpreads), start_ - 1, end_ - 1, state_.League());
}

bool PlayerAnalyst::SpinStart(int step) {
    const int week = start_ + step;
    if (week < kFirstWeek || week > state_.League().Weeks) return false;
    start_ = week;
    startLabel_ = WeekLabel(week, true);
    Compute();
    return true;
}

bool PlayerAnalyst::SpinEnd(int step) {
    const int week = end_ + step;
    if (week < kFirstWeek || week > state_.League().Weeks) return false;
    end_ = week;
    endLabel_ = WeekLabel(week, true);
    state_.CurrentWeek = week;
    Compute();
    return true;
}

bool PlayerAnalyst::ShowsPoints() const { return state_.PoolSort == "Confidence"; }

std::string PlayerAnalyst::TeamListHeading() const {
    return ShowsPoints() ? " Teams         W  L T   Pts. " : " Teams         W  L T   Pct. ";
}

std::string PlayerAnalyst::DivisionListHeading() const {
    return ShowsPoints() ? " Divisions     W  L T   Pts. " : " Divisions     W  L T   Pct. ";
}

std::string PlayerAnalyst::CategoryHeading() const {
    return ShowsPoints() ? "Gms     W   L T    Pts." : "Gms     W   L T    Pct.";
}

std::string PlayerAnalyst::ColumnHeading() const {
    return ShowsPoints() ? "Team           W  L T   Pts." : "Team           W  L T   Pct.";
}

std::string PlayerAnalyst::TeamName(int team) const { return Trim(state_.Teams.City(team)); }

std::vector<std::string> PlayerAnalyst::TeamLines(bool bettingOn) const {
    const auto& cells = bettingOn ? record_.TeamBettingOn : record_.TeamInvolving;
    std::vector<std::string> lines;
    for (int t = 1; t <= state_.League().Teams; ++t)
        lines.push_back(PlayerTeamLine(TeamName(t), cells[static_cast<std::size_t>(t)], ShowsPoints()));
    return lines;
}

std::vector<std::string> PlayerAnalyst::DivisionLines(bool bettingOn) const {
    const auto& cells = bettingOn ? record_.DivisionBettingOn : record_.DivisionInvolving;
    std::vector<std::string> lines;
    for (int d = 1; d <= state_.League().Divisions; ++d)
        lines.push_back(PlayerTeamLine(PlayerDivisionName(d, state_.League()), cells[static_cast<std::size_t>(d)], ShowsPoints()));
    return lines;
}

std::vector<std::string> PlayerAnalyst::AgainstTeamLines() const {
    std::vector<std::string> lines;
    for (int t = 1; t <= state_.League().Teams; ++t) {
        const auto i = static_cast<std::size_t>(t);
        lines.push_back(PlayerTeamLine(
            TeamName(t), PlayerBettingAgainst(record_.TeamInvolving[i], record_.TeamBettingOn[i]), ShowsPoints()));
    }
    return lines;
}

std::vector<std::string> PlayerAnalyst::AgainstDivisionLines() const {
    std::vector<std::string> lines;
    for (int d = 1; d <= state_.League().Divisions; ++d) {
        const auto i = static_cast<std::size_t>(d);
        lines.push_back(PlayerTeamLine(PlayerDivisionName(d, state_.League()),
                                       PlayerBettingAgainst(record_.DivisionInvolving[i], record_.DivisionBettingOn[i]),
                                       ShowsPoints()));
    }
    return lines;
}

std::string PlayerAnalyst::CategoryText(PlayerCategory category) const {
    return PlayerCategoryLine(record_.Category(category), ShowsPoints());
}

std::string PlayerAnalyst::NameTitle() const {
    const std::string name = member_ >= 0 ? state_.Members[static_cast<std::size_t>(member_)].TrimmedName() : "";
    return name + "'s Personalized Handicapping Record";
}

std::string PlayerAnalyst::WeekTitle() const { return "Week " + N(start_) + " To Week " + N(end_); }

// The conference part, the same in every output.
std::vector<std::string> PlayerAnalyst::ConferenceBlock() const {
    std::vector<std::string> lines;
    auto line = [&](int indent, PlayerCategory c) {
        return std::string(static_cast<std::size_t>(indent), ' ') + std::string(PlayerCategoryCaption(c)) + "  " +
               CategoryText(c);
    };
    lines.push_back(std::string(40, ' ') + "Conferences");
    lines.push_back("");
    lines.push_back(std::string(38, ' ') + CategoryHeading());
    lines.push_back("");
    lines.push_back(line(20, PlayerCategory::Overall));
    lines.push_back("");
    for (PlayerCategory c : kHomeRoadOrder) lines.push_back(line(20, c));
    lines.push_back("");
    for (PlayerCategory c : kFavUndOrder) lines.push_back(line(21, c));
    return lines;
}

std::vector<std::string> PlayerAnalyst::TextLines() const {
    const std::string gap(5, ' ');
    const std::string heading = ColumnHeading();
    std::vector<std::string> lines{"", CenterTitle66(NameTitle()), CenterTitle66(WeekTitle()), "", kThreeColumnTitle,
                                   "", heading + gap + heading + gap + heading, ""};
    const auto involving = TeamLines(false), on = TeamLines(true), against = AgainstTeamLines();
    for (std::size_t i = 0; i < involving.size(); ++i) lines.push_back(involving[i] + gap + on[i] + gap + against[i]);
    lines.push_back("");
    lines.push_back(std::string(42, ' ') + "Divisions");
    lines.push_back("");
    const auto divInvolving = DivisionLines(false), divOn = DivisionLines(true), divAgainst = AgainstDivisionLines();
    for (std::size_t i = 0; i < divInvolving.size(); ++i)
        lines.push_back(divInvolving[i] + gap + divOn[i] + gap + divAgainst[i]);
    lines.push_back("");
    for (auto& line : ConferenceBlock()) lines.push_back(std::move(line));
    return lines;
}

std::vector<std::string> PlayerAnalyst::ClipboardLines() const {
    const std::string gap(5, ' ');
    const std::string heading = ColumnHeading();
    std::vector<std::string> lines{"",
                                   CenterTitle66(NameTitle()),
                                   CenterTitle66(WeekTitle()),
                                   "",
                                   kTwoColumnTitle,
                                   "",
                                   heading + gap + heading + "   NOTES:",
                                   std::string(61, '-')};
    const auto involving = TeamLines(false), on = TeamLines(true);
    for (std::size_t i = 0; i < involving.size(); ++i) lines.push_back(involving[i] + gap + on[i]);
    lines.push_back("");
    lines.push_back("                          Divisions");
    lines.push_back("");
    const auto divInvolving = DivisionLines(false), divOn = DivisionLines(true);
    for (std::size_t i = 0; i < divInvolving.size(); ++i) lines.push_back(divInvolving[i] + gap + divOn[i]);
    lines.push_back("");
    for (auto& line : ConferenceBlock()) lines.push_back(std::move(line));
    return lines;
}

TextFileOutput PlayerAnalyst::TextFile() const {
    TextFileOutput out;
    out.FileName = "Analyst.txt";
    out.Lines = TextLines();
    out.ConfirmTitle = "The Players Analyst";
    out.ConfirmText = "A Handicapping text file named " + out.FileName + "\r\n was created.";
    return out;
}

ClipboardOutput PlayerAnalyst::Clipboard() const {
    const std::string name = member_ >= 0 ? state_.Members[static_cast<std::size_t>(member_)].TrimmedName() : "";
    return {ClipboardText(ClipboardLines()),
            OutputMessage::Confirm("The Player Analyst", name + "'s Handicapping Statistics are now on the Clipboard")};
}

Status PlayerAnalyst::Print(PageSurface& surface, PrintCopies) const {
    return RunPrintJob(surface, 1, [this](PageSurface& s, int copy) { PrintCopy(s, copy); });
}

void PlayerAnalyst::PrintCopy(PageSurface& s, int) const {
    const double width = s.ScaleWidth();
    constexpr double kIndent = 360;

    s.Font = PageFont{"Sans Serif", 14, false, true, false, 400};
    s.CurrentX = 360;
    s.CurrentY = 240;
    s.DrawWidth = 3;
    s.Line(0, s.CurrentY, width, s.CurrentY);
    s.CurrentX = 0;
    PrintCentered(s, "The Pool Players Analyst");
    s.Line(0, s.CurrentY, width, s.CurrentY);
    s.CurrentX = 0;
    s.Font.Size = 10;
    PrintCentered(s, NameTitle());
    PrintCentered(s, WeekTitle());
    s.PrintLine();

    s.Font = PageFont{"Courier New", 8, false, false, false, 400};
    auto body = [&](const std::string& text) {
        s.CurrentX = kIndent;
        s.PrintLine(text);
    };
    // A word underlined after its blanks, as the section titles are.
    auto underlined = [&](int blanks, const std::string& word) {
        s.CurrentX = kIndent;
        s.PrintText(std::string(static_cast<std::size_t>(blanks), ' '));
        s.Font.Underline = true;
        s.PrintLine(word);
        s.Font.Underline = false;
    };

    body(kThreeColumnTitle);
    s.DrawWidth = 2;
    s.Line(kIndent, s.CurrentY, width - kIndent, s.CurrentY);
    const std::string gap(5, ' ');
    const std::string heading = ColumnHeading();
    body(heading + gap + heading + gap + heading + "    NOTES:");
    s.Line(kIndent, s.CurrentY, width - kIndent, s.CurrentY);
    s.CurrentX = 0;

    const auto involving = TeamLines(false), on = TeamLines(true), against = AgainstTeamLines();
    for (std::size_t i = 0; i < involving.size(); ++i) body(involving[i] + gap + on[i] + gap + against[i]);
    s.PrintLine();
    underlined(43, "Divisions");
    s.PrintLine();
    const auto divInvolving = DivisionLines(false), divOn = DivisionLines(true), divAgainst = AgainstDivisionLines();
    for (std::size_t i = 0; i < divInvolving.size(); ++i) body(divInvolving[i] + gap + divOn[i] + gap + divAgainst[i]);
    s.PrintLine();
    underlined(42, "Conferences");
    s.PrintLine();
    underlined(38, CategoryHeading());
    s.PrintLine();
    const std::vector<std::string> block = ConferenceBlock();
    // The block after its three heading lines (and their empty lines).
    for (std::size_t i = 4; i < block.size(); ++i) body(block[i]);

    PrintStandardFooter(s);
}

}  // namespace gm
