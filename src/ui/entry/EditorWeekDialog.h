#pragma once

#include <string_view>
#include <utility>

#include "ui/entry/GameWeekDialog.h"

namespace gm::ui {

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

}  // namespace gm::ui
