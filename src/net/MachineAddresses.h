#pragma once

#include <string>
#include <vector>

namespace gm::net {

// This computer's IPv4 addresses other than loopback: where members on the
// office network reach a site that listens on every address.
std::vector<std::string> MachineAddresses();

}  // namespace gm::net
