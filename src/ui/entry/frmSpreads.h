#pragma once

#include "ui/entry/EditorWeekDialog.h"

namespace gm::ui {

// Point spreads: the number is typed beside the underdog or the favourite, as
// the pool options say; the season always keeps the points each side gets.
class frmSpreads : public EditorWeekDialog<SpreadEditor> {
    Q_OBJECT
public:
    explicit frmSpreads(UiContext& ctx, QWidget* parent = nullptr);

    void done(int result) override;

private:
    void ShowHelp();
};

}  // namespace gm::ui
