#include "frmConference.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/nfl/DivisionLists.h"
#include "ui/nfl/NflWindowParts.h"
#include "ui/output/RunOutput.h"
#include "ui/pool/PoolUi.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"

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
    auto* ckLast3 = new QCheckBox("&Last 3 Weeks", this);
    ckLast3->setObjectName("ckLast3");
    auto* ckPSpread = new QCheckBox("vs. Point &Spread", this);
    ckPSpread->setObjectName("ckPSpread");
    auto* spin = new SpinButton(this);
    spin->setObjectName("SpinButton1");
    auto* week = WeekFrame("&WEEK", lblWeek_, spin, this);
    auto* cmdHint = Button("cmdHint", "&Hint", this);
    auto* cmdPrint = Button("cmdPrint", "&Print", this);
    auto* cmdClose = Button("cmdClose", "&Close", this);
    cmdClose->setDefault(true);

    auto* side = new QVBoxLayout;
    side->addLayout(badges_.row);
    side->addWidget(week);
    side->addWidget(conference);
    side->addWidget(ckLast3);
    side->addWidget(ckPSpread);
    side->addStretch();
    side->addWidget(cmdHint);
    side->addWidget(cmdPrint);
    side->addWidget(cmdClose);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lists_, 1);
    layout->addLayout(side);

    auto* OpNFC = findChild<QRadioButton*>("OpNFC");
    OpNFC->setChecked(true);
    connect(OpNFC, &QRadioButton::toggled, this, [this](bool on) {
        model_->SetConference(on ? Conference::NFC : Conference::AFC);
        Redisplay();
    });
    connect(ckLast3, &QCheckBox::toggled, this, [this](bool on) {
        model_->SetLast3(on);
        Redisplay();
    });
    connect(ckPSpread, &QCheckBox::toggled, this, [this](bool on) {
        model_->SetSpread(on);
        Redisplay();
    });
    connect(spin, &SpinButton::SpinUp, this, [this] { Spin(+1); });
    connect(spin, &SpinButton::SpinDown, this, [this] { Spin(-1); });
    connect(cmdHint, &QPushButton::clicked, this, &frmConference::OnHint);
    connect(cmdPrint, &QPushButton::clicked, this, &frmConference::OnPrint);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    Redisplay();
    OpNFC->setFocus();
    adjustSize();
    CenterForm(this);
    // The standings sit 150 twips above the centre of the screen.
    move(x(), std::max(0, y() - 150 * logicalDpiY() / 1440));
}

void frmConference::Redisplay() {
    lblWeek_->setText(Q(model_->WeekText()));
    badges_.Show(model_->ShownConference());
    lists_->Refresh();
}

void frmConference::Spin(int step) {
    if (!model_->SpinWeek(step)) {
        QApplication::beep();
        return;
    }
    Redisplay();
}

void frmConference::OnHint() {
    ctx_.Prompts.Tell(this, PromptIcon::Information, Q(kStandingsHintTitle), Q(kStandingsHintText));
}

void frmConference::OnPrint() { RunReport(ctx_, this, *model_); }

}  // namespace gm::ui
