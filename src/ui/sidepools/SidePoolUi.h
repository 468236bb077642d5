#pragma once

// Small pieces shared by the side-pool windows.

#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QWidget>
#include <string>
#include <vector>

#include "ui/shell/Prompt.h"
#include "ui/shell/QtText.h"
#include "ui/shell/UiContext.h"

namespace gm::ui::sideui {

inline QLabel* NamedLabel(const char* name, QWidget* parent, const QString& text = {}) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

// Columns of list lines hold only in a fixed-pitch font.
inline void FixedPitch(QWidget* w) { w->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont)); }

inline void Fill(QListWidget* list, const std::vector<std::string>& lines) {
    list->clear();
    for (const auto& line : lines) list->addItem(Q(line));
}

// What a model found wrong while opening, told once in one box.
inline void TellNotes(UiContext& ctx, QWidget* parent, std::string_view title, const std::vector<std::string>& notes) {
    if (notes.empty()) return;
    std::string text;
    for (const auto& n : notes) text += (text.empty() ? "" : "\n") + n;
    ctx.Prompts.Tell(parent, PromptIcon::Exclamation, Q(title), Q(text));
}

}  // namespace gm::ui::sideui

#include <QDialog>
#include <QInputDialog>
#include <functional>
#include <optional>

#include "core/data/Status.h"
#include "ui/shell/Hourglass.h"

namespace gm::ui::sideui {

// The input box: a prompt, a line to type in, OK and Cancel. Cancel gives an
// empty answer. The dialog is named "InputBox" so tests can answer it.
inline QString InputBox(QWidget* parent, const QString& title, const QString& prompt) {
    QInputDialog box(parent);
    box.setObjectName("InputBox");
    box.setWindowTitle(title);
    box.setLabelText(QString(prompt).replace("\r\n", "\n"));
    box.setInputMode(QInputDialog::TextInput);
    if (box.exec() != QDialog::Accepted) return {};
    return box.textValue();
}

// An editing window's save, under the hourglass; a failure is told (and
// the window stays open). Returns true when it saved.
inline bool SaveOrTell(UiContext& ctx, QWidget* window, std::string_view failTitle, const std::function<Status()>& save) {
    Status s;
    {
        Hourglass wait;
        s = save();
    }
    if (!s) ctx.Prompts.Tell(window, PromptIcon::Exclamation, Q(failTitle), Q(s.message));
    return s.ok();
}

// Cancel, Escape or the close box of an editing window: with changes, asks
// whether to save them. Yes runs `ok` (which closes when the save works), No
// closes without saving, Cancel keeps the window open.
inline void CloseWithCheck(UiContext& ctx, QDialog* window, bool changed, std::string_view title,
                           std::string_view question, const std::function<void()>& ok,
                           const std::function<void()>& close) {
    if (changed) {
        const auto answer =
            ctx.Prompts.Ask(window, PromptIcon::Question, PromptButtons::YesNoCancel, Q(title), Q(question));
        if (answer == PromptAnswer::Cancel) return;
        if (answer == PromptAnswer::Yes) {
            ok();
            return;
        }
    }
    close();
}

}  // namespace gm::ui::sideui
