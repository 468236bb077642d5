#pragma once

#include <QDialog>

#include "core/entry/TeamEditor.h"
#include "ui/shell/UiContext.h"

class QListWidget;
class QPushButton;

namespace gm::ui {

// The team editor: every team's four names in a list; OK writes the changed
// names to the settings file, Reset brings back the built-in names.
class frmNFLCity : public QDialog {
    Q_OBJECT
public:
    explicit frmNFLCity(UiContext& ctx, QWidget* parent = nullptr);

    const TeamEditor& Editor() const { return editor_; }

public slots:
    void EditSelected();
    void Save();
    void ResetNames();
    void ShowHint();
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void UpdateEditButton();

    UiContext& ctx_;
    TeamEditor editor_;
    QListWidget* list_;
    QPushButton* edit_;
};

}  // namespace gm::ui
