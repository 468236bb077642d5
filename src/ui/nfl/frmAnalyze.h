#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "core/nfl/Analyzer.h"
#include "ui/shell/MarqueeParts.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace gm::ui {

class ElectronicSign;
struct UiContext;

// "The   NFL   Analyzer": records in a handicapping category over a week
// range, compared with a benchmark, and a sign with a week's scores.
class frmAnalyze : public QDialog {
    Q_OBJECT
public:
    explicit frmAnalyze(UiContext& ctx, QWidget* parent = nullptr);
    ~frmAnalyze() override;

    const Analyzer& Model() const { return *model_; }
    ElectronicSign* Sign() const { return marquee_.Sign(); }

public slots:
    void OnPrint();

private:
    void ShowTables();
    void ShowList();
    void SpinWeek(bool end, int step);
    bool CheckChange(int box);
    void ToggleExpand();
    void ToggleMarquee();

    UiContext& ctx_;
    std::unique_ptr<Analyzer> model_;
    MarqueeSign marquee_;
    QWidget* picDisplay_;
    QLabel* lblStWeek_;
    QLabel* lblEndWeek_;
    QLabel* lblMWeekCaption_ = nullptr;  // "Marquee Week": hides with the sign
    QLabel* lblMWeek_;
    SpinButton* MSpin_;
    std::array<QLineEdit*, 2> txtChange_{};
    std::array<int, 2> change_{100, 100};
    QComboBox* Combo1_;
    QListWidget* lstTeam_;
    QPushButton* cmdExpand_;
    QPushButton* cmdMarquee_;
    QPushButton* cmdGrid_;
};

}  // namespace gm::ui
