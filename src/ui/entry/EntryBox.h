#pragma once

#include <QLineEdit>
#include <string_view>

#include "core/entry/EntryBoxes.h"

namespace gm::ui {

// An entry box that refuses keys its rule does not take, runs its rule on
// every change the user makes (typing or pasting), and selects its whole text
// when it gets the focus.
class EntryBox : public QLineEdit {
    Q_OBJECT
public:
    using KeyRule = bool (*)(char);
    using ChangeRule = BoxEdit (*)(std::string_view, int);

    EntryBox(KeyRule keyRule, ChangeRule changeRule, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnEdited(const QString& text);

    KeyRule keyRule_;
    ChangeRule changeRule_;
};

}  // namespace gm::ui
