#include "frmPFPA.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/nfl/DivisionLists.h"
#include "ui/nfl/NflWindowParts.h"
#include "ui/nfl/TeamEmblem.h"
#include "ui/output/RunOutput.h"
#include "ui/pool/PoolUi.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"

namespace gm::ui {

namespace {

constexpr int kEmblemMs = 1500;

QListWidget* RankList(const char* name, const char* frameName, QWidget* parent, QGroupBox** frame) {
    auto* heading = new HeadingFrame(Q(PointsStandings::Caption()), parent);
    heading->setObjectName(frameName);
    UseFixedPitch(heading);
    auto* list = new QListWidget(heading);
    list->setObjectName(name);
    UseFixedPitch(list);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FitUnderCaption(heading, list, 15, 31);
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
    auto* ckTP = new QCheckBox("Use &Total Points", this);
    ckTP->setObjectName("ckTP");
    auto* ckPA = new QCheckBox("Use Points &Allowed", this);
    ckPA->setObjectName("ckPA");
    auto* ckSBC = new QCheckBox("Sort &By Conference", this);
    ckSBC->setObjectName("ckSBC");
    auto* spinStart = new SpinButton(this);
    spinStart->setObjectName("SpinButton1");
    auto* spinEnd = new SpinButton(this);
    spinEnd->setObjectName("SpinButton2");
    auto* start = WeekFrame("&Start Week", lblStart_, spinStart, this);
    auto* end = WeekFrame("&End Week", lblEnd_, spinEnd, this);
    auto* cmdPrint = Button("cmdPrint", "&Print", this);
    auto* cmdClose = Button("cmdClose", "&Close", this);
    cmdClose->setDefault(true);

    auto* weeks = new QHBoxLayout;
    weeks->addWidget(start);
    weeks->addWidget(end);
    auto* emblem = new QHBoxLayout;
    emblem->addStretch();
    emblem->addWidget(Image1_);
    emblem->addStretch();
    auto* side = new QVBoxLayout;
    side->addLayout(emblem);
    side->addLayout(weeks);
    side->addWidget(scope);
    side->addWidget(ckTP);
    side->addWidget(ckPA);
    side->addWidget(ckSBC);
    side->addStretch();
    side->addWidget(cmdPrint);
    side->addWidget(cmdClose);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(frTop15);
    layout->addWidget(frBot15);
    layout->addLayout(side);

    // Opening: the option handlers are connected after the first selection.
    findChild<QRadioButton*>("OpOverall")->setChecked(true);
    const std::pair<const char*, Venue> scopes[] = {
        {"OpOverall", Venue::Overall}, {"OpHome", Venue::Home}, {"OpRoad", Venue::Road}};
    for (const auto& [name, venue] : scopes) {
        connect(findChild<QRadioButton*>(name), &QRadioButton::toggled, this, [this, venue = venue](bool on) {
            if (!on) return;
            model_->SetScope(venue);
            Redisplay();
        });
    }
    connect(ckTP, &QCheckBox::toggled, this, [this](bool on) {
        model_->SetTotals(on);
        Redisplay();
    });
    connect(ckPA, &QCheckBox::toggled, this, [this](bool on) {
        model_->SetAllowed(on);
        Redisplay();
    });
    connect(ckSBC, &QCheckBox::toggled, this, [this](bool on) {
        model_->SetByConference(on);
        Redisplay();
    });
    connect(spinStart, &SpinButton::SpinUp, this, [this] { Spin(true, +1); });
    connect(spinStart, &SpinButton::SpinDown, this, [this] { Spin(true, -1); });
    connect(spinEnd, &SpinButton::SpinUp, this, [this] { Spin(false, +1); });
    connect(spinEnd, &SpinButton::SpinDown, this, [this] { Spin(false, -1); });
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
        }
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
    Image1_->Show(Q(ctx_.State.Teams.CityAbbr(team)), TeamConference(team));
}

void frmPFPA::NextEmblem() {
    emblem_ = (emblem_ + 1) % kTeams;
    ShowEmblem();
}

void frmPFPA::done(int result) {
    Timer1_->stop();
    QDialog::done(result);
}

void frmPFPA::OnPrint() { RunReport(ctx_, this, *model_); }

}  // namespace gm::ui
