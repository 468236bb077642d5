#pragma once

#include <QGridLayout>
#include <QDialog>
#include <array>
#include <memory>

#include "core/nfl/NflResults.h"

class QLabel;

namespace gm::ui {

struct UiContext;

// " NFL  Results": one week's games, winner first, home team in capitals.
class frmNFLResults : public QDialog {
    Q_OBJECT
public:
    explicit frmNFLResults(UiContext& ctx, QWidget* parent = nullptr);

    const NflResults& Model() const { return *model_; }

public slots:
    void OnPrint();

private:
    void Spin(int step);
    void ShowWeekResults();

    UiContext& ctx_;
    std::unique_ptr<NflResults> model_;
    QLabel* lblWeek_;
    QLabel* lblMonday_;
    std::array<QLabel*, kMaxSlots> lblWonT_{};
    std::array<QLabel*, kMaxSlots> lblWon_{};
    std::array<QLabel*, kMaxSlots> lblLost_{};
    std::array<QLabel*, kMaxSlots> lblLostT_{};
    // Today's league: the Monday-night heading moves to the week's tiebreak
    // game, each slot having a row for it above its own.
    QGridLayout* games_ = nullptr;
    bool movingMonday_ = false;
};

}  // namespace gm::ui
