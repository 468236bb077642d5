#include "OutputDialogParts.h"

#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/shell/WindowHelpers.h"

namespace gm::ui {

namespace {

QRadioButton* Option(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QRadioButton(text, parent);
    b->setObjectName(name);
    return b;
}

}  // namespace

std::pair<QPushButton*, QPushButton*> AddOkCancel(QDialog* dialog, QVBoxLayout* layout) {
    auto* ok = Button("cmdOK", QObject::tr("&OK"), dialog);
    auto* cancel = Button("cmdCancel", QObject::tr("&Cancel"), dialog);
    ok->setDefault(true);
    ok->setAutoDefault(true);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return {ok, cancel};
}

Destinations AddDestinations(QDialog* dialog, QVBoxLayout* layout, bool web) {
    auto* frame = new QGroupBox(QObject::tr("Send Output To:"), dialog);
    frame->setObjectName("frOutput");
    Destinations d{Option(frame, "OpText", QObject::tr("&Text File")),
                   Option(frame, "OpPrinter", QObject::tr("&Printer")),
                   Option(frame, "OpClipboard", QObject::tr("C&lipboard"))};
    if (web) d.Web = Option(frame, "OpWeb", QObject::tr("&Web Page"));
    auto* options = new QVBoxLayout(frame);
    for (auto* b : {d.Text, d.Printer, d.Clipboard, d.Web})
        if (b) options->addWidget(b);
    layout->addWidget(frame);
    return d;
}

void CentreOnScreen(QDialog* dialog) {
    dialog->adjustSize();
    CenterForm(dialog);
}

}  // namespace gm::ui
