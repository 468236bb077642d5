#pragma once

#include <QDialog>

#include "core/members/MemberList.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace gm::ui {

struct UiContext;

// The pool members window: the sorted list of names that replaces the pool
// file on OK.
class frmPlayer : public QDialog {
    Q_OBJECT
public:
    explicit frmPlayer(UiContext& ctx, QWidget* parent = nullptr);

    const MemberList& List() const { return list_; }

    // What the add window does with each name typed.
    // Adds the name to the list; a name a member already has in another
    // letter case (or the same) is added only when the user says Yes. False
    // when it was not added.
    bool AddName(const QString& name);

public slots:
    void OnAdd();
    void OnEdit();
    void OnRemove();
    void OnOK();
    void reject() override;  // Cancel, Escape and the close box: the close check

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Refresh(int selectRow);
    void UpdateButtons();
    // The name as it will be stored; tells the user when characters are lost.
    QString Storable(const QString& name);
    bool Save();

    UiContext& ctx_;
    MemberList list_;
    QListWidget* lstPlayer_;
    QLabel* lblNum_;
    QPushButton* cmdEdit_;
    QPushButton* cmdRemove_;
};

}  // namespace gm::ui
