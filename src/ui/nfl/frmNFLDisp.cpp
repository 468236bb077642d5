#include "frmNFLDisp.h"

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

frmNFLDisp::frmNFLDisp(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      model_(std::make_unique<NflMarquee>(ctx.State)),
      lblWeek_(Named("lblWeek", this)),
      lblFav_(Named("lblFav", this)),
      lblSpread_(Named("lblSpread", this)),
      lblFavCaption_(Named("lblFavCaption", this, "Favorite")),
      lblSpreadCaption_(Named("lblSpreadCaption", this, "Spread")),
      cmdShow_(Button("cmdShow", "&Show Spread", this)),
      cmdGrid_(Button("cmdGrid", "Hide &Grid", this)) {
    setObjectName("frmNFLDisp");
    setWindowTitle("NFL Marquee");
    setModal(true);

    const MarqueeParts parts = MakeMarqueeParts(this, "This Week In The NFL", lblWeek_);
    auto* title = parts.Title;
    auto* picDisplay = parts.Panel;
    auto* spin = parts.Spin;
    auto* weekCaption = parts.WeekCaption;

    for (QLabel* l : {lblFav_, lblSpread_}) {
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        l->setMinimumWidth(140);
    }
    auto* info = new QGridLayout;
    info->addWidget(lblFavCaption_, 0, 0);
    info->addWidget(lblFav_, 0, 1);
    info->addWidget(lblSpreadCaption_, 0, 2);
    info->addWidget(lblSpread_, 0, 3);
    info->addWidget(weekCaption, 0, 5);
    info->addWidget(lblWeek_, 0, 6);
    info->addWidget(spin, 0, 7);
    info->setColumnStretch(4, 1);

    auto* cmdOK = Button("cmdOK", "&OK", this);
    cmdOK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdShow_);
    buttons->addWidget(cmdGrid_);
    buttons->addStretch();
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(picDisplay);
    layout->addLayout(info);
    layout->addLayout(buttons);

    lblWeek_->setText(Q(model_->WeekText()));
    for (QWidget* w : std::initializer_list<QWidget*>{lblFav_, lblSpread_, lblFavCaption_, lblSpreadCaption_})
        w->setVisible(false);

    SetupMarqueeSign(*Sign(), picDisplay, cmdGrid_, {lblFav_, lblSpread_, lblFavCaption_, lblSpreadCaption_},
                     ScreenColors(ctx));
    painted_ = lblFav_->autoFillBackground();
    if (painted_) UseLightCaptions({title, weekCaption, lblWeek_});

    marquee_.Cycle(this, [this] { return model_->Finished(); },
                   [this] {
                       lblFav_->setText(Q(model_->Favorite()));
                       lblSpread_->setText(Q(model_->Spread()));
                   });
    marquee_.Connect(this, cmdGrid_, spin, [this](int step) { return model_->Spin(step); },
                     [this] { lblWeek_->setText(Q(model_->WeekText())); });
    connect(cmdShow_, &QPushButton::clicked, this, &frmNFLDisp::ToggleSpread);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    cmdOK->setFocus();
    adjustSize();
    CenterForm(this);
}

frmNFLDisp::~frmNFLDisp() = default;

void frmNFLDisp::ToggleSpread() {
    const bool show = !lblFav_->isVisibleTo(this);
    for (QWidget* w : std::initializer_list<QWidget*>{lblFav_, lblSpread_, lblFavCaption_, lblSpreadCaption_})
        w->setVisible(show);
    cmdShow_->setText(show ? "&Hide Spread" : "&Show Spread");
}

void frmNFLDisp::paintEvent(QPaintEvent* event) {
    if (!painted_) return QDialog::paintEvent(event);
    QPainter p(this);
    PaintBlendTwips(p, size(), QColor(0, 200, 0), QColor(0, 0, 75), 2);  // green fanning into navy
}

}  // namespace gm::ui
