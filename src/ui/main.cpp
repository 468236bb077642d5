#include <QApplication>
#include <cstdio>

#include "ui/app/AllWindows.h"
#include "ui/shell/Program.h"

int main(int argc, char** argv) {
    // Answered before the window system starts, so they work without a display.
    if (const auto answered = gm::ui::AnswerWithoutWindows(argc, argv, stdout)) return *answered;
    QApplication app(argc, argv);
    gm::ui::WindowRegistry windows;
    gm::ui::RegisterAllWindows(windows);
    return gm::ui::RunProgram(app, windows);
}
