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

#include <QInputDialog>
#include <optional>

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

}  // namespace gm::ui::sideui
