#include "frmAPrint.h"

#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/output/OutputDialogParts.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {

frmAPrint::frmAPrint(UiContext&, QWidget* parent) : QDialog(parent) {
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
    request_ = {};
    request_.OutTextFile = opText_->isChecked();
    request_.OutPrinter = opPrinter_->isChecked();
    request_.OutClipboard = opClipboard_->isChecked();
    accept();  // closes even with nothing chosen
}

void frmAPrint::OnCancel() {
    request_ = {};
    QDialog::reject();
}

void frmAPrint::reject() {
    OnCancel();
}

}  // namespace gm::ui
