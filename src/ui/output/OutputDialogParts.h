#pragma once

#include <QString>
#include <utility>

class QDialog;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace gm::ui {

// Pieces the output dialogs share.

// OK (the default button) and Cancel at the foot of the dialog, created last
// so that Tab reaches them last. The dialog keeps the size of its layout.
std::pair<QPushButton*, QPushButton*> AddOkCancel(QDialog* dialog, QVBoxLayout* layout);

// The "Send Output To:" frame: Text File, Printer, Clipboard and, when asked
// for, Web Page.
struct Destinations {
    QRadioButton* Text;
    QRadioButton* Printer;
    QRadioButton* Clipboard;
    QRadioButton* Web = nullptr;
};
Destinations AddDestinations(QDialog* dialog, QVBoxLayout* layout, bool web);

// Opens centred on its final size.
void CentreOnScreen(QDialog* dialog);

}  // namespace gm::ui
