#include "HomePage.h"

#include <array>

#include "core/data/TextCodec.h"
#include "core/output/WebPage.h"

namespace gm {

namespace {

constexpr std::array<HomePageLink, 14> kLinks{{
    {"nfl.htm", "<LI><a href=nfl.htm> NFL Weekly Results </a><P>", "NFL Weekly Results (nfl.htm)", true},
    {"nflconf.htm", "<LI><a href=nflconf.htm> NFL Conference Standings </a><P>",
     "NFL Conference Standings (nflconf.htm)", true},
    {"league.htm", "<LI><a href=league.htm> NFL League Standings </a><P>",
     "NFL League Standings (league.htm)", true},
    {"favund.htm", "<LI><a href=favund.htm> NFL Favorite/Underdog Standings </a><P>",
     "NFL Fav/Und Standings (favund.htm)", true},
    {"whoshot.htm", "<LI><a href=whoshot.htm> Who's Hot, Who's Not </a><P>",
     "Who's Hot, Who's Not (whoshot.htm)", true},
    {"analyze.htm", "<LI><a href=analyze.htm> The NFL Analyzer </a><P>", "The NFL Analyzer (analyze.htm)",
     true},
    // The points page follows the first list's closing tag (kept as the site has always had it).
    {"points.htm", "<LI><a href=points.htm> NFL PF/PA Statistics </a><P>", "NFL Statistics (points.htm)",
     true},
    {"picks.htm", "<LI><a href=picks.htm>This Weeks Player Selections </a><P>",
     "Weekly Player Picks (picks.htm)", false},
    {"standing.htm", "<LI><a href=standing.htm>Current Player Standings </a><P>",
     "Current Player Standings (standing.htm)", false},
    {"poolroom.htm", "<LI><a href=poolroom.htm>The Pool Room </a><P>", "The PoolRoom (poolroom.htm)", false},
    {"poolstat.htm", "<LI><a href=poolstat.htm>The Pool StatPak </a><P>", "The Pool Statpak (poolstat.htm)",
     false},
    {"digital.htm", "<LI><a href=digital.htm>The Digital Pool </a><P>", "The Digital Pool (digital.htm)",
     false},
    {"poolpros.htm", "<LI><a href=poolpros.htm>The Pool Analyst</a><P>", "The Pool Analyst (poolpros.htm)",
     false},
    {"experts.htm", "<LI><a href=experts.htm> The Pool Experts </a><P>", "The Pool Experts (experts.htm)",
     false},
}};

}  // namespace

std::span<const HomePageLink> HomePageLinks() {
    return kLinks;
}

std::string HomePageBytes(std::string_view poolTitle, const std::function<bool(std::string_view)>& exists,
                          std::vector<std::string>* descriptions) {
    const std::string title = EscapeHtml(poolTitle);
    std::string out;
    auto line = [&out](std::string_view text) {
        out += text;
        out += "\r\n";
    };
    auto link = [&](const HomePageLink& page) {
        if (!exists(page.FileName)) return;
        line(page.LinkLine);
        if (descriptions) descriptions->emplace_back(page.Description);
    };
    if (descriptions) descriptions->clear();

    line("<HTML>");
    line("<HEAD><TITLE> The Office Pool </TITLE></HEAD>");
    line("<BODY BGCOLOR=#330000 TEXT=WHITE LINK=#FFFFCC VLINK=#9F9F5F ALINK=#9F9F5F>");
    line("<CENTER><H1><I><FONT COLOR=YELLOW> " + title + " </FONT></I></H1></CENTER>");
    line("<P></P><HR><P></P>");
    line("<FONT SIZE=4 COLOR=RED> NFL Handicapping Pages </FONT><P></P>");
    line("<P></P><UL><STRONG>");
    for (std::size_t i = 0; i < 6; ++i) link(kLinks[i]);
    line("</UL>");
    link(kLinks[6]);
    line("</UL>");
    line("<P></P><HR><P></P>");
    line("<FONT SIZE=4 COLOR=RED> Our Pool Pages </FONT><P></P><UL>");
    for (std::size_t i = 7; i < kLinks.size(); ++i) link(kLinks[i]);
    // Close the lists and sign the page with the pool title, like every display page.
    line("</UL></STRONG>");
    line("<P></P><HR><P></P>");
    line("<CENTER><FONT COLOR=YELLOW><STRONG> " + title + " </STRONG></FONT></CENTER>");
    line("<P></P></BODY>");
    line("</HTML>");
    return Utf8ToCp1252(out);
}

std::string HomePageConfirmation(const std::vector<std::string>& descriptions) {
    std::string text = "An Office Pool Home Page named " + std::string(kHomePageFileName) +
                       " was created\r\nwith the following links:\r\n";
    for (const auto& d : descriptions) text += "\r\n" + d;
    if (descriptions.empty()) text += "\r\nThere were no links created.";
    return text;
}

Status WriteHomePage(const AppState& state, std::string* confirmation) {
    if (confirmation) confirmation->clear();
    const fs::path folder = WebFolder(state);
    auto exists = [&folder](std::string_view name) {
        std::error_code ec;
        return fs::is_regular_file(FindFile(folder, name), ec);
    };
    std::vector<std::string> descriptions;
    const std::string bytes = HomePageBytes(state.Title, exists, &descriptions);
    const Status written = WritePageFile(folder, kHomePageFileName, bytes);
    if (!written) return written;
    if (confirmation) *confirmation = HomePageConfirmation(descriptions);
    return Status::Ok();
}

fs::path HomePagePath(const AppState& state) {
    return FindFile(WebFolder(state), kHomePageFileName);
}

}  // namespace gm
