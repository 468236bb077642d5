#include "frmPNFLResults.h"

#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/output/PrintJob.h"
#include "ui/output/CopyCountBox.h"
#include "ui/output/OutputDialogParts.h"
#include "ui/shell/QtText.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {

frmPNFLResults::frmPNFLResults(UiContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("frmPNFLResults");
    setWindowTitle(tr("Print Options"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    const Destinations d = AddDestinations(this, layout, true);
    opText_ = d.Text;
    opPrinter_ = d.Printer;
    opClipboard_ = d.Clipboard;
    opWeb_ = d.Web;
    copies_ = new CopyCountBox(tr("Select # of Copies If Printing"), "0", this);
    layout->addWidget(copies_);
    const auto [ok, cancel] = AddOkCancel(this, layout);

    connect(opPrinter_, &QRadioButton::toggled, copies_, &CopyCountBox::ShowCount);
    connect(ok, &QPushButton::clicked, this, &frmPNFLResults::OnOK);
    connect(cancel, &QPushButton::clicked, this, &frmPNFLResults::OnCancel);

    copies_->ShowCount(false);
    CentreOnScreen(this);
}

void frmPNFLResults::OnOK() {
    OutputRequest out;
    if (opText_->isChecked()) {
        out.OutTextFile = true;
    } else if (opPrinter_->isChecked()) {
        if (CopiesMissing(copies_->Count(), copies_->OnePerPlayer())) {
            ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(kIncompleteTitle), Q(kNoCopiesText));
            return;
        }
        out.OutPrinter = true;
        out.NumCopies = copies_->Count();
        out.OnePerPlayer = copies_->OnePerPlayer();
    } else if (opClipboard_->isChecked()) {
        out.OutClipboard = true;
    } else if (opWeb_->isChecked()) {
        out.OutWebPage = true;
    } else {
        return;  // nothing chosen: stay open
    }
    request_ = out;
    accept();
}

void frmPNFLResults::OnCancel() {
    request_ = {};
    QDialog::reject();
}

void frmPNFLResults::reject() {
    OnCancel();
}

}  // namespace gm::ui
