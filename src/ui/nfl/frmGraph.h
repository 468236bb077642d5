#pragma once

#include <QDialog>
#include <memory>

#include "core/nfl/NflGraph.h"

class QLineEdit;

namespace gm::ui {

class ChartView;
struct UiContext;

// The league graph: wins and losses of each week for one kind of game and
// location, as bars or lines, with the season totals.
class frmGraph : public QDialog {
    Q_OBJECT
public:
    explicit frmGraph(UiContext& ctx, QWidget* parent = nullptr);

    const NflGraph& Model() const { return *model_; }
    ChartView* Chart() const { return Graph1_; }

public slots:
    void OnPrint();
    void OnSavePicture();

private:
    void Draw();

    UiContext& ctx_;
    std::unique_ptr<NflGraph> model_;
    ChartView* Graph1_;
    QLineEdit* TxtWins_;
    QLineEdit* TxtLosses_;
};

}  // namespace gm::ui
