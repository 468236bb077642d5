#pragma once

#include <QDialog>
#include <array>
#include <string_view>
#include <utility>

#include "core/entry/SeasonEditors.h"
#include "ui/entry/EntryBox.h"
#include "ui/shell/UiContext.h"

class QHBoxLayout;
class QLabel;
class QVBoxLayout;

namespace gm::ui {

// Reads the current season again after an editing window has closed, and
// says so when the file cannot be read.
void RereadSeasonAfterEditing(UiContext& ctx, QWidget* parent);

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

    std::array<QLabel*, kSlots> awayLabels_{};
    std::array<QLabel*, kSlots> homeLabels_{};
    std::array<EntryBox*, kSlots> awayBoxes_{};
    std::array<EntryBox*, kSlots> homeBoxes_{};
    QLabel* weekLabel_;
    QVBoxLayout* layout_;
    QHBoxLayout* buttons_;
};

// The week dialog bound to one of the core working copies (spreads or
// scores), which share the same operations.
template <typename Editor>
class EditorWeekDialog : public GameWeekDialog {
protected:
    EditorWeekDialog(UiContext& ctx, const char* formName, const QString& title, EntryBox::KeyRule keyRule,
                     EntryBox::ChangeRule changeRule, Editor editor, std::string_view changedText,
                     std::string_view changedTitle, QWidget* parent)
        : GameWeekDialog(ctx, formName, title, keyRule, changeRule, parent),
          editor_(std::move(editor)),
          changedText_(changedText),
          changedTitle_(changedTitle) {}

    bool HasGame(int slot) const override { return editor_.HasGame(week_, slot); }
    SlotBoxes Shown(int slot) const override { return editor_.Shown(week_, slot); }
    bool ChangedWithShown() const override { return editor_.ChangedWith(week_, ReadWeek()); }
    void StoreShown() override { editor_.StoreWeek(week_, ReadWeek()); }
    void ApplyTo(SeasonGrid& games) const override { editor_.ApplyTo(games); }
    void MarkSaved() override { editor_.MarkSaved(); }
    std::string_view ChangedText() const override { return changedText_; }
    std::string_view ChangedTitle() const override { return changedTitle_; }

    Editor editor_;

private:
    std::string_view changedText_;
    std::string_view changedTitle_;
};

// Point spreads: the number is typed beside the underdog or the favourite, as
// the pool options say; the season always keeps the points each side gets.
class frmSpreads : public EditorWeekDialog<SpreadEditor> {
    Q_OBJECT
public:
    explicit frmSpreads(UiContext& ctx, QWidget* parent = nullptr);

    void done(int result) override;

private:
    void ShowHelp();
};

// Final scores; OK works out every shown game's winner and loser.
class frmScores : public EditorWeekDialog<ScoreEditor> {
    Q_OBJECT
public:
    explicit frmScores(UiContext& ctx, QWidget* parent = nullptr);
};

}  // namespace gm::ui
