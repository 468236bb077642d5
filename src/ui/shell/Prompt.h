#pragma once

#include <QString>
#include <deque>
#include <optional>
#include <vector>

class QWidget;

namespace gm::ui {

enum class PromptIcon { None, Information, Exclamation, Stop, Question };
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No };

// Every message box and question of the program goes through this interface,
// so that tests can answer by script and read back what was asked.
class Prompter {
public:
    virtual ~Prompter() = default;
    // `defaultButton` is the button Enter presses (the platform's choice when not given).
    virtual PromptAnswer Ask(QWidget* parent, PromptIcon icon, PromptButtons buttons, const QString& title,
                             const QString& text, std::optional<PromptAnswer> defaultButton = std::nullopt) = 0;

    // An OK-only message box.
    void Tell(QWidget* parent, PromptIcon icon, const QString& title, const QString& text) {
        Ask(parent, icon, PromptButtons::Ok, title, text);
    }
};

// The real one: QMessageBox.
class MessageBoxPrompter final : public Prompter {
public:
    PromptAnswer Ask(QWidget* parent, PromptIcon icon, PromptButtons buttons, const QString& title,
                     const QString& text, std::optional<PromptAnswer> defaultButton = std::nullopt) override;
};

// For tests: records every prompt and answers from a queue (OK, or the first
// button offered, when the queue is empty).
class ScriptedPrompter final : public Prompter {
public:
    struct Record {
        PromptIcon Icon;
        PromptButtons Buttons;
        QString Title;
        QString Text;
        std::optional<PromptAnswer> DefaultButton;
    };

    PromptAnswer Ask(QWidget* parent, PromptIcon icon, PromptButtons buttons, const QString& title,
                     const QString& text, std::optional<PromptAnswer> defaultButton = std::nullopt) override;

    void Answer(PromptAnswer a) { answers_.push_back(a); }
    const std::vector<Record>& Asked() const { return asked_; }
    void Clear() {
        asked_.clear();
        answers_.clear();
    }

private:
    std::deque<PromptAnswer> answers_;
    std::vector<Record> asked_;
};

}  // namespace gm::ui
