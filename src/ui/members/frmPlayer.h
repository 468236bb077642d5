#pragma once

#include <QDialog>

#include <vector>

#include "core/members/MemberList.h"
#include "core/site/PinSlips.h"
#include "net/PinStore.h"

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

    // Tests issue PINs with the cheapest hash.
    void SetPinCost(net::PinCost cost) { pinCost_ = cost; }

public slots:
    void OnAdd();
    void OnEdit();
    void OnRemove();
    // The picks site's PINs: a new one for the selected member, or new ones
    // for several members, with slips to hand out.
    void OnIssuePin();
    void OnPrintSlips();
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
    // The record index of the saved member the row stands for; -1 when the
    // row is new or renamed here, or its name is not one member's alone.
    int SavedMemberAt(int row) const;
    void PrintSlips(const std::vector<PinSlip>& slips);

    UiContext& ctx_;
    MemberList list_;
    QListWidget* lstPlayer_;
    QLabel* lblNum_;
    QPushButton* cmdEdit_;
    QPushButton* cmdRemove_;
    QPushButton* cmdPin_ = nullptr;
    net::PinCost pinCost_ = net::InteractiveCost();
};

}  // namespace gm::ui
