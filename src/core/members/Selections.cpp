#include "Selections.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <random>

#include "MemberList.h"
#include "core/data/PoolFile.h"

namespace gm {

UnitRandom ClockSeededRandom() {
    auto engine = std::make_shared<std::mt19937>(
        static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    return [engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(*engine); };
}

ConfidenceRange ConfidenceRangeFor(int games, MaxCPointsKind scale) {
    return ConfidenceRangeFor(games, scale, kSlots);
}

ConfidenceRange ConfidenceRangeFor(int games, MaxCPointsKind scale, int scaleTop) {
    if (scale == MaxCPointsKind::MaxGames) return {scaleTop + 1 - games, scaleTop};
    return {1, games};
}

SelectionOptions SelectionOptions::From(const AppState& s) {
    SelectionOptions o;
    o.ConfidenceOn = ParsePoolSort(s.PoolSort) == PoolSortKind::Confidence;
    o.Scale = ParseMaxCPoints(s.MaxCPoints);
    o.FavoriteShowsPoints = ParsePSEntrys(s.PSEntrys) == PSEntrysKind::Favorite;
    o.TotalPoints = s.MondayPts == "TotalPoints";
    o.TiebreakOn = s.SecondaryTB != "None";
    return o;
}

int ByteBoxValue(std::string_view text) {
    long v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        v = std::min(255L, v * 10 + (c - '0'));
    }
    return static_cast<int>(v);
}

std::array<bool, kMaxConfidenceLabels> AvailableValues(const Sheet& sheet) {
    std::array<bool, kMaxConfidenceLabels> shown{};
    for (int v = 1; v <= kMaxConfidenceLabels; ++v) shown[v - 1] = sheet.Range.Contains(v);
    for (const SheetRow& r : sheet.Rows) {
        if (!r.Exists || r.ConfidenceText.empty()) continue;
        const int v = ByteBoxValue(r.ConfidenceText);
        if (v >= 1 && v <= kMaxConfidenceLabels) shown[v - 1] = false;
    }
    return shown;
}

std::string PlainNumber(float value) {
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

std::string PointsText(float h, float a) {
    if (h < a) return " +" + PlainNumber(a);
    if (a < h) return "+" + PlainNumber(h);
    return " ";
}

bool ApplyQuickPick(Sheet& sheet, QuickPick pick, const UnitRandom& random) {
    for (SheetRow& r : sheet.Rows) {
        switch (pick) {
            case QuickPick::Home:
                r.Choice = PickChoice::Home;
                break;
            case QuickPick::Away:
                r.Choice = PickChoice::Away;
                break;
            case QuickPick::Clear:
                r.Choice = PickChoice::None;
                break;
            case QuickPick::Favorites:
                if (r.Exists) r.Choice = r.HomeSpread > r.AwaySpread ? PickChoice::Away : PickChoice::Home;
                break;
            case QuickPick::Underdogs:
                if (r.Exists) r.Choice = r.HomeSpread > r.AwaySpread ? PickChoice::Home : PickChoice::Away;
                break;
            case QuickPick::Random:
                if (r.Exists)
                    r.Choice = static_cast<int>(2 * random() + 1) == 1 ? PickChoice::Away : PickChoice::Home;
                break;
        }
    }
    return pick == QuickPick::Clear || pick == QuickPick::Random;
}

std::vector<int> ShuffledValues(int n, const UnitRandom& random) {
    std::vector<int> v(static_cast<std::size_t>(std::max(0, n)));
    for (int i = 0; i < n; ++i) v[static_cast<std::size_t>(i)] = i + 1;
    for (int k = n; k >= 1; --k) {
        // A generator that returns 1.0 would point past k; keep j inside 1..k.
        const int j = std::clamp(static_cast<int>(random() * k) + 1, 1, k);
        std::swap(v[static_cast<std::size_t>(j - 1)], v[static_cast<std::size_t>(k - 1)]);
    }
    return v;
}

bool ApplyConfidenceFill(Sheet& sheet, ConfidenceFill fill, MaxCPointsKind scale, const UnitRandom& random) {
    const int n = static_cast<int>(
        std::count_if(sheet.Rows.begin(), sheet.Rows.end(), [](const SheetRow& r) { return r.Exists; }));
    const int offset = scale == MaxCPointsKind::MaxGames ? sheet.ScaleTop - n : 0;
    if (fill == ConfidenceFill::Clear) {
        bool removed = false;
        for (SheetRow& r : sheet.Rows) {
            if (!r.Exists) continue;
            if (ByteBoxValue(r.ConfidenceText) > 0) removed = true;
            r.ConfidenceText.clear();
        }
        return removed;
    }
    std::vector<int> values;
    if (fill == ConfidenceFill::Random) {
        values = ShuffledValues(n, random);
    } else {
        for (int i = 0; i < n; ++i) values.push_back(fill == ConfidenceFill::Ascend ? i + 1 : n - i);
    }
    std::size_t next = 0;
    for (SheetRow& r : sheet.Rows) {
        if (!r.Exists) continue;
        r.ConfidenceText = std::to_string(values[next++] + offset);
    }
    return true;
}

std::vector<int> DuplicateRows(const Sheet& sheet, int row) {
    std::vector<int> rows;
    const std::string& text = sheet.Rows.at(static_cast<std::size_t>(row)).ConfidenceText;
    if (text.empty()) return rows;
    for (int g = 0; g < static_cast<int>(sheet.Rows.size()); ++g) {
        const SheetRow& r = sheet.Rows[static_cast<std::size_t>(g)];
        if (g != row && r.Exists && r.ConfidenceText == text) rows.push_back(g);
    }
    return rows;
}

bool OutsideRange(const Sheet& sheet, int row) {
    const std::string& text = sheet.Rows.at(static_cast<std::size_t>(row)).ConfidenceText;
    return !text.empty() && !sheet.Range.Contains(ByteBoxValue(text));
}

std::string ConfidenceAfterDigit(std::string_view text, int selStart, int selLength, int cursor, char digit) {
    std::string t(text);
    if (selLength > 0 && selStart >= 0 && selStart + selLength <= static_cast<int>(t.size())) {
        t = t.substr(0, static_cast<std::size_t>(selStart)) + digit +
            t.substr(static_cast<std::size_t>(selStart + selLength));
        if (t.size() <= 2) return t;
        return {t[t.size() - 2], t.back()};
    }
    if (t.size() >= 2) return {t.back(), digit};
    cursor = std::clamp(cursor, 0, static_cast<int>(t.size()));
    return t.substr(0, static_cast<std::size_t>(cursor)) + digit + t.substr(static_cast<std::size_t>(cursor));
}

std::string MondayEntryText(std::string_view text) {
    std::string digits;
    for (char c : text)
        if (c >= '0' && c <= '9') digits += c;
    return digits.substr(0, 2);
}

std::string RangeQuestion(ConfidenceRange range) {
    return "You should be entering a value between " + std::to_string(range.Min) + " and " +
           std::to_string(range.Max) + ". Would you like to correct it ?";
}

SelectionsModel::SelectionsModel(const AppState& state)
    : state_(state),
      options_(SelectionOptions::From(state)),
      order_(AlphabeticalMemberOrder(state)),
      league_(state.League()) {
    work_.resize(static_cast<std::size_t>(state.MemberCount));
    for (int m = 0; m < state.MemberCount; ++m) {
        const MemberRecord& rec = state.Members[static_cast<std::size_t>(m)];
        MemberSheets& w = work_[static_cast<std::size_t>(m)];
        for (int wk = 0; wk < league_.Weeks; ++wk) {
            for (int g = 0; g < league_.Slots; ++g) {
                w.Picks[wk][g] = rec.Picks[wk][g];
                w.Confidence[wk][g] = rec.Confidence[wk][g];
            }
            w.Tiebreak[wk] = rec.Tiebreak[wk];
        }
    }
}

std::string SelectionsModel::ChooserName(int member) const {
    return FitName(state_.Members[static_cast<std::size_t>(member)].Name);
}

Sheet SelectionsModel::Load(int member, int week) {
    MemberSheets& w = work_.at(static_cast<std::size_t>(member));
    const int wk = std::clamp(week, 1, league_.Weeks) - 1;
    Sheet sheet;
    sheet.Member = member;
    sheet.Week = wk + 1;
    sheet.Rows.resize(static_cast<std::size_t>(league_.Slots));
    sheet.ScaleTop = league_.Slots;
    for (int g = 0; g < league_.Slots; ++g) {
        const GameRecord& game = state_.Games[static_cast<std::size_t>(wk)][static_cast<std::size_t>(g)];
        SheetRow& row = sheet.Rows[static_cast<std::size_t>(g)];
        const std::uint8_t pick = w.Picks[wk][g];
        loaded_[static_cast<std::size_t>(g)] = pick;
        // A game without a selection carries no confidence points.
        if (pick == 0) w.Confidence[wk][g] = 0;
        if (!game.HasGame()) continue;
        ++sheet.GameCount;
        row.Exists = true;
        row.HomeTeam = game.HomeTeam;
        row.AwayTeam = game.AwayTeam;
        row.HomeSpread = game.HomeSpread;
        row.AwaySpread = game.AwaySpread;
        row.Kickoff = KickoffLabel(game);
        row.HomeCaption = state_.Teams.City(game.HomeTeam);
        row.AwayCaption = state_.Teams.City(game.AwayTeam);
        // The favourite is the side not given points; PSEntrys decides which caption shows them.
        if (game.HomeSpread != game.AwaySpread) {
            const bool homeFavourite = game.HomeSpread < game.AwaySpread;
            const bool onHome = homeFavourite == options_.FavoriteShowsPoints;
            (onHome ? row.HomeCaption : row.AwayCaption) += PointsText(game.HomeSpread, game.AwaySpread);
        }
        if (pick == 0)
            row.Choice = PickChoice::None;
        else if (pick == game.HomeTeam)
            row.Choice = PickChoice::Home;
        else if (pick == game.AwayTeam)
            row.Choice = PickChoice::Away;
        else
            row.Choice = PickChoice::Neither;
        if (w.Confidence[wk][g] != 0) row.ConfidenceText = std::to_string(w.Confidence[wk][g]);
    }
    sheet.Range = ConfidenceRangeFor(sheet.GameCount, options_.Scale, sheet.ScaleTop);
    if (sheet.GameCount > 0) sheet.TiebreakRow = league_.TiebreakSlot(state_.Games[static_cast<std::size_t>(wk)]);
    sheet.TiebreakText = std::to_string(w.Tiebreak[wk]);
    return sheet;
}

void SelectionsModel::Store(const Sheet& sheet) {
    MemberSheets& w = work_.at(static_cast<std::size_t>(sheet.Member));
    const int wk = sheet.Week - 1;
    const int slots = std::min(league_.Slots, static_cast<int>(sheet.Rows.size()));
    for (int g = 0; g < slots; ++g) {
        const SheetRow& row = sheet.Rows[static_cast<std::size_t>(g)];
        std::uint8_t pick = 0;
        if (row.Exists && row.Choice == PickChoice::Away) pick = static_cast<std::uint8_t>(row.AwayTeam);
        if (row.Exists && row.Choice == PickChoice::Home) pick = static_cast<std::uint8_t>(row.HomeTeam);
        w.Picks[wk][g] = pick;
        if (options_.ConfidenceOn) {
            const auto points = row.Exists ? static_cast<std::uint8_t>(ByteBoxValue(row.ConfidenceText)) : 0;
            // Typed points alone are a change too: Cancel must not drop them without asking.
            if (points != w.Confidence[wk][g]) changed_ = true;
            w.Confidence[wk][g] = points;
        }
        if (pick != loaded_[static_cast<std::size_t>(g)]) changed_ = true;
    }
    const int tiebreak = ByteBoxValue(sheet.TiebreakText);
    if (tiebreak != w.Tiebreak[wk]) changed_ = true;
    w.Tiebreak[wk] = tiebreak;
    // A second store of the same sheet compares against what is now kept.
    for (int g = 0; g < league_.Slots; ++g) loaded_[static_cast<std::size_t>(g)] = w.Picks[wk][g];
}

Status SelectionsModel::Commit(AppState& state) {
    const std::vector<MemberRecord> before = state.Members;
    for (std::size_t m = 0; m < work_.size() && m < state.Members.size(); ++m) {
        MemberRecord& rec = state.Members[m];
        const MemberSheets& w = work_[m];
        for (int wk = 0; wk < league_.Weeks; ++wk) {
            for (int g = 0; g < league_.Slots; ++g) {
                rec.Picks[wk][g] = w.Picks[wk][g];
                if (options_.ConfidenceOn) rec.Confidence[wk][g] = w.Confidence[wk][g];
            }
            rec.Tiebreak[wk] = static_cast<std::uint8_t>(std::clamp(w.Tiebreak[wk], 0, 255));
        }
    }
    if (Status s = SavePool(state); !s) {
        state.Members = before;
        return s;
    }
    changed_ = false;
    return Status::Ok();
}

}  // namespace gm
