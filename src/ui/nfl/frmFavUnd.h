#pragma once

#include <QDialog>
#include <memory>

#include "core/nfl/FavUndStandings.h"
#include "ui/nfl/NflWindowParts.h"

class QLabel;

namespace gm::ui {

struct UiContext;
class DivisionLists;

// " NFL  Favorite/Underdog  Standings": records against the spread as the
// favourite or as the underdog.
class frmFavUnd : public QDialog {
    Q_OBJECT
public:
    explicit frmFavUnd(UiContext& ctx, QWidget* parent = nullptr);

    const FavUndStandings& Model() const { return *model_; }

public slots:
    void OnPrint();

private:
    void Redisplay();

    UiContext& ctx_;
    std::unique_ptr<FavUndStandings> model_;
    DivisionLists* lists_;
    QLabel* lblWeek_;
    ConferenceBadges badges_;
};

}  // namespace gm::ui
