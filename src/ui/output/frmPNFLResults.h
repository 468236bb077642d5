#pragma once

#include <QDialog>

class QRadioButton;

namespace gm::ui {

struct UiContext;
class CopyCountBox;

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
    UiContext& ctx_;
    QRadioButton* opText_;
    QRadioButton* opPrinter_;
    QRadioButton* opClipboard_;
    QRadioButton* opWeb_;
    CopyCountBox* copies_;
};

}  // namespace gm::ui
