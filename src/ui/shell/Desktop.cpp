#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

#include "ui/shell/UiContext.h"

namespace gm::ui {

bool OpenInBrowser(UiContext& ctx, const QString& url) {
    if (ctx.OpenUrl) return ctx.OpenUrl(url);
    return QDesktopServices::openUrl(QUrl::fromUserInput(url));
}

bool StartDetachedProgram(UiContext& ctx, const QString& program) {
    if (ctx.StartProgram) return ctx.StartProgram(program);
    return QProcess::startDetached(program, {});
}

}  // namespace gm::ui
