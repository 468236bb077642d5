#include <algorithm>
#include <exception>

#include "core/output/PrintJob.h"
#include "core/sheets/PickSheet.h"
#include "core/sheets/TopTen.h"

namespace gm {

// Where one sheet's pieces go on the page, in twips. The half-page styles
// (Compact, and the right half of No Excuse) add `Offset` to every x.
struct PickSheet::Layout {
    double HeaderX = 720, HeaderY = 240, HeaderSize = 17;
    double TitleSize = 24, Centre = 0;  // title, Monday heading and notes centred here
    double BodySize = 18, RecordSize = 12, CommentSize = 16, CommentCentre = 0;
    int RecordBlanks = 2;
    std::string SelectionsHeading;  // "Your Selections" / "Selections" above the blanks
    double SelectionsX = 0;
    std::string Blank = "______";
    double BlankX = 0, FirstX = 1400, SpreadEnd = 0, VsEnd = 0, SecondX = 0, HomeX = 0, PtsCentre = 0;
};

namespace {

constexpr const char* kSheetFont = "Sans Serif";
constexpr double kRecordDrop = 50;
constexpr double kHalfGap = 180;
constexpr int kHalfDrawWidth = 4;

PageFont SheetFont(double size, int weight = 400) { return PageFont{kSheetFont, size, false, false, false, weight}; }

void PrintCenteredOn(PageSurface& s, double centre, std::string_view text) {
    s.CurrentX = centre - s.TextWidth(text) / 2;
    s.PrintLine(text);
}

// No Excuse division headings: the conference standings' columns under
// the short division names (today's division names are short already).
std::string NoExcuseHeading(int division, const League& league) {
    if (league.Kind != LeagueKind::Nfl1997) return ConferenceHeader(division, league);
    static const char* names[] = {"NFC East", "NFC Central", "NFC West", "AFC East", "AFC Central", "AFC West"};
    std::string heading = names[division];
    heading.resize(16, ' ');
    return heading + ConferenceHeader(division).substr(16);
}

}  // namespace

void PickSheet::PrintSchedule(PageSurface& s, const Layout& at, int sheet, const TeamTable& records,
                              const std::vector<SheetGame>& games) const {
    s.Font = SheetFont(at.HeaderSize);
    s.CurrentX = at.HeaderX;
    s.CurrentY = at.HeaderY;
    s.PrintLine(HeaderFor(sheet));
    s.PrintLine();

    s.Font = SheetFont(at.TitleSize, 600);
    PrintCenteredOn(s, at.Centre, "NFL Schedule:  Week " + std::to_string(choices_.Week));
    s.Font = SheetFont(at.BodySize);
    s.PrintLine();

    s.Font.Underline = true;
    if (!at.SelectionsHeading.empty()) {
        s.CurrentX = at.SelectionsX;
        s.PrintText(at.SelectionsHeading);
    }
    s.CurrentX = at.FirstX;
    if (choices_.FavUnd) {
        s.PrintText("Favorite");
        s.CurrentX = at.PtsCentre - s.TextWidth("Pts") / 2;
        s.PrintText("Pts");
        s.CurrentX = at.SecondX;
        s.PrintText("Underdog");
    } else {
        s.PrintText("Away Team");
        s.CurrentX = at.HomeX;
        s.PrintText("Home Team");
    }
    s.Font.Underline = false;

    const auto printRecord = [&](int team) {
        s.Font.Size = at.RecordSize;
        s.CurrentY += kRecordDrop;
        s.PrintText(RecordText(RecordOf(records, team), at.RecordBlanks));
        s.CurrentY -= kRecordDrop;
        s.Font.Size = at.BodySize;
    };
    const std::string heading = TiebreakHeading();
    for (const SheetGame& g : games) {
        s.PrintLine();  // ends the row before
        if (g.Tiebreak) {
            s.PrintLine();
            s.Font.Underline = true;
            PrintCenteredOn(s, at.Centre, heading);
            s.Font.Underline = false;
            s.PrintLine();
        }
        s.CurrentX = at.BlankX;
        s.PrintText(at.Blank);
        s.CurrentX = at.FirstX;
        s.PrintText(g.FirstName);
        printRecord(g.First);
        if (choices_.FavUnd) {
            s.CurrentX = at.SpreadEnd - s.TextWidth(WholePart(g.Spread));
            s.PrintText(g.Spread);
            s.CurrentX = at.SecondX;
        } else {
            s.CurrentX = at.VsEnd - s.TextWidth("vs.");
            s.PrintText("vs.");
            s.CurrentX = at.HomeX;
        }
        s.PrintText(g.SecondName);
        printRecord(g.Second);
    }
}

void PickSheet::PrintNotes(PageSurface& s, const Layout& at) const {
    double noteX = -1;
    if (MondayTiebreak()) {
        s.PrintLine();
        const std::string prompt = TiebreakPrompt();
        noteX = at.Centre - s.TextWidth(prompt) / 2;
        s.CurrentX = noteX;
        s.PrintLine(prompt);
    }
    if (choices_.FavUnd) {
        s.PrintLine();
        const std::string_view note = "Home teams are in CAPS";
        s.CurrentX = noteX >= 0 ? noteX : at.Centre - s.TextWidth(note) / 2;
        s.PrintLine(note);
    }
}

void PickSheet::PrintCommentLines(PageSurface& s, double centre) const {
    const CommentLines c = Comment();
    PrintCenteredOn(s, centre, c.Line1);
    if (!c.Line2.empty()) PrintCenteredOn(s, centre, c.Line2);
}

void PrintStandardFooter(PageSurface& s) {
    const double width = s.ScaleWidth();
    s.CurrentY = s.ScaleHeight() - 720;
    s.DrawWidth = 3;
    s.Line(0, s.CurrentY, width, s.CurrentY);
    s.Font = PageFont{kSheetFont, 8, true, true, false, 700};
    s.CurrentY += 50;
    PrintCentered(s, kPrintedBanner);
    s.Font.Italic = false;
    PrintCentered(s, kPrintedWebAddress);
    s.CurrentY += 50;
    s.Font.Bold = false;
    s.Font.Weight = 400;
    s.DrawWidth = 3;
    s.Line(0, s.CurrentY, width, s.CurrentY);
}

void PickSheet::PrintStrip(PageSurface& s, const std::vector<SheetGame>& games) const {
    constexpr double kStart = 720, kStep = 1800, kGap = 360, kSmallGap = 180;
    double p = kStart;
    for (std::size_t i = 0; i < games.size(); ++i) {
        const SheetGame& g = games[i];
        if (i > 0) {
            if (i % 4 == 0) {
                s.PrintLine();
                s.PrintLine();
                p = kStart;
            } else {
                p += kStep;
            }
        }
        s.CurrentX = p - s.TextWidth(g.FirstAbbr);
        s.PrintText(g.FirstAbbr);
        p += kGap;
        if (choices_.FavUnd) {
            s.CurrentX = p - s.TextWidth(WholePart(g.Spread));
            s.PrintText(g.Spread);
            p = s.CurrentX + kSmallGap;
        } else {
            s.CurrentX = p - s.TextWidth("at");
            s.PrintText("at");
            p += kSmallGap;
        }
        s.CurrentX = p;
        s.PrintText(g.SecondAbbr);
    }
}

void PickSheet::PrintTopTenTables(PageSurface& s) const {
    const TopTenLists lists = BuildTopTen(state_, choices_.Week);
    const double width = s.ScaleWidth();
    const double w = width / 20;
    const double right = width / 2;
    s.PrintLine();
    s.DrawWidth = 2;
    s.Line(0, s.CurrentY, width, s.CurrentY);
    s.PrintLine();
    s.Font = PageFont{kSheetFont, 12, true, false, true, 700};
    s.CurrentX = w;
    s.PrintText(lists.LastWeekTitle());
    s.CurrentX = right;
    s.PrintLine("Season Standings");
    s.Font = PageFont{"Courier New", 10, false, false, true, 400};
    s.CurrentX = w;
    s.PrintText(lists.LastWeekHeading());
    s.CurrentX = right;
    s.PrintLine(lists.SeasonHeading());
    s.Font.Underline = false;
    for (std::size_t i = 0; i < lists.LastWeekTop.size(); ++i) {
        s.CurrentX = w;
        s.PrintText(lists.LastWeekLine(i));
        s.CurrentX = right;
        s.PrintLine(lists.SeasonLine(i));
    }
    s.PrintLine();
    s.DrawWidth = 2;
    s.Line(0, s.CurrentY, width, s.CurrentY);
}

void PickSheet::PrintStandingsHalf(PageSurface& s) const {
    const double width = s.ScaleWidth();
    const double half = width / 2 + kHalfGap;
    const double centre = width / 4;
    s.CurrentY = 360;
    s.Font = PageFont{kSheetFont, 14, false, false, true, 600};
    PrintCenteredOn(s, centre, "NFL Standings");
    s.Font = PageFont{"Courier New", 8, false, false, false, 500};
    s.PrintLine();

    const League& league = state_.League();
    TeamTable table = NewTeamTable(league);
    BuildConfRecord(table, state_.Games, SetWeekRange(choices_.Week, false));
    SortStandings(table);
    const auto order = DivisionOrder(table);
    for (int d = 0; d < static_cast<int>(order.size()); ++d) {
        if (d > 0) s.PrintLine();
        s.Font.Weight = 700;
        s.Font.Underline = true;
        s.CurrentX = 180;
        s.PrintLine(NoExcuseHeading(d, league));
        s.Font.Weight = 500;
        s.Font.Underline = false;
        for (int team : order[static_cast<std::size_t>(d)]) {
            s.CurrentX = 180;
            s.PrintLine(ConferenceLine(state_.Teams.City(team), RecordOf(table, team), true));
        }
    }
    s.PrintLine();
    s.DrawWidth = 2;
    s.Line(0, s.CurrentY, half - kHalfGap, s.CurrentY);
    s.Font = SheetFont(12);
    s.CurrentY += 50;
    PrintCenteredOn(s, centre, "Pool Members: Pick up your FREE Handicapping Software at:");
    s.Font.Italic = true;
    PrintCenteredOn(s, centre, kPrintedWebAddress);
    s.Font.Italic = false;
    s.CurrentY += 50;
    s.Line(0, s.CurrentY, half - kHalfGap, s.CurrentY);
    s.CurrentY += 50;
    PrintCenteredOn(s, centre, kPrintedBanner);
}

Status PickSheet::Print(PageSurface& surface, PrintCopies request) const {
    const int copies = request.Count;
    const bool landscape = style_ == SheetStyle::Compact || style_ == SheetStyle::NoExcuse;
    try {
        surface.SetOrientation(landscape ? 2 : 1);
    } catch (const std::exception& e) {
        return Status::Error(e.what());
    }
    const TeamTable records = Records();
    const std::vector<SheetGame> games = Games();
    const double width = surface.ScaleWidth();

    Layout at;
    switch (style_) {
        case SheetStyle::Standard:
            at.Centre = at.CommentCentre = at.SpreadEnd = at.VsEnd = at.PtsCentre = width / 2;
            at.SecondX = at.HomeX = width / 1.6;
            break;
        case SheetStyle::Tearoff:
            at.HeaderY = 180;
            at.HeaderSize = 12;
            at.TitleSize = 14;
            at.BodySize = at.CommentSize = 14;
            at.RecordSize = 10;
            at.Centre = at.CommentCentre = at.SpreadEnd = at.VsEnd = at.PtsCentre = width / 2 + 360;
            at.SelectionsHeading = "Your Selections";
            at.SelectionsX = at.BlankX = 180;
            at.Blank = std::string(14, '_');
            at.FirstX = width / 4;
            at.SecondX = at.HomeX = width / 1.6;
            break;
        case SheetStyle::TopTen: {
            const double w = width / 20;
            at.HeaderSize = 12;
            at.TitleSize = 14;
            at.BodySize = at.CommentSize = 12;
            at.RecordSize = 9;
            at.Centre = at.CommentCentre = at.SpreadEnd = at.VsEnd = at.PtsCentre = width / 2;
            at.SelectionsHeading = "Selections";
            at.SelectionsX = at.BlankX = w + 100;
            at.FirstX = 4.5 * w;
            at.SecondX = at.HomeX = width / 1.6;
            break;
        }
        case SheetStyle::Compact:
        case SheetStyle::NoExcuse:
            break;  // per half, below
    }
    // One half of a landscape page, from its left edge.
    const auto halfLayout = [&](double offset, bool rightHalf) {
        Layout h;
        h.HeaderX = 720 + offset;
        h.HeaderY = 360;
        h.HeaderSize = 12;
        h.TitleSize = 14;
        h.BodySize = 14;
        h.RecordSize = 10;
        h.CommentSize = 12;
        h.RecordBlanks = 1;
        h.Centre = width / 4 + offset;
        h.CommentCentre = rightHalf ? width * 0.75 : width / 4;
        h.Blank = "___";
        h.BlankX = offset;
        h.FirstX = width / 14 - 360 + offset;
        h.SpreadEnd = h.PtsCentre = width / 4 + 240 + offset;
        h.VsEnd = width / 4 + offset;
        h.SecondX = width / 3.2 - 180 + offset;
        h.HomeX = width / 3.2 - 240 + offset;
        return h;
    };
    const auto halfSheet = [&](PageSurface& s, const Layout& h, int sheet) {
        PrintSchedule(s, h, sheet, records, games);
        PrintNotes(s, h);
        s.Font = SheetFont(h.CommentSize);
        s.PrintLine();
        PrintCommentLines(s, h.CommentCentre);
    };
    const auto divider = [](PageSurface& s, double x) {
        s.DrawWidth = kHalfDrawWidth;
        s.Line(x, 0, x, s.ScaleHeight());
    };

    switch (style_) {
        case SheetStyle::Compact: {
            // Two sheets a page: sheet k on the left, k + 1 on the right.
            const int pages = (copies + 1) / 2;
            return RunPrintJob(surface, pages, [&](PageSurface& s, int page) {
                const int left = page * 2;
                halfSheet(s, halfLayout(0, false), left);
                divider(s, width / 2);
                if (left + 1 < copies) halfSheet(s, halfLayout(width / 2 + kHalfGap, true), left + 1);
            });
        }
        case SheetStyle::NoExcuse:
            return RunPrintJob(surface, copies, [&](PageSurface& s, int sheet) {
                PrintStandingsHalf(s);
                divider(s, width / 2 + kHalfGap);
                halfSheet(s, halfLayout(width / 2 + kHalfGap, true), sheet);
            });
        case SheetStyle::Tearoff:
            return RunPrintJob(surface, copies, [&](PageSurface& s, int sheet) {
                PrintSchedule(s, at, sheet, records, games);
                PrintNotes(s, at);
                s.PrintLine();
                s.DrawWidth = kHalfDrawWidth;
                s.Line(0, s.CurrentY, width, s.CurrentY);
                s.PrintLine();
                PrintCommentLines(s, at.CommentCentre);
                s.PrintLine();
                PrintStrip(s, games);
                s.PrintLine();
                s.PrintLine();
                s.CurrentX = 360;
                s.PrintText(TiebreakPrompt());
                if (choices_.FavUnd) {
                    // Today's longer prompt may reach the note's place.
                    s.CurrentX = TodaysLeague() ? std::max(5000.0, s.CurrentX + 360) : 5000;
                    s.PrintText("Home teams are in CAPS");
                }
                s.PrintLine();
            });
        case SheetStyle::Standard:
        case SheetStyle::TopTen:
            return RunPrintJob(surface, copies, [&](PageSurface& s, int sheet) {
                PrintSchedule(s, at, sheet, records, games);
                PrintNotes(s, at);
                s.Font = SheetFont(at.CommentSize);
                s.PrintLine();
                PrintCommentLines(s, at.CommentCentre);
                if (style_ == SheetStyle::TopTen) PrintTopTenTables(s);
                PrintStandardFooter(s);
            });
    }
    return Status::Ok();
}

}  // namespace gm
