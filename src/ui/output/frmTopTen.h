#pragma once

#include "ui/output/PickSheetDialog.h"

namespace gm::ui {

// The "TopTen" pick sheet dialog (see PickSheetDialog for its controls).
class frmTopTen : public PickSheetDialog {
    Q_OBJECT
public:
    explicit frmTopTen(UiContext& ctx, QWidget* parent = nullptr)
        : PickSheetDialog(ctx, SheetStyle::TopTen, parent) {}
};

}  // namespace gm::ui
