#pragma once

#include <QWidget>
#include <vector>

#include "core/nfl/DivisionStandings.h"

class QGroupBox;
class QListWidget;

namespace gm::ui {

struct UiContext;

// The division frames (frTeam0..) and their lists (lstTeam0..) of the NFL
// standings windows, showing what a standings model lists. Six frames in two
// columns (NFC left, AFC right) for the league; three in one column for the
// conference-style windows. Double-click or Enter on a line opens the team
// results window on that team.
class DivisionLists : public QWidget {
public:
    DivisionLists(UiContext& ctx, const DivisionStandings& model, QWidget* parent);

    // Shows the model's lines, captions and frame colour again.
    void Refresh();

private:
    void Chosen(int list, int row);

    UiContext& ctx_;
    const DivisionStandings& model_;
    std::vector<QGroupBox*> frames_;
    std::vector<QListWidget*> lists_;
};

// Opens the team results window on the team of a line's item data (team
// number - 1), as the standings windows do on a double-click.
void OpenTeamResults(UiContext& ctx, QWidget* parent, int itemData);

}  // namespace gm::ui
