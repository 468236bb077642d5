#include "frmPoolRoom.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/shell/Help.h"
#include "ui/output/RunOutput.h"
#include "ui/pool/StatPakUi.h"
#include "ui/shell/HelpPages.h"
#include "ui/shell/Hourglass.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"
#include "ui/shell/WindowParts.h"

namespace gm::ui {


namespace {

QComboBox* Panel(const char* name, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    UseFixedPitch(box);
    box->setMinimumContentsLength(52);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}

void Fill(QComboBox* box, const std::vector<std::string>& lines) {
    box->clear();
    for (const auto& line : lines) box->addItem(Q(line));
    if (box->count() > 0) box->setCurrentIndex(0);
}

}  // namespace

frmPoolRoom::frmPoolRoom(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      model_(std::make_unique<PoolRoom>(ctx.State)),
      lblWeek_(Named("lblWeek", this)),
      lblStartWeek_(Named("lblStartWeek", this)),
      lblEndWeek_(Named("lblEndWeek", this)),
      lblStat_(Named("lblStat", this)),
      lstFirstLast_(new QListWidget(this)),
      cboHottest_(Panel("cboHottest", this)),
      cboBestMN_(Panel("cboBestMN", this)),
      cboBestTB_(Panel("cboBestTB", this)) {
    setObjectName("frmPoolRoom");
    setWindowTitle("The Pool Room");
    setModal(true);
    lstFirstLast_->setObjectName("lstFirstLast");
    UseFixedPitch(lstFirstLast_);
    UseFixedPitch(lblStat_);
    lblStat_->setIndent(lstFirstLast_->frameWidth() + 3);  // over the list's text
    const QFontMetrics fixed(lstFirstLast_->font());
    lstFirstLast_->setMinimumSize(fixed.horizontalAdvance(QString(56, 'M')), fixed.lineSpacing() * 12);

    auto* title = Named("lblTitle", this, kPoolRoomCaption);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    title->setFont(big);

    auto* spinWeek = new SpinButton(this);
    spinWeek->setObjectName("SpinButton1");
    auto* spinStart = new SpinButton(this);
    spinStart->setObjectName("SpinButton2");
    auto* spinEnd = new SpinButton(this);
    spinEnd->setObjectName("SpinButton3");
    auto* cmdFirstLast = Button("cmdFirstLast", "GE&T", this);
    auto* cmdHottest = Button("cmdHottest", "GET", this);
    auto* cmdBestMN = Button("cmdBestMN", "GET", this);
    auto* cmdBestTB = Button("cmdBestTB", "GET", this);
    auto* cmdPrint = Button("cmdPrint", "&Print", this);
    auto* cmdHelp = Button("cmdHelp", "&Help", this);
    auto* cmdOK = Button("cmdOK", "&OK", this);
    cmdOK->setDefault(true);

    auto* top = new QHBoxLayout;
    top->addWidget(title);
    top->addStretch();
    auto* weekCaption = new QLabel("&Week", this);
    weekCaption->setBuddy(spinWeek);
    top->addWidget(weekCaption);
    top->addWidget(lblWeek_);
    top->addWidget(spinWeek);

    // 1. The thrill of victory and the agony of defeat.
    auto* victory = new QGroupBox(kVictoryCaption, this);
    UseFixedPitch(victory);
    auto* victoryLayout = new QGridLayout(victory);
    victoryLayout->addWidget(lblStat_, 0, 0);
    victoryLayout->addWidget(lstFirstLast_, 1, 0);
    victoryLayout->addWidget(cmdFirstLast, 1, 1, Qt::AlignTop);

    // 2. The hottest members over a range of weeks.
    auto* hottest = new QGroupBox(kHottestCaption, this);
    auto* hottestLayout = new QGridLayout(hottest);
    hottestLayout->addWidget(cboHottest_, 0, 0, 1, 7);
    hottestLayout->addWidget(cmdHottest, 0, 7);
    auto* between = new QLabel("BETWEEN WEE&K", this);
    between->setBuddy(spinStart);
    auto* andWeek = new QLabel("AN&D WEEK", this);
    andWeek->setBuddy(spinEnd);
    hottestLayout->addWidget(between, 1, 0);
    hottestLayout->addWidget(lblStartWeek_, 1, 1);
    hottestLayout->addWidget(spinStart, 1, 2);
    hottestLayout->addWidget(andWeek, 1, 3);
    hottestLayout->addWidget(lblEndWeek_, 1, 4);
    hottestLayout->addWidget(spinEnd, 1, 5);
    hottestLayout->setColumnStretch(6, 1);

    // 3 and 4. The Monday-night game alone.
    const auto mondayPanel = [this](const char* caption, QComboBox* box, QPushButton* get) {
        auto* panel = new QGroupBox(caption, this);
        auto* l = new QHBoxLayout(panel);
        l->addWidget(box, 1);
        l->addWidget(get);
        return panel;
    };

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdHelp);
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(victory, 1);
    layout->addWidget(hottest);
    layout->addWidget(mondayPanel(kMondayCaption, cboBestMN_, cmdBestMN));
    layout->addWidget(mondayPanel(kTiebreakCaption, cboBestTB_, cmdBestTB));
    layout->addLayout(buttons);

    // Keyboard order: each panel's list, then its GET.
    QWidget* order[] = {spinWeek, lstFirstLast_, cmdFirstLast, cboHottest_, cmdHottest, spinStart, spinEnd,
                        cboBestMN_, cmdBestMN, cboBestTB_, cmdBestTB, cmdPrint, cmdHelp, cmdOK};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    lblStat_->setText(Q(model_->StatHeading()));
    ShowPanels();

    OnSpin(spinWeek, this, [this](int step) { SpinWeek(step); });
    OnSpin(spinStart, this, [this](int step) { SpinRange(true, step); });
    OnSpin(spinEnd, this, [this](int step) { SpinRange(false, step); });
    const auto get = [this](void (PoolRoom::*fill)()) {
        return [this, fill] {
            {
                Hourglass wait;
                ((*model_).*fill)();
            }
            ShowPanels();
        };
    };
    connect(cmdFirstLast, &QPushButton::clicked, this, get(&PoolRoom::FillVictoryDefeat));
    connect(cmdHottest, &QPushButton::clicked, this, get(&PoolRoom::FillHottest));
    connect(cmdBestMN, &QPushButton::clicked, this, get(&PoolRoom::FillMondayRecord));
    connect(cmdBestTB, &QPushButton::clicked, this, get(&PoolRoom::FillTiebreakAverage));
    connect(cmdPrint, &QPushButton::clicked, this, &frmPoolRoom::OnPrint);
    connect(cmdHelp, &QPushButton::clicked, this, [this] { ShowHelp(ctx_, this, Display::PoolRoom); });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    CenterAbove(this, 150);
}

void frmPoolRoom::ShowPanels() {
    lblWeek_->setText(Q(model_->WeekLabel()));
    lblStartWeek_->setText(Q(model_->StartLabel()));
    lblEndWeek_->setText(Q(model_->EndLabel()));
    FillList(lstFirstLast_, model_->VictoryLines());
    Fill(cboHottest_, model_->HottestLines());
    Fill(cboBestMN_, model_->MondayLines());
    Fill(cboBestTB_, model_->TiebreakLines());
}

void frmPoolRoom::SpinWeek(int step) {
    if (!model_->SpinWeek(step)) {
        QApplication::beep();
        return;
    }
    ShowPanels();
}

void frmPoolRoom::SpinRange(bool start, int step) {
    if (!(start ? model_->SpinStart(step) : model_->SpinEnd(step))) {
        QApplication::beep();
        return;
    }
    ShowPanels();
}

void frmPoolRoom::OnPrint() { RunReport(ctx_, this, *model_); }

}  // namespace gm::ui
