#pragma once

#include "ui/output/PickSheetDialog.h"

namespace gm::ui {

// The "Compact" pick sheet dialog (see PickSheetDialog for its controls).
class frmCompact : public PickSheetDialog {
    Q_OBJECT
public:
    explicit frmCompact(UiContext& ctx, QWidget* parent = nullptr)
        : PickSheetDialog(ctx, SheetStyle::Compact, parent) {}
};

}  // namespace gm::ui
