#include "frmLeague.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/nfl/DivisionLists.h"
#include "ui/nfl/NflWindowParts.h"
#include "ui/output/RunOutput.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"
#include "ui/shell/WindowParts.h"

namespace gm::ui {

frmLeague::frmLeague(UiContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), model_(std::make_unique<LeagueStandings>(ctx.State)), lblWeek_(Named("lblWeek", this)) {
    setObjectName("frmLeague");
    setWindowTitle(Q(model_->ReportTitle()));
    setModal(true);

    lists_ = new DivisionLists(ctx_, *model_, this);
    auto* scope = OptionFrame("Standings", {{"OpOverall", "&Overall"}, {"OpHome", "At Ho&me"}, {"OpRoad", "On &Road"}}, this);
    auto* ckLast3 = Last3Box(this, *model_, [this] { Redisplay(); });
    auto* ckPSpread = ToggleBox("ckPSpread", "vs. Point &Spread", this, [this](bool on) {
        model_->SetSpread(on);
        Redisplay();
    });
    auto* week = StandingsWeekFrame(this, lblWeek_, *model_, [this] { Redisplay(); });
    auto* cmdHint = Button("cmdHint", "&Hint", this);
    auto* cmdPrint = Button("cmdPrint", "&Print", this);
    auto* cmdClose = Button("cmdClose", "&Close", this);
    LayOutStandings(this, {lists_}, {week, scope, ckLast3, ckPSpread}, {cmdHint, cmdPrint, cmdClose});

    ConnectVenues(this, [this](Venue venue) {
        model_->SetScope(venue);
        Redisplay();
    });
    connect(cmdHint, &QPushButton::clicked, this, &frmLeague::OnHint);
    connect(cmdPrint, &QPushButton::clicked, this, &frmLeague::OnPrint);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    Redisplay();
    findChild<QRadioButton*>("OpOverall")->setFocus();
    // The standings sit 150 twips above the centre of the screen.
    CenterAbove(this, 150);
}

void frmLeague::Redisplay() {
    lblWeek_->setText(Q(model_->WeekText()));
    lists_->Refresh();
}

void frmLeague::OnHint() {
    ctx_.Prompts.Tell(this, PromptIcon::Information, Q(kStandingsHintTitle), Q(kStandingsHintText));
}

void frmLeague::OnPrint() { RunReport(ctx_, this, *model_); }

}  // namespace gm::ui
