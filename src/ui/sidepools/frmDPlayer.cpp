#include "frmDPlayer.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/shell/Help.h"
#include "ui/shell/HelpPages.h"
#include "ui/shell/WindowHelpers.h"
#include "ui/sidepools/SidePoolUi.h"

namespace gm::ui {

using namespace sideui;

frmDPlayer::frmDPlayer(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      model_(ctx.State),
      lstPlayer_(new QListWidget(this)),
      lblCount_(NamedLabel("lblCount", this)),
      cboTeam_(new QComboBox(this)),
      TxtAddPl_(new QLineEdit(this)),
      cmdEdit_(Button("cmdEdit", " &Edit ", this)),
      cmdDelete_(Button("cmdDelete", "&Delete", this)),
      cmdUpdate_(Button("cmdUpdate", "&Update", this)),
      cmdCancelUpdate_(Button("cmdCancelUpdate", "Cancel U&pdate", this)) {
    setObjectName("frmDPlayer");
    setWindowTitle(Q(dptext::Caption));
    setModal(true);
    lstPlayer_->setObjectName("lstPlayer");
    cboTeam_->setObjectName("cboTeam");
    TxtAddPl_->setObjectName("TxtAddPl");
    TxtAddPl_->setMaxLength(kNameLength);
    FixedPitch(lstPlayer_);
    lstPlayer_->setMinimumSize(QFontMetrics(lstPlayer_->font()).horizontalAdvance(QString(38, 'M')), 260);
    const auto teams = model_.TeamChoices();
    for (int t = 0; t < static_cast<int>(teams.size()); ++t) cboTeam_->addItem(Q(teams[static_cast<std::size_t>(t)]), t + 1);
    cboTeam_->setCurrentIndex(-1);
    cboTeam_->setMinimumContentsLength(16);
    cboTeam_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    auto* cmdAdd = Button("cmdAdd", " &Add ", this);
    auto* cmdOK = Button("cmdOK", "&OK", this);
    auto* cmdCancel = Button("cmdCancel", "&Cancel", this);
    auto* cmdHelp = Button("cmdHelp", "&Help", this);

    auto* listLabel = new QLabel("Players &In Digital Pool", this);
    listLabel->setBuddy(lstPlayer_);
    auto* teamLabel = new QLabel("Assign &Team to Player", this);
    teamLabel->setBuddy(cboTeam_);
    auto* nameLabel = new QLabel("Add/Edit Pla&yer", this);
    nameLabel->setBuddy(TxtAddPl_);

    auto* head = new QHBoxLayout;
    head->addWidget(listLabel);
    head->addStretch();
    head->addWidget(lblCount_);

    auto* edit = new QGridLayout;
    edit->addWidget(nameLabel, 0, 0);
    edit->addWidget(TxtAddPl_, 1, 0);
    edit->addWidget(teamLabel, 0, 1);
    edit->addWidget(cboTeam_, 1, 1);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {cmdAdd, cmdEdit_, cmdDelete_, cmdUpdate_, cmdCancelUpdate_}) buttons->addWidget(b);
    buttons->addStretch();
    for (QPushButton* b : {cmdOK, cmdCancel, cmdHelp}) buttons->addWidget(b);

    auto* left = new QVBoxLayout;
    left->addLayout(head);
    left->addWidget(lstPlayer_);
    left->addLayout(edit);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(cmdAdd, &QPushButton::clicked, this, &frmDPlayer::OnAdd);
    connect(cmdEdit_, &QPushButton::clicked, this, &frmDPlayer::OnEdit);
    connect(cmdDelete_, &QPushButton::clicked, this, &frmDPlayer::OnDelete);
    connect(cmdUpdate_, &QPushButton::clicked, this, &frmDPlayer::OnUpdate);
    connect(cmdCancelUpdate_, &QPushButton::clicked, this, &frmDPlayer::OnCancelUpdate);
    connect(cmdOK, &QPushButton::clicked, this, &frmDPlayer::OnOK);
    connect(cmdCancel, &QPushButton::clicked, this, &frmDPlayer::reject);
    connect(cmdHelp, &QPushButton::clicked, this, [this] { ShowHelp(ctx_, this, Display::DigitalPlayers); });
    connect(lstPlayer_, &QListWidget::currentRowChanged, this, [this] { UpdateButtons(); });
    connect(lstPlayer_, &QListWidget::itemDoubleClicked, this, [this] { OnEdit(); });
    connect(TxtAddPl_, &QLineEdit::textChanged, this, [this] { UpdateButtons(); });
    TxtAddPl_->installEventFilter(this);

    setTabOrder(lstPlayer_, TxtAddPl_);
    setTabOrder(TxtAddPl_, cboTeam_);
    StopEditing();
    Refresh(-1);
    adjustSize();
    CenterForm(this);
    TellNotes(ctx_, parent, dptext::LoadTitle, model_.LoadNotes());
}

bool frmDPlayer::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the name box belongs to Update, never to the dialog's OK.
    if (watched == TxtAddPl_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmDPlayer::Refresh(int selectRow) {
    Fill(lstPlayer_, model_.Lines());
    lblCount_->setText(QString::number(model_.Count()));
    lstPlayer_->setCurrentRow(selectRow);
    if (selectRow < 0) lstPlayer_->clearSelection();
    UpdateButtons();
}

void frmDPlayer::UpdateButtons() {
    const bool selected = lstPlayer_->currentRow() >= 0 && !lstPlayer_->selectedItems().isEmpty();
    cmdEdit_->setEnabled(selected);
    cmdDelete_->setEnabled(selected);
    cmdUpdate_->setEnabled(TxtAddPl_->isEnabled() && !TxtAddPl_->text().trimmed().isEmpty());
}

void frmDPlayer::StopEditing() {
    mode_ = EditMode::None;
    editRow_ = -1;
    TxtAddPl_->clear();
    TxtAddPl_->setEnabled(false);
    cboTeam_->setEnabled(false);
    cboTeam_->setCurrentIndex(-1);
    cmdCancelUpdate_->setEnabled(false);
    UpdateButtons();
}

void frmDPlayer::OnAdd() {
    mode_ = EditMode::Add;
    editRow_ = -1;
    lstPlayer_->clearSelection();
    TxtAddPl_->setEnabled(true);
    cboTeam_->setEnabled(true);
    cmdCancelUpdate_->setEnabled(true);
    TxtAddPl_->setFocus();
    UpdateButtons();
}

void frmDPlayer::OnEdit() {
    const int row = lstPlayer_->currentRow();
    if (row < 0) return;
    mode_ = EditMode::Edit;
    editRow_ = row;
    TxtAddPl_->setEnabled(true);
    cboTeam_->setEnabled(true);
    cmdCancelUpdate_->setEnabled(true);
    TxtAddPl_->setText(Q(model_.TrimmedName(row)));
    cboTeam_->setCurrentIndex(cboTeam_->findData(model_.Entries()[static_cast<std::size_t>(row)].Team));
    TxtAddPl_->setFocus();
    TxtAddPl_->selectAll();
    UpdateButtons();
}

void frmDPlayer::OnUpdate() {
    if (mode_ == EditMode::None) return;
    const int team = cboTeam_->currentIndex() < 0 ? 0 : cboTeam_->currentData().toInt();
    const auto result = model_.Update(mode_ == EditMode::Edit ? editRow_ : -1, S(TxtAddPl_->text()), team);
    if (result.Message.failed()) {
        ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(result.Message.Title), Q(result.Message.Text));
        cboTeam_->setFocus();
        return;
    }
    if (result.Row < 0) return;
    Refresh(result.Row);
    if (mode_ == EditMode::Edit) {
        StopEditing();
        lstPlayer_->setFocus();
    } else {
        // Ready for the next name.
        TxtAddPl_->clear();
        cboTeam_->setCurrentIndex(-1);
        TxtAddPl_->setFocus();
    }
    UpdateButtons();
}

void frmDPlayer::OnCancelUpdate() {
    StopEditing();
    lstPlayer_->setCurrentRow(-1);
    lstPlayer_->clearSelection();
    UpdateButtons();
}

void frmDPlayer::OnDelete() {
    const int row = lstPlayer_->currentRow();
    if (row < 0) return;
    const auto answer = ctx_.Prompts.Ask(this, PromptIcon::Exclamation, PromptButtons::YesNo, Q(dptext::DeleteTitle),
                                         Q(model_.DeleteQuestion(row)), PromptAnswer::No);
    if (answer != PromptAnswer::Yes) return;
    if (editRow_ == row) StopEditing();
    model_.Remove(row);
    Refresh(-1);
}

bool frmDPlayer::Save() {
    return SaveOrTell(ctx_, this, dptext::SaveFailedTitle, [this] { return model_.Save(); });
}

void frmDPlayer::OnOK() {
    if (Save()) accept();
}

void frmDPlayer::reject() {
    CloseWithCheck(
        ctx_, this, model_.Changed(), dptext::CancelTitle, dptext::CancelText, [this] { OnOK(); },
        [this] { QDialog::reject(); });
}

}  // namespace gm::ui
