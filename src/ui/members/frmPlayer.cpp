#include "frmPlayer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/output/OutputRequest.h"
#include "core/site/PicksSite.h"
#include "core/site/SiteAddress.h"
#include "ui/members/MemberDialogParts.h"
#include "ui/members/frmAddPlayer.h"
#include "ui/members/frmEditPlayer.h"
#include "ui/output/RunOutput.h"
#include "ui/shell/Hourglass.h"
#include "ui/shell/Prompt.h"
#include "ui/shell/QtText.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"

namespace gm::ui {

frmPlayer::frmPlayer(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      list_(ctx.State),
      lstPlayer_(new QListWidget(this)),
      lblNum_(new QLabel(this)),
      cmdEdit_(Button("cmdEdit", " &Edit ", this)),
      cmdRemove_(Button("cmdRemove", "&Delete", this)) {
    setObjectName("frmPlayer");
    setWindowTitle("Pool Members");
    setModal(true);
    lstPlayer_->setObjectName("lstPlayer");
    lblNum_->setObjectName("lblNum");
    lblNum_->setAutoFillBackground(true);
    lblNum_->setMargin(2);
    auto* cmdOK = Button("cmdOK", "&OK", this);
    auto* cmdCancel = Button("cmdCancel", "&Cancel", this);
    auto* cmdAdd = Button("cmdAdd", " &Add ", this);
    cmdPin_ = Button("cmdPin", "Issue &PIN...", this);
    auto* cmdSlips = Button("cmdSlips", "Print &Slips...", this);

    auto* count = new QHBoxLayout;
    auto* caption = OpaqueLabel("Players In Pool", this);
    caption->setBuddy(lstPlayer_);
    count->addWidget(caption);
    count->addWidget(lblNum_);
    count->addStretch();
    auto* left = new QVBoxLayout;
    left->addLayout(count);
    left->addWidget(lstPlayer_);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {cmdAdd, cmdEdit_, cmdRemove_}) buttons->addWidget(b);
    buttons->addSpacing(12);
    buttons->addWidget(cmdPin_);
    buttons->addWidget(cmdSlips);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
    lstPlayer_->setMinimumSize(220, 260);
    // Tab runs from the list down the buttons as they stand.
    QWidget::setTabOrder(lstPlayer_, cmdAdd);
    QWidget::setTabOrder(cmdAdd, cmdEdit_);
    QWidget::setTabOrder(cmdEdit_, cmdRemove_);
    QWidget::setTabOrder(cmdRemove_, cmdPin_);
    QWidget::setTabOrder(cmdPin_, cmdSlips);
    QWidget::setTabOrder(cmdSlips, cmdOK);
    QWidget::setTabOrder(cmdOK, cmdCancel);

    connect(cmdAdd, &QPushButton::clicked, this, &frmPlayer::OnAdd);
    connect(cmdEdit_, &QPushButton::clicked, this, &frmPlayer::OnEdit);
    connect(cmdRemove_, &QPushButton::clicked, this, &frmPlayer::OnRemove);
    connect(cmdPin_, &QPushButton::clicked, this, &frmPlayer::OnIssuePin);
    connect(cmdSlips, &QPushButton::clicked, this, &frmPlayer::OnPrintSlips);
    connect(cmdOK, &QPushButton::clicked, this, &frmPlayer::OnOK);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPlayer::reject);
    connect(lstPlayer_, &QListWidget::itemSelectionChanged, this, &frmPlayer::UpdateButtons);
    connect(lstPlayer_, &QListWidget::itemDoubleClicked, this, &frmPlayer::OnEdit);

    ctx_.State.MembersChanged = false;
    Refresh(-1);
    adjustSize();
    CenterForm(this);
}

void frmPlayer::Refresh(int selectRow) {
    lstPlayer_->clear();
    for (const MemberEntry& e : list_.Entries()) {
        auto* item = new QListWidgetItem(Q(e.Name), lstPlayer_);
        item->setData(Qt::UserRole, e.Tag);
    }
    if (selectRow >= 0 && selectRow < lstPlayer_->count()) {
        lstPlayer_->setCurrentRow(selectRow);
        lstPlayer_->scrollToItem(lstPlayer_->item(selectRow));
    }
    lblNum_->setText(QString::number(list_.Count()));
    ctx_.State.MembersChanged = list_.Changed();
    UpdateButtons();
}

void frmPlayer::UpdateButtons() {
    const bool selected = !lstPlayer_->selectedItems().isEmpty();
    cmdEdit_->setEnabled(selected);
    cmdRemove_->setEnabled(selected);
    cmdPin_->setEnabled(selected);
}

QString frmPlayer::Storable(const QString& name) {
    bool lossless = true;
    const std::string stored = StorableName(S(name), &lossless);
    if (!lossless)
        ctx_.Prompts.Tell(this, PromptIcon::Information, Q(membertext::NameTitle),
                          Q(UnstorableNameText(S(name), stored)));
    return Q(stored);
}

bool frmPlayer::AddName(const QString& name) {
    if (const std::string existing = list_.SameNameAs(S(name)); !existing.empty()) {
        const PromptAnswer a =
            ctx_.Prompts.Ask(this, PromptIcon::Question, PromptButtons::YesNo, Q(membertext::SameNameTitle),
                             Q(SameNameQuestion(S(name), existing)), PromptAnswer::No);
        if (a != PromptAnswer::Yes) return false;
    }
    Refresh(list_.Add(S(Storable(name))));
    return true;
}

void frmPlayer::OnAdd() {
    frmAddPlayer add(ctx_, *this);
    add.exec();
}

void frmPlayer::OnEdit() {
    const int row = lstPlayer_->currentRow();
    if (row < 0 || lstPlayer_->selectedItems().isEmpty()) return;
    frmEditPlayer edit(ctx_, lstPlayer_->item(row)->text(), this);
    if (edit.exec() != QDialog::Accepted) return;
    Refresh(list_.Rename(row, S(Storable(edit.Text()))));
}

void frmPlayer::OnRemove() {
    const int row = lstPlayer_->currentRow();
    if (row < 0 || lstPlayer_->selectedItems().isEmpty()) return;
    // The question defaults to No: only an explicit Yes deletes.
    const PromptAnswer a =
        ctx_.Prompts.Ask(this, PromptIcon::Exclamation, PromptButtons::YesNo, Q(membertext::DeleteTitle),
                         Q(DeleteMemberQuestion(S(lstPlayer_->item(row)->text()))), PromptAnswer::No);
    if (a != PromptAnswer::Yes) return;
    list_.Remove(row);
    Refresh(-1);
    // The Delete button has just been switched off: the list takes the focus.
    lstPlayer_->setFocus();
}

int frmPlayer::SavedMemberAt(int row) const {
    if (row < 0 || row >= lstPlayer_->count()) return -1;
    const AppState& state = ctx_.State;
    const int tag = lstPlayer_->item(row)->data(Qt::UserRole).toInt();
    if (tag < 0 || tag >= state.MemberCount || tag >= static_cast<int>(state.Members.size())) return -1;
    const std::string& shown = list_.Entries()[static_cast<std::size_t>(row)].Name;
    // The site finds a member by name: a PIN is only of use to a name one member has.
    if (FindMember(state, shown) != tag) return -1;
    return tag;
}

void frmPlayer::OnIssuePin() {
    const int row = lstPlayer_->currentRow();
    if (row < 0 || lstPlayer_->selectedItems().isEmpty()) return;
    const int member = SavedMemberAt(row);
    if (member < 0) {
        ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(kPinTitle), Q(NoSavedMemberText(S(lstPlayer_->item(row)->text()))));
        return;
    }
    const std::string name = ctx_.State.Members[static_cast<std::size_t>(member)].TrimmedName();
    if (ctx_.Prompts.Ask(this, PromptIcon::Question, PromptButtons::YesNo, Q(kPinTitle), Q(IssuePinQuestion(name)),
                         PromptAnswer::No) != PromptAnswer::Yes)
        return;
    std::string pin;
    Status issued;
    {
        Hourglass wait;
        issued = net::PinStore(ctx_.State.DataFolder).Issue(name, pin, pinCost_);
    }
    if (!issued) {
        ctx_.Prompts.Tell(this, PromptIcon::Stop, Q(kPinTitle), Q(issued.message));
        return;
    }
    ctx_.Prompts.Tell(this, PromptIcon::Information, Q(kPinTitle), Q(PinIssuedText(name, pin)));
    if (ctx_.Prompts.Ask(this, PromptIcon::Question, PromptButtons::YesNo, Q(kPinTitle), Q(PrintSlipQuestion(name))) ==
        PromptAnswer::Yes)
        PrintSlips({{name, pin}});
}

void frmPlayer::OnPrintSlips() {
    const AppState& state = ctx_.State;
    net::PinStore pins(state.DataFolder);
    std::vector<std::string> everyone, withoutPin;
    for (int m = 0; m < state.MemberCount && m < static_cast<int>(state.Members.size()); ++m) {
        const std::string name = state.Members[static_cast<std::size_t>(m)].TrimmedName();
        if (FindMember(state, name) != m) continue;  // a name two members share signs in nobody
        everyone.push_back(name);
        if (!pins.Has(name)) withoutPin.push_back(name);
    }
    if (everyone.empty()) {
        ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(kPinTitle), Q(kNoMembersForSlipsText));
        return;
    }
    const bool mixed = !withoutPin.empty() && withoutPin.size() < everyone.size();
    const PromptAnswer a =
        ctx_.Prompts.Ask(this, PromptIcon::Question, mixed ? PromptButtons::YesNoCancel : PromptButtons::YesNo,
                         Q(kPinTitle),
                         Q(SlipsQuestion(static_cast<int>(everyone.size()), static_cast<int>(withoutPin.size()))));
    if (a == PromptAnswer::Cancel || (a == PromptAnswer::No && !mixed)) return;
    const std::vector<std::string>& names = a == PromptAnswer::Yes ? everyone : withoutPin;
    std::vector<PinSlip> slips;
    Status issued;
    {
        Hourglass wait;
        for (const std::string& name : names) {
            std::string pin;
            issued = pins.Issue(name, pin, pinCost_);
            if (!issued) break;
            slips.push_back({name, pin});
        }
    }
    // The PINs issued before a failure are new already: their slips still print.
    if (!issued) ctx_.Prompts.Tell(this, PromptIcon::Stop, Q(kPinTitle), Q(issued.message));
    if (!slips.empty()) PrintSlips(slips);
}

void frmPlayer::PrintSlips(const std::vector<PinSlip>& slips) {
    const PinSlipReport report(ctx_.State.Title, ReadSiteAddress(ctx_.State), slips);
    // A printout that failed (and said so) or was cancelled leaves the PINs to be shown here.
    const bool dispatched = DispatchToWindow(ctx_, this, report, OutputRequest::Printer(1));
    if (!dispatched || !report.Printed())
        ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(kPinTitle), Q(UnprintedPinsText(slips)));
}

bool frmPlayer::Save() {
    Status s;
    bool poolSaved = false;
    {
        Hourglass wait;
        s = list_.Save(ctx_.State, &poolSaved);
    }
    if (!s.ok()) {
        ctx_.Prompts.Tell(this, PromptIcon::Stop, Q(membertext::SaveFailedTitle), Q(s.message));
        // The pool file was replaced: the list no longer matches the old table,
        // so the window closes even though the counter could not be stored.
        return poolSaved;
    }
    if (s.isWarning())
        ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(membertext::SaveFailedTitle), Q(s.message));
    return true;
}

void frmPlayer::OnOK() {
    if (Save()) QDialog::accept();
}

void frmPlayer::reject() {
    if (list_.Changed()) {
        const PromptAnswer a = ctx_.Prompts.Ask(this, PromptIcon::Question, PromptButtons::YesNoCancel,
                                                Q(membertext::CancelTitle), Q(membertext::CancelText));
        if (a == PromptAnswer::Cancel) return;
        if (a == PromptAnswer::Yes) {
            OnOK();
            return;
        }
        // No: nothing was written and the member table was never touched.
        ctx_.State.MembersChanged = false;
    }
    QDialog::reject();
}

void frmPlayer::paintEvent(QPaintEvent*) {
    PaintBackground(this, ctx_, QColor(255, 255, 0), QColor(0, 0, 0), 3);
}

}  // namespace gm::ui
