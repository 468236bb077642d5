#include "frmPTape.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/display/ElectronicSign.h"
#include "ui/display/SignSetup.h"
#include "ui/shell/MarqueeParts.h"
#include "ui/shell/PaintBlend.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"
#include "ui/shell/WindowParts.h"

namespace gm::ui {

frmPTape::frmPTape(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      model_(std::make_unique<PoolMarquee>(ctx.State)),
      lblWeek_(Named("lblWeek", this)),
      lblSort_(Named("lblSort", this)),
      lblTB_(Named("lblTB", this)),
      lblPlayed_(Named("lblPlayed", this)),
      lblRank_(Named("lblRank", this)),
      cmdGrid_(Button("cmdGrid", "Hide &Grid", this)) {
    setObjectName("frmPTape");
    setWindowTitle("This Week In The Office Pool");
    setModal(true);

    const MarqueeParts parts = MakeMarqueeParts(this, "This Week In The Office Pool", lblWeek_);
    auto* title = parts.Title;
    auto* picDisplay = parts.Panel;
    auto* spin = parts.Spin;
    auto* weekCaption = parts.WeekCaption;

    QLabel* captions[] = {Named("lblSortCaption", this, "Sorted By"), Named("lblTBCaption", this, "Tiebreaker"),
                          Named("lblPlayedCaption", this, "Played This Week"),
                          Named("lblRankCaption", this, "Weekly Rank")};
    QLabel* values[] = {lblSort_, lblTB_, lblPlayed_, lblRank_};
    auto* info = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        values[i]->setFrameShape(QFrame::Panel);
        values[i]->setFrameShadow(QFrame::Sunken);
        values[i]->setAlignment(Qt::AlignCenter);
        values[i]->setMinimumWidth(100);
        info->addWidget(captions[i], 0, i);
        info->addWidget(values[i], 1, i);
    }
    info->addWidget(weekCaption, 0, 5);
    auto* weekRow = new QHBoxLayout;
    weekRow->addWidget(lblWeek_);
    weekRow->addWidget(spin);
    info->addLayout(weekRow, 1, 5);
    info->setColumnStretch(4, 1);

    auto* cmdOK = Button("cmdOK", "&OK", this);
    cmdOK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdGrid_);
    buttons->addStretch();
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(picDisplay);
    layout->addLayout(info);
    layout->addLayout(buttons);

    lblWeek_->setText(Q(model_->WeekText()));
    ShowLabels();

    SetupPoolMarqueeSign(*Sign(), picDisplay, cmdGrid_, {lblSort_, lblTB_, lblPlayed_, lblRank_}, ScreenColors(ctx));
    painted_ = lblSort_->autoFillBackground();
    if (painted_)
        UseLightCaptions({title, weekCaption, lblWeek_, captions[0], captions[1], captions[2], captions[3]});

    marquee_.Cycle(this, [this] { return model_->Finished(); }, [this] { lblRank_->setText(Q(model_->RankText())); });
    marquee_.Connect(this, cmdGrid_, spin, [this](int step) { return model_->Spin(step); },
                     [this] {
                         lblWeek_->setText(Q(model_->WeekText()));
                         ShowLabels();
                     });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    cmdOK->setFocus();
    adjustSize();
    CenterForm(this);
}

frmPTape::~frmPTape() = default;

void frmPTape::ShowLabels() {
    lblSort_->setText(Q(model_->SortText()));
    lblTB_->setText(Q(model_->TiebreakText()));
    lblPlayed_->setText(Q(model_->PlayedText()));
    lblRank_->setText(Q(model_->RankText()));
}

void frmPTape::paintEvent(QPaintEvent* event) {
    if (!painted_) return QDialog::paintEvent(event);
    QPainter p(this);
    PaintBlendTwips(p, size(), QColor(0, 0, 0), QColor(255, 0, 0), 2);  // black fanning into red
}

}  // namespace gm::ui
