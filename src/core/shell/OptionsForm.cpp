#include "OptionsForm.h"

#include "core/data/PoolOptions.h"
#include "core/data/Settings.h"

namespace gm {

namespace {

template <std::size_t N>
void Only(std::array<bool, N>& group, int index) {
    group.fill(false);
    if (index >= 0 && index < static_cast<int>(N)) group[static_cast<std::size_t>(index)] = true;
}

template <std::size_t N>
int Chosen(const std::array<bool, N>& group) {
    for (std::size_t i = 0; i < N; ++i)
        if (group[i]) return static_cast<int>(i);
    return -1;
}

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace

void ChooseTb(OptionsControls& c, int index) {
    Only(c.OpTb, index);
    c.ckMondayAlso = true;
    c.OpTBMethod[3] = false;
}

void ChooseTBMethod(OptionsControls& c, int index) {
    Only(c.OpTBMethod, index);
    if (index == 0) c.ckMondayAlso = true;
    if (index == 3) {
        c.OpTb.fill(false);
        c.ckMondayAlso = false;
    }
}

void SetMondayAlso(OptionsControls& c, bool checked) {
    c.ckMondayAlso = checked;
    if (checked) {
        c.OpTBMethod[3] = false;
    } else {
        c.OpTBMethod[0] = false;
        c.OpTb.fill(false);
    }
}

void ChooseSort(OptionsControls& c, int index) { Only(c.OpSort, index); }
void ChooseCPts(OptionsControls& c, int index) { Only(c.OpCPts, index); }
void ChooseWBack(OptionsControls& c, int index) { Only(c.OpWBack, index); }
void ChooseSpreadEntry(OptionsControls& c, bool underdog) {
    c.OpUnd = underdog;
    c.OpFav = !underdog;
}

OptionsControls OptionsFromState(const AppState& s) {
    OptionsControls c;
    c.txtTitle = s.Title;
    ChooseWBack(c, WebDarkBackground(s.Color) ? 0 : 1);
    c.ckPS = UsesPointSpreads(s.PointSpreads);
    ChooseSpreadEntry(c, ParsePSEntrys(s.PSEntrys) == PSEntrysKind::Underdog);
    // Selecting an option runs its linkage rule, as a click would.
    switch (ParseMondayPts(s.MondayPts)) {
        case MondayPtsKind::TotalPoints: ChooseTb(c, 0); break;
        case MondayPtsKind::WinningMargin: ChooseTb(c, 1); break;
        case MondayPtsKind::NotUsed: break;
    }
    ChooseCPts(c, ParseMaxCPoints(s.MaxCPoints) == MaxCPointsKind::GamesPlayed ? 1 : 0);
    switch (ParsePoolSort(s.PoolSort)) {
        case PoolSortKind::WinPct: ChooseSort(c, 0); break;
        case PoolSortKind::Wins: ChooseSort(c, 1); break;
        case PoolSortKind::Confidence: ChooseSort(c, 2); break;
    }
    switch (ParseTBMethod(s.TBMethod)) {
        case TBMethodKind::MonGame: ChooseTBMethod(c, 0); break;
        case TBMethodKind::Wins: ChooseTBMethod(c, 1); break;
        case TBMethodKind::WinPct: ChooseTBMethod(c, 2); break;
        case TBMethodKind::NotUsed: ChooseTBMethod(c, 3); break;
    }
    return c;
}

std::optional<OptionsProblem> CheckOptions(const OptionsControls& c) {
    if (c.ckMondayAlso && !c.OpTb[0] && !c.OpTb[1])
        return OptionsProblem{"Missing Data",
                              "You need to specify if the Monday Nite Tiebreaker\nuses Total Points or Winning Margin. "};
    return std::nullopt;
}

bool OptionsChanged(const OptionsControls& now, const OptionsControls& opened, const AppState& state) {
    OptionsControls a = now, b = opened;
    a.txtTitle.clear();
    b.txtTitle.clear();
    return a != b || now.txtTitle != state.Title;
}

Status ApplyOptions(AppState& s, const OptionsControls& c) {
    static constexpr std::array<std::string_view, 3> kSort{"WinPct", "Wins", "Confidence"};
    static constexpr std::array<std::string_view, 4> kTB{"MonGame", "Wins", "WinPct", "NotUsed"};
    const int sort = Chosen(c.OpSort), tb = Chosen(c.OpTb), method = Chosen(c.OpTBMethod);
    s.PoolSort = std::string(sort < 0 ? "Confidence" : kSort[static_cast<std::size_t>(sort)]);
    s.MondayPts = tb == 0 ? "TotalPoints" : tb == 1 ? "WinningMargin" : "NotUsed";
    s.PointSpreads = c.ckPS ? "Yes" : "No";
    s.MaxCPoints = c.OpCPts[1] ? "GamesPlayed" : "MaxGames";
    s.TBMethod = std::string(method < 0 ? "NotUsed" : kTB[static_cast<std::size_t>(method)]);
    s.SecondaryTB = c.ckMondayAlso ? "Monday" : "None";
    s.PSEntrys = c.OpUnd ? "Underdog" : "Favorite";
    s.Title = Trim(c.txtTitle);
    s.Color = c.OpWBack[0] ? "BW" : "WB";

    Status first = Status::Ok();
    auto write = [&](const SettingKey& key, const std::string& value) {
        const Status st = WriteSetting(s.Settings, key, value);
        if (!st.ok() && first.ok()) first = st;
    };
    write(keys::PoolSort, s.PoolSort);
    write(keys::MondayPts, s.MondayPts);
    write(keys::PointSpreads, s.PointSpreads);
    write(keys::MaxCPoints, s.MaxCPoints);
    write(keys::TBMethod, s.TBMethod);
    write(keys::SecondaryTB, s.SecondaryTB);
    write(keys::PSEntrys, s.PSEntrys);
    write(keys::Title, s.Title);
    write(keys::WebColor, s.Color);
    return first;
}

std::string OptionsNotSavedText(std::string_view reason) {
    return std::string(reason) + "\nThe options are used for this session but were not saved.";
}

std::string HomePageNotWrittenText(std::string_view file) {
    return "The pool home page has not been written yet:\n" + std::string(file) +
           "\n\nPress \"Update Pool Home Page\" first.";
}

std::string WebPagesNoBrowserText(std::string_view file) {
    return "No web browser could be started to show\n" + std::string(file);
}

}  // namespace gm
