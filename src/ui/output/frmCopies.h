#pragma once

#include <QDialog>

namespace gm::ui {

struct UiContext;
class CopyCountBox;

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
    CopyCountBox* count_;
    int copies_ = 0;
    bool goToPrinter_ = false;
};

}  // namespace gm::ui
