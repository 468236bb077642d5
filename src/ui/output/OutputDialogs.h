#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace gm::ui {

struct UiContext;

// A horizontal scroll bar for a count, keyed like a Windows scroll bar (Right
// and Page Down raise the count, Left and Page Up lower it, Home and End go to
// the ends). Range and steps are left to the caller.
QScrollBar* MakeCountBar(QWidget* parent);

// The copy count of the printer dialogs: the prompt (lblSelect), the scroll bar
// (hsbCopies) with the count beside it (lblCopies), and "One Per Player"
// (ckOnePerPlayer).
struct CopyCount {
    QLabel* Select = nullptr;
    QScrollBar* Bar = nullptr;
    QLabel* Count = nullptr;
    QCheckBox* OnePerPlayer = nullptr;
};

// "Send Output To": Text File, Printer, Clipboard or Web Page, with a copy
// count and "One Per Player" for the printer. OK writes the output request of
// the context; Cancel (or Escape) clears it.
// Controls: OpText, OpPrinter, OpClipboard, OpWeb, lblSelect, hsbCopies,
// lblCopies, ckOnePerPlayer, cmdOK, cmdCancel.
class frmPNFLResults : public QDialog {
    Q_OBJECT
public:
    explicit frmPNFLResults(UiContext& ctx, QWidget* parent = nullptr);

public slots:
    void OnOK();
    void OnCancel();
    void reject() override;  // Escape and the close box cancel

private:
    void ShowCopies(bool shown);

    UiContext& ctx_;
    QRadioButton* opText_;
    QRadioButton* opPrinter_;
    QRadioButton* opClipboard_;
    QRadioButton* opWeb_;
    CopyCount copies_;
};

// The three-destination variant of the Player Analyst: Text File, Printer,
// Clipboard; no copies. Controls: OpText, OpPrinter, OpClipboard, cmdOK, cmdCancel.
class frmAPrint : public QDialog {
    Q_OBJECT
public:
    explicit frmAPrint(UiContext& ctx, QWidget* parent = nullptr);

public slots:
    void OnOK();
    void OnCancel();
    void reject() override;  // Escape and the close box cancel

private:
    UiContext& ctx_;
    QRadioButton* opText_;
    QRadioButton* opPrinter_;
    QRadioButton* opClipboard_;
};

// Copies of the Sports Box sheets. The result is read with Copies() and
// GoToPrinter() after the dialog closes. Controls: lblSelect, hsbCopies,
// lblCopies, ckOnePerPlayer, cmdOK, cmdCancel.
class frmCopies : public QDialog {
    Q_OBJECT
public:
    explicit frmCopies(UiContext& ctx, QWidget* parent = nullptr);

    int Copies() const { return copies_; }
    bool GoToPrinter() const { return goToPrinter_; }

public slots:
    void OnOK();
    void OnCancel();
    void reject() override;  // Escape and the close box cancel

private:
    UiContext& ctx_;
    CopyCount count_;
    int copies_ = 0;
    bool goToPrinter_ = false;
};

}  // namespace gm::ui
