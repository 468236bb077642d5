#include "frmCopies.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "core/output/PrintJob.h"
#include "ui/output/CopyCountBox.h"
#include "ui/output/OutputDialogParts.h"
#include "ui/shell/QtText.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {

frmCopies::frmCopies(UiContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("frmCopies");
    setWindowTitle(tr("Copies"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    count_ = new CopyCountBox(tr("Select # of Copies to print"), QString(), this);
    layout->addWidget(count_);
    const auto [ok, cancel] = AddOkCancel(this, layout);

    // The Sports Box reads the count as it is set: the bar's value, or one a member.
    connect(count_, &CopyCountBox::CountChanged, this, [this](int value) { copies_ = value; });
    connect(count_, &CopyCountBox::OnePerPlayerToggled, this,
            [this](bool checked) { copies_ = checked ? ctx_.State.MemberCount : 0; });
    connect(ok, &QPushButton::clicked, this, &frmCopies::OnOK);
    connect(cancel, &QPushButton::clicked, this, &frmCopies::OnCancel);
    CentreOnScreen(this);
}

void frmCopies::OnOK() {
    if (CopiesMissing(count_->Count(), count_->OnePerPlayer())) {
        ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(kIncompleteTitle), Q(kNoPicksheetsText));
        return;
    }
    goToPrinter_ = true;
    accept();
}

void frmCopies::OnCancel() {
    copies_ = 0;
    goToPrinter_ = false;
    QDialog::reject();
}

void frmCopies::reject() {
    OnCancel();
}

}  // namespace gm::ui
