#include "DivisionLists.h"

#include <algorithm>

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QVBoxLayout>

#include "ui/nfl/NflWindowParts.h"
#include "ui/shell/ActivateLine.h"
#include "ui/shell/HeadingFrame.h"
#include "ui/shell/Hourglass.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowParts.h"

namespace gm::ui {

void OpenTeamResults(UiContext& ctx, QWidget* parent, int itemData) {
    if (!ctx.Windows || !ctx.Windows->Has(Display::TeamResults)) return;
    {
        Hourglass wait;
        ctx.State.ResultsTeam = itemData;
    }
    ctx.Windows->Open(Display::TeamResults, ctx, parent);
}

DivisionLists::DivisionLists(UiContext& ctx, const DivisionStandings& model, QWidget* parent)
    : QWidget(parent), ctx_(ctx), model_(model) {
    const int count = model_.ListCount();
    const bool leagueLayout = !model_.ConferenceLayout();
    const int perColumn = std::max(1, (count + 1) / 2);  // the league's NFC divisions, then its AFC ones
    const int teams = LargestDivision(model_.SeasonLeague());
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < count; ++i) {
        auto* frame = new HeadingFrame(this);
        frame->setObjectName(QString("frTeam%1").arg(i));
        UseFixedPitch(frame);
        auto* list = new QListWidget(frame);
        list->setObjectName(QString("lstTeam%1").arg(i));
        UseFixedPitch(list);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // Every team of a division (five in 1997, four today), each line whole.
        FitUnderCaption(frame, list, teams, leagueLayout ? 38 : 70);
        if (leagueLayout)
            grid->addWidget(frame, i % perColumn, i / perColumn);  // NFC down the left, AFC down the right
        else
            grid->addWidget(frame, i, 0);
        new ActivateLine(list, [this, i](int row) { Chosen(i, row); });
        frames_.push_back(frame);
        lists_.push_back(list);
    }
    // Extra height goes below the frames, not into them.
    grid->setRowStretch(leagueLayout ? perColumn : count, 1);
    Refresh();
}

void DivisionLists::Refresh() {
    const QColor colour = !model_.ConferenceLayout()
                              ? palette().color(QPalette::WindowText)
                              : QColor::fromRgb(static_cast<QRgb>(model_.FrameColor()));
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        const int list = static_cast<int>(i);
        frames_[i]->setTitle(Q(model_.FrameCaption(list)));
        QPalette p = frames_[i]->palette();
        p.setColor(QPalette::WindowText, colour);
        frames_[i]->setPalette(p);
        lists_[i]->setPalette(palette());
        const auto lines = model_.ListLines(list);
        const auto data = model_.ListItemData(list);
        lists_[i]->clear();
        for (std::size_t row = 0; row < lines.size(); ++row) {
            auto* item = new QListWidgetItem(Q(lines[row]), lists_[i]);
            item->setData(Qt::UserRole, data[row]);
        }
    }
}

void DivisionLists::Chosen(int list, int row) {
    QListWidgetItem* item = lists_[static_cast<std::size_t>(list)]->item(row);
    if (!item) return;
    OpenTeamResults(ctx_, window(), item->data(Qt::UserRole).toInt());
}

}  // namespace gm::ui
