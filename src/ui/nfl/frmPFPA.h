#pragma once

#include <QDialog>
#include <memory>

#include "core/nfl/PointsStandings.h"

class QLabel;
class QListWidget;
class QTimer;

namespace gm::ui {

struct UiContext;
class TeamEmblem;

// "&Points For/ Points Against": the teams ranked by points scored or
// allowed, with the team emblems shown one after another.
class frmPFPA : public QDialog {
    Q_OBJECT
public:
    explicit frmPFPA(UiContext& ctx, QWidget* parent = nullptr);

    const PointsStandings& Model() const { return *model_; }
    // The team (0 to 29) whose emblem shows.
    int ShownEmblem() const { return emblem_; }

    void done(int result) override;

public slots:
    void OnPrint();
    void NextEmblem();

private:
    void Redisplay();
    void Spin(bool start, int step);
    void ShowEmblem();

    UiContext& ctx_;
    std::unique_ptr<PointsStandings> model_;
    QListWidget* lstTop15_;
    QListWidget* lstBot15_;
    QLabel* lblStart_;
    QLabel* lblEnd_;
    TeamEmblem* Image1_;
    QTimer* Timer1_;
    int emblem_ = 0;
};

}  // namespace gm::ui
