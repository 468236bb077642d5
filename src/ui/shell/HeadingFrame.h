#pragma once

#include <QGroupBox>
#include <QLayout>
#include <QListWidget>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <algorithm>

namespace gm::ui {

// The frame above the list: its caption is the column heading.
class HeadingFrame : public QGroupBox {
public:
    using QGroupBox::QGroupBox;
    // Left edge of the caption's text inside the frame.
    int TitleLeft() const {
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        return style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this).left();
    }
};

// Shifts the list inside its frame so that its text starts where the frame's
// caption, the column heading, does: the columns sit under their titles.
inline void LineUpUnderCaption(HeadingFrame* frame, QLayout* frameLayout, QListWidget* list) {
    frame->ensurePolished();
    const int indent =
        list->frameWidth() + list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    QMargins margins = frameLayout->contentsMargins();
    margins.setLeft(std::max(frame->TitleLeft() - frame->contentsRect().left() - indent, 0));
    frameLayout->setContentsMargins(margins);
}

}  // namespace gm::ui
