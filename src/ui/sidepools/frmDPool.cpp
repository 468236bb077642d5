#include "frmDPool.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/shell/Help.h"
#include "core/sidepools/DigitalPlayers.h"
#include "ui/output/RunOutput.h"
#include "ui/shell/HelpPages.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/WindowHelpers.h"
#include "ui/sidepools/SidePoolUi.h"

namespace gm::ui {

using namespace sideui;

frmDPool::frmDPool(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      model_(std::make_unique<DigitalPool>(ctx.State)),
      lstDigit_(new QListWidget(this)),
      lblWeek_(NamedLabel("lblWeek", this)),
      ckSort_(new QCheckBox("&Sort High to Low", this)) {
    setObjectName("frmDPool");
    setWindowTitle(Q(model_->ReportTitle()));
    setModal(true);
    lstDigit_->setObjectName("lstDigit");
    ckSort_->setObjectName("ckSort");
    FixedPitch(lstDigit_);
    auto* Label1 = NamedLabel("Label1", this, Q(DigitalPool::HeadingLabel()));
    FixedPitch(Label1);
    const QFontMetrics metrics(lstDigit_->font());
    lstDigit_->setMinimumSize(metrics.horizontalAdvance(QString(66, 'M')), metrics.height() * 24);

    auto* frame = new QGroupBox(" The  Digital  Pool ", this);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(Label1);
    frameLayout->addWidget(lstDigit_);

    auto* spin = new SpinButton(this);
    spin->setObjectName("SpinButton1");
    auto* weekCaption = new QLabel("&Week", this);
    weekCaption->setBuddy(spin);
    auto* week = new QHBoxLayout;
    week->addWidget(weekCaption);
    week->addWidget(lblWeek_);
    week->addWidget(spin);

    auto* show = new QGroupBox("Show", this);
    auto* showLayout = new QVBoxLayout(show);
    const char* captions[] = {"Show NFL &Teams Only", "Show P&layers Only", "Show &Both"};
    for (int i = 0; i < 3; ++i) {
        OpShow_[static_cast<std::size_t>(i)] = new QRadioButton(captions[i], show);
        OpShow_[static_cast<std::size_t>(i)]->setObjectName(QString("OpShow%1").arg(i));
        showLayout->addWidget(OpShow_[static_cast<std::size_t>(i)]);
    }
    OpShow_[0]->setChecked(true);

    auto* cmdPrint = Button("cmdPrint", "&Print", this);
    auto* cmdOK = Button("cmdOK", "&OK", this);
    auto* cmdHelp = Button("cmdHelp", "&Help", this);
    cmdOK->setDefault(true);

    auto* side = new QVBoxLayout;
    side->addLayout(week);
    side->addWidget(show);
    side->addWidget(ckSort_);
    side->addStretch();
    side->addWidget(cmdPrint);
    side->addWidget(cmdOK);
    side->addWidget(cmdHelp);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(frame, 1);
    layout->addLayout(side);

    connect(spin, &SpinButton::SpinUp, this, [this] { Spin(+1); });
    connect(spin, &SpinButton::SpinDown, this, [this] { Spin(-1); });
    for (int i = 0; i < 3; ++i) {
        connect(OpShow_[static_cast<std::size_t>(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (!on) return;
            model_->SetMode(static_cast<DigitalPool::Mode>(i));
            Redisplay();
        });
    }
    connect(ckSort_, &QCheckBox::toggled, this, [this](bool on) {
        model_->SetSort(on);
        Redisplay();
    });
    connect(cmdPrint, &QPushButton::clicked, this, &frmDPool::OnPrint);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdHelp, &QPushButton::clicked, this, [this] { ShowHelp(ctx_, this, Display::DigitalPool); });

    model_->SetMode(DigitalPool::Mode::Teams);
    Redisplay();
    adjustSize();
    CenterForm(this);
    TellNotes(ctx_, parent, dptext::LoadTitle, model_->LoadNotes());
}

void frmDPool::Redisplay() {
    Fill(lstDigit_, model_->Lines());
    lblWeek_->setText(Q(model_->WeekLabelText()));
}

void frmDPool::Spin(int step) {
    if (!model_->Spin(step)) {
        QApplication::beep();
        return;
    }
    Redisplay();
}

void frmDPool::OnPrint() { RunReport(ctx_, this, *model_); }

}  // namespace gm::ui
