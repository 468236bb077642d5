#include <QApplication>
#include <cstdio>
#include <cstring>

#include "ui/app/AllWindows.h"
#include "ui/shell/Program.h"

int main(int argc, char** argv) {
    // Answered before the window system starts, so it works without a display.
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(gm::ui::kProgramUsage, stdout);
        return 0;
    }
    QApplication app(argc, argv);
    gm::ui::WindowRegistry windows;
    gm::ui::RegisterAllWindows(windows);
    return gm::ui::RunProgram(app, windows);
}
