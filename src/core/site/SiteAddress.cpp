#include "core/site/SiteAddress.h"

namespace gm {

namespace {

std::string Url(std::string_view host, int port, bool https) {
    std::string h(host);
    if (h.find(':') != std::string::npos) h = "[" + h + "]";
    return std::string(https ? "https" : "http") + "://" + h + ":" + std::to_string(port) + "/";
}

}  // namespace

std::vector<std::string> MemberAddresses(std::string_view listen, int port, bool https,
                                         const std::vector<std::string>& machine) {
    std::vector<std::string> out;
    if (listen != "0.0.0.0" && listen != "::") {
        out.push_back(Url(listen, port, https));
        return out;
    }
    for (const std::string& a : machine)
        if (a.rfind("127.", 0) != 0 && a != "::1") out.push_back(Url(a, port, https));
    if (out.empty()) out.push_back(Url("127.0.0.1", port, https));
    return out;
}

std::string ReadSiteAddress(const AppState& state) {
    return state.Settings.Read("Site", "Address", "", 256);
}

Status WriteSiteAddress(const AppState& state, std::string_view address) {
    return state.Settings.Write("Site", "Address", address);
}

}  // namespace gm
