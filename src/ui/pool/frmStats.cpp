#include "frmStats.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/shell/Help.h"
#include "ui/output/RunOutput.h"
#include "ui/pool/StatPakUi.h"
#include "ui/shell/HeadingFrame.h"
#include "ui/shell/HelpPages.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"
#include "ui/shell/WindowParts.h"

namespace gm::ui {


frmStats::frmStats(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      model_(std::make_unique<StatPak>(ctx.State)),
      Combo1_(new QComboBox(this)),
      lblWeek_(Named("lblWeek", this)),
      frStandings_(new HeadingFrame(this)),
      lstPlayer_(new QListWidget(this)),
      lblRank_(Named("lblRank", this)),
      lblWins_(Named("lblWins", this)),
      lblLosses_(Named("lblLosses", this)),
      lblPct_(Named("lblPct", this)),
      lblTb_(Named("lblTb", this)),
      lblWRank_(Named("lblWRank", this)),
      lblSRank_(Named("lblSRank", this)),
      lblCon_(Named("lblCon", this)),
      conCaption_(new QLabel("Avg. CPts", this)) {
    setObjectName("frmStats");
    setWindowTitle("Player StatPak");
    setModal(true);
    Combo1_->setObjectName("Combo1");
    SetUpStandingsList(frStandings_, lstPlayer_);

    auto* spin = new SpinButton(this);
    spin->setObjectName("SpinButton1");
    auto* cmdPrint = Button("cmdPrint", "&Print", this);
    auto* cmdHelp = Button("cmdHelp", "&Help", this);
    auto* cmdOK = Button("cmdOK", "&OK", this);
    cmdOK->setDefault(true);

    auto* top = new QHBoxLayout;
    auto* memberCaption = new QLabel("&Vadoruriziz", this);
    memberCaption->setBuddy(Combo1_);
    top->addWidget(memberCaption);
    top->addWidget(Combo1_, 1);
    top->addSpacing(24);
    AddWeekEnding(top, lblWeek_, spin);
    top->addSpacing(24);
    top->addWidget(new QLabel("Ranked By", this));
    top->addWidget(lblRank_);
    top->addStretch();

    auto* averages = new QGridLayout;
    AddAverage(averages, 0, 0, "Avg. Wins", lblWins_);
    AddAverage(averages, 0, 1, "Avg. Losses", lblLosses_);
    AddAverage(averages, 0, 2, "Win Pct", lblPct_);
    AddAverage(averages, 1, 0, "Avg. TB", lblTb_);
    AddAverage(averages, 1, 1, "Avg. WRank", lblWRank_);
    AddAverage(averages, 1, 2, "Avg. SRank", lblSRank_);
    averages->addWidget(conCaption_, 2, 0);
    averages->addWidget(lblCon_, 2, 1);
    averages->setColumnStretch(6, 1);

    LayOutStatPak(this, top, frStandings_, averages, {cmdPrint, cmdHelp, cmdOK});

    QWidget* order[] = {Combo1_, spin, lstPlayer_, cmdPrint, cmdHelp, cmdOK};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    // Opening: the heading, the ranking key and the members, then the one
    // to show (chosen by its record index).
    frStandings_->setTitle(Q(model_->Heading()));
    lblRank_->setText(Q(model_->RankedBy()));
    conCaption_->setVisible(model_->ConfidenceMode());
    lblCon_->setVisible(model_->ConfidenceMode());
    lblWeek_->setText(Q(model_->WeekLabel()));
    for (const auto& [name, index] : model_->MemberChoices()) Combo1_->addItem(Q(name), index);
    Combo1_->setCurrentIndex(Combo1_->findData(model_->SelectedMember()));
    ShowMember();

    connect(Combo1_, &QComboBox::currentIndexChanged, this, [this](int item) {
        if (item >= 0) model_->SelectMember(Combo1_->itemData(item).toInt());
        ShowMember();
    });
    OnSpin(spin, this, [this](int step) { Spin(step); });
    connect(cmdPrint, &QPushButton::clicked, this, &frmStats::OnPrint);
    connect(cmdHelp, &QPushButton::clicked, this, [this] { ShowHelp(ctx_, this, Display::PlayerStatPak); });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    CenterAbove(this, 200);
}

void frmStats::ShowMember() {
    FillList(lstPlayer_, model_->Lines());
    const StatPakAverages a = model_->Averages();
    lblWins_->setText(Q(a.Wins));
    lblLosses_->setText(Q(a.Losses));
    lblPct_->setText(Q(a.Pct));
    lblTb_->setText(Q(a.Tb));
    lblWRank_->setText(Q(a.WRank));
    lblSRank_->setText(Q(a.SRank));
    lblCon_->setText(Q(a.CPts));
}

void frmStats::Spin(int step) {
    if (!model_->Spin(step)) {
        QApplication::beep();
        return;
    }
    lblWeek_->setText(Q(model_->WeekLabel()));
    ShowMember();
}

void frmStats::OnPrint() {
    if (!model_->HasMember()) {
        ctx_.Prompts.Tell(this, PromptIcon::Exclamation, kWakeUpTitle, kWakeUpText);
        return;
    }
    RunReport(ctx_, this, *model_);
}

void frmStats::done(int result) {
    model_->Close();
    QDialog::done(result);
}

}  // namespace gm::ui
