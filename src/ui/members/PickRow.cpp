#include "PickRow.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <array>

#include "ui/members/ConfidenceBox.h"

namespace gm::ui {

PickRow::PickRow(int row, QWidget* parent)
    : QWidget(parent),
      away_(new QRadioButton(this)),
      home_(new QRadioButton(this)),
      none_(new QRadioButton("None", this)),
      group_(new QButtonGroup(this)),
      points_(new ConfidenceBox(row, this)) {
    setObjectName(QStringLiteral("Picture1%1").arg(row));
    away_->setObjectName(QStringLiteral("OpAway%1").arg(row));
    home_->setObjectName(QStringLiteral("OpHome%1").arg(row));
    none_->setObjectName(QStringLiteral("OpNone%1").arg(row));
    away_->setMinimumWidth(150);
    home_->setMinimumWidth(150);
    // The row is the tab stop, not its buttons; a click on one gives the
    // focus to the row, the nearest parent that takes it.
    setFocusPolicy(Qt::StrongFocus);
    for (QRadioButton* b : {away_, home_, none_}) {
        group_->addButton(b);
        b->setFocusPolicy(Qt::NoFocus);
    }
    auto* line = new QHBoxLayout(this);
    line->setContentsMargins(4, 1, 0, 1);
    line->addWidget(away_);
    line->addWidget(new QLabel("at", this));
    line->addWidget(home_);
    line->addWidget(none_);
    line->addStretch();
    line->addWidget(points_);
}

void PickRow::SetCaptions(const QString& away, const QString& home) {
    // Team names are the user's text: an "&" must show, not make an access key.
    away_->setText(QString(away).replace('&', "&&"));
    home_->setText(QString(home).replace('&', "&&"));
}

PickChoice PickRow::Choice() const {
    if (home_->isChecked()) return PickChoice::Home;
    if (away_->isChecked()) return PickChoice::Away;
    if (none_->isChecked()) return PickChoice::None;
    return PickChoice::Neither;
}

void PickRow::SetChoice(PickChoice choice) {
    // A stored team that plays in neither side leaves all three unselected.
    group_->setExclusive(false);
    home_->setChecked(choice == PickChoice::Home);
    away_->setChecked(choice == PickChoice::Away);
    none_->setChecked(choice == PickChoice::None);
    group_->setExclusive(true);
    update();
}

void PickRow::Step(int step) {
    const std::array<QRadioButton*, 3> order{away_, home_, none_};
    int at = -1;
    for (int i = 0; i < 3; ++i)
        if (order[static_cast<std::size_t>(i)]->isChecked()) at = i;
    // From no choice at all, forward starts at the away team and back at "None".
    const int next = at < 0 ? (step > 0 ? 0 : 2) : (at + step + 3) % 3;
    order[static_cast<std::size_t>(next)]->setChecked(true);
    update();
}

void PickRow::ChooseByLetter(QChar letter) {
    const QChar wanted = letter.toLower();
    auto starts = [&](const QRadioButton* b) {
        const QString t = b->text().trimmed();
        return !t.isEmpty() && t[0].toLower() == wanted;
    };
    // Away first, as the row reads; when both teams start with the letter
    // (New York at New York) each press takes the other one.
    std::array<QRadioButton*, 2> teams{away_, home_};
    const std::size_t first = away_->isChecked() ? 1 : 0;
    for (std::size_t i = 0; i < 2; ++i) {
        QRadioButton* b = teams[(first + i) % 2];
        if (starts(b)) {
            b->setChecked(true);
            update();
            return;
        }
    }
    if (wanted == QLatin1Char('n')) none_->setChecked(true);
    update();
}

void PickRow::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            Step(-1);
            return;
        case Qt::Key_Right:
        case Qt::Key_Down:
            Step(1);
            return;
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            none_->setChecked(true);
            update();
            return;
        default:
            break;
    }
    const QString text = event->text();
    if (text.size() == 1 && text[0].isLetter()) {
        ChooseByLetter(text[0]);
        return;
    }
    QWidget::keyPressEvent(event);
}

void PickRow::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void PickRow::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

QRect PickRow::ChoicesRect() const {
    return away_->geometry().united(none_->geometry()).adjusted(-3, 0, 3, 0);
}

void PickRow::paintEvent(QPaintEvent*) {
    if (!hasFocus()) return;
    // The row being typed is marked across its three choices.
    QPainter p(this);
    QColor mark = palette().color(QPalette::Highlight);
    mark.setAlpha(60);
    p.fillRect(ChoicesRect(), mark);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = ChoicesRect();
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
}

}  // namespace gm::ui
