#pragma once

#include "ui/entry/EditorWeekDialog.h"

namespace gm::ui {

// Final scores; OK works out every shown game's winner and loser.
class frmScores : public EditorWeekDialog<ScoreEditor> {
    Q_OBJECT
public:
    explicit frmScores(UiContext& ctx, QWidget* parent = nullptr);
};

}  // namespace gm::ui
