#pragma once

#include <QDialog>

#include "core/output/OutputRequest.h"

class QRadioButton;

namespace gm::ui {

struct UiContext;
class CopyCountBox;

// "Send Output To": Text File, Printer, Clipboard or Web Page, with a copy
// count and "One Per Player" for the printer. OK sets the output request that
// Request() hands to the dispatch; Cancel (or Escape) leaves it empty.
// Controls: OpText, OpPrinter, OpClipboard, OpWeb, lblSelect, hsbCopies,
// lblCopies, ckOnePerPlayer, cmdOK, cmdCancel.
class frmPNFLResults : public QDialog {
    Q_OBJECT
public:
    explicit frmPNFLResults(UiContext& ctx, QWidget* parent = nullptr);

    // What OK chose; nothing after Cancel.
    const OutputRequest& Request() const { return request_; }

public slots:
    void OnOK();
    void OnCancel();
    void reject() override;  // Escape and the close box cancel

private:
    UiContext& ctx_;
    OutputRequest request_;
    QRadioButton* opText_;
    QRadioButton* opPrinter_;
    QRadioButton* opClipboard_;
    QRadioButton* opWeb_;
    CopyCountBox* copies_;
};

}  // namespace gm::ui
