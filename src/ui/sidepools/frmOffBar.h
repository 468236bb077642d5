#pragma once

#include <QDialog>
#include <array>
#include <memory>
#include <optional>

#include "core/sidepools/SportsBox.h"

class QLabel;
class QRadioButton;

namespace gm::ui {

struct UiContext;
class BoxCell;
class BoxPlayerList;

// "The Office Sports Bar": the week's 10 x 10 box, its players, digits and game.
class frmOffBar : public QDialog {
    Q_OBJECT
public:
    // `seed` fixes the random draws (tests).
    explicit frmOffBar(UiContext& ctx, QWidget* parent = nullptr, std::optional<std::uint64_t> seed = std::nullopt);

    const SportsBox& Model() const { return *model_; }

public slots:
    void OnAdd();
    void OnImport();
    void OnSavePlayers();
    void OnClear();
    void OnReset();
    void OnPrint();
    void OnOK();
    void reject() override;  // Cancel, Escape and the close box: the close check

private:
    void DropOnBox(int box, int entry);
    void DropOnBasket(int entry);
    void ShowOwner(int box);
    void AskDigit(bool top, int position);
    void ChooseScheme(int option);
    void SpinWeek(int step);
    void SpinGame(int step);
    void ClearOptions();
    void RefreshList(int selectRow);
    void RefreshBoxes();
    void RefreshGame();
    bool Save();

    UiContext& ctx_;
    std::unique_ptr<SportsBox> model_;
    BoxPlayerList* lstPlayer_;
    std::array<BoxCell*, 100> lblBox_{};
    std::array<BoxCell*, 10> lblTop_{};
    std::array<BoxCell*, 10> lblLeft_{};
    std::array<QRadioButton*, 6> options_{};
    QLabel* lblWeek_;
    QLabel* lblGame_;
    QLabel* lblHomeTeam_;
    QLabel* lblAwayTeam_;
    QLabel* lblHomeSc_;
    QLabel* lblAwaySc_;
    QLabel* lblWinner_;
    QLabel* lblDigitsNote_;
};

}  // namespace gm::ui
