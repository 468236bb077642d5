#pragma once

#include <QDialog>
#include <memory>

#include "core/nfl/LeagueStandings.h"

class QCheckBox;
class QLabel;
class QRadioButton;

namespace gm::ui {

struct UiContext;
class DivisionLists;

// "NFL League Standings": the six divisions, overall, at home or on the road,
// straight up or against the spread.
class frmLeague : public QDialog {
    Q_OBJECT
public:
    explicit frmLeague(UiContext& ctx, QWidget* parent = nullptr);

    const LeagueStandings& Model() const { return *model_; }

public slots:
    void OnPrint();
    void OnHint();

private:
    void Redisplay();

    UiContext& ctx_;
    std::unique_ptr<LeagueStandings> model_;
    DivisionLists* lists_;
    QLabel* lblWeek_;
};

}  // namespace gm::ui
