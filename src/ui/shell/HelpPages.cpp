#include "HelpPages.h"

#include <QPointer>
#include <QUrl>
#include <QWidget>

#include "core/shell/Help.h"
#include "ui/shell/InstallPaths.h"
#include "ui/shell/QtText.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {
namespace {

void Open(UiContext& ctx, QWidget* parent, const QString& page, const QString& anchor) {
    QString file = FindShippedFile("docs", page);
    if (file.isEmpty()) file = FindShippedFile("docs", Q(kHelpContentsPage));
    if (file.isEmpty()) {
        ctx.Prompts.Tell(parent, PromptIcon::Exclamation, Q(kHelpTitle), Q(kHelpMissingText));
        return;
    }
    QUrl url = QUrl::fromLocalFile(file);
    // The message names the page, so that it can be opened by hand; the
    // window that asked may be gone by the time the opener gives up.
    const QPointer<QWidget> asker(parent);
    Prompter& prompts = ctx.Prompts;
    auto tell = [asker, &prompts, file] {
        prompts.Tell(asker, PromptIcon::Exclamation, Q(kHelpTitle), Q(HelpNoBrowserText(S(file))));
    };
    if (anchor.isEmpty()) {
        OpenInBrowser(ctx, url.toString(), tell);
        return;
    }
    // Some openers take a file address with a place in the page for a missing
    // file: the page alone is better than none.
    const QString whole = url.toString();
    url.setFragment(anchor);
    OpenInBrowser(ctx, url.toString(), [&ctx, whole, tell] { OpenInBrowser(ctx, whole, tell); });
}

}  // namespace

void ShowHelp(UiContext& ctx, QWidget* parent, Display display) {
    Open(ctx, parent, Q(HelpPage(display)), {});
}

void ShowHelpContents(UiContext& ctx, QWidget* parent) {
    Open(ctx, parent, Q(kHelpContentsPage), {});
}

void ShowHelpIndex(UiContext& ctx, QWidget* parent) {
    Open(ctx, parent, Q(kHelpContentsPage), "topics");
}

}  // namespace gm::ui
