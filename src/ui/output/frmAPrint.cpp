#include "frmAPrint.h"

#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/output/OutputDialogParts.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {

frmAPrint::frmAPrint(UiContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("frmAPrint");
    setWindowTitle(tr("Print Options"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    const Destinations d = AddDestinations(this, layout, false);
    opText_ = d.Text;
    opPrinter_ = d.Printer;
    opClipboard_ = d.Clipboard;
    const auto [ok, cancel] = AddOkCancel(this, layout);

    connect(ok, &QPushButton::clicked, this, &frmAPrint::OnOK);
    connect(cancel, &QPushButton::clicked, this, &frmAPrint::OnCancel);
    CentreOnScreen(this);
}

void frmAPrint::OnOK() {
    auto& out = ctx_.State.Output;
    if (opText_->isChecked()) out.OutTextFile = true;
    if (opPrinter_->isChecked()) out.OutPrinter = true;
    if (opClipboard_->isChecked()) out.OutClipboard = true;
    accept();  // closes even with nothing chosen
}

void frmAPrint::OnCancel() {
    auto& out = ctx_.State.Output;
    out.OutTextFile = out.OutPrinter = out.OutClipboard = false;
    QDialog::reject();
}

void frmAPrint::reject() {
    OnCancel();
}

}  // namespace gm::ui
