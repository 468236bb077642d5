#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/AppState.h"
#include "core/site/PicksSite.h"

namespace gm {

// The site's pages as whole HTML documents: plain HTML and CSS, no script,
// one column that reads on a phone and a desktop, in the pool's title and
// web colours. Every name and text from the pool or the member is escaped.

// "Week 3"; in today's league the playoff weeks by name ("Super Bowl").
std::string SiteWeekName(const League& league, int week);

// & < > " ' as entities.
std::string HtmlEscape(std::string_view text);

// The sign-in form (member name and PIN) posting to /signin; `message`, when
// not empty, shows above it (e.g. "Sign-in failed.").
std::string SignInPage(const AppState& state, std::string_view csrf, std::string_view message);

struct SheetPageInput {
    int Member = 0;  // record index
    int Week = 1;
    SiteTime Now{};
    std::string Csrf;                     // the hidden field's value
    std::vector<SiteError> Errors;        // shown next to their games
    std::optional<Submission> Submitted;  // the values to show again after errors
    std::optional<SiteTime> SavedAt;      // "Saved at ..." after a save
};

// The week's sheet as a form posting to /sheet.
std::string SheetPage(const AppState& state, const SiteOptions& options, const SheetPageInput& input);

}  // namespace gm
