#include <QApplication>

#include "ui/shell/Program.h"
#include "ui/shell/UiContext.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    gm::ui::WindowRegistry windows;
    gm::ui::RegisterShellWindows(windows);
    gm::ui::RegisterEntryWindows(windows);
    gm::ui::RegisterMemberWindows(windows);
    gm::ui::RegisterPoolWindows(windows);
    gm::ui::RegisterOutputWindows(windows);
    gm::ui::RegisterNflWindows(windows);
    gm::ui::RegisterSidePoolWindows(windows);
    gm::ui::RegisterAnalysisWindows(windows);
    return gm::ui::RunProgram(app, windows);
}
