#include "frmNFLDisp.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/display/ElectronicSign.h"
#include "ui/display/SignSetup.h"
#include "ui/pool/PoolUi.h"
#include "ui/shell/MarqueeParts.h"
#include "ui/shell/PaintBlend.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"

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

    sign_ = new ElectronicSign;
    SetupMarqueeSign(*sign_, picDisplay, cmdGrid_, {lblFav_, lblSpread_, lblFavCaption_, lblSpreadCaption_},
                     ScreenColors(ctx));
    painted_ = lblFav_->autoFillBackground();
    if (painted_) UseLightCaptions({title, weekCaption, lblWeek_});

    connect(sign_, &ElectronicSign::finished, this, &frmNFLDisp::finished);
    connect(spin, &SpinButton::SpinUp, this, [this] { Spin(+1); });
    connect(spin, &SpinButton::SpinDown, this, [this] { Spin(-1); });
    connect(cmdShow_, &QPushButton::clicked, this, &frmNFLDisp::ToggleSpread);
    connect(cmdGrid_, &QPushButton::clicked, this, [this] { ToggleSignGrid(*sign_, cmdGrid_); });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    cmdOK->setFocus();
    adjustSize();
    CenterForm(this);
}

frmNFLDisp::~frmNFLDisp() {
    if (sign_) sign_->StopDisplay();
}

void frmNFLDisp::finished(ElectronicSign*) {
    ShowSignStep(*sign_, model_->Finished());
    lblFav_->setText(Q(model_->Favorite()));
    lblSpread_->setText(Q(model_->Spread()));
}

void frmNFLDisp::Spin(int step) {
    if (!model_->Spin(step)) {
        QApplication::beep();
        return;
    }
    lblWeek_->setText(Q(model_->WeekText()));
}

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
