#include "frmEzEntry.h"

#include <QApplication>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/output/RunOutput.h"
#include "ui/shell/QtText.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"

namespace gm::ui {

frmEzEntry::frmEzEntry(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      model_(std::make_unique<EzEntrySheet>(ctx.State)),
      lblWeek_(new QLabel(this)),
      lblWeek2_(new QLabel(this)) {
    setObjectName("frmEzEntry");
    setWindowTitle("EZ Entry NFL Sheet");
    setModal(true);

    auto* title = new QLabel(Q(model_->ReportTitle()), this);
    title->setObjectName("lblTitle");
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    auto* about = new QLabel(
        "This will print two weeks of NFL Scoresheets so you \ncan easily enter point spreads and game scores.", this);
    about->setObjectName("lblAbout");

    lblWeek_->setObjectName("lblWeek");
    lblWeek2_->setObjectName("lblWeek2");
    auto* spin = new SpinButton(this);
    spin->setObjectName("SpinButton1");
    auto* weeksLabel = new QLabel("&Weeks", this);
    weeksLabel->setBuddy(spin);
    auto* weeks = new QHBoxLayout;
    weeks->addStretch();
    weeks->addWidget(weeksLabel);
    weeks->addWidget(lblWeek_);
    weeks->addWidget(new QLabel("-", this));
    weeks->addWidget(lblWeek2_);
    weeks->addWidget(spin);
    weeks->addStretch();

    auto* cmdPrint = Button("cmdPrint", "&Print", this);
    auto* cmdCancel = Button("cmdCancel", "&Cancel", this);
    cmdPrint->setDefault(true);
    cmdPrint->setAutoDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdCancel);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(about);
    layout->addLayout(weeks);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ShowWeeks();
    connect(spin, &SpinButton::SpinUp, this, [this] { Spin(+1); });
    connect(spin, &SpinButton::SpinDown, this, [this] { Spin(-1); });
    connect(cmdPrint, &QPushButton::clicked, this, &frmEzEntry::OnPrint);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    spin->setFocus();
    adjustSize();
    CenterForm(this);
}

void frmEzEntry::ShowWeeks() {
    lblWeek_->setText(QString::number(model_->FirstWeek()));
    lblWeek2_->setText(QString::number(model_->SecondWeek()));
}

void frmEzEntry::Spin(int step) {
    if (!model_->Spin(step)) {
        QApplication::beep();
        return;
    }
    ShowWeeks();
}

void frmEzEntry::OnPrint() {
    if (DispatchToWindow(ctx_, this, *model_, OutputRequest::Printer())) accept();
}

}  // namespace gm::ui
