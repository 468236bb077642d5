#pragma once

#include <QDialog>

#include "core/sidepools/DigitalPlayers.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace gm::ui {

struct UiContext;

// The Digital Pool players: a name and a team each; "Digital.dat" is rebuilt
// from the list on OK.
class frmDPlayer : public QDialog {
    Q_OBJECT
public:
    explicit frmDPlayer(UiContext& ctx, QWidget* parent = nullptr);

    const DigitalPlayers& Model() const { return model_; }

public slots:
    void OnAdd();
    void OnEdit();
    void OnDelete();
    void OnUpdate();
    void OnCancelUpdate();
    void OnOK();
    void reject() override;  // Cancel, Escape and the close box: the close check

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class EditMode { None, Add, Edit };
    void Refresh(int selectRow);
    void UpdateButtons();
    void StopEditing();
    bool Save();

    UiContext& ctx_;
    DigitalPlayers model_;
    EditMode mode_ = EditMode::None;
    int editRow_ = -1;
    QListWidget* lstPlayer_;
    QLabel* lblCount_;
    QComboBox* cboTeam_;
    QLineEdit* TxtAddPl_;
    QPushButton* cmdEdit_;
    QPushButton* cmdDelete_;
    QPushButton* cmdUpdate_;
    QPushButton* cmdCancelUpdate_;
};

}  // namespace gm::ui
