#include "MemberDialogParts.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/data/MemberRecord.h"
#include "ui/shell/PaintBlend.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"

namespace gm::ui {

QLabel* OpaqueLabel(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setAutoFillBackground(true);
    l->setMargin(2);
    return l;
}

void LayOutNameDialog(QDialog* dialog, const char* formName, const QString& title, const QString& caption,
                      QLineEdit* box, const char* boxName, QPushButton* take, const QString& leave) {
    dialog->setObjectName(formName);
    dialog->setWindowTitle(title);
    dialog->setModal(true);
    box->setObjectName(boxName);
    box->setMinimumWidth(240);
    // The pool file holds 18 characters of a name: the box takes no more, so
    // nothing is cut unseen at the save.
    box->setMaxLength(kNameLength);
    SelectAllOnFocus(box);  // the whole name is selected whenever the box gets the focus
    auto* cancel = Button("cmdCancel", leave, dialog);
    auto* label = OpaqueLabel(caption, dialog);
    label->setBuddy(box);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(take);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(label);
    layout->addWidget(box);
    layout->addLayout(buttons);
    take->setEnabled(!box->text().isEmpty());
    QObject::connect(box, &QLineEdit::textChanged, take,
                     [take](const QString& t) { take->setEnabled(!t.isEmpty()); });
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
}

void PaintBackground(QWidget* w, UiContext& ctx, QColor from, QColor to, int pattern) {
    if (ScreenColors(ctx) <= 256) return;
    QPainter painter(w);
    PaintBlendTwips(painter, w->size(), from, to, pattern);
}

}  // namespace gm::ui
