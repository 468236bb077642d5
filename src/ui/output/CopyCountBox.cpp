#include "CopyCountBox.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace gm::ui {

namespace {

constexpr int kMaxCopies = 200;
constexpr int kCopiesLargeStep = 5;

// A count on a horizontal scroll bar keyed like a Windows scroll bar: Right and
// Down add one, Left and Up take one away, Page Down and Page Up move by the
// large step, Home and End go to the ends. (Qt's own scroll bar turns Right
// into a smaller count.)
class CountBar final : public QScrollBar {
public:
    explicit CountBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
            case Qt::Key_Right:
            case Qt::Key_Down: triggerAction(SliderSingleStepAdd); break;
            case Qt::Key_Left:
            case Qt::Key_Up: triggerAction(SliderSingleStepSub); break;
            case Qt::Key_PageDown: triggerAction(SliderPageStepAdd); break;
            case Qt::Key_PageUp: triggerAction(SliderPageStepSub); break;
            case Qt::Key_Home: triggerAction(SliderToMinimum); break;
            case Qt::Key_End: triggerAction(SliderToMaximum); break;
            default: QScrollBar::keyPressEvent(event); return;
        }
        event->accept();
    }
};

}  // namespace

QScrollBar* MakeCountBar(QWidget* parent) {
    return new CountBar(parent);
}

CopyCountBox::CopyCountBox(const QString& prompt, const QString& initialCount, QWidget* parent)
    : CopyCountBox(prompt, initialCount, Names{}, parent) {}

CopyCountBox::CopyCountBox(const QString& prompt, const QString& initialCount, const Names& names, QWidget* parent)
    : QWidget(parent),
      select_(new QLabel(prompt, this)),
      bar_(MakeCountBar(this)),
      count_(new QLabel(initialCount, this)),
      onePerPlayer_(new QCheckBox(tr("O&ne Per Player"), this)) {
    select_->setObjectName(names.Select);
    bar_->setObjectName(names.Bar);
    count_->setObjectName(names.Count);
    onePerPlayer_->setObjectName(names.OnePerPlayer);
    bar_->setRange(0, kMaxCopies);
    bar_->setSingleStep(1);
    bar_->setPageStep(kCopiesLargeStep);
    bar_->setMinimumWidth(180);
    bar_->setFocusPolicy(Qt::StrongFocus);
    select_->setBuddy(bar_);
    count_->setMinimumWidth(count_->fontMetrics().horizontalAdvance("0000"));
    count_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    row->addWidget(bar_, 1);
    row->addWidget(count_);
    layout->addWidget(select_);
    layout->addLayout(row);
    layout->addWidget(onePerPlayer_);
    // Hidden controls give up their room; what stays sits at the top of a taller cell.
    layout->addStretch();

    // The count follows the bar; a non-zero count clears "One Per Player"
    // (without its reset of the count) and brings the count back where the
    // check box itself is shown.
    connect(bar_, &QScrollBar::valueChanged, this, [this](int value) {
        count_->setText(QString::number(value));
        if (value != 0 && onePerPlayer_->isChecked()) {
            {
                const QSignalBlocker quiet(onePerPlayer_);
                onePerPlayer_->setChecked(false);
            }
            for (QWidget* w : std::initializer_list<QWidget*>{select_, bar_, count_})
                w->setHidden(onePerPlayer_->isHidden());
            emit OnePerPlayerToggled(false);
        }
        emit CountChanged(value);
    });
    // Checked: the count is blanked and hidden with its bar and prompt.
    // Unchecked: they come back at 0.
    connect(onePerPlayer_, &QCheckBox::toggled, this, [this](bool checked) {
        if (checked) count_->clear();
        for (QWidget* w : std::initializer_list<QWidget*>{select_, bar_, count_}) w->setHidden(checked);
        if (!checked) {
            bar_->setValue(0);
            count_->setText("0");
        }
        emit OnePerPlayerToggled(checked);
    });
}

int CopyCountBox::Count() const { return count_->text().toInt(); }

bool CopyCountBox::OnePerPlayer() const { return onePerPlayer_->isChecked(); }

void CopyCountBox::ShowCount(bool shown) {
    onePerPlayer_->setHidden(!shown);
    const bool count = shown && !onePerPlayer_->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{select_, bar_, count_}) w->setHidden(!count);
}

}  // namespace gm::ui
