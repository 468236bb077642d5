#pragma once

#include <QDialog>
#include <memory>

#include "core/analysis/PlayerGraph.h"

class QComboBox;
class QLineEdit;

namespace gm::ui {

class ChartView;
struct UiContext;

// Player graphs: a member's wins, confidence points or winning percentage
// week by week against the pool's average, as bars or lines.
class frmPGraph : public QDialog {
    Q_OBJECT
public:
    explicit frmPGraph(UiContext& ctx, QWidget* parent = nullptr);

    const PlayerGraph& Model() const { return *model_; }
    ChartView* Chart() const { return Graph1_; }

public slots:
    void OnPrint();
    void OnSavePicture();

private:
    bool MemberChosen();
    void Draw();

    UiContext& ctx_;
    std::unique_ptr<PlayerGraph> model_;
    QComboBox* CboPlayer_;
    ChartView* Graph1_;
    QLineEdit* TxtPlAvg_;
    QLineEdit* TxtPoolAvg_;
    QLineEdit* txtPlTot_;
};

}  // namespace gm::ui
