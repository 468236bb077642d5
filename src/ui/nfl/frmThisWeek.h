#pragma once

#include <QGridLayout>
#include <QDialog>
#include <array>
#include <memory>

#include "core/nfl/Matchup.h"

class QLabel;
class QRadioButton;

namespace gm::ui {

struct UiContext;

// "This  Weeks  Matchups": the week's games to choose one from; View Matchup
// opens the comparison of the chosen game.
class frmThisWeek : public QDialog {
    Q_OBJECT
public:
    explicit frmThisWeek(UiContext& ctx, QWidget* parent = nullptr);

    const MatchupChooser& Model() const { return *model_; }

public slots:
    void OnView();

private:
    void Spin(int step);
    void ShowGames();

    UiContext& ctx_;
    std::unique_ptr<MatchupChooser> model_;
    QLabel* lblWeek_;
    QLabel* lblMonday_;
    std::array<QRadioButton*, kMaxSlots> OpGame_{};
    // Today's league: each game's kick-off beside it, and the Monday-night
    // label moved to the week's tiebreak game.
    std::array<QLabel*, kMaxSlots> lblKickoff_{};
    QGridLayout* grid_ = nullptr;
    bool todayLayout_ = false;
};

}  // namespace gm::ui
