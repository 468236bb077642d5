#pragma once

#include <QDialog>
#include <memory>

#include "core/nfl/Marquee.h"
#include "ui/shell/MarqueeParts.h"

class QLabel;
class QPushButton;

namespace gm::ui {

class ElectronicSign;
struct UiContext;

// "This Week In The NFL": the week's games one after another on the sign,
// with the favourite and the spread beside it.
class frmNFLDisp : public QDialog {
    Q_OBJECT
public:
    explicit frmNFLDisp(UiContext& ctx, QWidget* parent = nullptr);
    ~frmNFLDisp() override;

    const NflMarquee& Model() const { return *model_; }
    ElectronicSign* Sign() const { return marquee_.Sign(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ToggleSpread();

    UiContext& ctx_;
    std::unique_ptr<NflMarquee> model_;
    MarqueeSign marquee_;
    QLabel* lblWeek_;
    QLabel* lblFav_;
    QLabel* lblSpread_;
    QLabel* lblFavCaption_;
    QLabel* lblSpreadCaption_;
    QPushButton* cmdShow_;
    QPushButton* cmdGrid_;
    bool painted_ = false;  // the window background is blended (more than 256 colours)
};

}  // namespace gm::ui
