#pragma once

#include <string>

namespace gm {

// What a writer tells the user when it has finished or failed: one message box.
// Writers in core only describe it; the window shows it through its Prompter.
struct OutputMessage {
    enum class Icon { None, Information, Exclamation };

    Icon icon = Icon::None;  // None: nothing to show
    std::string Title;
    std::string Text;

    static OutputMessage Confirm(std::string title, std::string text) {
        return {Icon::Information, std::move(title), std::move(text)};
    }
    static OutputMessage Failure(std::string title, std::string text) {
        return {Icon::Exclamation, std::move(title), std::move(text)};
    }
    static OutputMessage Silent() { return {}; }

    bool failed() const { return icon == Icon::Exclamation; }
};

}  // namespace gm
