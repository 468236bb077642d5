#pragma once

// What the graph windows do with their chart: lay it out and save it as a
// picture (their printout is the model's, through the dispatch). Header only:
// the windows that include it link the chart module.

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>
#include <initializer_list>
#include <string>

#include "core/output/WebPage.h"
#include "ui/display/ChartView.h"
#include "ui/shell/Prompt.h"
#include "ui/shell/QtText.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {

// The chart on the left taking the spare room, `side` to its right, and a row
// of buttons below: `left` at the left edge, `right` at the right edge.
inline void LayOutChartWindow(QDialog* window, ChartView* chart, QLayout* side,
                              std::initializer_list<QPushButton*> left,
                              std::initializer_list<QPushButton*> right) {
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : left) buttons->addWidget(b);
    buttons->addStretch();
    for (QPushButton* b : right) buttons->addWidget(b);
    auto* middle = new QHBoxLayout;
    middle->addWidget(chart, 1);
    middle->addLayout(side);
    auto* layout = new QVBoxLayout(window);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);
}

// The picture `name` goes beside the web pages; `confirmation` is shown only
// once the whole file is written, and a failure says why.
inline void SaveChartPicture(UiContext& ctx, QWidget* window, ChartView& chart, const std::string& name,
                             const QString& title, const QString& confirmation) {
    const fs::path path = WebFolder(ctx.State) / name;
    QString error;
    if (!chart.SaveImage(QString::fromStdString(path.string()), &error)) {
        ctx.Prompts.Tell(window, PromptIcon::Exclamation, title,
                         "The picture " + Q(name) + " could not be written: " + error);
        return;
    }
    ctx.Prompts.Tell(window, PromptIcon::Information, title, confirmation);
}

}  // namespace gm::ui
