#include "frmMatchup.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/nfl/DivisionLists.h"
#include "ui/output/RunOutput.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"
#include "ui/shell/WindowParts.h"

namespace gm::ui {

frmMatchup::frmMatchup(UiContext& ctx, const Matchup& matchup, QWidget* parent)
    : QDialog(parent), ctx_(ctx), matchup_(matchup), List1_(new QListWidget(this)) {
    setObjectName("frmMatchup");
    setWindowTitle(Q(matchup_.ReportTitle()));
    setModal(true);

    auto* sides = new QLabel("     AWAY TEAM IS ON LEFT   HOME  TEAM IS ON RIGHT", this);
    auto* heading = new QLabel(Q(kMatchupHeading), this);
    List1_->setObjectName("List1");
    UseFixedPitch(List1_);
    UseFixedPitch(heading);
    UseFixedPitch(sides);
    FillList(List1_, matchup_.Lines());
    const QFontMetrics metrics(List1_->font());
    List1_->setMinimumWidth(metrics.horizontalAdvance(QString(66, 'M')) + 30);
    List1_->setMinimumHeight(metrics.lineSpacing() * (kMatchupLineCount + 1) + 12);

    auto* cmdAway = Button("cmdAway", "&Away Team", this);
    auto* cmdHome = Button("cmdHome", "&Home Team", this);
    auto* cmdPrint = Button("cmdPrint", "&Print", this);
    auto* cmdOK = Button("cmdOK", "&OK", this);
    cmdOK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdAway);
    buttons->addWidget(cmdHome);
    buttons->addStretch();
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sides);
    layout->addWidget(heading);
    layout->addWidget(List1_);
    layout->addLayout(buttons);

    connect(cmdAway, &QPushButton::clicked, this, [this] { ShowTeam(matchup_.Away()); });
    connect(cmdHome, &QPushButton::clicked, this, [this] { ShowTeam(matchup_.Home()); });
    connect(cmdPrint, &QPushButton::clicked, this, &frmMatchup::OnPrint);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    cmdOK->setFocus();
    adjustSize();
    CenterForm(this);
}

void frmMatchup::ShowTeam(int team) {
    // The team results window takes its team as number - 1.
    OpenTeamResults(ctx_, this, team - 1);
}

void frmMatchup::done(int result) {
    ctx_.State.ResultsTeam = 0;
    QDialog::done(result);
}

void frmMatchup::OnPrint() { RunReport(ctx_, this, matchup_); }

}  // namespace gm::ui
