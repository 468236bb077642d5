#include "core/site/SitePages.h"

#include <algorithm>

#include "core/data/PoolOptions.h"
#include "core/members/Selections.h"

namespace gm {

std::string HtmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&#39;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string SiteWeekName(const League& league, int week) {
    // Today's league names its playoff weeks; the 1997 league numbers every week.
    static constexpr const char* kPlayoffs[] = {"Wild Card", "Divisional", "Conference", "Super Bowl"};
    const int round = week - league.RegularWeeks - 1;
    if (league.Kind == LeagueKind::Today && round >= 0 && round < 4) return kPlayoffs[round];
    return "Week " + std::to_string(week);
}

namespace {

struct Colours {
    const char* Background;
    const char* Text;
    const char* Heading;
    const char* Accent;
    const char* Card;
};

Colours ColoursFor(const AppState& state) {
    // The pool's web colours: dark background and light text, or the reverse.
    if (WebDarkBackground(state.Color)) return {"#663300", "#ffffff", "#ff3333", "#ffff00", "#7a4a1a"};
    return {"#ffffcc", "#000000", "#cc0000", "#0000cc", "#ffffff"};
}

std::string Head(const AppState& state, std::string_view pageTitle) {
    const Colours c = ColoursFor(state);
    std::string out =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
        HtmlEscape(pageTitle) + " - " + HtmlEscape(state.Title) + "</title>\n<style>\n";
    out += std::string("body{margin:0;background:") + c.Background + ";color:" + c.Text +
           ";font:16px/1.4 system-ui,-apple-system,\"Segoe UI\",sans-serif}\n"
           "main{max-width:40rem;margin:0 auto;padding:1rem}\n"
           "h1{color:" + c.Heading + ";text-align:center;font-size:1.6rem;margin:.5rem 0}\n"
           "h2{color:" + c.Accent + ";font-size:1.2rem;margin:.5rem 0 1rem}\n"
           ".game{background:" + c.Card + ";border-radius:.5rem;padding:.6rem .8rem;margin:0 0 .8rem;border:2px solid transparent}\n"
           ".game.err{border-color:" + c.Heading + "}\n"
           ".kick{font-size:.85rem;opacity:.85}\n"
           ".teams{display:flex;flex-wrap:wrap;gap:.4rem 1rem;margin:.3rem 0}\n"
           ".teams label{flex:1 1 12rem;padding:.4rem;border-radius:.3rem;background:rgba(127,127,127,.15)}\n"
           "input[type=radio]{transform:scale(1.3);margin-right:.5rem}\n"
           "input[type=text],input[type=password],input[type=number]{font-size:1rem;padding:.4rem;max-width:100%;box-sizing:border-box}\n"
           ".field{display:block;margin:.3rem 0}\n"
           ".error{color:" + c.Heading + ";font-weight:bold;margin:.3rem 0}\n"
           ".note{color:" + c.Accent + ";font-weight:bold}\n"
           ".locked{font-style:italic;opacity:.85}\n"
           "button{font-size:1.1rem;padding:.6rem 1.4rem;margin:.5rem 0}\n"
           ".signout{text-align:right}.signout button{font-size:.9rem;padding:.3rem .8rem}\n"
           "footer{text-align:center;font-size:.85rem;opacity:.8;margin:1.5rem 0}\n";
    out += "</style>\n</head>\n<body>\n<main>\n<h1>" + HtmlEscape(state.Title) + "</h1>\n";
    return out;
}

std::string Foot(const AppState& state) {
    return "<footer>" + HtmlEscape(state.Title) + "</footer>\n</main>\n</body>\n</html>\n";
}

}  // namespace

std::string SignInPage(const AppState& state, std::string_view csrf, std::string_view message) {
    std::string out = Head(state, "Sign in");
    out += "<h2>Sign in</h2>\n";
    if (!message.empty()) out += "<p class=\"error\">" + HtmlEscape(message) + "</p>\n";
    out += "<form method=\"post\" action=\"/signin\">\n"
           "<input type=\"hidden\" name=\"csrf\" value=\"" + HtmlEscape(csrf) + "\">\n"
           "<label class=\"field\">Name<br><input type=\"text\" name=\"member\" autocomplete=\"username\" required></label>\n"
           "<label class=\"field\">PIN<br><input type=\"password\" name=\"pin\" inputmode=\"numeric\" "
           "autocomplete=\"current-password\" required></label>\n"
           "<button type=\"submit\">Sign in</button>\n</form>\n";
    out += Foot(state);
    return out;
}

std::string SheetPage(const AppState& state, const SiteOptions& options, const SheetPageInput& in) {
    const League& league = state.League();
    const int week = std::clamp(in.Week, 1, league.Weeks);
    SelectionsModel model(state);
    const Sheet sheet = model.Load(in.Member, week);
    const SelectionOptions& sel = model.Options();
    const bool spreads = UsesPointSpreads(state.PointSpreads);
    const MemberRecord& rec = state.Members.at(static_cast<std::size_t>(in.Member));
    const auto wk = static_cast<std::size_t>(week - 1);
    const int tbSlot = league.TiebreakSlot(state.Games[wk]);

    const std::string weekName = SiteWeekName(league, week);
    std::string out = Head(state, weekName);
    out += "<h2>" + HtmlEscape(rec.TrimmedName()) + " &middot; " + HtmlEscape(weekName) + "</h2>\n";
    if (in.SavedAt)
        out += "<p class=\"note\">Your picks were saved at " + HtmlEscape(EasternLabel(*in.SavedAt)) + ".</p>\n";
    for (const SiteError& e : in.Errors)
        if (e.Game == 0) out += "<p class=\"error\">" + HtmlEscape(e.Message) + "</p>\n";
    const bool sheetLocked = SheetLocked(state, options, week, in.Now);
    if (sel.ConfidenceOn && !sheetLocked)
        out += "<p>Give each game you pick its confidence points, " + std::to_string(sheet.Range.Min) + " to " +
               std::to_string(sheet.Range.Max) + ", each value once.</p>\n";

    // What to show in a game's boxes: what the member sent when the sheet comes
    // back with errors, else what is saved.
    auto submittedFor = [&](int place) -> const SubmittedPick* {
        if (!in.Submitted) return nullptr;
        for (const SubmittedPick& p : in.Submitted->Picks)
            if (p.Game == std::to_string(place)) return &p;
        return nullptr;
    };

    out += "<form method=\"post\" action=\"/sheet\">\n"
           "<input type=\"hidden\" name=\"csrf\" value=\"" + HtmlEscape(in.Csrf) + "\">\n"
           "<input type=\"hidden\" name=\"week\" value=\"" + std::to_string(week) + "\">\n";
    for (int g = 0; g < league.Slots; ++g) {
        const SheetRow& row = sheet.Rows[static_cast<std::size_t>(g)];
        if (!row.Exists) continue;
        const int place = g + 1;
        const bool locked = GameLocked(state, options, week, g, in.Now);
        std::vector<const SiteError*> errors;
        for (const SiteError& e : in.Errors)
            if (e.Game == place) errors.push_back(&e);
        int team = rec.Picks[wk][static_cast<std::size_t>(g)];
        std::string points = row.ConfidenceText;
        if (const SubmittedPick* p = submittedFor(place); p != nullptr && !locked) {
            team = 0;
            for (int t : {row.AwayTeam, row.HomeTeam})
                if (p->Team == std::to_string(t)) team = t;
            points = p->Confidence && *p->Confidence > 0 ? std::to_string(*p->Confidence) : "";
        }
        out += std::string("<div class=\"game") + (errors.empty() ? "" : " err") + "\" id=\"game" +
               std::to_string(place) + "\">\n";
        out += "<div class=\"kick\">Game " + std::to_string(place);
        if (!row.Kickoff.empty()) out += " &middot; " + HtmlEscape(row.Kickoff);
        if (g == tbSlot && sel.TiebreakOn) out += " &middot; tiebreak game";
        if (locked) out += " &middot; <span class=\"locked\">locked</span>";
        out += "</div>\n";
        for (const SiteError* e : errors) out += "<p class=\"error\">" + HtmlEscape(e->Message) + "</p>\n";
        out += "<div class=\"teams\">\n";
        const std::string dis = locked ? " disabled" : "";
        for (bool home : {false, true}) {
            const int t = home ? row.HomeTeam : row.AwayTeam;
            std::string caption = spreads ? (home ? row.HomeCaption : row.AwayCaption) : state.Teams.City(t);
            std::string name = state.Teams.Name(t);
            out += "<label><input type=\"radio\" name=\"g" + std::to_string(place) + "\" value=\"" +
                   std::to_string(t) + "\"" + (team == t ? " checked" : "") + dis + ">" +
                   (home ? "at " : "") + HtmlEscape(caption) + " <small>" + HtmlEscape(name) + "</small></label>\n";
        }
        out += "</div>\n";
        // A disabled choice is faint; say in words what a locked game holds.
        if (locked && team != 0) {
            out += "<p class=\"locked\">Your pick: " + HtmlEscape(state.Teams.City(team));
            if (sel.ConfidenceOn && !points.empty()) out += ", " + HtmlEscape(points) + " points";
            out += "</p>\n";
        }
        if (sel.ConfidenceOn)
            out += "<label class=\"field\">Points <input type=\"number\" name=\"c" + std::to_string(place) +
                   "\" min=\"" + std::to_string(sheet.Range.Min) + "\" max=\"" + std::to_string(sheet.Range.Max) +
                   "\" inputmode=\"numeric\" value=\"" + HtmlEscape(points) + "\"" + dis + "></label>\n";
        out += "</div>\n";
    }
    if (sel.TiebreakOn && tbSlot >= 0) {
        const bool locked = GameLocked(state, options, week, tbSlot, in.Now);
        std::string value = std::to_string(rec.Tiebreak[wk]);
        if (in.Submitted && in.Submitted->Monday && !locked) value = std::to_string(*in.Submitted->Monday);
        const std::string label(sel.TotalPoints ? picktext::TotalPoints : picktext::WinningMargin);
        out += "<div class=\"game\">\n<label class=\"field\">Tiebreak (game " + std::to_string(tbSlot + 1) + "): " +
               HtmlEscape(label) + " <input type=\"number\" name=\"monday\" min=\"0\" max=\"99\" inputmode=\"numeric\" "
               "value=\"" + HtmlEscape(value) + "\"" + (locked ? " disabled" : "") + "></label>\n</div>\n";
    }
    if (sheetLocked)
        out += "<p class=\"locked\">This week's sheet is locked.</p>\n";
    else
        out += "<button type=\"submit\">Save my picks</button>\n";
    out += "</form>\n";
    out += "<form method=\"post\" action=\"/signout\" class=\"signout\">\n"
           "<input type=\"hidden\" name=\"csrf\" value=\"" + HtmlEscape(in.Csrf) + "\">\n"
           "<button type=\"submit\">Sign out</button>\n</form>\n";
    out += Foot(state);
    return out;
}

}  // namespace gm
