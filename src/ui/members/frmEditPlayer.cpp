#include "frmEditPlayer.h"

#include <QLineEdit>
#include <QPushButton>

#include "ui/members/MemberDialogParts.h"
#include "ui/shell/WindowHelpers.h"

namespace gm::ui {

frmEditPlayer::frmEditPlayer(UiContext& ctx, const QString& name, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      txt_(new QLineEdit(name.trimmed(), this)),
      cmdOK_(Button("cmdOK", "&OK", this)) {
    LayOutNameDialog(this, "frmEditPlayer", "Edit Player", "Edit Vadorurizizs Name ", txt_, "TxtEditPl",
                     cmdOK_, "&Cancel");
    connect(txt_, &QLineEdit::returnPressed, this, &frmEditPlayer::OnOK);
    connect(cmdOK_, &QPushButton::clicked, this, &frmEditPlayer::OnOK);
    adjustSize();
    CenterForm(this);
}

QString frmEditPlayer::Text() const {
    return txt_->text();
}

void frmEditPlayer::OnOK() {
    if (!txt_->text().isEmpty()) accept();
}

void frmEditPlayer::paintEvent(QPaintEvent*) {
    PaintBackground(this, ctx_, QColor(0, 0, 0), QColor(255, 0, 0), -1);
}

}  // namespace gm::ui
