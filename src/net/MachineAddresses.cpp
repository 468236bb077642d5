#include "net/MachineAddresses.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netinet/in.h>

#include <string_view>

namespace gm::net {

std::vector<std::string> MachineAddresses() {
    std::vector<std::string> out;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return out;
    for (ifaddrs* a = list; a != nullptr; a = a->ifa_next) {
        if (a->ifa_addr == nullptr || a->ifa_addr->sa_family != AF_INET) continue;
        char text[INET_ADDRSTRLEN] = {};
        const auto* in = reinterpret_cast<const sockaddr_in*>(a->ifa_addr);
        if (inet_ntop(AF_INET, &in->sin_addr, text, sizeof text) == nullptr) continue;
        if (std::string_view(text).rfind("127.", 0) == 0) continue;
        out.emplace_back(text);
    }
    freeifaddrs(list);
    return out;
}

}  // namespace gm::net
