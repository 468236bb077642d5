#pragma once

#include <QDialog>
#include <array>

#include "core/entry/TeamEditor.h"
#include "ui/shell/UiContext.h"

class QLineEdit;
class QPushButton;

namespace gm::ui {

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
