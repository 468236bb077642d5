#include "frmPAnalyze.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/shell/Help.h"
#include "ui/output/RunOutput.h"
#include "ui/output/frmAPrint.h"
#include "ui/shell/HelpPages.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"
#include "ui/shell/WindowParts.h"

namespace gm::ui {

namespace {

// The window's order of the nine categories: the overall record, then home
// and road, then favourites and underdogs, AFC before NFC.
constexpr PlayerCategory kShown[kPlayerCategories] = {
    PlayerCategory::Overall,      PlayerCategory::AfcHome,      PlayerCategory::AfcRoad,
    PlayerCategory::AfcFavorites, PlayerCategory::AfcUnderdogs, PlayerCategory::NfcHome,
    PlayerCategory::NfcRoad,      PlayerCategory::NfcFavorites, PlayerCategory::NfcUnderdogs,
};

// Teams shown at once in each team list at the window's opening size.
constexpr int kTeamRows = 18;

constexpr const char* kResultNames[kPlayerCategories] = {
    "lblOverall", "lblAFCHome", "lblAFCRoad", "lblAFCFav", "lblAFCUnd",
    "lblNFCHome", "lblNFCRoad", "lblNFCFav",  "lblNFCUnd",
};

// A team list shows at least `rows` lines and grows with the window; a
// division list is exactly as tall as its six lines.
QListWidget* RecordList(const char* name, int rows, bool grows, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    UseFixedPitch(list);
    const QFontMetrics metrics(list->font());
    list->setMinimumWidth(metrics.horizontalAdvance(QString(32, 'W')));
    const int height = metrics.lineSpacing() * rows + 2 * list->frameWidth() + 4;
    if (grows)
        list->setMinimumHeight(height);
    else
        list->setFixedHeight(height);
    return list;
}

QLabel* FixedLabel(const char* name, QWidget* parent) {
    QLabel* label = Named(name, parent);
    UseFixedPitch(label);
    return label;
}

// One frame: the team list and the division list under their headings; the
// team list takes the frame's spare height.
QGroupBox* RecordFrame(const QString& title, QListWidget* teams, QListWidget* divisions, QLabel* teamHeading,
                       QLabel* divisionHeading, QWidget* parent) {
    auto* frame = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(teamHeading);
    layout->addWidget(teams, 1);
    layout->addWidget(divisionHeading);
    layout->addWidget(divisions);
    return frame;
}

}  // namespace

frmPAnalyze::frmPAnalyze(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      model_(std::make_unique<PlayerAnalyst>(ctx.State)),
      CboPlayer_(new QComboBox(this)),
      lblStart_(Named("lblStart", this)),
      lblEnd_(Named("lblEnd", this)),
      cboTeamOA_(RecordList("cboTeamOA", kTeamRows, true, this)),
      cboDivOA_(RecordList("cboDivOA", 6, false, this)),
      cboTeamON_(RecordList("cboTeamON", kTeamRows, true, this)),
      cboDivON_(RecordList("cboDivON", 6, false, this)),
      lblWonLoss_(FixedLabel("lblWonLoss", this)) {
    setObjectName("frmPAnalyze");
    setWindowTitle("The Player Analyst");
    setModal(true);
    CboPlayer_->setObjectName("CboPlayer");
    UseFixedPitch(CboPlayer_);

    auto* playerCaption = new QLabel("Pla&yer", this);
    playerCaption->setBuddy(CboPlayer_);
    auto* spinStart = new SpinButton(this);
    spinStart->setObjectName("SpinButton1");
    auto* spinEnd = new SpinButton(this);
    spinEnd->setObjectName("SpinButton2");
    auto* startCaption = new QLabel("&Start Week", this);
    startCaption->setBuddy(spinStart);
    auto* endCaption = new QLabel("&End Week", this);
    endCaption->setBuddy(spinEnd);
    for (QLabel* l : {lblStart_, lblEnd_}) {
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        l->setAlignment(Qt::AlignCenter);
        l->setMinimumWidth(QFontMetrics(l->font()).horizontalAdvance(" 21 ") + 8);
    }

    auto* top = new QHBoxLayout;
    top->addWidget(playerCaption);
    top->addWidget(CboPlayer_, 1);
    top->addSpacing(16);
    top->addWidget(startCaption);
    top->addWidget(lblStart_);
    top->addWidget(spinStart);
    top->addSpacing(8);
    top->addWidget(endCaption);
    top->addWidget(lblEnd_);
    top->addWidget(spinEnd);

    auto* teamHeadingOA = FixedLabel("lblTeamHeadOA", this);
    auto* divHeadingOA = FixedLabel("lblDivHeadOA", this);
    auto* teamHeadingON = FixedLabel("lblTeamHeadON", this);
    auto* divHeadingON = FixedLabel("lblDivHeadON", this);
    for (QLabel* l : {teamHeadingOA, teamHeadingON}) l->setText(Q(model_->TeamListHeading()));
    for (QLabel* l : {divHeadingOA, divHeadingON}) l->setText(Q(model_->DivisionListHeading()));
    auto* involving =
        RecordFrame("In Games Involving...", cboTeamOA_, cboDivOA_, teamHeadingOA, divHeadingOA, this);
    auto* bettingOn = RecordFrame("When Betting On...", cboTeamON_, cboDivON_, teamHeadingON, divHeadingON, this);

    // The overall record on top, then the AFC categories beside the NFC ones.
    auto* conferences = new QGroupBox("Conferences", this);
    auto* grid = new QGridLayout(conferences);
    lblWonLoss_->setText(Q(model_->CategoryHeading()));
    auto* headingNFC = FixedLabel("lblWonLossNFC", conferences);
    headingNFC->setText(lblWonLoss_->text());
    grid->addWidget(lblWonLoss_, 0, 1);
    grid->addWidget(headingNFC, 0, 4);
    for (int i = 0; i < kPlayerCategories; ++i) {
        auto* caption = new QLabel(Q(PlayerCategoryCaption(kShown[i])), conferences);
        results_[static_cast<std::size_t>(i)] = FixedLabel(kResultNames[i], conferences);
        const int row = i == 0 ? 1 : 3 + (i - 1) % 4;
        const int column = i >= 5 ? 3 : 0;
        grid->addWidget(caption, row, column);
        grid->addWidget(results_[static_cast<std::size_t>(i)], row, column + 1);
    }
    grid->setRowMinimumHeight(2, 8);  // a little room under the overall record
    grid->setColumnMinimumWidth(2, 16);
    grid->setColumnStretch(5, 1);

    auto* cmdPrint = Button("cmdPrint", "&Print", this);
    auto* cmdHelp = Button("cmdHelp", "&Help", this);
    auto* cmdOK = Button("cmdOK", "&OK", this);
    cmdOK->setDefault(true);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdHelp);
    buttons->addWidget(cmdOK);

    auto* lists = new QHBoxLayout;
    lists->addWidget(involving);
    lists->addWidget(bettingOn);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(conferences, 1);
    bottom->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(lists, 1);
    layout->addLayout(bottom);

    for (const auto& name : model_->MemberChoices()) CboPlayer_->addItem(Q(name));
    CboPlayer_->setCurrentIndex(model_->Member());
    Redisplay();

    connect(CboPlayer_, &QComboBox::currentIndexChanged, this, [this](int index) {
        model_->SelectMember(index);
        Redisplay();
    });
    connect(spinStart, &SpinButton::SpinUp, this, [this] { Spin(false, +1); });
    connect(spinStart, &SpinButton::SpinDown, this, [this] { Spin(false, -1); });
    connect(spinEnd, &SpinButton::SpinUp, this, [this] { Spin(true, +1); });
    connect(spinEnd, &SpinButton::SpinDown, this, [this] { Spin(true, -1); });
    connect(cmdPrint, &QPushButton::clicked, this, &frmPAnalyze::OnPrint);
    connect(cmdHelp, &QPushButton::clicked, this, [this] { ShowHelp(ctx_, this, Display::PlayerAnalyst); });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    setTabOrder(CboPlayer_, spinStart);
    setTabOrder(spinStart, spinEnd);
    setTabOrder(spinEnd, cboTeamOA_);
    setTabOrder(cboTeamOA_, cboDivOA_);
    setTabOrder(cboDivOA_, cboTeamON_);
    setTabOrder(cboTeamON_, cboDivON_);
    setTabOrder(cboDivON_, cmdPrint);
    setTabOrder(cmdPrint, cmdHelp);
    setTabOrder(cmdHelp, cmdOK);
    CboPlayer_->setFocus();
    adjustSize();
    CenterForm(this);
}

void frmPAnalyze::Spin(bool end, int step) {
    if (!(end ? model_->SpinEnd(step) : model_->SpinStart(step))) {
        QApplication::beep();
        return;
    }
    Redisplay();
}

void frmPAnalyze::Redisplay() {
    lblStart_->setText(Q(model_->StartLabel()));
    lblEnd_->setText(Q(model_->EndLabel()));
    FillList(cboTeamOA_, model_->TeamLines(false));
    FillList(cboTeamON_, model_->TeamLines(true));
    FillList(cboDivOA_, model_->DivisionLines(false));
    FillList(cboDivON_, model_->DivisionLines(true));
    for (int i = 0; i < kPlayerCategories; ++i)
        results_[static_cast<std::size_t>(i)]->setText(Q(model_->CategoryText(kShown[i])));
}

void frmPAnalyze::OnPrint() {
    OutputRequest request;
    {
        frmAPrint choose(ctx_, this);
        choose.exec();
        request = choose.Request();
    }
    DispatchToWindow(ctx_, this, *model_, request);
}

}  // namespace gm::ui
