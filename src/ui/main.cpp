#include <QApplication>

#include "ui/app/AllWindows.h"
#include "ui/shell/Program.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    gm::ui::WindowRegistry windows;
    gm::ui::RegisterAllWindows(windows);
    return gm::ui::RunProgram(app, windows);
}
