#pragma once

#include <QAction>
#include <QApplication>
#include <memory>

#include "core/shell/Startup.h"
#include "support/TempDir.h"
#include "ui/shell/Prompt.h"
#include "ui/shell/UiContext.h"

namespace gm::ui::test {

// A prepared data folder with the program's state loaded from it, and a
// registry of stand-in windows that only count how often they were opened.
struct ShellFixture {
    gm::test::TempDir dir;
    std::unique_ptr<AppState> state;
    ScriptedPrompter prompts;
    WindowRegistry windows;
    std::map<std::string, int> opened;
    std::unique_ptr<UiContext> ctx;

    explicit ShellFixture(long long screenColors = 1LL << 24) {
        PrepareDataFolder(dir.path(), {std::filesystem::path(GRIDMOOT_SOURCE_DIR) / "share" / "seasons"});
        state = std::make_unique<AppState>(dir.path());
        LoadAtStartup(*state, screenColors);
        ctx = std::make_unique<UiContext>(UiContext{*state, prompts});
        ctx->Windows = &windows;
        ctx->ScreenColorsOverride = screenColors;
        ctx->OpenUrl = [this](const QString& url) {
            urls.push_back(url);
            return true;
        };
        ctx->StartProgram = [this](const QString& program) {
            programs.push_back(program);
            return true;
        };
    }

    // A stand-in window that counts its openings under the window's name.
    void Stand(Display display) {
        windows.Add(display, [this, display](UiContext&, QWidget*) { ++opened[std::string(WindowName(display))]; });
    }

    std::string Settings() const { return gm::test::ReadFile(state->Settings.path()); }

    std::vector<QString> urls;
    std::vector<QString> programs;
};

}  // namespace gm::ui::test
