#pragma once

#include <QDialog>
#include <memory>

#include "core/nfl/WhosHot.h"
#include "ui/nfl/NflWindowParts.h"

class QLabel;

namespace gm::ui {

struct UiContext;
class DivisionLists;

// "Who's Hot, Who's Not": the conference standings between a start and an
// end week, by default the current week alone.
class frmWhosHot : public QDialog {
    Q_OBJECT
public:
    explicit frmWhosHot(UiContext& ctx, QWidget* parent = nullptr);

    const WhosHot& Model() const { return *model_; }

public slots:
    void OnPrint();
    void OnHelp();

private:
    void Redisplay();
    void Spin(bool start, int step);

    UiContext& ctx_;
    std::unique_ptr<WhosHot> model_;
    DivisionLists* lists_;
    QLabel* lblStWeek_;
    QLabel* lblEndWeek_;
    ConferenceBadges badges_;
};

}  // namespace gm::ui
