#pragma once

#include <QDialog>
#include <memory>

#include "core/nfl/ConferenceStandings.h"
#include "ui/nfl/NflWindowParts.h"

class QLabel;

namespace gm::ui {

struct UiContext;
class DivisionLists;

// " NFL  Conference Standings": one conference's divisions with division,
// conference and inter-conference records.
class frmConference : public QDialog {
    Q_OBJECT
public:
    explicit frmConference(UiContext& ctx, QWidget* parent = nullptr);

    const ConferenceStandings& Model() const { return *model_; }

public slots:
    void OnPrint();
    void OnHint();

private:
    void Redisplay();

    UiContext& ctx_;
    std::unique_ptr<ConferenceStandings> model_;
    DivisionLists* lists_;
    QLabel* lblWeek_;
    ConferenceBadges badges_;
};

}  // namespace gm::ui
