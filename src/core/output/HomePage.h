#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "core/data/AppState.h"
#include "core/data/Status.h"
#include "core/output/OutputMessage.h"

namespace gm {

inline constexpr std::string_view kHomePageFileName = "index.htm";
inline constexpr std::string_view kHomePageTitle = "Office Pool Home Page";

// A page the home page links when its file exists, in link order.
struct HomePageLink {
    std::string_view FileName;
    std::string_view LinkLine;
    std::string_view Description;  // named in the confirmation
    bool NflSection;               // first list (NFL pages) or second (pool pages)
};
std::span<const HomePageLink> HomePageLinks();

// The home page bytes for the given pool title; `exists` says whether a
// page file is present. `descriptions` (when given) receives the
// descriptions of the pages linked, in order.
std::string HomePageBytes(std::string_view poolTitle, const std::function<bool(std::string_view)>& exists,
                          std::vector<std::string>* descriptions = nullptr);

// The confirmation text for the links written.
std::string HomePageConfirmation(const std::vector<std::string>& descriptions);

// Rewrites the pool home page "index.htm" in "Webpages" with links to the
// display pages that exist there. On success `confirmation` holds the text
// the program shows the user (title kHomePageTitle, information icon).
Status WriteHomePage(const AppState& state, std::string* confirmation);

// Where WriteHomePage puts the home page (an existing copy under any case of
// its name is the one meant).
fs::path HomePagePath(const AppState& state);

}  // namespace gm
