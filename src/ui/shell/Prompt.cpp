#include "Prompt.h"

#include <QMessageBox>

namespace gm::ui {

PromptAnswer MessageBoxPrompter::Ask(QWidget* parent, PromptIcon icon, PromptButtons buttons, const QString& title,
                                     const QString& text, std::optional<PromptAnswer> defaultButton) {
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
        case PromptIcon::None: box.setIcon(QMessageBox::NoIcon); break;
        case PromptIcon::Information: box.setIcon(QMessageBox::Information); break;
        case PromptIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case PromptIcon::Stop: box.setIcon(QMessageBox::Critical); break;
        case PromptIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    switch (buttons) {
        case PromptButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case PromptButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case PromptButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case PromptButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    if (defaultButton) {
        switch (*defaultButton) {
            case PromptAnswer::Ok: box.setDefaultButton(QMessageBox::Ok); break;
            case PromptAnswer::Cancel: box.setDefaultButton(QMessageBox::Cancel); break;
            case PromptAnswer::Yes: box.setDefaultButton(QMessageBox::Yes); break;
            case PromptAnswer::No: box.setDefaultButton(QMessageBox::No); break;
        }
    }
    switch (box.exec()) {
        case QMessageBox::Yes: return PromptAnswer::Yes;
        case QMessageBox::No: return PromptAnswer::No;
        case QMessageBox::Ok: return PromptAnswer::Ok;
        default: return buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Cancel;
    }
}

PromptAnswer ScriptedPrompter::Ask(QWidget*, PromptIcon icon, PromptButtons buttons, const QString& title,
                                   const QString& text, std::optional<PromptAnswer> defaultButton) {
    asked_.push_back({icon, buttons, title, text, defaultButton});
    if (!answers_.empty()) {
        const PromptAnswer a = answers_.front();
        answers_.pop_front();
        return a;
    }
    return buttons == PromptButtons::YesNo || buttons == PromptButtons::YesNoCancel ? PromptAnswer::Yes
                                                                                      : PromptAnswer::Ok;
}

}  // namespace gm::ui
