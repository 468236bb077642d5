#include "frmOddEnd.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/shell/Help.h"
#include "ui/output/RunOutput.h"
#include "ui/shell/HeadingFrame.h"
#include "ui/shell/HelpPages.h"
#include "ui/shell/QtText.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"

namespace gm::ui {

namespace {

// The group captions with their access keys, in option order. Today's
// league has two more groups than letters free in the window: AFC North,
// AFC South and AFC West go without a key.
constexpr const char* kGroupCaptions[PoolAnalyst::kGroupCount] = {
    "&All Teams", "&NFC Teams", "NFC &East", "NFC &Central", "NFC &West",
    "A&FC Teams", "AFC Ea&st",  "AFC Cent&ral", "AFC Wes&t"};
constexpr const char* kTodayGroupCaptions[PoolAnalyst::kMaxGroupCount] = {
    "&All Teams", "&NFC Teams", "NFC &East", "NFC No&rth", "NFC &South", "NFC &West",
    "A&FC Teams", "AFC Eas&t",  "AFC North", "AFC South", "AFC West"};

}  // namespace

frmOddEnd::frmOddEnd(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      model_(std::make_unique<PoolAnalyst>(ctx.State)),
      groups_(new QButtonGroup(this)),
      cboTeam_(new QComboBox(this)),
      lblWeek_(new QLabel(this)),
      frHeading_(new HeadingFrame(this)),
      lstPlayer_(new QListWidget(frHeading_)) {
    setObjectName("frmOddEnd");
    setWindowTitle("The Pool Analyst");
    setModal(true);
    cboTeam_->setObjectName("cboTeam");
    lblWeek_->setObjectName("lblWeek");
    frHeading_->setObjectName("frHeading");
    lstPlayer_->setObjectName("lstPlayer");
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    lstPlayer_->setFont(fixed);
    frHeading_->setFont(fixed);
    const QFontMetrics metrics(fixed);
    lstPlayer_->setMinimumSize(metrics.horizontalAdvance(QString(52, 'M')), metrics.lineSpacing() * 16);

    // The team groups: nine in 1997, eleven today.
    auto* groupBox = new QGroupBox("Team Groups", this);
    auto* groupLayout = new QGridLayout(groupBox);
    const League& league = ctx.State.League();
    const int groupCount = PoolAnalyst::GroupCount(league);
    const int perConference = (groupCount - 1) / 2;
    const bool today = league.Kind != LeagueKind::Nfl1997;
    for (int i = 0; i < groupCount; ++i) {
        auto* option = new QRadioButton(today ? kTodayGroupCaptions[i] : kGroupCaptions[i], groupBox);
        option->setObjectName(QString("opPick%1").arg(i));
        groups_->addButton(option, i);
        opPick_.push_back(option);
        // All Teams alone on the first row, then the NFC beside the AFC.
        if (i == 0)
            groupLayout->addWidget(option, 0, 0);
        else
            groupLayout->addWidget(option, 1 + (i - 1) % perConference, (i - 1) / perConference);
    }

    // Or one team.
    auto* teamCaption = new QLabel("NF&L Team", this);
    teamCaption->setBuddy(cboTeam_);
    for (int t = 1; t <= league.Teams; ++t) cboTeam_->addItem(Q(ctx_.State.Teams.City(t)), t);
    cboTeam_->setCurrentIndex(0);
    auto* cmdTeam = Button("cmdTeam", "&Use NFL Team", this);
    auto* teamRow = new QHBoxLayout;
    teamRow->addWidget(teamCaption);
    teamRow->addWidget(cboTeam_, 1);
    teamRow->addWidget(cmdTeam);

    // How the games count.
    auto* modeBox = new QGroupBox(this);
    auto* modeLayout = new QVBoxLayout(modeBox);
    auto* modes = new QButtonGroup(this);
    const char* modeCaptions[] = {"In Games &Involving", "When &Betting On"};
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(modeCaptions[i], modeBox);
        option->setObjectName(QString("opWhichGames%1").arg(i));
        modes->addButton(option, i);
        modeLayout->addWidget(option);
        opWhichGames_[static_cast<std::size_t>(i)] = option;
    }

    auto* spin = new SpinButton(this);
    spin->setObjectName("SpinButton1");
    auto* weekCaption = new QLabel("Wee&k", this);
    weekCaption->setBuddy(spin);
    auto* weekRow = new QHBoxLayout;
    weekRow->addWidget(weekCaption);
    weekRow->addWidget(lblWeek_);
    weekRow->addWidget(spin);
    weekRow->addStretch();
    lblWeek_->setMinimumWidth(QFontMetrics(lblWeek_->font()).horizontalAdvance("000"));

    auto* cmdPrint = Button("cmdPrint", "&Print", this);
    auto* cmdOK = Button("cmdOK", "&OK", this);
    auto* cmdHelp = Button("cmdHelp", "&Help", this);
    cmdOK->setDefault(true);

    auto* frameLayout = new QVBoxLayout(frHeading_);
    frameLayout->addWidget(lstPlayer_);
    LineUpUnderCaption(frHeading_, frameLayout, lstPlayer_);

    auto* side = new QVBoxLayout;
    side->addLayout(weekRow);
    side->addWidget(groupBox);
    side->addLayout(teamRow);
    side->addWidget(modeBox);
    side->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdHelp);
    side->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(frHeading_, 1);
    layout->addLayout(side);

    // Keyboard order: the list, the week, the groups, the team, the modes, the buttons.
    std::vector<QWidget*> order{lstPlayer_, spin};
    for (auto* option : opPick_) order.push_back(option);
    order.insert(order.end(), {cboTeam_, cmdTeam, opWhichGames_[0], opWhichGames_[1], cmdPrint, cmdOK, cmdHelp});
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

    // Opening: "In Games Involving" and "All Teams", which the model computed.
    opWhichGames_[0]->setChecked(true);
    opPick_[0]->setChecked(true);
    frHeading_->setTitle(Q(PoolAnalyst::kHeading));
    Redisplay();

    connect(groups_, &QButtonGroup::idClicked, this, [this](int group) {
        model_->ChooseGroup(group);
        Redisplay();
    });
    connect(modes, &QButtonGroup::idClicked, this, [this](int mode) {
        const auto chosen = mode == 1 ? PoolAnalyst::Mode::WhenBettingOn : PoolAnalyst::Mode::InGamesInvolving;
        if (chosen == model_->CurrentMode()) return;
        model_->SetMode(chosen);
        Redisplay();
    });
    connect(cmdTeam, &QPushButton::clicked, this, &frmOddEnd::UseTeam);
    connect(cboTeam_, &QComboBox::activated, this, [this](int) { UseTeam(); });
    connect(spin, &SpinButton::SpinUp, this, [this] { Spin(+1); });
    connect(spin, &SpinButton::SpinDown, this, [this] { Spin(-1); });
    connect(cmdPrint, &QPushButton::clicked, this, &frmOddEnd::OnPrint);
    connect(cmdHelp, &QPushButton::clicked, this, [this] { ShowHelp(ctx_, this, Display::PoolAnalyst); });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    adjustSize();
    CenterForm(this);
}

void frmOddEnd::Redisplay() {
    lblWeek_->setText(Q(model_->WeekLabel()));
    lstPlayer_->clear();
    for (const auto& line : model_->Lines()) lstPlayer_->addItem(Q(line));
    if (lstPlayer_->count() > 0) lstPlayer_->setCurrentRow(0);
}

void frmOddEnd::UseTeam() {
    // The team replaces the group: no group option stays selected.
    groups_->setExclusive(false);
    for (auto* option : opPick_) option->setChecked(false);
    groups_->setExclusive(true);
    model_->ChooseTeam(cboTeam_->currentData().toInt());
    Redisplay();
}

void frmOddEnd::Spin(int step) {
    if (!model_->Spin(step)) {
        QApplication::beep();
        return;
    }
    Redisplay();
}

void frmOddEnd::OnPrint() { RunReport(ctx_, this, *model_); }

}  // namespace gm::ui
