#include "HelpPages.h"

#include <QUrl>

#include "core/shell/Help.h"
#include "ui/shell/InstallPaths.h"
#include "ui/shell/QtText.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {
namespace {

void Open(UiContext& ctx, QWidget* parent, const QString& page, const QString& anchor) {
    QString file = FindShippedFile("docs", page);
    if (file.isEmpty()) file = FindShippedFile("docs", Q(HelpPage(help::Contents)));
    if (file.isEmpty()) {
        ctx.Prompts.Tell(parent, PromptIcon::Exclamation, Q(kHelpTitle), Q(kHelpMissingText));
        return;
    }
    QUrl url = QUrl::fromLocalFile(file);
    if (!anchor.isEmpty()) url.setFragment(anchor);
    if (!OpenInBrowser(ctx, url.toString()))
        ctx.Prompts.Tell(parent, PromptIcon::Exclamation, Q(kHelpTitle), Q(HelpNoBrowserText(S(file))));
}

}  // namespace

void ShowHelp(UiContext& ctx, QWidget* parent, int topic) {
    Open(ctx, parent, Q(HelpPage(topic)), {});
}

void ShowHelpIndex(UiContext& ctx, QWidget* parent) { Open(ctx, parent, Q(HelpPage(help::Contents)), "topics"); }

}  // namespace gm::ui
