#pragma once

#include <QDialog>
#include <array>
#include <string_view>

#include "core/entry/SeasonEditors.h"
#include "ui/entry/EntryBox.h"
#include "ui/shell/UiContext.h"

class QHBoxLayout;
class QLabel;
class QVBoxLayout;

namespace gm::ui {

// A week of games, one line per slot: the visiting team and its box, the home
// team and its box. The spread and score windows differ only in what the
// boxes hold.
class GameWeekDialog : public QDialog {
    Q_OBJECT
public:
    int WeekShown() const { return week_; }

public slots:
    void SpinUp() { Step(1); }
    void SpinDown() { Step(-1); }
    void Save();
    void reject() override;

protected:
    GameWeekDialog(UiContext& ctx, const char* formName, const QString& title, EntryBox::KeyRule keyRule,
                   EntryBox::ChangeRule changeRule, QWidget* parent);

    // Called once the subclass's working copy exists.
    void ShowWeek();
    WeekEntryBoxes ReadWeek() const;
    QVBoxLayout* MainLayout() const { return layout_; }
    QHBoxLayout* ButtonRow() const { return buttons_; }

    virtual bool HasGame(int slot) const = 0;
    virtual SlotBoxes Shown(int slot) const = 0;
    virtual bool ChangedWithShown() const = 0;
    virtual void StoreShown() = 0;
    virtual void ApplyTo(SeasonGrid& games) const = 0;
    virtual void MarkSaved() = 0;
    virtual std::string_view ChangedText() const = 0;
    virtual std::string_view ChangedTitle() const = 0;

    UiContext& ctx_;
    int week_;

private:
    void Step(int step);

    const League& league_;
    std::array<QLabel*, kMaxSlots> awayLabels_{};
    std::array<QLabel*, kMaxSlots> homeLabels_{};
    std::array<EntryBox*, kMaxSlots> awayBoxes_{};
    std::array<EntryBox*, kMaxSlots> homeBoxes_{};
    std::array<QLabel*, kMaxSlots> kickoffLabels_{};  // today's league only
    QLabel* weekLabel_;
    QVBoxLayout* layout_;
    QHBoxLayout* buttons_;
};

}  // namespace gm::ui
