#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QScrollBar;

namespace gm::ui {

// A horizontal scroll bar for a count, keyed like a Windows scroll bar (Right
// and Page Down raise the count, Left and Page Up lower it, Home and End go to
// the ends). Range and steps are left to the caller.
QScrollBar* MakeCountBar(QWidget* parent);

// The copy count of every printer dialog: a prompt, a scroll bar 0 to 200
// (large step 5) with the count beside it, and "One Per Player". A non-zero
// count clears "One Per Player"; checking it blanks and hides the count with
// its bar and prompt; unchecking brings them back at 0. Hidden controls give
// up their room, so a dialog of fixed layout size closes up around them.
class CopyCountBox : public QWidget {
    Q_OBJECT
public:
    // Object names of the four controls, as each dialog documents them.
    struct Names {
        const char* Select = "lblSelect";
        const char* Bar = "hsbCopies";
        const char* Count = "lblCopies";
        const char* OnePerPlayer = "ckOnePerPlayer";
    };

    CopyCountBox(const QString& prompt, const QString& initialCount, QWidget* parent);
    CopyCountBox(const QString& prompt, const QString& initialCount, const Names& names, QWidget* parent);

    int Count() const;  // the count shown; a blank count reads as 0
    bool OnePerPlayer() const;
    // Shows or hides the whole count; hidden while "One Per Player" is checked.
    void ShowCount(bool shown);

    QScrollBar* Bar() const { return bar_; }
    QCheckBox* OnePerPlayerBox() const { return onePerPlayer_; }

signals:
    void CountChanged(int count);
    void OnePerPlayerToggled(bool checked);

private:
    QLabel* select_;
    QScrollBar* bar_;
    QLabel* count_;
    QCheckBox* onePerPlayer_;
};

}  // namespace gm::ui
