#include "WebPage.h"

#include <array>
#include <stdexcept>

#include "core/data/TextCodec.h"
#include "core/output/TextOutput.h"

namespace gm {

namespace {

constexpr std::string_view kBodyBrown = "<BODY BGCOLOR=#663300 TEXT=WHITE>";
constexpr std::string_view kBodyBlue = "<BODY BGCOLOR=#003399 TEXT=WHITE>";
constexpr std::string_view kBodyCream = "<BODY BGCOLOR=#FFFFCC TEXT=BLACK>";
constexpr std::string_view kBodyTan = "<BODY BGCOLOR=TAN TEXT=BLACK>";
constexpr std::string_view kPreStrong = "<PRE><STRONG>";
constexpr std::string_view kPreStrongEnd = "</STRONG></PRE><P></P><HR><P></P>";
constexpr std::string_view kPreStrongFont = "<PRE><STRONG><FONT COLOR={A}>";
constexpr std::string_view kPre = "<PRE>";
constexpr std::string_view kPreEnd = "</PRE><P></P><HR><P></P>";

// The table of pages, in WebPageId order.
constexpr std::array<WebPageStyle, 18> kStyles{{
    {WebPageId::NflResults, "nfl.htm", "<HEAD><TITLE>NFL Weekly Results</TITLE></HEAD>", kBodyBrown,
     kBodyCream, "RED", "RED", true, "YELLOW", "BLUE", kPreStrong, kPreStrongEnd, "NFL Results Web Page"},
    {WebPageId::TeamResults, "", "<HEAD><TITLE>NFL Team Results</TITLE></HEAD>", kBodyBlue, kBodyTan, "LIME",
     "RED", false, "YELLOW", "BLUE", kPreStrongFont, kPreStrongEnd, ""},
    {WebPageId::League, "league.htm", "<HEAD><TITLE>NFL League Standings</TITLE></HEAD>", kBodyBlue, kBodyTan,
     "LIME", "RED", false, "YELLOW", "BLUE", kPreStrong, kPreStrongEnd, "NFL League Web Page"},
    {WebPageId::Conference, "nflconf.htm", "<HEAD><TITLE>NFL Conference Standings</TITLE></HEAD>", kBodyBrown,
     kBodyCream, "RED", "RED", true, "YELLOW", "BLUE", kPreStrong, kPreStrongEnd, "NFL Conference Web Page"},
    {WebPageId::FavUnd, "favund.htm", "<HEAD><TITLE>NFL Fav/Und Standings</TITLE></HEAD>", kBodyBrown,
     kBodyTan, "RED", "RED", true, "YELLOW", "BLUE", kPreStrong, kPreStrongEnd, "Favorite/Underdog Web Page"},
    {WebPageId::WhosHot, "whoshot.htm", "<HEAD><TITLE>Who's Hot, Who's Not</TITLE></HEAD>", kBodyBlue,
     kBodyCream, "LIME", "RED", false, "YELLOW", "BLUE", kPreStrong, kPreStrongEnd, "NFL Who's Hot Web Page"},
    {WebPageId::Matchups, "", "<HEAD><TITLE>This Weeks Matchups</TITLE></HEAD>", kBodyBrown, kBodyCream,
     "RED", "RED", true, "YELLOW", "BLUE", kPreStrong, kPreStrongEnd, "This Weeks Matchups"},
    {WebPageId::Points, "points.htm", "<HEAD><TITLE>Off/Def Statistics</TITLE></HEAD>", kBodyBlue,
     "<BODY BGCOLOR=YELLOW TEXT=BLACK>", "LIME", "RED", false, "YELLOW", "BLUE", kPreStrongFont,
     kPreStrongEnd, "NFL Statistics Web Page"},
    {WebPageId::Analyzer, "analyze.htm", "<HEAD><TITLE> The NFL Analyzer </TITLE></HEAD>", kBodyBrown,
     kBodyCream, "RED", "RED", true, "YELLOW", "BLUE", kPreStrong, kPreStrongEnd,
     "The NFL Analyzer Web Page"},
    {WebPageId::Standings, "standing.htm", "<HEAD><TITLE>Pool Standings </TITLE></HEAD>",
     "<BODY BGCOLOR=#2F2F4F TEXT=YELLOW>", kBodyCream, "LIME", "RED", false, "WHITE", "BLUE", kPreStrong,
     kPreStrongEnd, "Office Pool Standings Web Page"},
    {WebPageId::AllPicks, "picks.htm", "<HEAD><TITLE>Player Selections</TITLE></HEAD>", kBodyBrown, kBodyTan,
     "RED", "RED", true, "YELLOW", "BLUE", "<PRE><FONT SIZE=2>", "</PRE></FONT><P></P><HR><P></P>",
     "Player Selection Web Page"},
    {WebPageId::PlayerMatrix, "picks.htm", "<HEAD><TITLE> Player Selections </TITLE></HEAD>", kBodyBlue,
     kBodyCream, "LIME", "RED", false, "YELLOW", "BLUE", kPre, kPreEnd, "Player Selections Web Page"},
    {WebPageId::PlayerStatPak, "statpak.htm", "<HEAD><TITLE> The Player StatPak </TITLE></HEAD>", kBodyBrown,
     kBodyTan, "RED", "RED", true, "YELLOW", "BLUE", kPre, kPreEnd, ""},
    {WebPageId::PoolStatPak, "poolstat.htm", "<HEAD><TITLE> The Pool StatPak</TITLE></HEAD>", kBodyBrown,
     kBodyTan, "RED", "RED", true, "YELLOW", "BLUE", kPre, kPreEnd, "The Pool StatPak Web Page"},
    {WebPageId::PoolRoom, "poolroom.htm", "<HEAD><TITLE> The Pool Room </TITLE></HEAD>", kBodyBlue, kBodyTan,
     "LIME", "RED", false, "YELLOW", "BLUE", kPreStrong, kPreStrongEnd, "The PoolRoom"},
    {WebPageId::Digital, "digital.htm", "<HEAD><TITLE>The Digital Pool </TITLE></HEAD>", kBodyBrown,
     kBodyCream, "RED", "RED", true, "YELLOW", "BLUE", kPreStrong, kPreStrongEnd,
     "The Digital Pool Web Page"},
    {WebPageId::PoolAnalyst, "poolpros.htm", "<HEAD><TITLE>The Pool Analyst</TITLE></HEAD>", kBodyBrown,
     kBodyCream, "RED", "RED", true, "YELLOW", "BLUE", "<FONT SIZE=4>\n<PRE>",
     "</PRE><P></P><HR><P></P>\n</FONT>", "The Pool Analyst Web Page"},
    {WebPageId::PoolExperts, "experts.htm", "<HEAD><TITLE>The Pool Experts</TITLE></HEAD>", kBodyBrown,
     kBodyCream, "RED", "RED", true, "YELLOW", "BLUE", kPreStrong, kPreStrongEnd,
     "The Pool Experts Web Page"},
}};

constexpr bool TableInOrder() {
    for (std::size_t i = 0; i < kStyles.size(); ++i)
        if (static_cast<std::size_t>(kStyles[i].Page) != i) return false;
    return true;
}
static_assert(TableInOrder(), "the table of pages must follow WebPageId");

// Appends the block text, one line per '\n', with the accent colour in place of {A}.
void AppendBlock(std::string& out, std::string_view block, std::string_view accent) {
    std::size_t start = 0;
    while (start <= block.size()) {
        const std::size_t end = std::min(block.find('\n', start), block.size());
        std::string line(block.substr(start, end - start));
        if (const auto at = line.find("{A}"); at != std::string::npos) line.replace(at, 3, accent);
        out += line;
        out += "\r\n";
        start = end + 1;
    }
}

void AppendLines(std::string& out, const std::vector<WebLine>& lines, std::string_view accent) {
    for (const auto& line : lines) {
        switch (line.kind) {
            case WebLine::Kind::Text:
                out += EscapeHtml(line.text);
                break;
            case WebLine::Kind::Heading:
                out += "<FONT COLOR=";
                out += accent;
                out += ">";
                out += EscapeHtml(line.text);
                out += "</FONT>";
                break;
            case WebLine::Kind::Raw:
                out += line.text;
                break;
        }
        out += "\r\n";
    }
}

}  // namespace

const WebPageStyle& StyleOf(WebPageId page) {
    const auto i = static_cast<std::size_t>(page);
    if (i >= kStyles.size()) throw std::out_of_range("unknown web page");
    return kStyles[i];
}

// Every page tests for the dark scheme; any other value gives the light one.
bool LightScheme(const AppState& state) {
    return state.Color != "BW";
}

std::string_view AccentColor(const AppState& state, WebPageId page) {
    const auto& style = StyleOf(page);
    return LightScheme(state) ? style.AccentWB : style.AccentBW;
}

namespace {

// The code point of one whole UTF-8 sequence of two to four bytes; 0 when the
// sequence is not well formed.
char32_t DecodeSequence(std::string_view seq) {
    const auto lead = static_cast<unsigned char>(seq[0]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (seq.size() != length) return 0;
    char32_t cp = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) cp = (cp << 6) | (static_cast<unsigned char>(seq[i]) & 0x3F);
    return cp;
}

}  // namespace

std::string EscapeHtml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (static_cast<unsigned char>(c) >= 0xC0) {
            // A character the page's Windows-1252 bytes cannot hold goes in as
            // a numeric reference, so that it still shows as typed.
            std::size_t end = i + 1;
            while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
            const std::string_view seq = text.substr(i, end - i);
            bool lossless = true;
            Utf8ToCp1252(seq, &lossless);
            const char32_t cp = lossless ? 0 : DecodeSequence(seq);
            if (cp != 0)
                out += "&#" + std::to_string(static_cast<unsigned long>(cp)) + ";";
            else
                out += seq;
            i = end;
            continue;
        }
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
        ++i;
    }
    return out;
}

std::vector<WebLine> PlainLines(const std::vector<std::string>& lines) {
    std::vector<WebLine> out;
    out.reserve(lines.size());
    for (const auto& line : lines) out.push_back(WebLine::Plain(line));
    return out;
}

std::string WebConfirmation(std::string_view firstSentence) {
    return std::string(firstSentence) + "\r\n\r\nDon't forget to update your Office Pool Index Page.";
}

std::string WebPageBytes(const AppState& state, const WebPageOutput& page) {
    const auto& style = StyleOf(page.Page);
    const bool light = LightScheme(state);
    const std::string_view heading = light ? style.HeadingWB : style.HeadingBW;
    const std::string_view accent = light ? style.AccentWB : style.AccentBW;
    const std::string title = EscapeHtml(state.Title);

    std::string out;
    auto line = [&out](std::string_view text) {
        out += text;
        out += "\r\n";
    };
    line("<HTML>");
    line(style.TitleLine);
    line(light ? style.BodyWB : style.BodyBW);
    if (style.FixedRed)
        line("<CENTER><H2><FONT COLOR=RED> " + title + " </FONT></H2></CENTER>");
    else
        line("<CENTER><H2><FONT COLOR=" + std::string(heading) + ">" + title + " </FONT></H2></CENTER>");
    line("<P></P><HR><P></P>");
    AppendLines(out, page.BeforeBlock, accent);
    AppendBlock(out, style.BlockOpen, accent);
    AppendLines(out, page.Lines, accent);
    AppendBlock(out, style.BlockClose, accent);
    // The pool title again at the foot of the page, in the heading colour.
    if (style.FixedRed)
        line("<CENTER><FONT COLOR=RED><STRONG> ");
    else
        line("<CENTER><FONT COLOR=" + std::string(heading) + "><STRONG>");
    line(title + " </STRONG></FONT></CENTER>");
    line("<P></P></BODY>");
    line("</HTML>");
    return Utf8ToCp1252(out);
}

fs::path WebFolder(const AppState& state) {
    return OutputFolder(state, kWebFolder);
}

Status WritePageFile(const fs::path& folder, std::string_view name, std::string_view bytes) {
    const fs::path target = folder / name;
    const fs::path old = FindFile(folder, name);
    if (Status written = WriteFileAtomic(target, bytes); !written) return written;
    std::error_code ec;
    if (old != target && fs::exists(old, ec) && !fs::equivalent(old, target, ec)) fs::remove(old, ec);
    return Status::Ok();
}

OutputMessage WriteWebPage(const AppState& state, const WebPageOutput& page) {
    const auto& style = StyleOf(page.Page);
    const std::string name =
        SafeFileName(page.FileName.empty() ? std::string(style.FileName) : page.FileName);
    const std::string title = page.ConfirmTitle.empty() ? std::string(style.ConfirmTitle) : page.ConfirmTitle;
    const Status written = WritePageFile(WebFolder(state), name, WebPageBytes(state, page));
    if (!written) return OutputMessage::Failure(title, written.message);
    return OutputMessage::Confirm(title, page.ConfirmText.empty()
                                             ? WebConfirmation("A Web Page named " + name + " was created.")
                                             : page.ConfirmText);
}

}  // namespace gm
