#include "frmSBPrint.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/sidepools/SportsBoxReports.h"
#include "ui/output/RunOutput.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/WindowHelpers.h"
#include "ui/sidepools/SidePoolUi.h"

namespace gm::ui {

using namespace sideui;

frmSBPrint::frmSBPrint(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      sheet_(ctx.State),
      lblWeek_(NamedLabel("lblWeek", this)),
      ckDigits_(new QCheckBox("Print &Digits on Sides of Box", this)) {
    setObjectName("frmSBPrint");
    setWindowTitle(Q(SportsBoxSheet::Title));
    setModal(true);
    ckDigits_->setObjectName("ckDigits");

    auto* spin = new SpinButton(this);
    spin->setObjectName("SpinButton1");
    auto* weekCaption = new QLabel("&Week", this);
    weekCaption->setBuddy(spin);
    auto* title = new QLabel(Q(SportsBoxSheet::Title), this);
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    title->setFont(big);
    lblWeek_->setFont(big);

    auto* cmdPrint = Button("cmdPrint", "&Print", this);
    auto* cmdCancel = Button("cmdCancel", "&Cancel", this);
    cmdPrint->setDefault(true);

    auto* week = new QHBoxLayout;
    week->addWidget(weekCaption);
    week->addWidget(lblWeek_);
    week->addWidget(spin);
    week->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(week);
    layout->addWidget(ckDigits_);
    layout->addLayout(buttons);

    lblWeek_->setText(QString::number(sheet_.Week()));
    connect(spin, &SpinButton::SpinUp, this, [this] { Spin(+1); });
    connect(spin, &SpinButton::SpinDown, this, [this] { Spin(-1); });
    connect(cmdPrint, &QPushButton::clicked, this, &frmSBPrint::OnPrint);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    adjustSize();
    CenterForm(this);
}

void frmSBPrint::Spin(int step) {
    if (!sheet_.SpinWeek(step)) {
        QApplication::beep();
        return;
    }
    lblWeek_->setText(QString::number(sheet_.Week()));
}

void frmSBPrint::OnPrint() {
    // The check box is read as Print is pressed.
    sheet_.PrintDigits = ckDigits_->isChecked();
    DispatchToWindow(ctx_, this, SportsBoxSheetPrintout(sheet_), OutputRequest::Printer());
    accept();
}

}  // namespace gm::ui
