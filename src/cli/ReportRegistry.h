#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/data/AppState.h"
#include "core/output/Report.h"
#include "core/shell/Displays.h"

namespace gm::cli {

class Args;

// A report's own option, as `report NAME --help` lists it.
struct ReportOption {
    std::string Name;   // "--week"
    std::string Value;  // what follows it ("N", "nfc|afc"); empty for a flag
    std::string Help;   // one line
};

// Refused input: the message is printed and the command exits with 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The options of one `report` run, read strictly: every reader throws
// UsageError with a message naming the option when the text is not allowed.
class ReportArgs {
public:
    ReportArgs(const Args& args, std::string report) : args_(args), report_(std::move(report)) {}

    // A week of the season's league (1 to 21, or 1 to 22 in today's league);
    // `fallback` when the option is absent.
    int Week(const std::string& name, int fallback) const;
    // The season's last week, once the folder is loaded (21 until then).
    void SetWeeks(int weeks) { weeks_ = weeks; }
    // A whole number from `low` to `high`; `fallback` when absent.
    int Number(const std::string& name, int low, int high, int fallback) const;
    // One of the words; `fallback` when absent.
    std::string Choice(const std::string& name, std::initializer_list<std::string> choices,
                       const std::string& fallback) const;
    std::optional<std::string> Text(const std::string& name) const;
    bool Flag(const std::string& name) const;

    // A refusal in the usual form: "gridmoot-cli report NAME: " + what.
    [[noreturn]] void Refuse(const std::string& what) const;

    const std::string& ReportName() const { return report_; }

private:
    const Args& args_;
    std::string report_;
    int weeks_ = kWeeks;
};

// Moves a week by single steps, as a window's spin control would, so that a
// report reached from the CLI carries the week label the window would show.
void SpinTo(int from, int to, const std::function<bool(int step)>& spin);

// The record index of the member named by --member (any letter case, blanks
// around the name ignored) or holding that player number; refused when no
// member or more than one matches.
int FindMember(const AppState& state, const ReportArgs& args, std::string wanted);

// One report of `gridmoot-cli report`: its name, a one-line description, its
// own options and how to build its model from them.
struct ReportEntry {
    // The display the report mirrors; its name comes from the display's row
    // in the catalogue, and its menu's season rule applies.
    Display Window;
    std::string Summary;
    std::vector<ReportOption> Options;
    // Builds the display's model on the loaded state with the options applied.
    std::function<std::unique_ptr<Report>(AppState&, const ReportArgs&)> Make;
    std::string Name = {};
};

class ReportRegistry {
public:
    void Add(ReportEntry entry) {
        entry.Name = std::string(CliName(entry.Window));
        entries_.push_back(std::move(entry));
    }
    const ReportEntry* Find(const std::string& name) const;
    const std::vector<ReportEntry>& Entries() const { return entries_; }

private:
    std::vector<ReportEntry> entries_;
};

// Each subsystem registers its reports in its own file.
void RegisterPoolReports(ReportRegistry& registry);      // PoolReports.cpp
void RegisterNflReports(ReportRegistry& registry);       // NflReports.cpp
void RegisterSidePoolReports(ReportRegistry& registry);  // SidePoolReports.cpp
void RegisterAnalysisReports(ReportRegistry& registry);  // AnalysisReports.cpp
void RegisterSheetReports(ReportRegistry& registry);     // SheetReports.cpp

// Every report, in the order `report --list` prints them.
ReportRegistry AllReports();

}  // namespace gm::cli
