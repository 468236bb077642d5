#pragma once

#include <QDialog>

class QRadioButton;

namespace gm::ui {

struct UiContext;

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

}  // namespace gm::ui
