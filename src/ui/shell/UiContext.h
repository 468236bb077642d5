#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include <QString>

#include "core/data/AppState.h"
#include "core/shell/Displays.h"
#include "ui/shell/Prompt.h"

class QPrinter;
class QWidget;

namespace gm {
class FolderLock;
}

namespace gm::ui {

struct UiContext;

// Opens one window of the program (modally) on behalf of a menu command.
using WindowOpener = std::function<void(UiContext&, QWidget* parent)>;

// Windows known to the main window, by their display (core/shell/Displays.h).
// A menu item whose window is not registered stays disabled.
class WindowRegistry {
public:
    void Add(Display display, WindowOpener opener) { openers_[display] = std::move(opener); }
    bool Has(Display display) const { return openers_.count(display) != 0; }
    bool Open(Display display, UiContext& ctx, QWidget* parent) const {
        const auto it = openers_.find(display);
        if (it == openers_.end()) return false;
        it->second(ctx, parent);
        return true;
    }

private:
    std::map<Display, WindowOpener> openers_;
};

// What every window is given: the shared program state, the prompt interface,
// the printer chosen in Printer Setup (used by all printed output), and the
// other windows of the program (a display may open another one).
struct UiContext {
    AppState& State;
    Prompter& Prompts;
    QPrinter* Printer = nullptr;  // owned by the main window; null until one exists
    const WindowRegistry* Windows = nullptr;
    // The display's colour count; 0 means ask the screen (tests set it).
    long long ScreenColorsOverride = 0;
    // Hand-offs to the desktop; when empty the desktop's browser and a detached
    // process are used (tests set them to see what would have been started).
    std::function<bool(const QString& url)> OpenUrl = nullptr;
    std::function<bool(const QString& program)> StartProgram = nullptr;
    // Asks for the name of a file to write (a printout to PDF); "" when the
    // user cancels. When empty, the desktop's save dialog asks.
    std::function<QString(QWidget* parent, const QString& title, const QString& suggested)> ChooseSaveFile = nullptr;
    // Asks for a file to read (a season's games CSV) and for a folder (a pool
    // folder to open or create); "" when the user cancels. When empty, the
    // desktop's dialogs ask.
    std::function<QString(QWidget* parent, const QString& title, const QString& filter)> ChooseOpenFile = nullptr;
    std::function<QString(QWidget* parent, const QString& title)> ChooseFolder = nullptr;
    // The user's own settings file, where the last and recent pool folders are
    // kept; empty: they are not kept (tests).
    std::filesystem::path ConfigFile{};
    // The lock of the open pool folder, held for the whole run and handed
    // over when the user switches folders.
    FolderLock* Lock = nullptr;
};

// Opens a page or file in the desktop's browser or viewer. `failed` runs when
// no browser shows it: at once, or when the desktop's opener gives up later
// (xdg-open ends with an error when it finds no browser).
void OpenInBrowser(UiContext& ctx, const QString& url, std::function<void()> failed);
// Starts another program detached from this one.
bool StartDetachedProgram(UiContext& ctx, const QString& program);

// Each subsystem registers its windows here.
void RegisterEntryWindows(WindowRegistry& registry);   // teams, schedule, spreads, scores
void RegisterMemberWindows(WindowRegistry& registry);  // members, selections
void RegisterPoolWindows(WindowRegistry& registry);    // pool displays
void RegisterOutputWindows(WindowRegistry& registry);  // reports
void RegisterNflWindows(WindowRegistry& registry);     // NFL displays
void RegisterSidePoolWindows(WindowRegistry& registry);
void RegisterAnalysisWindows(WindowRegistry& registry);
void RegisterShellWindows(WindowRegistry& registry);   // pool options, colours, About

}  // namespace gm::ui
