#include "frmEditCity.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/shell/QtText.h"
#include "ui/shell/WindowHelpers.h"

namespace gm::ui {

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
