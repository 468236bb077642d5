#pragma once

#include <QDialog>
#include <memory>

#include "core/pool/PoolStandings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QRadioButton;

namespace gm::ui {

struct UiContext;
class HeadingFrame;

// "Vadoruriziz Standings": the pool standings, one week or season totals.
class frmPoolStn : public QDialog {
    Q_OBJECT
public:
    explicit frmPoolStn(UiContext& ctx, QWidget* parent = nullptr);

    const PoolStandings& Model() const { return *model_; }

public slots:
    void OnPrint();
    void OnListDoubleClick(int row);

private:
    void Redisplay();
    void Spin(bool endWeek, int step);
    int TextIndent() const;

    UiContext& ctx_;
    std::unique_ptr<PoolStandings> model_;
    QListWidget* lstPlayer_;
    HeadingFrame* frStandings_;
    QWidget* groupStrip_;
    QLabel* lblLeft_;
    QLabel* lblRight_;
    QLabel* lblStart_;
    QLabel* lblEnd_;
    QComboBox* Combo1_;
    QCheckBox* ckShowAll_;
    QLabel* lblPoolNum_;
    QLabel* lblActive_;
    QLabel* lblActiveNum_;
    QRadioButton* OpOneWeek_;
    QRadioButton* OpSeason_;
};

}  // namespace gm::ui
