#pragma once

#include <QDialog>
#include <array>

#include "core/entry/SeasonEditors.h"
#include "ui/shell/UiContext.h"

class QComboBox;
class QLabel;

namespace gm::ui {

// The season's schedule, a week at a time: the visiting and the home team of
// each of the 15 games. OK copies every week into the season and saves it.
class frmSchedule : public QDialog {
    Q_OBJECT
public:
    explicit frmSchedule(UiContext& ctx, QWidget* parent = nullptr);

    int WeekShown() const { return week_; }

public slots:
    void SpinUp() { Step(1); }
    void SpinDown() { Step(-1); }
    void Save();
    void reject() override;

private:
    void Step(int step);
    void ShowWeek();
    WeekTeams ReadWeek() const;
    void Select(QComboBox* box, int team);

    UiContext& ctx_;
    ScheduleEditor editor_;
    int week_;
    std::array<QComboBox*, 2 * kMaxSlots> combos_{};
    std::array<QLabel*, kMaxSlots> kickoffLabels_{};  // today's league only
    QLabel* weekLabel_;
};

}  // namespace gm::ui
