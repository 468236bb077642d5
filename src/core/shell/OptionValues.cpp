#include "OptionValues.h"

#include <algorithm>
#include <array>

namespace gm {

namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string Trim(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(s.substr(first, s.find_last_not_of(' ') - first + 1));
}

template <std::size_t N>
int Chosen(const std::array<bool, N>& group) {
    for (std::size_t i = 0; i < N; ++i)
        if (group[i]) return static_cast<int>(i);
    return -1;
}

// One click of the dialog for a key's value (index into the key's Values).
void Click(OptionsControls& c, std::string_view key, int index, const std::string& text) {
    if (key == "PoolSort") ChooseSort(c, index);
    else if (key == "MondayPts") {
        // The dialog clears both tiebreak-point options only by unchecking
        // the second tiebreaker.
        if (index < 2) ChooseTb(c, index);
        else SetMondayAlso(c, false);
    } else if (key == "PointSpreads") c.ckPS = index == 0;
    else if (key == "MaxCPoints") ChooseCPts(c, index);
    else if (key == "TBMethod") ChooseTBMethod(c, index);
    else if (key == "SecondaryTB") SetMondayAlso(c, index == 0);
    else if (key == "PSEntrys") ChooseSpreadEntry(c, index == 0);
    else if (key == "Title") c.txtTitle = text;
    else if (key == "WebColor") ChooseWBack(c, index);
}

std::string ValueOf(const std::vector<std::pair<std::string, std::string>>& values, std::string_view key) {
    for (const auto& [k, v] : values)
        if (k == key) return v;
    return {};
}

}  // namespace

const std::vector<OptionKey>& PoolOptionKeys() {
    static const std::vector<OptionKey> keys{
        {"PoolSort", {"WinPct", "Wins", "Confidence"}, "how the standings rank members"},
        {"MondayPts", {"TotalPoints", "WinningMargin", "NotUsed"}, "what the Monday-night tiebreak entry predicts"},
        {"PointSpreads", {"Yes", "No"}, "grade against the spread (Yes) or straight up (No)"},
        {"MaxCPoints", {"MaxGames", "GamesPlayed"}, "confidence points: 15 Down To XX, or 1 To MaxGames"},
        {"TBMethod", {"MonGame", "Wins", "WinPct", "NotUsed"}, "the first tiebreaker"},
        {"SecondaryTB", {"Monday", "None"}, "the Monday-night tiebreaker as second tiebreaker"},
        {"PSEntrys", {"Underdog", "Favorite"}, "the team whose line carries the points"},
        {"Title", {}, "the pool title (at most 34 characters)"},
        {"WebColor", {"BW", "WB"}, "web pages: dark background (BW) or light background (WB)"},
    };
    return keys;
}

std::vector<std::pair<std::string, std::string>> PoolOptionValues(const AppState& s) {
    return {{"PoolSort", s.PoolSort},       {"MondayPts", s.MondayPts}, {"PointSpreads", s.PointSpreads},
            {"MaxCPoints", s.MaxCPoints},   {"TBMethod", s.TBMethod},   {"SecondaryTB", s.SecondaryTB},
            {"PSEntrys", s.PSEntrys},       {"Title", s.Title},         {"WebColor", s.Color}};
}

std::vector<std::pair<std::string, std::string>> PoolOptionValues(const OptionsControls& c) {
    static constexpr std::array<std::string_view, 3> kSort{"WinPct", "Wins", "Confidence"};
    static constexpr std::array<std::string_view, 4> kTB{"MonGame", "Wins", "WinPct", "NotUsed"};
    const int sort = Chosen(c.OpSort), tb = Chosen(c.OpTb), method = Chosen(c.OpTBMethod);
    return {{"PoolSort", std::string(sort < 0 ? "Confidence" : kSort[static_cast<std::size_t>(sort)])},
            {"MondayPts", tb == 0 ? "TotalPoints" : tb == 1 ? "WinningMargin" : "NotUsed"},
            {"PointSpreads", c.ckPS ? "Yes" : "No"},
            {"MaxCPoints", c.OpCPts[1] ? "GamesPlayed" : "MaxGames"},
            {"TBMethod", std::string(method < 0 ? "NotUsed" : kTB[static_cast<std::size_t>(method)])},
            {"SecondaryTB", c.ckMondayAlso ? "Monday" : "None"},
            {"PSEntrys", c.OpUnd ? "Underdog" : "Favorite"},
            {"Title", Trim(c.txtTitle)},
            {"WebColor", c.OpWBack[0] ? "BW" : "WB"}};
}

OptionsEdit EditPoolOptions(const AppState& state, const std::vector<std::string>& assignments) {
    OptionsEdit edit;
    const OptionsControls opened = OptionsFromState(state);
    edit.Controls = opened;
    struct Given {
        std::string Key;
        std::string Value;  // as the options write it
        std::string Text;   // as given
    };
    std::vector<Given> given;
    const auto keyList = [] {
        std::string list;
        for (const OptionKey& k : PoolOptionKeys()) list += (list.empty() ? "" : ", ") + std::string(k.Name);
        return list;
    };
    for (const std::string& text : assignments) {
        const auto eq = text.find('=');
        if (eq == std::string::npos || eq == 0) {
            edit.Problems.push_back("'" + text + "' is not KEY=VALUE");
            continue;
        }
        const std::string name = Trim(text.substr(0, eq));
        const std::string value = text.substr(eq + 1);
        const auto key = std::find_if(PoolOptionKeys().begin(), PoolOptionKeys().end(),
                                      [&](const OptionKey& k) { return Lower(k.Name) == Lower(name); });
        if (key == PoolOptionKeys().end()) {
            edit.Problems.push_back("unknown option '" + name + "' (the options are " + keyList() + ")");
            continue;
        }
        const std::string keyName(key->Name);
        if (std::any_of(given.begin(), given.end(), [&](const Given& g) { return g.Key == keyName; })) {
            edit.Problems.push_back(keyName + " is given twice");
            continue;
        }
        int index = -1;
        std::string stored = Trim(value);
        if (key->Values.empty()) {
            if (stored.size() > kPoolTitleLongest) {
                edit.Problems.push_back(keyName + " is " + std::to_string(stored.size()) + " characters long; at most " +
                                        std::to_string(kPoolTitleLongest) + " are kept");
                continue;
            }
        } else {
            for (std::size_t i = 0; i < key->Values.size(); ++i)
                if (Lower(key->Values[i]) == Lower(stored)) index = static_cast<int>(i);
            if (index < 0) {
                std::string list;
                for (std::size_t i = 0; i < key->Values.size(); ++i)
                    list += (i == 0 ? "" : i + 1 == key->Values.size() ? " or " : ", ") + std::string(key->Values[i]);
                edit.Problems.push_back(keyName + " must be " + list + ", not '" + value + "'");
                continue;
            }
            stored = std::string(key->Values[static_cast<std::size_t>(index)]);
        }
        Click(edit.Controls, keyName, index, stored);
        given.push_back({keyName, stored, text});
        // A value an earlier assignment asked for that this click's linkage undid.
        const auto now = PoolOptionValues(edit.Controls);
        for (const Given& g : given) {
            if (ValueOf(now, g.Key) == g.Value) continue;
            edit.Problems.push_back(g.Key + "=" + g.Value + " does not hold together with " + keyName + "=" + stored +
                                    " (the options window's tiebreak rules undo it)");
            given.erase(std::find_if(given.begin(), given.end(), [&](const Given& x) { return x.Key == g.Key; }));
            break;
        }
    }
    if (edit.Problems.empty()) {
        if (const auto problem = CheckOptions(edit.Controls))
            edit.Problems.push_back("the Monday-night tiebreaker is on (SecondaryTB=Monday) without "
                                    "MondayPts=TotalPoints or MondayPts=WinningMargin");
    }
    // Also when the controls stay as they opened but the settings hold
    // something else (a SecondaryTB the dialog does not read back, a value
    // outside its set): OK then writes what the dialog shows.
    edit.Changed = OptionsChanged(edit.Controls, opened, state) ||
                   PoolOptionValues(edit.Controls) != PoolOptionValues(state);
    return edit;
}

}  // namespace gm
