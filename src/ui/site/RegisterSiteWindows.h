#pragma once

namespace gm::ui {

class WindowRegistry;

// The picks site window.
void RegisterSiteWindows(WindowRegistry& registry);

}  // namespace gm::ui
