#include <algorithm>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>

#include <QGuiApplication>

#include "Cli.h"
#include "OutTarget.h"
#include "ReportRegistry.h"
#include "core/data/AppState.h"
#include "core/data/FileIO.h"
#include "core/data/PoolFile.h"
#include "core/data/PoolScan.h"
#include "core/data/SeasonFile.h"
#include "core/data/Settings.h"
#include "core/data/TextCodec.h"
#include "core/output/HomePage.h"
#include "core/output/Report.h"
#include "core/output/TextOutput.h"
#include "core/output/WebPage.h"
#include "core/pool/GradedPool.h"
#include "core/shell/MenuRules.h"
#include "print/QtPageSurface.h"

namespace gm::cli {

std::unique_ptr<Report> StandingsOf(AppState& state, const ReportArgs& args, std::shared_ptr<const GradedPool> graded);

namespace {

// Options every report takes: where its output goes.
const std::vector<ReportOption>& CommonOptions() {
    static const std::vector<ReportOption> options{
        {"--to", "text|clipboard-text|web|pdf", "what to write (default text)"},
        {"--out", "PATH", "write to PATH instead of standard output or the data folder; - for standard output"},
        {"--file", "", "with --to text: write the report's text file into TxtFiles"},
        {"--copies", "N", "with --to pdf: copies of the printout, 1 to 200 (default 1)"},
        {"--one-per-player", "", "with --to pdf: one copy per pool member"},
        {"--season", "YEAR", "1995, 1996 or 1997 (default 1997)"},
    };
    return options;
}

std::string OptionLine(const ReportOption& o) {
    std::string left = "  " + o.Name + (o.Value.empty() ? "" : " " + o.Value);
    left += left.size() < 34 ? std::string(34 - left.size(), ' ') : "  ";
    return left + o.Help + "\n";
}

std::string ReportUsage(const ReportEntry& e) {
    std::ostringstream os;
    os << "Usage: gridmoot-cli [--data DIR] report " << e.Name << " [OPTIONS]\n\n"
       << "Writes " << e.Summary << ":\n"
       << "what the Print button of its window writes. Weeks not given start where the\n"
       << "window opens (the current week).\n";
    if (!e.Options.empty()) {
        os << "\nOptions of this report:\n";
        for (const auto& o : e.Options) os << OptionLine(o);
    }
    os << "\nOutput:\n";
    for (const auto& o : CommonOptions()) os << OptionLine(o);
    return os.str();
}

std::string GeneralUsage(const ReportRegistry& reports) {
    std::ostringstream os;
    os << "Usage: gridmoot-cli [--data DIR] report NAME [OPTIONS]\n"
          "       gridmoot-cli report --list\n"
          "       gridmoot-cli report NAME --help\n\n"
          "Writes any display's text file, clipboard text, web page or printout (PDF)\n"
          "without opening a window. The reports:\n";
    for (const auto& e : reports.Entries())
        os << "  " << e.Name << std::string(e.Name.size() < 14 ? 14 - e.Name.size() : 1, ' ') << e.Summary << "\n";
    os << "\nOutput (every report):\n";
    for (const auto& o : CommonOptions()) os << OptionLine(o);
    return os.str();
}

// Start-up's loading, without a window: settings, team names, season, pool.
// Warnings (records that could not be read) go to standard error. Given a
// graded pool, the pool file is read into it in place of the member table.
std::optional<AppState> LoadState(const Args& args, Context& ctx, const std::string& command,
                                  std::shared_ptr<GradedPool>* graded = nullptr) {
    AppState state(ctx.DataFolder);
    ReadSettings(state, 1LL << 24);
    LoadTeamTables(state);
    const auto season = SeasonOption(args, ctx, command);
    if (!season) return std::nullopt;
    Status loaded;
    if (*season == 1997) {
        loaded = LoadSeason(state, kCurrentSeasonRead);
        state.CurrentSeasonOpen = true;
    } else {
        CopyArchivedSeasonsFor(*season, ctx, command);
        loaded = SelectSeason(state, *season == 1995 ? SeasonChoice::Season1995 : SeasonChoice::Season1996).Load;
    }
    const auto report = [&](const Status& s) {
        if (!s.ok()) {
            ctx.Err << "gridmoot-cli " << command << ": " << s.message << "\n";
            return false;
        }
        if (s.isWarning()) ctx.Err << "gridmoot-cli " << command << ": warning: " << s.message << "\n";
        return true;
    };
    if (!report(loaded)) return std::nullopt;
    if (graded) {
        *graded = std::make_shared<GradedPool>(state);
        std::error_code ec;
        const auto size = fs::file_size(state.File(kPoolFileName), ec);
        if (!ec) (*graded)->Reserve(std::min<std::size_t>(size / kMemberRecordSize, kMaxMembers));
        if (!report(ScanPool(state, [&](std::span<const MemberRecord> block) { (*graded)->Add(block); })))
            return std::nullopt;
        return state;
    }
    if (!report(LoadPool(state))) return std::nullopt;
    return state;
}

// Printing to PDF needs fonts, hence a GUI application. It is made only for
// a printout (and never when the caller has one), so that text files and
// pages are written without starting the windowing layer.
std::unique_ptr<QGuiApplication> GuiForPrinting() {
    if (QCoreApplication::instance()) return nullptr;
    // Qt is shown the program's name only, as at start-up.
    static int argc = 1;
    static char name[] = "gridmoot-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The command line's destinations: standard output, files, PDF.
class CliSink : public OutputSink {
public:
    CliSink(Context& ctx, const Args& args)
        : ctx_(ctx),
          out_(args.Option("--out")),
          toStandardOutput_(out_ && IsStandardOutput(*out_)),
          file_(args.Flag("--file")) {}

    int ExitCode() const { return code_; }

    void Tell(const OutputMessage& m) override {
        if (m.icon == OutputMessage::Icon::None) return;
        if (m.failed()) {
            ctx_.Err << "gridmoot-cli report: " << m.Text << "\n";
            code_ = 1;
            return;
        }
        // Standard output carries the report itself then; what is said goes beside it.
        (toStandardOutput_ ? ctx_.Err : ctx_.Out) << m.Text << "\n";
    }

    OutputMessage SaveTextFile(const AppState& state, const TextFileOutput& file) override {
        if (out_) return WriteBytes(*out_, TextFileBytes(file.Lines));
        if (file_) return OutputSink::SaveTextFile(state, file);
        for (const std::string& line : file.Lines) WriteLine(line);
        return OutputMessage::Silent();
    }

    // To standard output line by line: the same bytes as the text file,
    // without holding a large report's lines, or their text, all at once.
    OutputMessage SaveReportText(const AppState& state, const Report& report) override {
        if (!toStandardOutput_ && (out_ || file_)) return OutputSink::SaveReportText(state, report);
        report.ForEachTextLine([this](std::string_view line) { WriteLine(line); });
        return OutputMessage::Silent();
    }

    OutputMessage SaveWebPage(const AppState& state, const WebPageOutput& page) override {
        if (out_) return WriteBytes(*out_, WebPageBytes(state, page));
        return OutputSink::SaveWebPage(state, page);
    }

    OutputMessage PutOnClipboard(const ClipboardOutput& clip) override {
        if (out_) return WriteBytes(*out_, clip.Text);
        ctx_.Out << clip.Text;
        return OutputMessage::Silent();
    }

    void SetPdfFile(fs::path file) { pdf_ = std::move(file); }

    Status Print(const std::string& jobName, const std::function<Status(PageSurface&)>& job) override {
        const auto app = GuiForPrinting();
        Status s;
        {
            const auto surface = toStandardOutput_ ? MakePdfSurface(
                                                         [this](std::string_view pdf) {
                                                             return WriteOut(ctx_.Out, *out_, pdf);
                                                         },
                                                         jobName)
                                                   : MakePdfSurface(pdf_, jobName);
            s = job(*surface);
        }
        if (!s) code_ = 1;
        else if (!toStandardOutput_) ctx_.Out << "Wrote " << pdf_.string() << "\n";
        return s;
    }

private:
    void WriteLine(std::string_view line) {
        if (IsAscii(line))
            ctx_.Out.write(line.data(), static_cast<std::streamsize>(line.size()));
        else
            ctx_.Out << Utf8ToCp1252(line);
        ctx_.Out.write("\r\n", 2);
    }

    OutputMessage WriteBytes(const std::string& path, const std::string& bytes) {
        if (Status s = WriteOut(ctx_.Out, path, bytes); !s) return OutputMessage::Failure("", s.message);
        if (toStandardOutput_) return OutputMessage::Silent();
        return OutputMessage::Confirm("", "Wrote " + path);
    }

    Context& ctx_;
    std::optional<std::string> out_;
    bool toStandardOutput_;
    bool file_;
    fs::path pdf_;
    int code_ = 0;
};

// "a text file, a web page or a printout": what a report can be written as.
std::string Destinations(const ReportWriters& w) {
    std::vector<std::string> names;
    if (w.TextFile) names.push_back("a text file");
    if (w.Clipboard) names.push_back("clipboard text");
    if (w.WebPage) names.push_back("a web page");
    if (w.Printer) names.push_back("a printout");
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + names[i];
    return text;
}

int RunReport(const ReportEntry& entry, const Args& args, Context& ctx) {
    // Only this report's own options and the common ones.
    std::vector<std::string> known{"--data"};
    for (const auto& o : CommonOptions()) known.push_back(o.Name);
    for (const auto& o : entry.Options) known.push_back(o.Name);
    for (const auto& name : args.Names()) {
        if (std::find(known.begin(), known.end(), name) == known.end()) {
            ctx.Err << "gridmoot-cli report " << entry.Name << ": unknown option " << name << " (see 'gridmoot-cli report "
                    << entry.Name << " --help')\n";
            return 2;
        }
    }
    ReportArgs reportArgs(args, entry.Name);
    std::unique_ptr<Report> report;
    std::optional<AppState> state;
    OutputRequest request;
    CliSink sink(ctx, args);
    try {
        const std::string to = reportArgs.Choice("--to", {"text", "clipboard-text", "web", "pdf"}, "text");
        const int copies = reportArgs.Number("--copies", 1, 200, 1);
        // The standings need each member's graded weeks, not every selection:
        // a large pool's in a fraction of the member table's memory.
        std::shared_ptr<GradedPool> graded;
        const bool standings = entry.Name == "standings";
        state = LoadState(args, ctx, "report", standings ? &graded : nullptr);
        if (!state) return 1;
        reportArgs.SetWeeks(state->League().Weeks);
        if (!state->CurrentSeasonOpen && GradesSelections(entry.Window))
            reportArgs.Refuse("the pool's selections are graded against the current season; --season " +
                              state->SeasonYear + " shows the NFL displays only");
        report = standings ? StandingsOf(*state, reportArgs, std::move(graded)) : entry.Make(*state, reportArgs);
        const ReportWriters has = report->Writers();
        request.OutTextFile = to == "text";
        request.OutClipboard = to == "clipboard-text";
        request.OutWebPage = to == "web";
        request.OutPrinter = to == "pdf";
        const bool offered = (request.OutTextFile && has.TextFile) || (request.OutClipboard && has.Clipboard) ||
                             (request.OutWebPage && has.WebPage) || (request.OutPrinter && has.Printer);
        if (!offered) {
            // Window titles may carry blanks around them and a "The" of their own.
            std::string title = report->ReportTitle();
            title.erase(0, title.find_first_not_of(' '));
            title.erase(title.find_last_not_of(' ') + 1);
            if (title.rfind("The ", 0) != 0) title = "the " + title;
            reportArgs.Refuse(title + " goes to " + Destinations(has));
        }
        request.NumCopies = copies;
        request.OnePerPlayer = args.Flag("--one-per-player");
        if (request.OutPrinter) {
            if (const auto out = args.Option("--out")) {
                sink.SetPdfFile(*out);
            } else {
                const std::string name = has.TextFile ? report->TextFile().FileName : report->ReportTitle() + ".txt";
                sink.SetPdfFile(FindFile(TextFolder(*state), SafeFileName(name.substr(0, name.rfind('.')) + ".pdf")));
            }
        }
    } catch (const UsageError& e) {
        ctx.Err << e.what() << "\n";
        return 2;
    }
    DispatchReport(*state, *report, request, sink);
    return sink.ExitCode();
}

int ReportCommand(const Args& args, Context& ctx) {
    const ReportRegistry reports = AllReports();
    if (args.Flag("--list")) {
        for (const auto& e : reports.Entries())
            ctx.Out << e.Name << std::string(e.Name.size() < 14 ? 14 - e.Name.size() : 1, ' ') << e.Summary << "\n";
        return 0;
    }
    if (args.Positional().size() != 1) {
        ctx.Err << "gridmoot-cli report: name one report (see 'gridmoot-cli report --list')\n";
        return 2;
    }
    const ReportEntry* entry = reports.Find(args.Positional()[0]);
    if (!entry) {
        ctx.Err << "gridmoot-cli report: unknown report '" << args.Positional()[0]
                << "' (see 'gridmoot-cli report --list')\n";
        return 2;
    }
    return RunReport(*entry, args, ctx);
}

int HomePage(const Args&, Context& ctx) {
    AppState state(ctx.DataFolder);
    ReadSettings(state, 1LL << 24);
    std::string confirmation;
    if (Status s = WriteHomePage(state, &confirmation); !s) {
        ctx.Err << "gridmoot-cli homepage: " << s.message << "\n";
        return 1;
    }
    ctx.Out << confirmation << "\n";
    return 0;
}

}  // namespace

void RegisterReportCommands(Registry& r) {
    const ReportRegistry reports = AllReports();
    // Flags of every report, so that the words after them are read right;
    // each report then refuses the ones that are not its own.
    std::vector<std::string> flags{"--list"};
    std::vector<std::string> options;
    const auto collect = [&](const ReportOption& o) {
        auto& into = o.Value.empty() ? flags : options;
        if (std::find(into.begin(), into.end(), o.Name) == into.end()) into.push_back(o.Name);
    };
    for (const auto& o : CommonOptions()) collect(o);
    for (const auto& e : reports.Entries())
        for (const auto& o : e.Options) collect(o);
    r.push_back({"report", "write any display's text file, web page, clipboard text or printout", GeneralUsage(reports),
                 options, flags, ReportCommand});
    r.back().HelpFor = [reports](const Args& args) -> std::optional<std::string> {
        if (args.Positional().size() != 1) return std::nullopt;
        const ReportEntry* e = reports.Find(args.Positional()[0]);
        return e ? std::optional<std::string>(ReportUsage(*e)) : std::nullopt;
    };
    r.push_back({"homepage", "rewrite the pool home page index.htm",
                 "Usage: gridmoot-cli [--data DIR] homepage\n"
                 "\n"
                 "Rewrites \"index.htm\" in Webpages with links to the pages present there,\n"
                 "and prints the links it wrote.\n",
                 {},
                 {},
                 HomePage});
}

}  // namespace gm::cli
