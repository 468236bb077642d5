#include "frmConference.h"

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

frmConference::frmConference(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      model_(std::make_unique<ConferenceStandings>(ctx.State)),
      lblWeek_(Named("lblWeek", this)),
      badges_(this) {
    setObjectName("frmConference");
    setWindowTitle(Q(model_->ReportTitle()));
    setModal(true);

    lists_ = new DivisionLists(ctx_, *model_, this);
    auto* conference = OptionFrame("Conference", {{"OpNFC", "&NFC"}, {"OpAFC", "&AFC"}}, this);
    auto* ckLast3 = Last3Box(this, *model_, [this] { Redisplay(); });
    auto* ckPSpread = ToggleBox("ckPSpread", "vs. Point &Spread", this, [this](bool on) {
        model_->SetSpread(on);
        Redisplay();
    });
    auto* week = StandingsWeekFrame(this, lblWeek_, *model_, [this] { Redisplay(); });
    auto* cmdHint = Button("cmdHint", "&Hint", this);
    auto* cmdPrint = Button("cmdPrint", "&Print", this);
    auto* cmdClose = Button("cmdClose", "&Close", this);
    LayOutStandings(this, {lists_}, {badges_.row, week, conference, ckLast3, ckPSpread},
                    {cmdHint, cmdPrint, cmdClose});

    auto* OpNFC = findChild<QRadioButton*>("OpNFC");
    OpNFC->setChecked(true);
    connect(OpNFC, &QRadioButton::toggled, this, [this](bool on) {
        model_->SetConference(on ? Conference::NFC : Conference::AFC);
        Redisplay();
    });
    connect(cmdHint, &QPushButton::clicked, this, &frmConference::OnHint);
    connect(cmdPrint, &QPushButton::clicked, this, &frmConference::OnPrint);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    Redisplay();
    OpNFC->setFocus();
    // The standings sit 150 twips above the centre of the screen.
    CenterAbove(this, 150);
}

void frmConference::Redisplay() {
    lblWeek_->setText(Q(model_->WeekText()));
    badges_.Show(model_->ShownConference());
    lists_->Refresh();
}

void frmConference::OnHint() {
    ctx_.Prompts.Tell(this, PromptIcon::Information, Q(kStandingsHintTitle), Q(kStandingsHintText));
}

void frmConference::OnPrint() { RunReport(ctx_, this, *model_); }

}  // namespace gm::ui
