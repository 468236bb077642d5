#include "frmMatrix.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/output/WebPage.h"
#include "ui/output/CopyCountBox.h"
#include "ui/output/RunOutput.h"
#include "ui/shell/HelpPages.h"
#include "ui/shell/Hourglass.h"
#include "ui/shell/OptionFrames.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"
#include "ui/shell/WindowParts.h"

namespace gm::ui {

frmMatrix::frmMatrix(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      model_(std::make_unique<AllPicksReport>(ctx.State)),
      OpName_(RadioOption("OpName", "Use Team &Name", this)),
      OpCity_(RadioOption("OpCity", "Use C&ity Name", this)),
      OpActive_(RadioOption("OpActive", "Acti&ve Players Only", this)),
      OpEntire_(RadioOption("OpEntire", "Print &Entire Pool", this)),
      frCopies_(new QGroupBox("COPIES", this)),
      copies_(new CopyCountBox("Select # of Copies to Print", "0",
                               {"lblSelect", "hsbNumCopies", "lblNumCopies", "CkNum"}, frCopies_)),
      OpOutput_{RadioOption("OpOutput0", "&Text File", this), RadioOption("OpOutput1", "P&rinter", this),
                RadioOption("OpOutput2", "&Web Page", this)},
      OpSort_{RadioOption("OpSort0", "", this), RadioOption("OpSort1", "&Alphabetical Order", this)},
      lblWeek_(Named("lblWeek", this)),
      lblPoolNum_(Named("lblPoolNum", this)),
      lblActiveNum_(Named("lblActiveNum", this)) {
    setObjectName("frmMatrix");
    setWindowTitle(Q(kAllPicksTitle));
    setModal(true);
    copies_->OnePerPlayerBox()->setText("One &Per Player");
    // The caption follows the pool's sort; each gets an access key no other control uses.
    QString sortCaption = Q(model_->StandingSortCaption());
    for (const char* key : {"fidence", "g Percentage", "s"}) {
        const int at = sortCaption.lastIndexOf(QLatin1String(key));
        if (at > 0) {
            sortCaption.insert(at, QLatin1Char('&'));
            break;
        }
    }
    OpSort_[0]->setText(sortCaption);

    auto* spin = new SpinButton(this);
    spin->setObjectName("SpinButton1");
    auto* cmdOK = Button("cmdOK", "&OK", this);
    auto* cmdCancel = Button("cmdCancel", "&Cancel", this);
    auto* cmdHelp = Button("cmdHelp", "&Help", this);
    cmdOK->setDefault(true);

    auto* copiesLayout = new QVBoxLayout(frCopies_);
    copiesLayout->addWidget(copies_);

    auto* week = new QHBoxLayout;
    auto* weekCaption = new QLabel("Wee&k", this);
    weekCaption->setBuddy(spin);
    week->addWidget(weekCaption);
    week->addWidget(lblWeek_);
    week->addWidget(spin);
    week->addStretch();
    auto* counts = new QGridLayout;
    counts->addWidget(new QLabel("Pool Size", this), 0, 0);
    counts->addWidget(lblPoolNum_, 0, 1);
    counts->addWidget(new QLabel("Played This Week", this), 1, 0);
    counts->addWidget(lblActiveNum_, 1, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(OptionFrame("NFL  ABBREVIATIONS", {OpName_, OpCity_}, this));
    left->addWidget(OptionFrame("PRINT OPTIONS ", {OpActive_, OpEntire_}, this));
    left->addWidget(frCopies_);
    auto* right = new QVBoxLayout;
    right->addWidget(OptionFrame(" Send Output To: ", {OpOutput_[0], OpOutput_[1], OpOutput_[2]}, this));
    right->addWidget(OptionFrame("Sort Players By", {OpSort_[0], OpSort_[1]}, this));
    right->addLayout(week);
    right->addLayout(counts);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdHelp);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);

    (model_->UseTeamNames ? OpName_ : OpCity_)->setChecked(true);
    (model_->EntirePool ? OpEntire_ : OpActive_)->setChecked(true);
    OpSort_[model_->ByStanding ? 0 : 1]->setChecked(true);
    lblPoolNum_->setText(Q(model_->PoolSizeText()));
    frCopies_->setVisible(false);
    Refresh();

    connect(spin, &SpinButton::SpinUp, this, [this] { Spin(+1); });
    connect(spin, &SpinButton::SpinDown, this, [this] { Spin(-1); });
    connect(OpOutput_[1], &QRadioButton::toggled, frCopies_, &QWidget::setVisible);
    connect(cmdOK, &QPushButton::clicked, this, &frmMatrix::OnOK);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdHelp, &QPushButton::clicked, this, [this] { ShowHelp(ctx_, this, Display::AllPicks); });

    adjustSize();
    CenterForm(this);
}

void frmMatrix::Refresh() {
    lblWeek_->setText(Q(model_->WeekLabel()));
    lblActiveNum_->setText(QString::number(model_->PlayedCount()));
}

void frmMatrix::Spin(int step) {
    if (!model_->Spin(step)) {
        QApplication::beep();
        return;
    }
    Refresh();
}

void frmMatrix::OnOK() {
    const bool text = OpOutput_[0]->isChecked();
    const bool printer = OpOutput_[1]->isChecked();
    const bool web = OpOutput_[2]->isChecked();
    if (!text && !printer && !web) {
        ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(kIncompleteTitle), Q(kNoDestinationText));
        return;
    }
    const bool onePerPlayer = copies_->OnePerPlayer();
    const int count = copies_->Count();
    if (printer && CopiesMissing(count, onePerPlayer)) {
        ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(kIncompleteTitle), Q(kNoCopiesText));
        return;
    }
    model_->UseTeamNames = OpName_->isChecked();
    model_->EntirePool = OpEntire_->isChecked();
    model_->ByStanding = OpSort_[0]->isChecked();

    OutputRequest request;
    request.OutTextFile = text;
    request.OutPrinter = printer;
    request.OutWebPage = web;
    request.NumCopies = count;
    request.OnePerPlayer = onePerPlayer;
    DispatchToWindow(ctx_, this, *model_, request);
    if (const Status saved = model_->SaveChoices(); !saved)
        ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(kAllPicksTitle), Q(saved.message));
    accept();
}

}  // namespace gm::ui
