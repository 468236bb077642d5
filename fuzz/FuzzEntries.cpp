#include "FuzzEntries.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <vector>

#include "core/data/AppState.h"
#include "core/data/Csv.h"
#include "core/data/IniFile.h"
#include "core/data/PoolCsv.h"
#include "core/data/PoolFile.h"
#include "core/data/SeasonCsv.h"
#include "core/data/SeasonFile.h"
#include "core/data/Settings.h"
#include "core/data/TextCodec.h"
#include "core/data/TodaySeasonFile.h"
#include "core/members/PicksCsv.h"
#include "core/nfl/LeagueStandings.h"
#include "core/nfl/NflResults.h"
#include "core/output/RecordingSurface.h"
#include "core/pool/AllPicksReport.h"
#include "core/pool/PoolStandings.h"
#include "core/sidepools/DigitalPlayers.h"
#include "core/sidepools/DigitalPool.h"
#include "core/sidepools/SideFiles.h"
#include "core/sidepools/SportsBox.h"
#include "core/site/Json.h"
#include "core/site/PicksSite.h"

#ifndef GRIDMOOT_SEASONS
#error "GRIDMOOT_SEASONS names the folder of the shipped season files"
#endif

namespace gm::fuzz {
namespace {

Outcome Fail(std::string what) { return {true, std::move(what)}; }

// A folder of this process for the loaders that read their file by name,
// emptied before each input and removed at exit.
class Scratch {
public:
    Scratch() {
        std::error_code ec;
        fs::path base = "/dev/shm";  // memory, where there is one: no disk traffic per input
        if (!fs::is_directory(base, ec) || ::access(base.c_str(), W_OK) != 0) base = fs::temp_directory_path();
        for (int i = 0;; ++i) {
            dir_ = base / ("gridmoot-fuzz-" + std::to_string(::getpid()) + "-" + std::to_string(i));
            if (fs::create_directory(dir_, ec)) break;
        }
    }
    ~Scratch() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    const fs::path& Fresh() const {
        std::error_code ec;
        for (fs::directory_iterator it(dir_, ec), end; !ec && it != end; it.increment(ec)) fs::remove_all(it->path(), ec);
        return dir_;
    }

private:
    fs::path dir_;
};

const fs::path& FreshFolder() {
    static const Scratch scratch;
    return scratch.Fresh();
}

void Put(const fs::path& folder, std::string_view name, std::string_view bytes) {
    std::ofstream out(folder / std::string(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The shipped 1996 season: the games the pool and side-game displays grade against.
const SeasonGrid& Season1996() {
    static const SeasonGrid games = [] {
        std::ifstream in(fs::path(GRIDMOOT_SEASONS) / "1996.NFL", std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (bytes.size() != static_cast<std::size_t>(kSeasonFileSize)) {
            std::fprintf(stderr, "cannot read the shipped season from %s\n", GRIDMOOT_SEASONS);
            std::abort();
        }
        return DecodeSeason(bytes);
    }();
    return games;
}

// Two members who pick every game, one the home teams and one the away teams,
// with confidence points and a Monday-night entry.
std::vector<MemberRecord> TwoMembers(const SeasonGrid& games) {
    std::vector<MemberRecord> members(2);
    members[0].Name = FitName("Home Picker");
    members[1].Name = FitName("Away Picker");
    for (int m = 0; m < 2; ++m) {
        members[m].PlayerNumber = static_cast<std::int16_t>(m + 1);
        for (int w = 0; w < kWeeks; ++w) {
            for (int s = 0; s < kSlots; ++s) {
                members[m].Picks[w][s] = m == 0 ? games[w][s].HomeTeam : games[w][s].AwayTeam;
                members[m].Confidence[w][s] = static_cast<std::uint8_t>(s + 1);
            }
            members[m].Tiebreak[w] = static_cast<std::uint8_t>(30 + 10 * m);
        }
    }
    return members;
}

std::string SeasonBytes(std::string_view file) {
    std::string bytes(file.substr(0, std::min<std::size_t>(file.size(), kSeasonFileSize)));
    bytes.resize(kSeasonFileSize, '\0');
    return bytes;
}

}  // namespace

Outcome SeasonFile(std::string_view bytes, bool deep) {
    const SeasonGrid games = DecodeSeason(bytes);
    // A save straight after loading writes the file back as it was (a short
    // file is completed with empty games).
    const std::string file = SeasonBytes(bytes);
    if (EncodeSeason(games) != file) return Fail("saving the season just loaded changes its bytes");
    for (const WeekGames& week : games)
        if (!(week[kSlots] == GameRecord{})) return Fail("the slot past the last game is not empty");

    if (!deep) return {};

    // export-season writes what import-season takes back to the same file.
    const SeasonImport back = ImportSeasonCsv(ExportSeasonCsv(games), 1997);
    if (!back.Problems.empty())
        return Fail("import-season refuses what export-season wrote: line " + std::to_string(back.Problems[0].Line) +
                    ": " + back.Problems[0].Reason);
    if (EncodeSeason(back.Games) != file) return Fail("export-season and import-season do not give the file back");

    // The displays that show the season, and the grading of a pool on it.
    AppState state(FreshFolder());
    state.Games = games;
    state.CurrentWeek = kWeeks;
    state.PointSpreads = "Yes";
    state.Members = TwoMembers(games);
    state.MemberCount = 2;
    {
        NflResults results(state);
        do (void)results.ResultsLines();
        while (results.Spin(-1));
    }
    state.CurrentWeek = kWeeks;
    {
        LeagueStandings standings(state);
        standings.SetSpread(true);
        (void)standings.TextFile();
    }
    {
        PoolStandings pool(state);
        (void)pool.Lines();
    }
    return {};
}

Outcome TodaySeasonFile(std::string_view bytes, bool deep) {
    const TodaySeasonRead read = DecodeTodaySeason(bytes);
    const League& league = LeagueToday();
    // Taken when it carries the signature and a version this program reads.
    // (A file that ends inside its header loads empty, whatever it says.)
    const auto version = [&] { return static_cast<unsigned char>(bytes[8]) | static_cast<unsigned char>(bytes[9]) << 8; };
    const bool taken = IsTodaySeasonFile(bytes) &&
                       (bytes.size() < static_cast<std::size_t>(kTodaySeasonHeaderSize) || version() <= kTodaySeasonVersion);
    if (read.Result.ok() != taken) return Fail(taken ? "a readable season file was refused" : "a file that is not a readable season file was taken");
    if (!taken) {
        if (!(read.Games == SeasonGrid{})) return Fail("a refused file left games behind");
        return {false, ""};
    }
    if (read.Year != 0 && (read.Year < 1920 || read.Year > 2999)) return Fail("the year is out of 1920 to 2999");
    for (int w = 0; w < kMaxWeeks; ++w) {
        for (int s = 0; s < kSlotsInTable; ++s) {
            const GameRecord& g = read.Games[static_cast<std::size_t>(w)][static_cast<std::size_t>(s)];
            if (s >= league.Slots && !(g == GameRecord{})) return Fail("a game past the week's last slot");
            if (g.HomeTeam > league.Teams || g.AwayTeam > league.Teams) return Fail("a team outside the league");
        }
    }
    // A file exactly as this program writes it reads without a warning.
    const int year = read.Year != 0 ? read.Year : league.Year;
    const std::string saved = EncodeTodaySeason(read.Games, year);
    if (read.Result.isWarning() == (bytes == saved))
        return Fail(read.Result.isWarning() ? "a file as the program writes it is called damaged: " + read.Result.message
                                            : "a file unlike what the program writes is not called damaged");
    // Saving the season just loaded and loading it again gives the same season, undamaged.
    const TodaySeasonRead again = DecodeTodaySeason(saved);
    if (!again.Result.ok() || again.Result.isWarning())
        return Fail("the season saved after loading does not read back cleanly: " + again.Result.message);
    // Compared as bytes: a spread read from damaged bytes may be no number, never equal to itself.
    if (again.Year != year || EncodeTodaySeason(again.Games, again.Year) != saved)
        return Fail("saving and loading again changes the season");

    if (!deep) return {};

    // What the displays ask of each week: the tiebreak game and the kick-offs shown.
    for (int w = 0; w < league.Weeks; ++w) {
        const WeekGames& week = read.Games[static_cast<std::size_t>(w)];
        const int slot = league.TiebreakSlot(week);
        const bool any = std::any_of(week.begin(), week.begin() + league.Slots, [](const GameRecord& g) { return g.HasGame(); });
        if (slot < -1 || slot >= league.Slots || (slot >= 0) != any) return Fail("the tiebreak game is not a game of its week");
        if (slot >= 0 && !week[static_cast<std::size_t>(slot)].HasGame()) return Fail("the tiebreak game is an empty slot");
        for (int s = 0; s < league.Slots; ++s) (void)KickoffLabel(week[static_cast<std::size_t>(s)]);
    }
    AppState state(FreshFolder());
    state.SetLeague(league);
    state.Games = read.Games;
    state.SeasonYear = std::to_string(year);
    state.CurrentWeek = league.Weeks;
    state.PointSpreads = "Yes";
    {
        NflResults results(state);
        do (void)results.ResultsLines();
        while (results.Spin(-1));
    }
    state.CurrentWeek = league.Weeks;
    {
        LeagueStandings standings(state);
        standings.SetSpread(true);
        (void)standings.TextFile();
    }
    return {};
}

Outcome PoolFile(std::string_view bytes, bool deep) {
    AppState state(FreshFolder());
    state.Games = Season1996();
    state.CurrentWeek = 17;
    state.PointSpreads = "Yes";
    const Status s = LoadPoolBytes(state, bytes);
    if (!s.ok()) return Fail("the pool file was refused: " + s.message);
    const std::size_t records = bytes.size() / kMemberRecordSize;
    const std::size_t loaded = std::min<std::size_t>(records, kMaxMembers);
    if (state.MemberCount != static_cast<int>(loaded) || state.Members.size() != loaded)
        return Fail("the member count is not the number of whole records");
    if (s.isWarning() != (records > loaded)) return Fail("the warning about members left unloaded is wrong");
    // Saving the members just loaded writes their records back unchanged.
    if (EncodePool(state.Members) != bytes.substr(0, loaded * kMemberRecordSize))
        return Fail("saving the members just loaded changes their records");
    if (!deep) return {};

    {
        PoolStandings standings(state);
        (void)standings.Lines();
    }
    {
        AllPicksReport picks(state);
        (void)picks.Lines();
    }
    return {};
}

Outcome SettingsFile(std::string_view bytes, bool deep) {
    // Every start-up setting as the main window reads it, and team names from
    // each of the four team tables (read by the same code for every team).
    AppState state(FreshFolder());
    ReadSettingsFrom(state, bytes, 1LL << 24);
    if (state.CurrentWeek < 1 || state.CurrentWeek > kWeeks) return Fail("CurrentWeek out of 1 to 21");
    if (state.ColorScheme < 1 || state.ColorScheme > 12) return Fail("the colour scheme out of 1 to 12");
    if (state.LastPlayerNumber < 0 || state.LastPlayerNumber > kMaxMembers)
        return Fail("the player-number counter out of 0 to 32767");
    const std::pair<std::string AppState::*, const SettingKey*> texts[] = {
        {&AppState::PointSpreads, &keys::PointSpreads}, {&AppState::PoolSort, &keys::PoolSort},
        {&AppState::MondayPts, &keys::MondayPts},       {&AppState::MaxCPoints, &keys::MaxCPoints},
        {&AppState::TBMethod, &keys::TBMethod},         {&AppState::SecondaryTB, &keys::SecondaryTB},
        {&AppState::PSEntrys, &keys::PSEntrys},         {&AppState::Comment, &keys::Comment},
        {&AppState::Team, &keys::Team},                 {&AppState::GroupBy, &keys::GroupBy},
        {&AppState::Title, &keys::Title},               {&AppState::Color, &keys::WebColor}};
    for (const auto& [field, key] : texts)
        if (Utf8Length(state.*field) > key->Longest) return Fail("the value of " + std::string(key->Key) + " is too long");
    const std::pair<std::string_view, std::size_t> tables[] = {{keys::TeamCitySection, keys::TeamNameLongest},
                                                               {keys::TeamNameSection, keys::TeamNameLongest},
                                                               {keys::TeamCityAbbrSection, keys::TeamAbbrLongest},
                                                               {keys::TeamNameAbbrSection, keys::TeamAbbrLongest}};
    for (const auto& [section, longest] : tables)
        for (int team : {0, 12, kTeams})
            if (Utf8Length(ReadProfileText(bytes, section, std::to_string(team), "", longest + 1)) > longest)
                return Fail("a team name longer than its field");
    // Shutdown writes the week: it reads back, and every other setting stays as it was.
    const std::string after = WriteProfileText(bytes, keys::CurrentWeekWriteSection, keys::CurrentWeek.Key, "7");
    AppState reread(state.DataFolder);
    ReadSettingsFrom(reread, after, 1LL << 24);
    if (reread.CurrentWeek != 7) return Fail("the week written does not read back");
    if (!deep) return {};
    for (const auto& [field, key] : texts)
        if (reread.*field != state.*field) return Fail("writing the week changed " + std::string(key->Key));
    if (reread.ColorScheme != state.ColorScheme || reread.LastPlayerNumber != state.LastPlayerNumber)
        return Fail("writing the week changed a number setting");
    // Writing it again changes no setting. (The bytes may change once more: a
    // file with bare carriage returns and no line feed at its end gets one,
    // after which it counts as a CR LF file; every value reads the same.)
    AppState twice(state.DataFolder);
    ReadSettingsFrom(twice, WriteProfileText(after, keys::CurrentWeekWriteSection, keys::CurrentWeek.Key, "7"),
                     1LL << 24);
    for (const auto& [field, key] : texts)
        if (twice.*field != reread.*field) return Fail("writing the week again changed " + std::string(key->Key));
    if (twice.CurrentWeek != 7 || twice.ColorScheme != reread.ColorScheme ||
        twice.LastPlayerNumber != reread.LastPlayerNumber)
        return Fail("writing the week again changed a number setting");
    return {};
}

Outcome SportBoxFile(std::string_view bytes, bool deep) {
    const SeasonBoxes boxes = DecodeBoxes(bytes);
    // Saved and read again, each box is the one loaded.
    const std::size_t records = std::min<std::size_t>(bytes.size() / kBoxRecordSize, kBoxRecords);
    for (std::size_t r = 0; r < records; ++r) {
        const BoxRecord& box = boxes[r / kBoxesPerWeek][r % kBoxesPerWeek];
        if (!(box == DecodeBoxRecord(bytes.substr(r * kBoxRecordSize, kBoxRecordSize))))
            return Fail("a box loads other than its record says");
        if (!(DecodeBoxRecord(EncodeBoxRecord(box)) == box)) return Fail("a box saved does not read back");
    }
    if (!deep) return {};
    if (DecodeBoxes(EncodeBoxes(boxes)) != boxes) return Fail("the boxes saved do not read back");

    const fs::path& folder = FreshFolder();
    Put(folder, kSportBoxFileName, bytes);
    AppState state(folder);
    state.Games = Season1996();
    SportsBox box(state, 1);
    if (box.AllBoxes() != boxes) return Fail("the Sports Box window loaded other boxes");
    if (state.LastPlayerNumber < 0 || state.LastPlayerNumber > kMaxMembers)
        return Fail("the player-number counter out of 0 to 32767");
    for (int b = 0; b < kBoxesPerWeek; ++b) {
        (void)box.BoxCaption(b);
        (void)box.OwnerText(b);
    }
    for (int w = 1; w <= kWeeks; ++w) {
        (void)box.WinnerText();
        if (w < kWeeks && !box.SpinWeek(1)) return Fail("the week spin stopped early");
    }
    RecordingSurface surface;
    box.PrintCopy(surface);
    return {};
}

Outcome BoxPlayerFile(std::string_view bytes, bool deep) {
    const std::vector<BoxRecord> players = DecodeBoxPlayers(bytes);
    if (players.size() != bytes.size() / kBoxRecordSize) return Fail("the player count is not the number of records");
    if (DecodeBoxPlayers(EncodeBoxPlayers(players)) != players) return Fail("the players saved do not read back");
    if (!deep) return {};

    const fs::path& folder = FreshFolder();
    Put(folder, kBoxPlayerFileName, bytes);
    AppState state(folder);
    state.Games = Season1996();
    state.CurrentWeek = 3;
    SportsBox box(state, 7);
    if (box.EntryCount() != static_cast<int>(players.size()) + 1) return Fail("the window lists other players");
    (void)box.PlayerLines();
    for (int e = 1; e < box.EntryCount(); ++e) box.AssignBox((e - 1) % kBoxesPerWeek, e);
    for (auto scheme : {SportsBox::Scheme::OnePerBoxRandom, SportsBox::Scheme::EqualRandom}) {
        (void)box.Fill(scheme);
        for (int b = 0; b < kBoxesPerWeek; ++b) (void)box.OwnerText(b);
    }
    // "Save Players to File": the file holds the list the window shows.
    if (Status s = box.SavePlayers(); !s) return Fail("the players could not be saved: " + s.message);
    std::string saved;
    if (!ReadFileBytes(state.File(kBoxPlayerFileName), saved)) return Fail("the players saved cannot be read");
    const std::vector<BoxRecord> back = DecodeBoxPlayers(saved);
    if (static_cast<int>(back.size()) + 1 != box.EntryCount()) return Fail("the players saved are another list");
    for (int e = 1; e < box.EntryCount(); ++e)
        if (!(back[e - 1] == box.Entry(e))) return Fail("a player saved reads back changed");
    return {};
}

Outcome DigitalFile(std::string_view bytes, bool deep) {
    const std::vector<DigitRecord> players = DecodeDigitPlayers(bytes);
    if (players.size() != bytes.size() / kDigitRecordSize) return Fail("the player count is not the number of records");
    if (DecodeDigitPlayers(EncodeDigitPlayers(players)) != players) return Fail("the players saved do not read back");
    if (!deep) return {};

    const fs::path& folder = FreshFolder();
    Put(folder, kDigitalFileName, bytes);
    AppState state(folder);
    state.Games = Season1996();
    state.CurrentWeek = 17;
    {
        DigitalPool pool(state);
        for (auto mode : {DigitalPool::Mode::Teams, DigitalPool::Mode::Players, DigitalPool::Mode::Both}) {
            pool.SetMode(mode);
            pool.SetSort(true);
            (void)pool.Lines();
            pool.SetSort(false);
            (void)pool.TextFile();
        }
    }
    DigitalPlayers editor(state);
    (void)editor.Lines();
    for (int row = 0; row < editor.Count(); ++row) (void)editor.DeleteQuestion(row);
    // OK rebuilds the file from the list; opened again, the list is the same.
    const auto entries = editor.Entries();
    if (Status s = editor.Save(); !s) return Fail("the players could not be saved: " + s.message);
    DigitalPlayers again(state);
    if (again.Count() != static_cast<int>(entries.size())) return Fail("the players saved read back as another list");
    for (int row = 0; row < again.Count(); ++row)
        if (again.Entries()[row].Name != entries[row].Name || again.Entries()[row].Team != entries[row].Team)
            return Fail("a player saved reads back changed");
    return {};
}

Outcome SeasonCsv(std::string_view bytes, bool deep) {
    const SeasonImport result = ImportSeasonCsv(bytes, 1997);
    const int lines = static_cast<int>(SplitLines(bytes).size());
    for (const ImportProblem& p : result.Problems)
        if (p.Line < 1 || p.Line > std::max(lines, 1)) return Fail("a problem reported on a line the file lacks");
    // import-season writes only when nothing was refused and some game was placed.
    const bool accepted = result.Problems.empty() && result.GamesPlaced > 0;
    if (!result.Problems.empty()) return {false, {}};
    int placed = 0;
    for (const WeekGames& week : result.Games) {
        if (!(week[kSlots] == GameRecord{})) return Fail("a game placed past the last slot");
        for (int s = 0; s < kSlots; ++s) placed += EncodeGame(week[s]) != EncodeGame(GameRecord{});
    }
    if (placed > result.GamesPlaced) return Fail("more slots filled than games counted");
    if (!deep) return {accepted, {}};
    // The season written exports and imports back to the same file.
    const std::string file = EncodeSeason(result.Games);
    const SeasonImport back = ImportSeasonCsv(ExportSeasonCsv(result.Games), 1997);
    if (!back.Problems.empty() || EncodeSeason(back.Games) != file)
        return Fail("the imported season does not export and import back");
    return {accepted, {}};
}

namespace {

// An independent reader of the pool CSV (RFC 4180: quoted fields may hold
// commas, quotes and line breaks), to check what export-pool writes.
std::optional<std::vector<std::vector<std::string>>> ReadCsvRows(std::string_view text) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row(1);
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                row.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                row.back() += c;
            }
        } else if (c == '"' && row.back().empty()) {
            quoted = true;
        } else if (c == ',') {
            row.emplace_back();
        } else if (c == '\n') {
            rows.push_back(std::move(row));
            row.assign(1, {});
        } else {
            row.back() += c;
        }
    }
    if (quoted || row.size() != 1 || !row[0].empty()) return std::nullopt;  // the export ends every row
    return rows;
}

}  // namespace

Outcome PoolCsv(std::string_view bytes, bool) {
    AppState state(FreshFolder());
    if (!LoadPoolBytes(state, bytes).ok()) return Fail("the pool file was refused");
    const std::string csv = ExportPoolCsv(state.Members);
    const auto rows = ReadCsvRows(csv);
    if (!rows || rows->empty()) return Fail("export-pool wrote text that is not CSV");
    // Every member and every non-zero entry reads back from the rows.
    std::vector<MemberRecord> back;
    for (std::size_t r = 1; r < rows->size(); ++r) {
        const auto& f = (*rows)[r];
        if (f.size() != 7) return Fail("export-pool row " + std::to_string(r + 1) + " has not 7 fields");
        const std::size_t record = std::strtoul(f[0].c_str(), nullptr, 10);
        if (f[3] == "member") {
            if (record != back.size() + 1) return Fail("export-pool numbers its members out of order");
            back.emplace_back();
            back.back().Name = f[1];
            back.back().PlayerNumber = static_cast<std::int16_t>(std::strtol(f[2].c_str(), nullptr, 10));
            continue;
        }
        if (back.empty() || record != back.size()) return Fail("an entry row before its member");
        MemberRecord& m = back.back();
        if (f[1] != m.Name) return Fail("an entry row names another member");
        const int week = std::atoi(f[4].c_str()) - 1;
        const int value = std::atoi(f[6].c_str());
        if (week < 0 || week >= kStoredWeeks || value < 1 || value > 255) return Fail("an entry out of range");
        if (f[3] == "tiebreak") {
            m.Tiebreak[week] = static_cast<std::uint8_t>(value);
            continue;
        }
        const int slot = std::atoi(f[5].c_str());
        if (slot < 0 || slot >= kStoredSlots) return Fail("an entry's slot out of range");
        if (f[3] == "pick") {
            m.Picks[week][slot] = static_cast<std::uint8_t>(value);
        } else if (f[3] == "confidence") {
            m.Confidence[week][slot] = static_cast<std::uint8_t>(value);
        } else {
            return Fail("an entry of an unknown kind");
        }
    }
    if (back.size() != state.Members.size()) return Fail("export-pool lost a member");
    for (std::size_t i = 0; i < back.size(); ++i) {
        MemberRecord expect = state.Members[i];
        expect.Name.erase(expect.Name.find_last_not_of(' ') + 1);
        if (!(back[i] == expect)) return Fail("member " + std::to_string(i + 1) + " reads back changed from export-pool");
    }
    return {};
}

Outcome PicksCsv(std::string_view bytes, bool deep) {
    // The two members of a pool that uses confidence points and the Monday
    // tiebreaker, picking week 1 of the 1996 season.
    constexpr int kWeek = 1;
    AppState state(FreshFolder());
    state.Games = Season1996();
    state.Members = TwoMembers(state.Games);
    state.MemberCount = 2;
    const PicksImport result = ImportPicksCsv(state, kWeek, bytes);
    const std::size_t lines = SplitLines(bytes).size();
    for (const PicksProblem& p : result.Problems)
        if (p.Line > std::max<std::size_t>(lines, 1)) return Fail("a problem reported on a line the file lacks");
    if (!result.Problems.empty()) return {false, {}};

    // Taken: only the week's selections of the two members changed, and as
    // the selections window would allow them.
    if (result.Members.size() != state.Members.size()) return Fail("the import changed the member count");
    const auto wk = static_cast<std::size_t>(kWeek - 1);
    for (std::size_t m = 0; m < result.Members.size(); ++m) {
        const MemberRecord& before = state.Members[m];
        const MemberRecord& after = result.Members[m];
        if (after.Name != before.Name || after.PlayerNumber != before.PlayerNumber)
            return Fail("the import changed a member's name or number");
        for (int w = 0; w < kStoredWeeks; ++w) {
            if (w == static_cast<int>(wk)) continue;
            if (after.Picks[w] != before.Picks[w] || after.Confidence[w] != before.Confidence[w] ||
                after.Tiebreak[w] != before.Tiebreak[w])
                return Fail("the import changed another week");
        }
        if (after.Tiebreak[wk] > 99) return Fail("a Monday-night entry above 99 was taken");
        std::array<bool, 256> used{};
        for (int g = 0; g < kStoredSlots; ++g) {
            const int pick = after.Picks[wk][g];
            const int points = after.Confidence[wk][g];
            const GameRecord& game = state.Games[wk][g];
            if (pick != 0 && pick != game.HomeTeam && pick != game.AwayTeam)
                return Fail("a pick of a team that does not play in its game was taken");
            if (points == 0) continue;
            if (pick == 0) return Fail("confidence points on a game without a pick were taken");
            // Kept as the selections window keeps them after "No", but never silently.
            if (used[points] && result.Warnings.empty())
                return Fail("the same confidence points on two games of a week were taken without a warning");
            if (points > 99) return Fail("confidence points above 99 were taken");
            used[points] = true;
        }
    }
    if (!deep) return {};

    // The week exported after the import reads back without a change.
    AppState imported = state;
    imported.Members = result.Members;
    std::string csv;
    if (Status s = ExportPicksCsv(imported, kWeek, csv); !s) return Fail("export-picks failed: " + s.message);
    const PicksImport again = ImportPicksCsv(imported, kWeek, csv);
    if (!again.Problems.empty())
        return Fail("import-picks refuses what export-picks wrote: line " + std::to_string(again.Problems[0].Line) +
                    ": " + again.Problems[0].Reason);
    if (again.Members != result.Members) return Fail("export-picks and import-picks do not give the picks back");
    return {};
}

Outcome SiteApi(std::string_view bytes, bool deep) {
    // The two members of a pool that uses confidence points and the Monday
    // tiebreaker, week 1 of the 1996 season open (no kick-off times: nothing locks).
    AppState state(FreshFolder());
    state.Games = Season1996();
    state.Members = TwoMembers(state.Games);
    state.MemberCount = 2;
    state.CurrentWeek = 1;
    auto wellFormed = [](const std::string& json) { return json::Parse(json).Ok; };
    const ParsedSubmission parsed = ParseSubmissionJson(bytes);
    if (!parsed.Ok) {
        if (parsed.Errors.empty()) return Fail("a body was refused without a reason");
        if (!wellFormed(ErrorsJson(parsed.Errors))) return Fail("the refusal is not well-formed JSON");
        return {false, {}};
    }
    const SiteTime now{};
    const SubmitResult r = CheckSubmission(state, SiteOptions{}, parsed.Sheet, now);
    if (!wellFormed(ErrorsJson(r.Errors))) return Fail("the errors are not well-formed JSON");
    if (r.Outcome != SubmitOutcome::Saved) {
        if (r.Errors.empty()) return Fail("a sheet was refused without a reason");
        if (r.SaveRecord) return Fail("a refused sheet asks to be saved");
        return {false, {}};
    }
    if (!r.SaveRecord || r.Member < 0 || r.Member >= state.MemberCount || r.Week != 1)
        return Fail("a taken sheet names no member or the wrong week");
    // Taken: only week 1 of that member changed, and only as the selections window allows.
    const MemberRecord& before = state.Members[static_cast<std::size_t>(r.Member)];
    const MemberRecord& after = r.Record;
    if (after.Name != before.Name || after.PlayerNumber != before.PlayerNumber)
        return Fail("a sheet changed a member's name or number");
    for (int w = 1; w < kStoredWeeks; ++w)
        if (after.Picks[w] != before.Picks[w] || after.Confidence[w] != before.Confidence[w] ||
            after.Tiebreak[w] != before.Tiebreak[w])
            return Fail("a sheet changed another week");
    if (after.Tiebreak[0] > 99) return Fail("a tiebreak entry above 99 was taken");
    std::array<bool, 256> used{};
    for (int g = 0; g < kStoredSlots; ++g) {
        const int pick = after.Picks[0][g], points = after.Confidence[0][g];
        const GameRecord& game = state.Games[0][g];
        if (pick != 0 && pick != game.HomeTeam && pick != game.AwayTeam)
            return Fail("a pick of a team that does not play in its game was taken");
        if (pick == 0 || points == 0) continue;
        if (used[points]) return Fail("the same confidence points on two games were taken");
        used[points] = true;
    }
    if (deep) {
        state.Members[static_cast<std::size_t>(r.Member)] = r.Record;
        if (!wellFormed(SheetJson(state, r.Member, r.Week, now))) return Fail("the saved sheet is not well-formed JSON");
        if (AuditLine(state, r, "127.0.0.1", now).find('\n') != std::string::npos)
            return Fail("an audit line spans lines");
    }
    return {true, {}};
}

std::span<const Target> Targets() {
    static constexpr std::array<Target, 11> targets = {{
        {"season_file", SeasonFile},
        {"today_season_file", TodaySeasonFile},
        {"pool_file", PoolFile},
        {"settings", SettingsFile},
        {"sportsbox", SportBoxFile},
        {"sbplayer", BoxPlayerFile},
        {"digital", DigitalFile},
        {"season_csv", SeasonCsv},
        {"pool_csv", PoolCsv},
        {"picks_csv", PicksCsv},
        {"site_api", SiteApi},
    }};
    return targets;
}

bool DeepByDefault() {
    static const bool deep = [] {
        const char* value = std::getenv("GRIDMOOT_FUZZ_DEEP");
        return value != nullptr && std::string_view(value) != "0";
    }();
    return deep;
}

void Check(std::string_view target, const Outcome& outcome) {
    if (outcome.Fault.empty()) return;
    std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(target.size()), target.data(), outcome.Fault.c_str());
    std::abort();
}

}  // namespace gm::fuzz
