#pragma once

#include <QDialog>
#include <memory>

#include "core/sheets/PickSheet.h"

class QLineEdit;
class QRadioButton;

namespace gm::ui {

struct UiContext;
class CopyCountBox;

// What the five pick-sheet dialogs share: the week box with its spin, names
// on the sheet or not, grouping, team names, the comment, the copy count and,
// for the styles with a text version, the destination; OK checks the choices
// in order, stores the [Picksheets] settings and writes the sheet.
// Controls: txtWeek, SpinButton1, OpName0 (YES), OpName1 (NO), OpGroup0
// (Fav/Und), OpGroup1 (Home/Away), OpCName, OpTName, txtComment, OpOutput0..2
// (Text File, Printer, Clipboard; not on printer-only styles), lblSelect,
// hsbNumCopies, lblNumCopies, CkNum, cmdOK, cmdHelp, cmdCancel.
class PickSheetDialog : public QDialog {
    Q_OBJECT
public:
    const PickSheet& Model() const { return *model_; }

public slots:
    void OnOK();

protected:
    PickSheetDialog(UiContext& ctx, SheetStyle style, QWidget* parent);

private:
    bool PrinterOnly() const;
    void Spin(int step);
    void WeekEdited();
    void ChooseNames(bool yes);
    void ChooseDestination(int which);
    void ShowCopies(bool shown);
    void Refuse(std::string_view title, std::string_view text);

    UiContext& ctx_;
    SheetStyle style_;
    std::unique_ptr<PickSheet> model_;
    QLineEdit* txtWeek_;
    QLineEdit* txtComment_;
    QRadioButton* opName_[2];
    QRadioButton* opGroup_[2];
    QRadioButton* opCName_;
    QRadioButton* opTName_;
    QRadioButton* opOutput_[3] = {nullptr, nullptr, nullptr};
    CopyCountBox* copies_;
    bool copiesShown_ = true;
};

}  // namespace gm::ui
