#include "frmAddPlayer.h"

#include <QLineEdit>
#include <QPushButton>

#include "ui/members/MemberDialogParts.h"
#include "ui/members/frmPlayer.h"
#include "ui/shell/WindowHelpers.h"

namespace gm::ui {

frmAddPlayer::frmAddPlayer(UiContext& ctx, frmPlayer& owner)
    : QDialog(&owner),
      ctx_(ctx),
      owner_(owner),
      txt_(new QLineEdit(this)),
      cmdOK_(Button("cmdOK", "&Add", this)) {
    LayOutNameDialog(this, "frmAddPlayer", "Add Players", "Enter Vadorurizizs Name Below", txt_, "TxtAddPl",
                     cmdOK_, "&Exit");
    connect(txt_, &QLineEdit::returnPressed, this, &frmAddPlayer::OnAdd);
    connect(cmdOK_, &QPushButton::clicked, this, &frmAddPlayer::OnAdd);
    adjustSize();
    CenterForm(this);
}

void frmAddPlayer::OnAdd() {
    if (txt_->text().isEmpty()) return;
    // A name not added stays in the box, selected, to be changed or cleared.
    if (owner_.AddName(txt_->text()))
        txt_->clear();
    else
        txt_->selectAll();
    txt_->setFocus();
}

void frmAddPlayer::paintEvent(QPaintEvent*) {
    PaintBackground(this, ctx_, QColor(0, 0, 0), QColor(0, 255, 0), -1);
}

}  // namespace gm::ui
