#pragma once

#include "ui/output/PickSheetDialog.h"

namespace gm::ui {

// The "NoExcuse" pick sheet dialog (see PickSheetDialog for its controls).
class frmNoExcuse : public PickSheetDialog {
    Q_OBJECT
public:
    explicit frmNoExcuse(UiContext& ctx, QWidget* parent = nullptr)
        : PickSheetDialog(ctx, SheetStyle::NoExcuse, parent) {}
};

}  // namespace gm::ui
