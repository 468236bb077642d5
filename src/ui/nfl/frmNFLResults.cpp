#include "frmNFLResults.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/shell/Help.h"
#include "ui/output/RunOutput.h"
#include "ui/shell/HelpPages.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"
#include "ui/shell/WindowParts.h"

namespace gm::ui {

namespace {

QLabel* SlotLabel(const char* name, int slot, QWidget* parent, Qt::Alignment align) {
    auto* label = Named(QByteArray(name).append(QByteArray::number(slot)).constData(), parent);
    label->setAlignment(align | Qt::AlignVCenter);
    return label;
}

}  // namespace

frmNFLResults::frmNFLResults(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      model_(std::make_unique<NflResults>(ctx.State)),
      lblWeek_(Named("lblWeek", this)),
      lblMonday_(Named("lblMonday", this, "Monday Nite Game")) {
    setObjectName("frmNFLResults");
    setWindowTitle(Q(model_->ReportTitle()));
    setModal(true);

    auto* spin = new SpinButton(this);
    spin->setObjectName("SpinButton1");
    auto* weekCaption = new QLabel("&WEEK", this);
    weekCaption->setBuddy(spin);
    QFont weekFont = lblWeek_->font();
    weekFont.setBold(true);
    weekFont.setPointSizeF(weekFont.pointSizeF() * 1.4);
    lblWeek_->setFont(weekFont);
    weekCaption->setFont(weekFont);
    lblWeek_->setMinimumWidth(QFontMetrics(weekFont).horizontalAdvance(" 21 "));

    auto* top = new QHBoxLayout;
    top->addStretch();
    top->addWidget(weekCaption);
    top->addWidget(lblWeek_);
    top->addWidget(spin);
    top->addStretch();

    // One row per game slot: first team and score, second score and team.
    auto* games = new QGridLayout;
    games->setHorizontalSpacing(14);
    games->setVerticalSpacing(2);
    QFont mondayFont = lblMonday_->font();
    mondayFont.setBold(true);
    mondayFont.setUnderline(true);
    lblMonday_->setFont(mondayFont);
    lblMonday_->setAlignment(Qt::AlignCenter);
    const League& league = ctx_.State.League();
    movingMonday_ = league.Kind != LeagueKind::Nfl1997;
    games_ = games;
    int row = 0;
    for (int slot = 0; slot < league.Slots; ++slot) {
        if (movingMonday_)
            ++row;  // the heading's place, should this slot hold the tiebreak game
        else if (slot == kMondaySlot)
            games->addWidget(lblMonday_, row++, 0, 1, 4);
        const auto i = static_cast<std::size_t>(slot);
        lblWonT_[i] = SlotLabel("lblWonT", slot, this, Qt::AlignRight);
        lblWon_[i] = SlotLabel("lblWon", slot, this, Qt::AlignRight);
        lblLost_[i] = SlotLabel("lblLost", slot, this, Qt::AlignRight);
        lblLostT_[i] = SlotLabel("lblLostT", slot, this, Qt::AlignLeft);
        games->addWidget(lblWonT_[i], row, 0);
        games->addWidget(lblWon_[i], row, 1);
        games->addWidget(lblLost_[i], row, 2);
        games->addWidget(lblLostT_[i], row, 3);
        ++row;
    }
    games->setColumnMinimumWidth(0, 170);
    games->setColumnMinimumWidth(3, 170);
    auto* note = new QLabel("Home teams are in CAPS", this);
    note->setAlignment(Qt::AlignCenter);

    auto* cmdPrint = Button("cmdPrint", "&Print", this);
    auto* cmdHelp = Button("cmdHelp", "&Help", this);
    auto* cmdOK = Button("cmdOK", "&OK", this);
    cmdOK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdHelp);
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(games);
    layout->addStretch();
    layout->addWidget(note);
    layout->addLayout(buttons);

    connect(spin, &SpinButton::SpinUp, this, [this] { Spin(+1); });
    connect(spin, &SpinButton::SpinDown, this, [this] { Spin(-1); });
    connect(cmdPrint, &QPushButton::clicked, this, &frmNFLResults::OnPrint);
    connect(cmdHelp, &QPushButton::clicked, this, [this] { ShowHelp(ctx_, this, Display::WeeklyResults); });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    ShowWeekResults();
    spin->setFocus();
    adjustSize();
    CenterForm(this);
}

void frmNFLResults::ShowWeekResults() {
    lblWeek_->setText(Q(model_->WeekText()));
    const auto& rows = model_->Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!lblWonT_[i]) continue;
        const ResultRow& r = rows[i];
        lblWonT_[i]->setText(Q(r.WinText));
        lblWon_[i]->setText(Q(r.WinScoreText));
        lblLost_[i]->setText(Q(r.LoseScoreText));
        lblLostT_[i]->setText(Q(r.LoseText));
        for (QLabel* l : {lblWonT_[i], lblWon_[i], lblLost_[i], lblLostT_[i]}) l->setVisible(r.Shown);
    }
    const int tiebreak = model_->TiebreakSlot();
    const bool shown = tiebreak >= 0 && rows[static_cast<std::size_t>(tiebreak)].Shown;
    if (movingMonday_ && shown) {
        games_->removeWidget(lblMonday_);
        games_->addWidget(lblMonday_, 2 * tiebreak, 0, 1, 4);
    }
    lblMonday_->setVisible(shown);
}

void frmNFLResults::Spin(int step) {
    if (!model_->Spin(step)) {
        QApplication::beep();
        return;
    }
    ShowWeekResults();
}

void frmNFLResults::OnPrint() {
    RunReport(ctx_, this, *model_);
}

}  // namespace gm::ui
