#pragma once

#include <QDialog>
#include <memory>

#include "core/analysis/PoolMarquee.h"
#include "ui/shell/MarqueeParts.h"

class QLabel;
class QPushButton;

namespace gm::ui {

class ElectronicSign;
struct UiContext;

// "This Week In The Office Pool": the week's pool results member by member
// on the yellow sign, with the sort, tiebreaker, players and rank beside it.
class frmPTape : public QDialog {
    Q_OBJECT
public:
    explicit frmPTape(UiContext& ctx, QWidget* parent = nullptr);
    ~frmPTape() override;

    const PoolMarquee& Model() const { return *model_; }
    ElectronicSign* Sign() const { return marquee_.Sign(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ShowLabels();

    UiContext& ctx_;
    std::unique_ptr<PoolMarquee> model_;
    MarqueeSign marquee_;
    QLabel* lblWeek_;
    QLabel* lblSort_;
    QLabel* lblTB_;
    QLabel* lblPlayed_;
    QLabel* lblRank_;
    QPushButton* cmdGrid_;
    bool painted_ = false;  // the window background is blended (more than 256 colours)
};

}  // namespace gm::ui
