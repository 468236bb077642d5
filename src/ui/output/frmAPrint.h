#pragma once

#include <QDialog>

#include "core/output/OutputRequest.h"

class QRadioButton;

namespace gm::ui {

struct UiContext;

// The three-destination variant of the Player Analyst: Text File, Printer,
// Clipboard; no copies. Request() is what OK chose. Controls: OpText, OpPrinter, OpClipboard, cmdOK, cmdCancel.
class frmAPrint : public QDialog {
    Q_OBJECT
public:
    explicit frmAPrint(UiContext& ctx, QWidget* parent = nullptr);

    // What OK chose; nothing after Cancel.
    const OutputRequest& Request() const { return request_; }

public slots:
    void OnOK();
    void OnCancel();
    void reject() override;  // Escape and the close box cancel

private:
    OutputRequest request_;
    QRadioButton* opText_;
    QRadioButton* opPrinter_;
    QRadioButton* opClipboard_;
};

}  // namespace gm::ui
