#include "HelpPages.h"

#include <QUrl>

#include "core/shell/Help.h"
#include "ui/shell/InstallPaths.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {
namespace {

void Open(UiContext& ctx, QWidget* parent, const QString& page, const QString& anchor) {
    QString file = FindShippedFile("docs", page);
    if (file.isEmpty()) file = FindShippedFile("docs", "index.html");
    if (file.isEmpty()) {
        ctx.Prompts.Tell(parent, PromptIcon::Exclamation, "Gridmoot Help",
                         "The help pages could not be found.\nThey are installed in share/gridmoot/docs beside "
                         "the program.");
        return;
    }
    QUrl url = QUrl::fromLocalFile(file);
    if (!anchor.isEmpty()) url.setFragment(anchor);
    if (!OpenInBrowser(ctx, url.toString()))
        ctx.Prompts.Tell(parent, PromptIcon::Exclamation, "Gridmoot Help",
                         "No web browser could be started to show the help page\n" + file);
}

}  // namespace

void ShowHelp(UiContext& ctx, QWidget* parent, int topic) {
    Open(ctx, parent, QString::fromUtf8(HelpPage(topic).data(), static_cast<int>(HelpPage(topic).size())), {});
}

void ShowHelpIndex(UiContext& ctx, QWidget* parent) { Open(ctx, parent, "index.html", "topics"); }

}  // namespace gm::ui
