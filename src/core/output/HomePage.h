#pragma once

#include <string>

#include "core/data/AppState.h"
#include "core/data/Status.h"

namespace gm {

// Rewrites the pool home page "index.htm" in "Webpages" with links to the
// display pages that exist there. On success `confirmation` holds the text
// the program shows the user.
Status WriteHomePage(const AppState& state, std::string* confirmation);

}  // namespace gm
