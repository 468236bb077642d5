#include "frmFavUnd.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/nfl/DivisionLists.h"
#include "ui/output/RunOutput.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"
#include "ui/shell/WindowParts.h"

namespace gm::ui {

frmFavUnd::frmFavUnd(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      model_(std::make_unique<FavUndStandings>(ctx.State)),
      lblWeek_(Named("lblWeek", this)),
      badges_(this) {
    setObjectName("frmFavUnd");
    setWindowTitle(Q(model_->ReportTitle()));
    setModal(true);

    lists_ = new DivisionLists(ctx_, *model_, this);
    auto* role = OptionFrame("Records", {{"OpFav", "As &Favorites"}, {"OpUnd", "As &Underdogs"}}, this);
    auto* conference = OptionFrame("Conference", {{"OpNFC", "&NFC"}, {"OpAFC", "&AFC"}}, this);
    auto* scope = OptionFrame("Games", {{"OpOverall", "&Overall"}, {"OpHome", "At Ho&me"}, {"OpRoad", "On &Road"}}, this);
    auto* ckLast3 = Last3Box(this, *model_, [this] { Redisplay(); });
    auto* week = StandingsWeekFrame(this, lblWeek_, *model_, [this] { Redisplay(); });
    auto* cmdPrint = Button("cmdPrint", "&Print", this);
    auto* cmdClose = Button("cmdClose", "&Close", this);
    LayOutStandings(this, {lists_}, {badges_.row, week, role, conference, scope, ckLast3},
                    {cmdPrint, cmdClose});

    findChild<QRadioButton*>("OpFav")->setChecked(true);
    findChild<QRadioButton*>("OpNFC")->setChecked(true);
    connect(findChild<QRadioButton*>("OpFav"), &QRadioButton::toggled, this, [this](bool on) {
        model_->SetRole(on ? Role::Favorite : Role::Underdog);
        Redisplay();
    });
    connect(findChild<QRadioButton*>("OpNFC"), &QRadioButton::toggled, this, [this](bool on) {
        model_->SetConference(on ? Conference::NFC : Conference::AFC);
        Redisplay();
    });
    ConnectVenues(this, [this](Venue venue) {
        model_->SetScope(venue);
        Redisplay();
    });
    connect(cmdPrint, &QPushButton::clicked, this, &frmFavUnd::OnPrint);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    Redisplay();
    findChild<QRadioButton*>("OpFav")->setFocus();
    CenterAbove(this, 0);
}

void frmFavUnd::Redisplay() {
    lblWeek_->setText(Q(model_->WeekText()));
    badges_.Show(model_->ShownConference());
    lists_->Refresh();
}

void frmFavUnd::OnPrint() { RunReport(ctx_, this, *model_); }

}  // namespace gm::ui
