#include "frmPFPA.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/nfl/DivisionLists.h"
#include "ui/nfl/NflWindowParts.h"
#include "ui/nfl/TeamEmblem.h"
#include "ui/output/RunOutput.h"
#include "ui/shell/ActivateLine.h"
#include "ui/shell/HeadingFrame.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"
#include "ui/shell/WindowParts.h"

namespace gm::ui {

namespace {

constexpr int kEmblemMs = 1500;
constexpr int kPlaces = 15;

// Keeps a list's rows sharing out its height, so fifteen places fill a list
// as tall as the column of choices beside it.
class ShareOutRows : public QObject {
public:
    ShareOutRows(QListWidget* list, int rows) : QObject(list), list_(list), rows_(rows) {
        list->viewport()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize && watched == list_->viewport()) {
            const QSize size = list_->viewport()->size();
            list_->setGridSize(QSize(size.width(), std::max(1, size.height() / rows_)));
            FitItems(list_);
        }
        return false;
    }

    // Each line as tall as its share, its text in the middle of it.
    static void FitItems(QListWidget* list) {
        if (!list->gridSize().isValid()) return;
        for (int row = 0; row < list->count(); ++row) list->item(row)->setSizeHint(list->gridSize());
    }

private:
    QListWidget* list_;
    int rows_;
};

QListWidget* RankList(const char* name, const char* frameName, QWidget* parent, QGroupBox** frame) {
    auto* heading = new HeadingFrame(Q(PointsStandings::Caption()), parent);
    heading->setObjectName(frameName);
    UseFixedPitch(heading);
    auto* list = new QListWidget(heading);
    list->setObjectName(name);
    UseFixedPitch(list);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FitUnderCaption(heading, list, kPlaces, 31);
    // At least the fifteen places; taller with the window, the rows spread out.
    list->setMinimumHeight(list->maximumHeight());
    list->setMaximumHeight(QWIDGETSIZE_MAX);
    new ShareOutRows(list, kPlaces);
    *frame = heading;
    return list;
}

}  // namespace

frmPFPA::frmPFPA(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      model_(std::make_unique<PointsStandings>(ctx.State)),
      lblStart_(Named("lblStart", this)),
      lblEnd_(Named("lblEnd", this)),
      Image1_(new TeamEmblem(this)),
      Timer1_(new QTimer(this)) {
    setObjectName("frmPFPA");
    setWindowTitle(Q(model_->ReportTitle()));
    setModal(true);

    QGroupBox* frTop15 = nullptr;
    QGroupBox* frBot15 = nullptr;
    lstTop15_ = RankList("lstTop15", "frTop15", this, &frTop15);
    lstBot15_ = RankList("lstBot15", "frBot15", this, &frBot15);
    Image1_->setObjectName("Image1");
    Timer1_->setObjectName("Timer1");
    auto* scope = OptionFrame("Games", {{"OpOverall", "&Overall"}, {"OpHome", "At Ho&me"}, {"OpRoad", "On &Road"}}, this);
    auto* ckTP = ToggleBox("ckTP", "Use &Total Points", this, [this](bool on) {
        model_->SetTotals(on);
        Redisplay();
    });
    auto* ckPA = ToggleBox("ckPA", "Use Points &Allowed", this, [this](bool on) {
        model_->SetAllowed(on);
        Redisplay();
    });
    auto* ckSBC = ToggleBox("ckSBC", "Sort &By Conference", this, [this](bool on) {
        model_->SetByConference(on);
        Redisplay();
    });
    auto* spinStart = new SpinButton(this);
    spinStart->setObjectName("SpinButton1");
    auto* spinEnd = new SpinButton(this);
    spinEnd->setObjectName("SpinButton2");
    auto* start = WeekFrame("&Start Week", lblStart_, spinStart, this);
    auto* end = WeekFrame("&End Week", lblEnd_, spinEnd, this);
    auto* cmdPrint = Button("cmdPrint", "&Print", this);
    auto* cmdClose = Button("cmdClose", "&Close", this);
    auto* emblem = new QHBoxLayout;
    emblem->addStretch();
    emblem->addWidget(Image1_);
    emblem->addStretch();
    LayOutStandings(this, {frTop15, frBot15}, {emblem, WeekPair(start, end), scope, ckTP, ckPA, ckSBC},
                    {cmdPrint, cmdClose});

    // Opening: the option handlers are connected after the first selection.
    ConnectVenues(this, [this](Venue venue) {
        model_->SetScope(venue);
        Redisplay();
    });
    OnSpin(spinStart, this, [this](int step) { Spin(true, step); });
    OnSpin(spinEnd, this, [this](int step) { Spin(false, step); });
    for (QListWidget* list : {lstTop15_, lstBot15_}) {
        new ActivateLine(list, [this, list](int row) {
            if (QListWidgetItem* item = list->item(row)) OpenTeamResults(ctx_, this, item->data(Qt::UserRole).toInt());
        });
    }
    connect(cmdPrint, &QPushButton::clicked, this, &frmPFPA::OnPrint);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(Timer1_, &QTimer::timeout, this, &frmPFPA::NextEmblem);

    Redisplay();
    ShowEmblem();
    Timer1_->start(kEmblemMs);
    findChild<QRadioButton*>("OpOverall")->setFocus();
    adjustSize();
    CenterForm(this);
    // 100 twips above the centre of the screen.
    move(x(), std::max(0, y() - 100 * logicalDpiY() / 1440));
}

void frmPFPA::Redisplay() {
    lblStart_->setText(Q(model_->StartText()));
    lblEnd_->setText(Q(model_->EndText()));
    for (int i = 0; i < 2; ++i) {
        QListWidget* list = i == 0 ? lstTop15_ : lstBot15_;
        const auto lines = model_->ListLines(i);
        const auto data = model_->ListItemData(i);
        list->clear();
        for (std::size_t row = 0; row < lines.size(); ++row) {
            auto* item = new QListWidgetItem(Q(lines[row]), list);
            item->setData(Qt::UserRole, data[row]);
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        }
        ShareOutRows::FitItems(list);
    }
}

void frmPFPA::Spin(bool start, int step) {
    if (!(start ? model_->SpinStart(step) : model_->SpinEnd(step))) {
        QApplication::beep();
        return;
    }
    Redisplay();
}

void frmPFPA::ShowEmblem() {
    const int team = emblem_ + 1;
    Image1_->Show(Q(ctx_.State.Teams.CityAbbr(team)), ctx_.State.League().Conference(team));
}

void frmPFPA::NextEmblem() {
    emblem_ = (emblem_ + 1) % ctx_.State.League().Teams;
    ShowEmblem();
}

void frmPFPA::done(int result) {
    Timer1_->stop();
    QDialog::done(result);
}

void frmPFPA::OnPrint() { RunReport(ctx_, this, *model_); }

}  // namespace gm::ui
