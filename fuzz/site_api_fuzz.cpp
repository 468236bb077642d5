#include <cstddef>
#include <cstdint>

#include "FuzzEntries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    gm::fuzz::Check("site_api", gm::fuzz::SiteApi({reinterpret_cast<const char*>(data), size}, gm::fuzz::DeepByDefault()));
    return 0;
}
