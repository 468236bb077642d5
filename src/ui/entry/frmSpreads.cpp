#include "frmSpreads.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/entry/EntryBoxes.h"
#include "core/shell/Help.h"
#include "ui/entry/SeasonReread.h"
#include "ui/shell/HelpPages.h"
#include "ui/shell/QtText.h"
#include "ui/shell/WindowHelpers.h"

namespace gm::ui {

frmSpreads::frmSpreads(UiContext& ctx, QWidget* parent)
    : EditorWeekDialog(ctx, "frmSpreads", "NFL Point Spreads", SpreadKeyAccepted, SpreadBoxChanged,
                       SpreadEditor(ctx.State.Games, ParsePSEntrys(ctx.State.PSEntrys), ctx.State.League()), kSpreadsChangedText,
                       kSpreadsChangedTitle, parent) {
    auto* heading = new QLabel(Q(SpreadHeading(editor_.Kind())), this);
    heading->setObjectName("lblFavUnd");
    heading->setAlignment(Qt::AlignCenter);
    MainLayout()->insertWidget(0, heading);
    auto* help = Button("cmdHelp", "&Help", this);
    ButtonRow()->addWidget(help);
    connect(help, &QPushButton::clicked, this, &frmSpreads::ShowHelp);
    ShowWeek();
    adjustSize();
    CenterForm(this);
    move(x(), y() - 13);  // a little above the centre
}

void frmSpreads::done(int result) {
    QDialog::done(result);
    // Whatever happened, the season in memory matches the file again.
    RereadSeasonAfterEditing(ctx_, parentWidget());
}

void frmSpreads::ShowHelp() {
    ui::ShowHelp(ctx_, this, Display::PointSpreads);
}

}  // namespace gm::ui
