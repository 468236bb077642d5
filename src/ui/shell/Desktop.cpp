#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "ui/shell/UiContext.h"

namespace gm::ui {

void OpenInBrowser(UiContext& ctx, const QString& url, std::function<void()> failed) {
    if (ctx.OpenUrl) {
        if (!ctx.OpenUrl(url)) failed();
        return;
    }
    // QDesktopServices hands the page to xdg-open and counts it as shown once
    // xdg-open has started; with no browser behind it xdg-open gives up a
    // moment later and nothing shows. Run it here to hear how it ended.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(QUrl::fromUserInput(url))) failed();
        return;
    }
    auto* process = new QProcess(QCoreApplication::instance());
    process->setProgram(opener);
    process->setArguments({url});
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed](int code, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || code != 0) failed();
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, failed](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        failed();
        process->deleteLater();
    });
    process->start();
}

bool StartDetachedProgram(UiContext& ctx, const QString& program) {
    if (ctx.StartProgram) return ctx.StartProgram(program);
    return QProcess::startDetached(program, {});
}

}  // namespace gm::ui
