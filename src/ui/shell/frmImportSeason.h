#pragma once

#include <QDialog>
#include <string>

#include "core/data/SeasonMerge.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace gm::ui {

struct UiContext;

// "Import Season...": shows what was read from a season's games CSV (games,
// weeks, problems by line) and what importing it into the open pool folder
// would change; OK saves, and only then.
class frmImportSeason : public QDialog {
    Q_OBJECT
public:
    // `text` is the file's content, `fileName` its name as shown.
    frmImportSeason(UiContext& ctx, std::string text, const QString& fileName, QWidget* parent = nullptr);

    const SeasonImportPlan& Plan() const { return plan_; }
    bool Saved() const { return saved_; }

public slots:
    void Replan();
    void OnOK();

private:
    UiContext& ctx_;
    std::string text_;
    std::string fileName_;
    SeasonImportPlan plan_;
    bool saved_ = false;
    QSpinBox* season_;
    QCheckBox* lines_;
    QPlainTextEdit* read_;
    QPlainTextEdit* changes_;
    QPushButton* ok_;
};

}  // namespace gm::ui
