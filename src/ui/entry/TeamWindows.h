#pragma once

#include <QDialog>
#include <array>

#include "core/entry/TeamEditor.h"
#include "ui/shell/UiContext.h"

class QLineEdit;
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

// One team's four names. OK keeps them in the editor's working copy.
class frmEditCity : public QDialog {
    Q_OBJECT
public:
    frmEditCity(UiContext& ctx, TeamEditor& editor, int team, QWidget* parent = nullptr);

public slots:
    void Keep();

private:
    TeamNames Typed() const;
    void BoxChanged();
    void EnterPressed();

    UiContext& ctx_;
    TeamEditor& editor_;
    int team_;
    std::array<QLineEdit*, 4> boxes_{};
    QPushButton* ok_;
};

}  // namespace gm::ui
