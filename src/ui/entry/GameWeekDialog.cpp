#include "GameWeekDialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/entry/EntryBoxes.h"
#include "ui/entry/EntryWidgets.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/WindowHelpers.h"

namespace gm::ui {

GameWeekDialog::GameWeekDialog(UiContext& ctx, const char* formName, const QString& title,
                               EntryBox::KeyRule keyRule, EntryBox::ChangeRule changeRule, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      week_(std::clamp(ctx.State.CurrentWeek, 1, ctx.State.League().Weeks)),
      league_(ctx.State.League()),
      weekLabel_(new QLabel(this)),
      layout_(new QVBoxLayout(this)),
      buttons_(new QHBoxLayout) {
    setObjectName(formName);
    setWindowTitle(title);
    setModal(true);

    auto* spin = new SpinButton(this);
    QHBoxLayout* weekRow = WeekRow("&Week", weekLabel_, spin, this);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("<b>Visitor</b>", this), 0, 0);
    grid->addWidget(new QLabel("<b>Home</b>", this), 0, 3);
    for (int s = 0; s < league_.Slots; ++s) {
        awayLabels_[s] = new QLabel(this);
        homeLabels_[s] = new QLabel(this);
        awayBoxes_[s] = new EntryBox(keyRule, changeRule, this);
        homeBoxes_[s] = new EntryBox(keyRule, changeRule, this);
        awayLabels_[s]->setObjectName(QString("lblAway%1").arg(s));
        homeLabels_[s]->setObjectName(QString("lblHome%1").arg(s));
        awayBoxes_[s]->setObjectName(QString("txtAway%1").arg(s));
        homeBoxes_[s]->setObjectName(QString("txtHome%1").arg(s));
        for (QLabel* l : {awayLabels_[s], homeLabels_[s]}) {
            QSizePolicy keep = l->sizePolicy();
            keep.setRetainSizeWhenHidden(true);
            l->setSizePolicy(keep);
            l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QString(14, 'M')));
        }
        for (EntryBox* b : {awayBoxes_[s], homeBoxes_[s]})
            b->setFixedWidth(b->fontMetrics().horizontalAdvance(QString(7, '0')));
        grid->addWidget(awayLabels_[s], s + 1, 0);
        grid->addWidget(awayBoxes_[s], s + 1, 1);
        const bool mondaySlot = league_.Kind == LeagueKind::Nfl1997 && s == kMondaySlot;
        grid->addWidget(new QLabel(mondaySlot ? "at (Mon)" : "at", this), s + 1, 2);
        grid->addWidget(homeLabels_[s], s + 1, 3);
        grid->addWidget(homeBoxes_[s], s + 1, 4);
        if (league_.KickoffTimes) {
            kickoffLabels_[s] = new QLabel(this);
            kickoffLabels_[s]->setObjectName(QString("lblKickoff%1").arg(s));
            grid->addWidget(kickoffLabels_[s], s + 1, 5);
        }
    }
    if (league_.KickoffTimes) grid->addWidget(new QLabel("<b>Kick-off</b>", this), 0, 5);

    auto* ok = Button("cmdOK", "&OK", this);
    auto* cancel = Button("cmdCancel", "&Cancel", this);
    buttons_->addStretch();
    buttons_->addWidget(ok);
    buttons_->addWidget(cancel);

    layout_->addLayout(weekRow);
    layout_->addLayout(grid);
    layout_->addLayout(buttons_);

    connect(spin, &SpinButton::SpinUp, this, &GameWeekDialog::SpinUp);
    connect(spin, &SpinButton::SpinDown, this, &GameWeekDialog::SpinDown);
    connect(ok, &QPushButton::clicked, this, &GameWeekDialog::Save);
    connect(cancel, &QPushButton::clicked, this, &GameWeekDialog::reject);
}

void GameWeekDialog::ShowWeek() {
    const TeamTables& teams = ctx_.State.Teams;
    const WeekGames& games = ctx_.State.Games[week_ - 1];
    for (int s = 0; s < league_.Slots; ++s) {
        const bool game = HasGame(s);
        awayLabels_[s]->setText(game ? Q(teams.City(games[s].AwayTeam)) : QString());
        homeLabels_[s]->setText(game ? Q(teams.City(games[s].HomeTeam)) : QString());
        awayLabels_[s]->setVisible(game);
        homeLabels_[s]->setVisible(game);
        // An empty slot takes no entry; its boxes are cleared so that no
        // number from another week seems to belong to it.
        const SlotBoxes boxes = game ? Shown(s) : SlotBoxes{};
        awayBoxes_[s]->setText(Q(boxes.Away));
        homeBoxes_[s]->setText(Q(boxes.Home));
        awayBoxes_[s]->setEnabled(game);
        homeBoxes_[s]->setEnabled(game);
        if (kickoffLabels_[s] != nullptr) kickoffLabels_[s]->setText(game ? Q(KickoffCaption(league_, games, s)) : QString());
    }
    weekLabel_->setText(Q(WeekLabel(week_, false)));
    if (awayBoxes_[0]->isEnabled()) awayBoxes_[0]->setFocus();
}

WeekEntryBoxes GameWeekDialog::ReadWeek() const {
    WeekEntryBoxes boxes{};
    for (int s = 0; s < league_.Slots; ++s)
        boxes[s] = {awayBoxes_[s]->text().toStdString(), homeBoxes_[s]->text().toStdString()};
    return boxes;
}

void GameWeekDialog::Step(int step) {
    const int next = SpinWeek(week_, step, league_.Weeks);
    if (next == 0) {
        QApplication::beep();
        return;
    }
    StoreShown();
    week_ = next;
    ctx_.State.CurrentWeek = week_;
    ShowWeek();
    weekLabel_->setText(Q(WeekLabel(week_, true)));
}

void GameWeekDialog::Save() {
    StoreShown();
    const Status saved = CommitSeason(ctx_.State, [this](SeasonGrid& games) { ApplyTo(games); });
    if (!saved) {
        ctx_.Prompts.Tell(this, PromptIcon::Stop, Q(kSaveFailedTitle), Q(SaveFailedText(saved)));
        return;
    }
    MarkSaved();
    accept();
}

void GameWeekDialog::reject() {
    if (!ChangedWithShown()) {
        QDialog::reject();
        return;
    }
    const PromptAnswer a = ctx_.Prompts.Ask(this, PromptIcon::Question, PromptButtons::YesNoCancel,
                                            Q(ChangedTitle()), Q(ChangedQuestion(ChangedText())));
    if (a == PromptAnswer::Yes) {
        Save();
    } else if (a == PromptAnswer::No) {
        QDialog::reject();
    }
}

}  // namespace gm::ui
