#include <QApplication>
#include <cstdio>
#include <cstring>

#include "ui/app/AllWindows.h"
#include "ui/shell/Program.h"

int main(int argc, char** argv) {
    // Answered before the window system starts, so it works without a display.
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::puts("Usage: gridmoot [DATA_FOLDER]\n\n"
                  "Starts Gridmoot on the pool kept in DATA_FOLDER; without one, on the\n"
                  "program's own folder when it holds Vask97.ini or Pool97.dat, else on\n"
                  "~/.local/share/gridmoot, prepared on the first start.\n"
                  "gridmoot-cli imports, exports and writes reports without a window.");
        return 0;
    }
    QApplication app(argc, argv);
    gm::ui::WindowRegistry windows;
    gm::ui::RegisterAllWindows(windows);
    return gm::ui::RunProgram(app, windows);
}
