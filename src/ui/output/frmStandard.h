#pragma once

#include "ui/output/PickSheetDialog.h"

namespace gm::ui {

// The "Standard" pick sheet dialog (see PickSheetDialog for its controls).
class frmStandard : public PickSheetDialog {
    Q_OBJECT
public:
    explicit frmStandard(UiContext& ctx, QWidget* parent = nullptr)
        : PickSheetDialog(ctx, SheetStyle::Standard, parent) {}
};

}  // namespace gm::ui
