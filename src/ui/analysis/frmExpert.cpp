#include "frmExpert.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/shell/Help.h"
#include "ui/output/RunOutput.h"
#include "ui/shell/HelpPages.h"
#include "ui/shell/Prompt.h"
#include "ui/shell/QtText.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"

namespace gm::ui {

namespace {

QLabel* Label(const QString& name, QWidget* parent, const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLabel* Heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

}  // namespace

frmExpert::frmExpert(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      model_(std::make_unique<PoolExperts>(ctx.State)),
      lblWeek_(Label("lblWeek", this)),
      lblExpertWLT_(Label("lblExpertWLT", this)),
      lblPoolWLT_(Label("lblPoolWLT", this)),
      lblExpertPct_(Label("lblExpertPct", this)),
      lblPoolPct_(Label("lblPoolPct", this)),
      lblRecordWeek_(Label("lblRecordWeek", this)) {
    setObjectName("frmExpert");
    setWindowTitle(Q(PoolExperts::kTitle));
    setModal(true);

    auto* spin = new SpinButton(this);
    spin->setObjectName("SpinButton1");
    auto* weekCaption = new QLabel("&WEEK", this);
    weekCaption->setBuddy(spin);
    lblWeek_->setMinimumWidth(QFontMetrics(lblWeek_->font()).horizontalAdvance("000"));
    auto* top = new QHBoxLayout;
    top->addWidget(weekCaption);
    top->addWidget(lblWeek_);
    top->addWidget(spin);
    top->addStretch();
    top->addWidget(lblRecordWeek_);

    // The games: one row of labels per slot under the column headings.
    auto* gamesBox = new QGroupBox(this);
    auto* grid = new QGridLayout(gamesBox);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(2);
    const char* headings[] = {"Game", "Expert", "Record", "Pick", "Won?"};
    for (int c = 0; c < 5; ++c) grid->addWidget(Heading(headings[c], gamesBox), 0, c);
    grid->addWidget(Heading("Game Result", gamesBox), 0, 5, 1, 4);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const int gameSlots = static_cast<int>(model_->Games().size());
    for (int s = 0; s < gameSlots; ++s) {
        GameRow& row = rows_[static_cast<std::size_t>(s)];
        QLabel** cells[] = {&row.lblGame, &row.lblPlayer, &row.lblRecord, &row.lblPick, &row.lblWon,
                            &row.lblWinner, &row.lblWonScore, &row.lblLoser, &row.lblLossScore};
        const char* names[] = {"lblGame", "lblPlayer", "lblRecord", "lblPick", "lblWon",
                               "lblWinner", "lblWonScore", "lblLoser", "lblLossScore"};
        for (int c = 0; c < 9; ++c) {
            QLabel* label = Label(QString("%1%2").arg(names[c]).arg(s), gamesBox);
            label->setFont(fixed);
            *cells[c] = label;
            grid->addWidget(label, s + 1, c);
        }
        row.lblGame->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.lblRecord->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.lblWonScore->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.lblLossScore->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    const QFontMetrics metrics(fixed);
    rows_[0].lblGame->setMinimumWidth(metrics.horizontalAdvance(QString(10, 'M')));
    rows_[0].lblPlayer->setMinimumWidth(metrics.horizontalAdvance(QString(18, 'M')));

    // The week's summary: the experts beside the whole pool.
    auto* summary = new QGroupBox(this);
    auto* sums = new QGridLayout(summary);
    for (int i = 0; i < 3; ++i) {
        lblStats_[static_cast<std::size_t>(i)] = Label(QString("lblStats%1").arg(i), summary);
        lblStats_[static_cast<std::size_t>(i)]->setAlignment(Qt::AlignCenter);
    }
    sums->addWidget(lblStats_[0], 0, 1);
    sums->addWidget(lblStats_[1], 0, 2);
    sums->addWidget(lblStats_[2], 0, 3);
    sums->addWidget(Heading("Pool Experts", summary), 1, 1, Qt::AlignCenter);
    sums->addWidget(Heading("Pool (Overall)", summary), 1, 3, Qt::AlignCenter);
    sums->addWidget(new QLabel("W - L - T", summary), 2, 0);
    sums->addWidget(lblExpertWLT_, 2, 1, Qt::AlignCenter);
    sums->addWidget(lblPoolWLT_, 2, 3, Qt::AlignCenter);
    sums->addWidget(new QLabel("Win Pct.", summary), 3, 0);
    sums->addWidget(lblExpertPct_, 3, 1, Qt::AlignCenter);
    sums->addWidget(lblPoolPct_, 3, 3, Qt::AlignCenter);
    sums->setColumnStretch(2, 1);

    auto* cmdPrint = Button("cmdPrint", "&Print", this);
    auto* cmdOK = Button("cmdOK", "&OK", this);
    auto* cmdHelp = Button("cmdHelp", "&Help", this);
    cmdOK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdHelp);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(gamesBox, 1);
    layout->addWidget(summary);
    layout->addLayout(buttons);

    setTabOrder(spin, cmdPrint);
    setTabOrder(cmdPrint, cmdOK);
    setTabOrder(cmdOK, cmdHelp);

    Redisplay();

    connect(spin, &SpinButton::SpinUp, this, [this] { Spin(+1); });
    connect(spin, &SpinButton::SpinDown, this, [this] { Spin(-1); });
    connect(cmdPrint, &QPushButton::clicked, this, &frmExpert::OnPrint);
    connect(cmdHelp, &QPushButton::clicked, this, [this] { ShowHelp(ctx_, this, Display::PoolExperts); });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    adjustSize();
    CenterForm(this);
}

void frmExpert::Redisplay() {
    lblWeek_->setText(Q(model_->WeekLabel()));
    for (int s = 0; s < static_cast<int>(model_->Games().size()); ++s) {
        const ExpertGame& g = model_->Games()[static_cast<std::size_t>(s)];
        const GameRow& row = rows_[static_cast<std::size_t>(s)];
        row.lblGame->setText(Q(g.Game));
        row.lblPlayer->setText(Q(g.Player));
        row.lblRecord->setText(Q(g.RecordText));
        row.lblPick->setText(Q(g.Pick));
        row.lblWon->setText(Q(g.Won));
        row.lblWinner->setText(Q(g.Winner));
        row.lblWonScore->setText(Q(g.WonScore));
        row.lblLoser->setText(Q(g.Loser));
        row.lblLossScore->setText(Q(g.LossScore));
    }
    for (auto* label : lblStats_) label->setText(Q(model_->StatsLabel()));
    lblExpertWLT_->setText(Q(model_->ExpertWLT()));
    lblPoolWLT_->setText(Q(model_->PoolWLT()));
    lblExpertPct_->setText(Q(model_->ExpertPct()));
    lblPoolPct_->setText(Q(model_->PoolPct()));
    lblRecordWeek_->setText(Q(model_->RecordWeekNote()));
}

void frmExpert::Spin(int step) {
    switch (model_->Spin(step)) {
        case PoolExperts::SpinResult::Moved:
            Redisplay();
            break;
        case PoolExperts::SpinResult::AtLimit:
            QApplication::beep();
            break;
        case PoolExperts::SpinResult::MinimumData:
            ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(PoolExperts::kTitle),
                              Q(PoolExperts::kMinimumDataText));
            break;
    }
}

void frmExpert::OnPrint() { RunReport(ctx_, this, *model_); }

}  // namespace gm::ui
