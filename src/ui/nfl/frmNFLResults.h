#pragma once

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
    std::array<QLabel*, kSlots> lblWonT_{};
    std::array<QLabel*, kSlots> lblWon_{};
    std::array<QLabel*, kSlots> lblLost_{};
    std::array<QLabel*, kSlots> lblLostT_{};
};

}  // namespace gm::ui
