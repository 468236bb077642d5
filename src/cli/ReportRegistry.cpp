#include "ReportRegistry.h"

#include <algorithm>

#include "Cli.h"
#include "core/data/AppState.h"

namespace gm::cli {

namespace {

std::optional<int> WholeNumber(const std::string& text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    std::size_t i = text[0] == '-' ? 1 : 0;
    if (i == text.size()) return std::nullopt;
    for (std::size_t k = i; k < text.size(); ++k)
        if (text[k] < '0' || text[k] > '9') return std::nullopt;
    return std::stoi(text);
}

}  // namespace

void ReportArgs::Refuse(const std::string& what) const {
    throw UsageError("gridmoot-cli report " + report_ + ": " + what);
}

int ReportArgs::Number(const std::string& name, int low, int high, int fallback) const {
    const auto text = args_.Option(name);
    if (!text) return fallback;
    const auto n = WholeNumber(*text);
    if (!n || *n < low || *n > high)
        Refuse(name + " must be from " + std::to_string(low) + " to " + std::to_string(high) + ", not '" +
               *text + "'");
    return *n;
}

int ReportArgs::Week(const std::string& name, int fallback) const {
    const auto text = args_.Option(name);
    if (!text) return fallback;
    const auto n = WholeNumber(*text);
    if (!n || *n < 1 || *n > weeks_)
        Refuse(name + " must be a week from 1 to " + std::to_string(weeks_) + ", not '" + *text + "'");
    return *n;
}

std::string ReportArgs::Choice(const std::string& name, std::initializer_list<std::string> choices,
                               const std::string& fallback) const {
    const auto text = args_.Option(name);
    if (!text) return fallback;
    if (std::find(choices.begin(), choices.end(), *text) != choices.end()) return *text;
    std::string list;
    std::size_t i = 0;
    for (const auto& c : choices) {
        list += c;
        ++i;
        list += i + 1 < choices.size() ? ", " : i + 1 == choices.size() ? " or " : "";
    }
    Refuse(name + " must be " + list + ", not '" + *text + "'");
}

std::optional<std::string> ReportArgs::Text(const std::string& name) const { return args_.Option(name); }

bool ReportArgs::Flag(const std::string& name) const { return args_.Flag(name); }

void SpinTo(int from, int to, const std::function<bool(int)>& spin) {
    for (int w = from; w < to; ++w) spin(+1);
    for (int w = from; w > to; --w) spin(-1);
}

const ReportEntry* ReportRegistry::Find(const std::string& name) const {
    const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const ReportEntry& e) { return e.Name == name; });
    return it == entries_.end() ? nullptr : &*it;
}

ReportRegistry AllReports() {
    ReportRegistry registry;
    RegisterPoolReports(registry);
    RegisterNflReports(registry);
    RegisterSheetReports(registry);
    RegisterSidePoolReports(registry);
    RegisterAnalysisReports(registry);
    return registry;
}

}  // namespace gm::cli
