#include "frmNFLCity.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "core/entry/EntryBoxes.h"
#include "core/entry/SaveFailure.h"
#include "ui/entry/frmEditCity.h"
#include "ui/shell/Hourglass.h"
#include "ui/shell/QtText.h"
#include "ui/shell/WindowHelpers.h"

namespace gm::ui {

namespace {

QFont ListFont() {
    QFont font("Courier New");
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

}  // namespace

frmNFLCity::frmNFLCity(UiContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), editor_(ctx.State.Teams, ctx.State.League().Teams), list_(new QListWidget(this)) {
    setObjectName("frmNFLCity");
    setWindowTitle("NFL Teams");
    setModal(true);

    // Headings over the list's columns (16, 8 and 14 characters wide); "City
    // Abr." is wider than its column, so it starts two places early and
    // "Name" still starts over the nicknames.
    auto* heading = new QLabel("City          City Abr. Name          Name Abr.", this);
    heading->setFont(ListFont());
    list_->setObjectName("lstTeam");
    list_->setFont(ListFont());
    for (int team = 1; team <= ctx_.State.League().Teams; ++team) {
        auto* item = new QListWidgetItem(Q(editor_.Line(team)), list_);
        item->setData(Qt::UserRole, team);
    }
    list_->setMinimumWidth(list_->fontMetrics().horizontalAdvance(QString(46, 'M')));
    list_->setMinimumHeight(list_->fontMetrics().height() * 16);

    edit_ = Button("CmdEdit", "&Edit", this);
    auto* ok = Button("CmdOK", "&OK", this);
    auto* cancel = Button("cmdCancel", "&Cancel", this);
    auto* reset = Button("CmdReset", "&Reset", this);
    auto* hint = Button("cmdHint", "&Hint", this);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {edit_, ok, cancel, reset, hint}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    heading->setBuddy(list_);

    list_->installEventFilter(this);
    connect(list_, &QListWidget::itemSelectionChanged, this, &frmNFLCity::UpdateEditButton);
    connect(list_, &QListWidget::itemDoubleClicked, this, &frmNFLCity::EditSelected);
    connect(edit_, &QPushButton::clicked, this, &frmNFLCity::EditSelected);
    connect(ok, &QPushButton::clicked, this, &frmNFLCity::Save);
    connect(cancel, &QPushButton::clicked, this, &frmNFLCity::reject);
    connect(reset, &QPushButton::clicked, this, &frmNFLCity::ResetNames);
    connect(hint, &QPushButton::clicked, this, &frmNFLCity::ShowHint);
    UpdateEditButton();
    adjustSize();
    CenterForm(this);
}

bool frmNFLCity::eventFilter(QObject* watched, QEvent* event) {
    // Enter on a line edits it, like a double-click.
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            EditSelected();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmNFLCity::UpdateEditButton() {
    edit_->setEnabled(!list_->selectedItems().isEmpty());
}

void frmNFLCity::EditSelected() {
    QListWidgetItem* item = list_->currentItem();
    if (!item || !item->isSelected()) return;
    const int team = item->data(Qt::UserRole).toInt();
    std::unique_ptr<frmEditCity> dialog;
    {
        Hourglass wait;
        dialog = std::make_unique<frmEditCity>(ctx_, editor_, team, this);
    }
    if (dialog->exec() != QDialog::Accepted) return;
    item->setText(Q(editor_.Line(team)));
    list_->setCurrentItem(item);
}

void frmNFLCity::Save() {
    if (const Status s = editor_.Save(ctx_.State); !s) {
        ctx_.Prompts.Tell(this, PromptIcon::Stop, Q(kSaveFailedTitle), Q(SaveFailedText(s)));
        return;
    }
    accept();
}

void frmNFLCity::ResetNames() {
    const PromptAnswer a = ctx_.Prompts.Ask(this, PromptIcon::Question, PromptButtons::YesNoCancel,
                                            Q(kResetTeamsTitle), Q(kResetTeamsText));
    if (a != PromptAnswer::Yes) return;
    if (const Status s = TeamEditor::Reset(ctx_.State); !s) {
        ctx_.Prompts.Tell(this, PromptIcon::Stop, Q(kSaveFailedTitle), Q(SaveFailedText(s)));
        return;
    }
    QDialog::accept();
}

void frmNFLCity::ShowHint() {
    ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(kTeamHintTitle), Q(kTeamHintText));
}

void frmNFLCity::reject() {
    if (!editor_.TeamsChanged()) {
        QDialog::reject();
        return;
    }
    const PromptAnswer a = ctx_.Prompts.Ask(this, PromptIcon::Question, PromptButtons::YesNoCancel,
                                            Q(kTeamsChangedTitle), Q(ChangedQuestion(kTeamsChangedText)));
    if (a == PromptAnswer::Yes) {
        Save();
    } else if (a == PromptAnswer::No) {
        QDialog::reject();
    }
}

}  // namespace gm::ui
