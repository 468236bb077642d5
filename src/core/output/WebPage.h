#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/data/AppState.h"
#include "core/output/OutputMessage.h"

namespace gm {

// Every display that writes a page of the pool web site.
enum class WebPageId {
    NflResults,
    TeamResults,
    League,
    Conference,
    FavUnd,
    WhosHot,
    Matchups,
    Points,
    Analyzer,
    Standings,
    AllPicks,
    PlayerMatrix,
    PlayerStatPak,
    PoolStatPak,
    PoolRoom,
    Digital,
    PoolAnalyst,
    PoolExperts,
};

// One row of the table of pages: how a display's page is framed. Colours and
// body tags come in two schemes, "BW" (dark background) and "WB" (light).
// Block texts may hold several lines separated by '\n' and the token "{A}",
// replaced by the accent colour.
struct WebPageStyle {
    WebPageId Page;
    std::string_view FileName;   // empty where the display builds it (team, matchups)
    std::string_view TitleLine;  // "<HEAD><TITLE>...</TITLE></HEAD>"
    std::string_view BodyBW, BodyWB;
    std::string_view HeadingBW, HeadingWB;  // colour of the pool title
    bool FixedRed;                          // heading always RED, written with a blank after the tag
    std::string_view AccentBW, AccentWB;    // colour of heading lines inside the block
    std::string_view BlockOpen, BlockClose;
    std::string_view ConfirmTitle;  // empty where the display gives it
};

const WebPageStyle& StyleOf(WebPageId page);

// The light scheme ("WB") for every value of the Color setting but "BW".
bool LightScheme(const AppState& state);
std::string_view AccentColor(const AppState& state, WebPageId page);

// Text from users (member names, pool title, team names) made safe for a page:
// & < > " become entities, so a name shows as typed and cannot add markup;
// characters that Windows-1252 cannot hold become numeric references.
std::string EscapeHtml(std::string_view text);

// One line of a page body.
struct WebLine {
    enum class Kind {
        Text,     // escaped
        Heading,  // escaped, wrapped in "<FONT COLOR=" + accent + ">" ... "</FONT>"
        Raw,      // written as given: markup the display builds itself (escape its text with EscapeHtml)
    };
    Kind kind = Kind::Text;
    std::string text;

    static WebLine Plain(std::string s) { return {Kind::Text, std::move(s)}; }
    static WebLine Head(std::string s) { return {Kind::Heading, std::move(s)}; }
    static WebLine Markup(std::string s) { return {Kind::Raw, std::move(s)}; }
};

// Plain lines for the common case.
std::vector<WebLine> PlainLines(const std::vector<std::string>& lines);

// One display's page.
struct WebPageOutput {
    WebPageId Page{};
    std::string FileName;              // empty: the table's file name
    std::vector<WebLine> BeforeBlock;  // after the rule, before the block (rarely used)
    std::vector<WebLine> Lines;        // inside the preformatted block
    std::string ConfirmTitle;          // empty: the table's
    std::string ConfirmText;           // empty: WebConfirmation("A Web Page named " + file + " was created.")
};

// firstSentence + CR LF CR LF + "Don't forget to update your Office Pool Index Page."
std::string WebConfirmation(std::string_view firstSentence);

// The whole page as Windows-1252 bytes, lines ending CR LF, framed with the
// pool title and colour scheme of `state`.
std::string WebPageBytes(const AppState& state, const WebPageOutput& page);

// Folder that receives pages and the home page: "Webpages" in the data folder
// when it exists (any letter case), otherwise the data folder.
fs::path WebFolder(const AppState& state);

// Writes a page file into `folder` atomically under exactly `name`, so that
// links to it hold on any server; a file of that name in other letter case is
// replaced (removed once the new one is written).
Status WritePageFile(const fs::path& folder, std::string_view name, std::string_view bytes);

// Writes the page into WebFolder() with WritePageFile. Returns the
// confirmation or a failure naming the file.
OutputMessage WriteWebPage(const AppState& state, const WebPageOutput& page);

}  // namespace gm
