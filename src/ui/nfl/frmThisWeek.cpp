#include "frmThisWeek.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/shell/Help.h"
#include "ui/nfl/NflWindowParts.h"
#include "ui/nfl/frmMatchup.h"
#include "ui/shell/HelpPages.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"
#include "ui/shell/WindowParts.h"

namespace gm::ui {

frmThisWeek::frmThisWeek(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      model_(std::make_unique<MatchupChooser>(ctx.State)),
      lblWeek_(Named("lblWeek", this)),
      lblMonday_(Named("lblMonday", this, "Mondays Game")) {
    setObjectName("frmThisWeek");
    setWindowTitle("This Weeks Matchups");
    setModal(true);

    auto* spin = new SpinButton(this);
    spin->setObjectName("SpinButton1");
    auto* weekFrame = WeekFrame("&Week", lblWeek_, spin, this);

    auto* frame = new QGroupBox("This  Weeks  Matchups", this);
    auto* grid = new QGridLayout(frame);
    auto* group = new QButtonGroup(this);
    const League& league = ctx_.State.League();
    todayLayout_ = league.Kind != LeagueKind::Nfl1997;
    grid_ = grid;
    for (int slot = 0; slot < league.Slots; ++slot) {
        auto* option = new QRadioButton(frame);
        option->setObjectName(QString("OpGame%1").arg(slot));
        group->addButton(option, slot);
        OpGame_[static_cast<std::size_t>(slot)] = option;
        grid->addWidget(option, slot, 0);
        if (todayLayout_) {
            auto* kickoff = Named(QString("lblKickoff%1").arg(slot).toStdString().c_str(), frame);
            lblKickoff_[static_cast<std::size_t>(slot)] = kickoff;
            grid->addWidget(kickoff, slot, 2);
        }
    }
    grid->addWidget(lblMonday_, todayLayout_ ? 0 : kMondaySlot, 1);
    connect(group, &QButtonGroup::idClicked, this, [this](int slot) { model_->Select(slot); });

    auto* cmdView = Button("cmdView", "&View  Matchup", this);
    auto* cmdHelp = Button("cmdHelp", "&Help", this);
    auto* cmdCancel = Button("cmdCancel", "E&xit", this);
    cmdView->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdView);
    buttons->addWidget(cmdHelp);
    buttons->addWidget(cmdCancel);

    auto* top = new QHBoxLayout;
    top->addStretch();
    top->addWidget(weekFrame);
    top->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    connect(spin, &SpinButton::SpinUp, this, [this] { Spin(+1); });
    connect(spin, &SpinButton::SpinDown, this, [this] { Spin(-1); });
    connect(cmdView, &QPushButton::clicked, this, &frmThisWeek::OnView);
    connect(cmdHelp, &QPushButton::clicked, this, [this] { ShowHelp(ctx_, this, Display::Matchups); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    ShowGames();
    adjustSize();
    CenterForm(this);
}

void frmThisWeek::ShowGames() {
    lblWeek_->setText(Q(model_->WeekText()));
    // Clearing an exclusive group needs it switched off for a moment.
    auto* group = OpGame_[0]->group();
    group->setExclusive(false);
    for (auto* option : OpGame_) {
        if (!option) continue;
        option->setChecked(false);
        option->hide();
    }
    for (auto* kickoff : lblKickoff_)
        if (kickoff) kickoff->hide();
    group->setExclusive(true);
    for (const auto& o : model_->Options()) {
        auto* option = OpGame_[static_cast<std::size_t>(o.Slot)];
        option->setText(Q(o.Caption));
        option->show();
        if (auto* kickoff = lblKickoff_[static_cast<std::size_t>(o.Slot)]) {
            kickoff->setText(Q(o.Kickoff));
            kickoff->show();
        }
    }
    if (todayLayout_) {
        const int tiebreak = model_->TiebreakSlot();
        if (tiebreak >= 0) {
            grid_->removeWidget(lblMonday_);
            grid_->addWidget(lblMonday_, tiebreak, 1);
        }
        lblMonday_->setVisible(tiebreak >= 0 && OpGame_[static_cast<std::size_t>(tiebreak)]->isVisibleTo(this));
    } else {
        lblMonday_->setVisible(OpGame_[kMondaySlot]->isVisibleTo(this));
    }
    adjustSize();
}

void frmThisWeek::Spin(int step) {
    if (!model_->Spin(step)) {
        QApplication::beep();
        return;
    }
    ShowGames();
}

void frmThisWeek::OnView() {
    auto matchup = model_->View();
    if (!matchup) {
        ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(MatchupChooser::kNoGameTitle),
                          Q(MatchupChooser::kNoGameText));
        return;
    }
    // The chooser stays open behind the comparison (hiding a window that
    // runs modally would end it).
    frmMatchup window(ctx_, *matchup, this);
    window.exec();
}

}  // namespace gm::ui
