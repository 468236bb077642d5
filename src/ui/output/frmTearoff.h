#pragma once

#include "ui/output/PickSheetDialog.h"

namespace gm::ui {

// The "Tearoff" pick sheet dialog (see PickSheetDialog for its controls).
class frmTearoff : public PickSheetDialog {
    Q_OBJECT
public:
    explicit frmTearoff(UiContext& ctx, QWidget* parent = nullptr)
        : PickSheetDialog(ctx, SheetStyle::Tearoff, parent) {}
};

}  // namespace gm::ui
