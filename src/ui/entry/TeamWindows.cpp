#include "TeamWindows.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <memory>

#include "core/entry/EntryBoxes.h"
#include "core/entry/SaveFailure.h"
#include "ui/entry/EntryWidgets.h"
#include "ui/shell/Hourglass.h"
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
    : QDialog(parent), ctx_(ctx), editor_(ctx.State.Teams), list_(new QListWidget(this)) {
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
    for (int team = 1; team <= kTeams; ++team) {
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
    const PromptAnswer a =
        ctx_.Prompts.Ask(this, PromptIcon::Question, PromptButtons::YesNoCancel, Q(kTeamsChangedTitle),
                         Q(ChangedQuestion(kTeamsChangedText)));
    if (a == PromptAnswer::Yes) {
        Save();
    } else if (a == PromptAnswer::No) {
        QDialog::reject();
    }
}

frmEditCity::frmEditCity(UiContext& ctx, TeamEditor& editor, int team, QWidget* parent)
    : QDialog(parent), ctx_(ctx), editor_(editor), team_(team) {
    setObjectName("frmEditCity");
    setWindowTitle("Edit NFL Team");
    setModal(true);

    const TeamNames start = editor_.Names(team);
    for (int i = 0; i < 4; ++i) {
        boxes_[i] = new QLineEdit(QString::fromStdString(start[i]), this);
        boxes_[i]->setObjectName(QString("txtInput%1").arg(i));
        connect(boxes_[i], &QLineEdit::textChanged, this, &frmEditCity::BoxChanged);
        connect(boxes_[i], &QLineEdit::returnPressed, this, &frmEditCity::EnterPressed);
        SelectAllOnFocus(boxes_[i]);
    }
    const QFontMetrics fm(boxes_[0]->font());
    for (int i = 0; i < 4; ++i)
        boxes_[i]->setMinimumWidth(fm.horizontalAdvance(QString(i < 2 ? 16 : 6, 'M')));

    auto* nameLabel = new QLabel("NFL &Name ", this);
    nameLabel->setBuddy(boxes_[kCityField]);
    auto* abbrLabel = new QLabel("City &Abbrv. ", this);
    abbrLabel->setBuddy(boxes_[kCityAbbrField]);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Location", this), 0, 1);
    grid->addWidget(new QLabel("Nickname", this), 0, 2);
    grid->addWidget(nameLabel, 1, 0);
    grid->addWidget(boxes_[kCityField], 1, 1);
    grid->addWidget(boxes_[kNameField], 1, 2);
    grid->addWidget(new QLabel("13 Letters Max.", this), 1, 3);
    grid->addWidget(abbrLabel, 2, 0);
    grid->addWidget(boxes_[kCityAbbrField], 2, 1);
    grid->addWidget(boxes_[kNameAbbrField], 2, 2);
    grid->addWidget(new QLabel("3 Letters Max.", this), 2, 3);

    ok_ = Button("cmdOK", "&OK", this);
    auto* cancel = Button("cmdCancel", "&Cancel", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, &frmEditCity::Keep);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(boxes_[0], boxes_[1]);
    setTabOrder(boxes_[1], boxes_[2]);
    setTabOrder(boxes_[2], boxes_[3]);
    setTabOrder(boxes_[3], ok_);
    setTabOrder(ok_, cancel);
    boxes_[0]->setFocus();
    adjustSize();
    CenterForm(this);
}

TeamNames frmEditCity::Typed() const {
    TeamNames typed;
    for (int i = 0; i < 4; ++i) typed[i] = boxes_[i]->text().toStdString();
    return typed;
}

void frmEditCity::BoxChanged() {
    ok_->setEnabled(TeamNamesComplete(Typed()));
}

void frmEditCity::EnterPressed() {
    if (ok_->isEnabled()) Keep();
}

void frmEditCity::Keep() {
    if (!editor_.Edit(team_, Typed())) {
        ctx_.Prompts.Tell(this, PromptIcon::Information, Q(kTeamCodePageTitle),
                          Q(TeamCodePageText(team_, editor_.Names(team_))));
    }
    accept();
}

}  // namespace gm::ui
