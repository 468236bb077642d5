#include "frmLeague.h"

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

frmLeague::frmLeague(UiContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), model_(std::make_unique<LeagueStandings>(ctx.State)), lblWeek_(Named("lblWeek", this)) {
    setObjectName("frmLeague");
    setWindowTitle(Q(model_->ReportTitle()));
    setModal(true);

    lists_ = new DivisionLists(ctx_, *model_, this);
    auto* scope = OptionFrame("Standings", {{"OpOverall", "&Overall"}, {"OpHome", "At Ho&me"}, {"OpRoad", "On &Road"}}, this);
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
    side->addWidget(week);
    side->addWidget(scope);
    side->addWidget(ckLast3);
    side->addWidget(ckPSpread);
    side->addStretch();
    side->addWidget(cmdHint);
    side->addWidget(cmdPrint);
    side->addWidget(cmdClose);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lists_, 1);
    layout->addLayout(side);

    auto* OpOverall = findChild<QRadioButton*>("OpOverall");
    OpOverall->setChecked(true);
    const std::pair<const char*, Venue> scopes[] = {
        {"OpOverall", Venue::Overall}, {"OpHome", Venue::Home}, {"OpRoad", Venue::Road}};
    for (const auto& [name, venue] : scopes) {
        connect(findChild<QRadioButton*>(name), &QRadioButton::toggled, this, [this, venue = venue](bool on) {
            if (!on) return;
            model_->SetScope(venue);
            Redisplay();
        });
    }
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
    connect(cmdHint, &QPushButton::clicked, this, &frmLeague::OnHint);
    connect(cmdPrint, &QPushButton::clicked, this, &frmLeague::OnPrint);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    Redisplay();
    OpOverall->setFocus();
    adjustSize();
    CenterForm(this);
    // The standings sit 150 twips above the centre of the screen.
    move(x(), std::max(0, y() - 150 * logicalDpiY() / 1440));
}

void frmLeague::Redisplay() {
    lblWeek_->setText(Q(model_->WeekText()));
    lists_->Refresh();
}

void frmLeague::Spin(int step) {
    if (!model_->SpinWeek(step)) {
        QApplication::beep();
        return;
    }
    Redisplay();
}

void frmLeague::OnHint() {
    ctx_.Prompts.Tell(this, PromptIcon::Information, Q(kStandingsHintTitle), Q(kStandingsHintText));
}

void frmLeague::OnPrint() { RunReport(ctx_, this, *model_); }

}  // namespace gm::ui
