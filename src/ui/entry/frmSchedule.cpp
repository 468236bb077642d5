#include "frmSchedule.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "core/entry/EntryBoxes.h"
#include "ui/entry/EntryWidgets.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/WindowHelpers.h"

namespace gm::ui {

frmSchedule::frmSchedule(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      editor_(ctx.State.Games, ctx.State.League()),
      week_(std::clamp(ctx.State.CurrentWeek, 1, ctx.State.League().Weeks)),
      weekLabel_(new QLabel(this)) {
    setObjectName("frmSchedule");
    setWindowTitle("NFL Schedule Setup");
    setModal(true);

    const TeamTables& teams = ctx.State.Teams;
    const League& league = ctx.State.League();
    const std::vector<int> order = ScheduleTeamOrder(teams, league);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("<b>Visitor</b>", this), 0, 1);
    grid->addWidget(new QLabel("<b>Home</b>", this), 0, 3);
    for (int i = 0; i < 2 * league.Slots; ++i) {
        auto* box = new QComboBox(this);
        box->setObjectName(QString("Combo1%1").arg(i));
        for (int team : order) box->addItem(Q(teams.City(team)), team);
        combos_[i] = box;
    }
    for (int s = 0; s < league.Slots; ++s) {
        auto* label = new QLabel(Q(ScheduleSlotCaption(league, s)), this);
        label->setBuddy(combos_[2 * s]);
        grid->addWidget(label, s + 1, 0);
        grid->addWidget(combos_[2 * s], s + 1, 1);
        grid->addWidget(new QLabel("at", this), s + 1, 2);
        grid->addWidget(combos_[2 * s + 1], s + 1, 3);
        if (league.KickoffTimes) {
            kickoffLabels_[s] = new QLabel(this);
            kickoffLabels_[s]->setObjectName(QString("lblKickoff%1").arg(s));
            grid->addWidget(kickoffLabels_[s], s + 1, 4);
        }
    }
    if (league.KickoffTimes) grid->addWidget(new QLabel("<b>Kick-off</b>", this), 0, 4);

    auto* spin = new SpinButton(this);
    QHBoxLayout* weekRow = WeekRow("&WEEK", weekLabel_, spin, this);

    QPushButton* ok = Button("CmdOK", "&OK", this);
    QPushButton* cancel = Button("CmdCancel", "&Cancel", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(weekRow);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(spin, &SpinButton::SpinUp, this, &frmSchedule::SpinUp);
    connect(spin, &SpinButton::SpinDown, this, &frmSchedule::SpinDown);
    connect(ok, &QPushButton::clicked, this, &frmSchedule::Save);
    connect(cancel, &QPushButton::clicked, this, &frmSchedule::reject);

    ShowWeek();
    adjustSize();
    CenterForm(this);
}

void frmSchedule::Select(QComboBox* box, int team) {
    // A team number no list holds (bad data) shows as the blank entry.
    box->setCurrentIndex(std::max(0, box->findData(team)));
}

void frmSchedule::ShowWeek() {
    const WeekTeams teams = editor_.Week(week_);
    const League& league = editor_.Of();
    for (int s = 0; s < league.Slots; ++s) {
        Select(combos_[2 * s], teams[s].Away);
        Select(combos_[2 * s + 1], teams[s].Home);
        // The kick-off belongs to the game the season holds in this slot.
        if (kickoffLabels_[s] != nullptr)
            kickoffLabels_[s]->setText(Q(KickoffCaption(league, ctx_.State.Games[week_ - 1], s)));
    }
    weekLabel_->setText(Q(WeekLabel(week_, false)));
}

WeekTeams frmSchedule::ReadWeek() const {
    WeekTeams teams{};
    for (int s = 0; s < editor_.Of().Slots; ++s)
        teams[s] = {combos_[2 * s]->currentData().toInt(), combos_[2 * s + 1]->currentData().toInt()};
    return teams;
}

void frmSchedule::Step(int step) {
    const int next = SpinWeek(week_, step, editor_.Of().Weeks);
    if (next == 0) {
        QApplication::beep();
        return;
    }
    editor_.StoreWeek(week_, ReadWeek());
    week_ = next;
    ctx_.State.CurrentWeek = week_;
    ShowWeek();
    weekLabel_->setText(Q(WeekLabel(week_, true)));
    combos_[0]->setFocus();
}

void frmSchedule::Save() {
    editor_.StoreWeek(week_, ReadWeek());
    const Status saved =
        CommitSeason(ctx_.State, [this](SeasonGrid& games) { editor_.ApplyTo(games); });
    if (!saved) {
        ctx_.Prompts.Tell(this, PromptIcon::Stop, Q(kSaveFailedTitle),
                          Q(SaveFailedText(saved)));
        return;
    }
    editor_.MarkSaved();
    accept();
}

void frmSchedule::reject() {
    if (!editor_.ChangedWith(week_, ReadWeek())) {
        QDialog::reject();
        return;
    }
    const PromptAnswer a = ctx_.Prompts.Ask(this, PromptIcon::Question, PromptButtons::YesNoCancel,
                                            Q(kScheduleChangedTitle),
                                            Q(ChangedQuestion(kScheduleChangedText)));
    if (a == PromptAnswer::Yes) {
        Save();
    } else if (a == PromptAnswer::No) {
        QDialog::reject();
    }
}

}  // namespace gm::ui
