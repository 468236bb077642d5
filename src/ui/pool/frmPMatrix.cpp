#include "frmPMatrix.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/output/WebPage.h"
#include "core/shell/MenuRules.h"
#include "ui/output/RunOutput.h"
#include "ui/shell/ActivateLine.h"
#include "ui/shell/Hourglass.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"
#include "ui/shell/WindowParts.h"

namespace gm::ui {

frmPMatrix::frmPMatrix(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      model_(std::make_unique<PlayerMatrix>(ctx.State)),
      lstPlayer_(new QListWidget(this)),
      lblHead_{Named("lblHead0", this), Named("lblHead1", this), Named("lblHead2", this)},
      lblWeek_(Named("lblWeek", this)),
      ckShowAll_(new QCheckBox("Show &All Players", this)),
      ckConPts_(new QCheckBox("View &Confidence Points", this)),
      lblPoolNum_(Named("lblPoolNum", this)),
      lblActiveNum_(Named("lblActiveNum", this)) {
    setObjectName("frmPMatrix");
    setWindowTitle("Player Matrix");
    setModal(true);
    lstPlayer_->setObjectName("lstPlayer");
    ckShowAll_->setObjectName("ckShowAll");
    ckConPts_->setObjectName("ckConPts");
    UseFixedPitch(lstPlayer_);
    for (QLabel* l : lblHead_) {
        UseFixedPitch(l);
        l->setIndent(lstPlayer_->frameWidth() + 3);  // line up with the list's text
    }
    lstPlayer_->setMinimumSize(700, 320);

    auto* spin = new SpinButton(this);
    spin->setObjectName("SpinButton1");
    auto* cmdHint = Button("cmdHint", "&Hint", this);
    auto* cmdPrint = Button("cmdPrint", "&Print", this);
    auto* cmdOK = Button("cmdOK", "&OK", this);
    cmdOK->setDefault(true);

    auto* top = new QHBoxLayout;
    auto* weekCaption = new QLabel("&Week", this);
    weekCaption->setBuddy(spin);
    top->addWidget(weekCaption);
    top->addWidget(lblWeek_);
    top->addWidget(spin);
    top->addSpacing(16);
    top->addWidget(ckShowAll_);
    top->addWidget(ckConPts_);
    top->addStretch();
    auto* counts = new QGridLayout;
    counts->addWidget(new QLabel("Pool Size", this), 0, 0);
    counts->addWidget(lblPoolNum_, 0, 1);
    counts->addWidget(new QLabel("Played This Week", this), 1, 0);
    counts->addWidget(lblActiveNum_, 1, 1);
    top->addLayout(counts);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdHint);
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    for (QLabel* l : lblHead_) layout->addWidget(l);
    layout->addWidget(lstPlayer_, 1);
    layout->addLayout(buttons);

    lblWeek_->setText(Q(model_->WeekLabel()));
    lblPoolNum_->setText(Q(model_->PoolSizeText()));
    ckShowAll_->setChecked(true);
    Rebuild();

    connect(spin, &SpinButton::SpinUp, this, [this] { Spin(+1); });
    connect(spin, &SpinButton::SpinDown, this, [this] { Spin(-1); });
    connect(ckShowAll_, &QCheckBox::toggled, this, [this](bool on) {
        model_->SetShowAll(on);
        Rebuild();
    });
    connect(ckConPts_, &QCheckBox::toggled, this, [this](bool on) {
        model_->SetConfidenceRows(on);
        Rebuild();
    });
    new ActivateLine(lstPlayer_, [this](int row) { OnListDoubleClick(row); });
    connect(cmdHint, &QPushButton::clicked, this, &frmPMatrix::OnHint);
    connect(cmdPrint, &QPushButton::clicked, this, &frmPMatrix::OnPrint);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    adjustSize();
    CenterForm(this);
}

void frmPMatrix::Rebuild() {
    const auto labels = model_->ScreenLabels();
    for (std::size_t i = 0; i < 3; ++i) {
        lblHead_[i]->setVisible(i < labels.size());
        lblHead_[i]->setText(i < labels.size() ? Q(labels[i]) : QString());
    }
    FillList(lstPlayer_, model_->ListLines());
    lblActiveNum_->setText(QString::number(model_->PlayedCount()));
    lblWeek_->setText(Q(model_->WeekLabel()));
}

void frmPMatrix::Spin(int step) {
    if (!model_->Spin(step)) {
        QApplication::beep();
        return;
    }
    Rebuild();
}

void frmPMatrix::OnListDoubleClick(int row) {
    const int member = model_->MemberAtLine(row);
    if (member < 0 || !ctx_.Windows || !ctx_.Windows->Has(Display::Selections)) return;
    // The same rule as the Edits menu: no selections for an archived season.
    if (const auto refusal = CheckMenuCommand(ctx_.State, Display::Selections)) {
        ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(refusal->Title), Q(refusal->Text));
        return;
    }
    ctx_.State.CurrentPlayer = member;
    ctx_.Windows->Open(Display::Selections, ctx_, this);  // its opener shows the hourglass while it loads
    model_->FollowCurrentWeek();
    Rebuild();
}

void frmPMatrix::OnHint() {
    ctx_.Prompts.Tell(this, PromptIcon::Information, Q(kMatrixHintTitle), Q(kMatrixHintText));
}

void frmPMatrix::OnPrint() {
    RunReport(ctx_, this, *model_);
}

}  // namespace gm::ui
