#pragma once

#include <QWidget>

#include "core/members/Selections.h"

class QButtonGroup;
class QRadioButton;

namespace gm::ui {

class ConfidenceBox;

// One game of a sheet: away, home or none, and its confidence box. The three
// choices are a single tab stop: the arrow keys, or the first letters of a
// team, choose among them, so a sheet can be typed without the mouse.
class PickRow : public QWidget {
    Q_OBJECT
public:
    PickRow(int row, QWidget* parent);

    QRadioButton* Away() const { return away_; }
    QRadioButton* Home() const { return home_; }
    QRadioButton* None() const { return none_; }
    ConfidenceBox* Points() const { return points_; }

    void SetCaptions(const QString& away, const QString& home);
    PickChoice Choice() const;
    void SetChoice(PickChoice choice);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Moves the choice one place along away, home, none (wrapping round).
    void Step(int step);
    // The next team whose caption starts with `letter`, after the one chosen.
    void ChooseByLetter(QChar letter);
    QRect ChoicesRect() const;

    QRadioButton* away_;
    QRadioButton* home_;
    QRadioButton* none_;
    QButtonGroup* group_;
    ConfidenceBox* points_;
};

}  // namespace gm::ui
