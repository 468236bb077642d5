#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/data/AppState.h"
#include "core/data/Status.h"

namespace gm {

// The addresses to give members for a site listening on `listen` and `port`:
// that address, or, when it listens on every address (0.0.0.0, ::), each of
// the machine's own (`machine`, loopback left out), else this computer's
// loopback address.
std::vector<std::string> MemberAddresses(std::string_view listen, int port, bool https,
                                         const std::vector<std::string>& machine);

// The address the site was last opened at, kept in the settings file so that
// PIN slips printed later can say where to sign in; empty when never opened.
std::string ReadSiteAddress(const AppState& state);
Status WriteSiteAddress(const AppState& state, std::string_view address);

}  // namespace gm
