#pragma once

#include <QDialog>

#include "core/nfl/Matchup.h"

class QListWidget;

namespace gm::ui {

struct UiContext;

// The two teams of a game side by side, away team on the left. The Away Team
// and Home Team buttons open that team's results.
class frmMatchup : public QDialog {
    Q_OBJECT
public:
    frmMatchup(UiContext& ctx, const Matchup& matchup, QWidget* parent = nullptr);

    const Matchup& Model() const { return matchup_; }
    void done(int result) override;

public slots:
    void OnPrint();

private:
    void ShowTeam(int team);

    UiContext& ctx_;
    Matchup matchup_;
    QListWidget* List1_;
};

}  // namespace gm::ui
