#pragma once

#include <QDialog>
#include <memory>

#include "core/nfl/TeamResults.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;

namespace gm::ui {

struct UiContext;

// "NFL Team Results": one team's season week by week. Opens on the team
// ResultsTeam names; closing sets ResultsTeam back to 0.
class frmTResults : public QDialog {
    Q_OBJECT
public:
    explicit frmTResults(UiContext& ctx, QWidget* parent = nullptr);

    const TeamResults& Model() const { return *model_; }

    void done(int result) override;

public slots:
    void OnPrint();

private:
    void ShowTeamResults();
    void ShowSpreadColumn(bool show);

    UiContext& ctx_;
    std::unique_ptr<TeamResults> model_;
    QComboBox* Combo1_;
    QGroupBox* TFrame_;
    QListWidget* lstTResults_;
    QCheckBox* ckPSResults_;
    QLabel* lblHome_;
    QLabel* lblAway_;
    QLabel* lblPS_;
    QLabel* lblPSCaption_;
    QLabel* lblPointsFor_;
    QLabel* lblPointsAgainst_;
    QLabel* lblAvgPF_;
    QLabel* lblAvgPA_;
};

}  // namespace gm::ui
