#include "frmPoolStat.h"

#include <QApplication>
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


frmPoolStat::frmPoolStat(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      model_(std::make_unique<PoolStatPak>(ctx.State)),
      lblWeek_(Named("lblWeek", this)),
      lblPoolWeek_(Named("lblPoolWeek", this)),
      frStandings_(new HeadingFrame(this)),
      lstPlayer_(new QListWidget(this)),
      lblWins_(Named("lblWins", this)),
      lblLosses_(Named("lblLosses", this)),
      lblPct_(Named("lblPct", this)),
      lblTb_(Named("lblTb", this)),
      lblCon_(Named("lblCon", this)) {
    setObjectName("frmPoolStat");
    setWindowTitle("The Pool StatPak");
    setModal(true);
    SetUpStandingsList(frStandings_, lstPlayer_);

    auto* spin = new SpinButton(this);
    spin->setObjectName("SpinButton1");
    auto* cmdPrint = Button("cmdPrint", "&Print", this);
    auto* cmdHelp = Button("cmdHelp", "&Help", this);
    auto* cmdOK = Button("cmdOK", "&OK", this);
    cmdOK->setDefault(true);

    auto* caption = new QLabel("The Pool StatPak", this);
    QFont big = caption->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    caption->setFont(big);

    auto* top = new QHBoxLayout;
    top->addWidget(caption);
    top->addSpacing(24);
    AddWeekEnding(top, lblWeek_, spin);
    top->addStretch();

    auto* averages = new QGridLayout;
    averages->addWidget(lblPoolWeek_, 0, 0, 1, 2);
    AddAverage(averages, 1, 0, "Avg. Wins", lblWins_);
    AddAverage(averages, 1, 1, "Avg. Losses", lblLosses_);
    AddAverage(averages, 1, 2, "Win Pct", lblPct_);
    AddAverage(averages, 2, 0, "Avg. TB", lblTb_);
    if (model_->ConfidenceMode())
        AddAverage(averages, 2, 1, "Avg. CPts", lblCon_);
    else
        lblCon_->hide();
    averages->setColumnStretch(6, 1);

    LayOutStatPak(this, top, frStandings_, averages, {cmdPrint, cmdHelp, cmdOK});

    QWidget* order[] = {spin, lstPlayer_, cmdPrint, cmdHelp, cmdOK};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    frStandings_->setTitle(Q(model_->Heading()));
    Redisplay();

    OnSpin(spin, this, [this](int step) { Spin(step); });
    connect(cmdPrint, &QPushButton::clicked, this, &frmPoolStat::OnPrint);
    connect(cmdHelp, &QPushButton::clicked, this, [this] { ShowHelp(ctx_, this, Display::PoolStatPak); });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    CenterAbove(this, 200);  // as the Player StatPak
}

void frmPoolStat::Redisplay() {
    lblWeek_->setText(Q(model_->WeekLabel()));
    lblPoolWeek_->setText(Q(model_->PoolWeekText()));
    FillList(lstPlayer_, model_->Lines());
    const PoolStatAverages a = model_->Averages();
    lblWins_->setText(Q(a.Wins));
    lblLosses_->setText(Q(a.Losses));
    lblPct_->setText(Q(a.Pct));
    lblTb_->setText(Q(a.Tb));
    lblCon_->setText(Q(a.CPts));
}

void frmPoolStat::Spin(int step) {
    if (!model_->Spin(step)) {
        QApplication::beep();
        return;
    }
    Redisplay();
}

void frmPoolStat::OnPrint() { RunReport(ctx_, this, *model_); }

}  // namespace gm::ui
