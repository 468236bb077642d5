#include "frmWhosHot.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/nfl/DivisionLists.h"
#include "ui/output/RunOutput.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"
#include "ui/shell/WindowParts.h"

namespace gm::ui {

frmWhosHot::frmWhosHot(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      model_(std::make_unique<WhosHot>(ctx.State)),
      lblStWeek_(Named("lblStWeek", this)),
      lblEndWeek_(Named("lblEndWeek", this)),
      badges_(this) {
    setObjectName("frmWhosHot");
    setWindowTitle(Q(model_->ReportTitle()));
    setModal(true);

    lists_ = new DivisionLists(ctx_, *model_, this);
    auto* conference = OptionFrame("Conference", {{"OpNFC", "&NFC"}, {"OpAFC", "&AFC"}}, this);
    auto* ckPSpread = ToggleBox("ckPSpread", "vs. Point &Spread", this, [this](bool on) {
        model_->SetSpread(on);
        Redisplay();
    });
    auto* spinStart = new SpinButton(this);
    spinStart->setObjectName("SpinButton1");
    auto* spinEnd = new SpinButton(this);
    spinEnd->setObjectName("SpinButton2");
    auto* start = WeekFrame("S&TART WEEK", lblStWeek_, spinStart, this);
    auto* end = WeekFrame("&END WEEK", lblEndWeek_, spinEnd, this);
    auto* cmdHelp = Button("cmdHelp", "&Help", this);
    auto* cmdPrint = Button("cmdPrint", "&Print", this);
    auto* cmdClose = Button("cmdClose", "&Close", this);
    LayOutStandings(this, {lists_}, {badges_.row, WeekPair(start, end), conference, ckPSpread},
                    {cmdHelp, cmdPrint, cmdClose});

    auto* OpNFC = findChild<QRadioButton*>("OpNFC");
    OpNFC->setChecked(true);
    connect(OpNFC, &QRadioButton::toggled, this, [this](bool on) {
        model_->SetConference(on ? Conference::NFC : Conference::AFC);
        Redisplay();
    });
    OnSpin(spinStart, this, [this](int step) { Spin(true, step); });
    OnSpin(spinEnd, this, [this](int step) { Spin(false, step); });
    connect(cmdHelp, &QPushButton::clicked, this, &frmWhosHot::OnHelp);
    connect(cmdPrint, &QPushButton::clicked, this, &frmWhosHot::OnPrint);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    Redisplay();
    spinStart->setFocus();
    CenterAbove(this, 100);
}

void frmWhosHot::Redisplay() {
    lblStWeek_->setText(Q(model_->StartText()));
    lblEndWeek_->setText(Q(model_->EndText()));
    badges_.Show(model_->ShownConference());
    lists_->Refresh();
}

void frmWhosHot::Spin(bool start, int step) {
    if (!(start ? model_->SpinStart(step) : model_->SpinEnd(step))) {
        QApplication::beep();
        return;
    }
    Redisplay();
}

void frmWhosHot::OnHelp() {
    ctx_.Prompts.Tell(this, PromptIcon::Information, Q(kWhosHotHelpTitle), Q(kWhosHotHelpText));
}

void frmWhosHot::OnPrint() { RunReport(ctx_, this, *model_); }

}  // namespace gm::ui
