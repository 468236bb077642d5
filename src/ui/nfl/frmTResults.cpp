#include "frmTResults.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/shell/Help.h"
#include "ui/output/RunOutput.h"
#include "ui/shell/HelpPages.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"
#include "ui/shell/WindowParts.h"

namespace gm::ui {

namespace {

// The list shows this many characters of each line: all of it with the
// spread column, up to the running record without it.
constexpr int kCharsWithSpread = 57;
constexpr int kCharsNoSpread = 44;

}  // namespace

frmTResults::frmTResults(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      model_(std::make_unique<TeamResults>(ctx.State)),
      Combo1_(new QComboBox(this)),
      TFrame_(new QGroupBox(this)),
      lstTResults_(new QListWidget(this)),
      ckPSResults_(new QCheckBox("&Show PS Results", this)),
      lblHome_(Named("lblHome", this)),
      lblAway_(Named("lblAway", this)),
      lblPS_(Named("lblPS", this)),
      lblPSCaption_(new QLabel("vs. Spread", this)),
      lblPointsFor_(Named("lblPointsFor", this)),
      lblPointsAgainst_(Named("lblPointsAgainst", this)),
      lblAvgPF_(Named("lblAvgPF", this)),
      lblAvgPA_(Named("lblAvgPA", this)) {
    setObjectName("frmTResults");
    setWindowTitle(Q(model_->ReportTitle()));
    setModal(true);
    Combo1_->setObjectName("Combo1");
    TFrame_->setObjectName("TFrame");
    lstTResults_->setObjectName("lstTResults");
    ckPSResults_->setObjectName("ckPSResults");
    UseFixedPitch(lstTResults_);
    UseFixedPitch(TFrame_);
    lstTResults_->setMinimumHeight(QFontMetrics(lstTResults_->font()).lineSpacing() * 23);
    lstTResults_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstTResults_->setTextElideMode(Qt::ElideNone);  // the narrow list cuts the spread column off

    auto* teamCaption = new QLabel("&Team", this);
    teamCaption->setObjectName("lblTeam");
    teamCaption->setBuddy(Combo1_);
    teamCaption->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);  // the combo box gives way first
    const auto names = model_->TeamChoices();
    for (std::size_t i = 0; i < names.size(); ++i) Combo1_->addItem(Q(names[i]), static_cast<int>(i) + 1);
    auto* top = new QHBoxLayout;
    top->addWidget(teamCaption);
    top->addWidget(Combo1_, 1);
    top->addSpacing(16);
    top->addWidget(ckPSResults_);

    auto* frameLayout = new QVBoxLayout(TFrame_);
    frameLayout->addWidget(lstTResults_);
    // The frame keeps to the list's width, so it narrows when the spread
    // column goes; any spare width goes to the totals beside it.
    TFrame_->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);

    // Records and points beside the list, each under its caption.
    auto* totals = new QGridLayout;
    int row = 0;
    const auto add = [&](const QString& caption, QLabel* value, QLabel* captionLabel = nullptr) {
        if (!captionLabel) captionLabel = new QLabel(caption, this);
        value->setFrameShape(QFrame::Panel);
        value->setFrameShadow(QFrame::Sunken);
        value->setAlignment(Qt::AlignCenter);
        value->setMinimumWidth(QFontMetrics(value->font()).horizontalAdvance(" 10 - 10 - 10 "));
        totals->addWidget(captionLabel, row, 0);
        totals->addWidget(value, row, 1);
        ++row;
    };
    add("At Home", lblHome_);
    add("On Road", lblAway_);
    add({}, lblPS_, lblPSCaption_);
    totals->setRowMinimumHeight(row++, 12);
    add("Points For", lblPointsFor_);
    add("Points Against", lblPointsAgainst_);
    add("Avg. PF", lblAvgPF_);
    add("Avg. PA", lblAvgPA_);
    totals->setRowStretch(row, 1);

    auto* cmdPrint = Button("cmdPrint", "&Print", this);
    auto* cmdHelp = Button("cmdHelp", "&Help", this);
    auto* cmdOK = Button("cmdOK", "&OK", this);
    cmdOK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdHelp);
    buttons->addWidget(cmdOK);

    auto* middle = new QHBoxLayout;
    middle->addWidget(TFrame_);
    middle->addLayout(totals);
    middle->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);

    // Opening: the team of ResultsTeam, with the spread column.
    Combo1_->setCurrentIndex(model_->Team() - 1);
    ckPSResults_->setChecked(true);
    ShowTeamResults();
    ShowSpreadColumn(true);

    connect(Combo1_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0 || !model_->ChooseTeam(Combo1_->itemData(index).toInt())) return;
        ShowTeamResults();
    });
    connect(ckPSResults_, &QCheckBox::toggled, this, &frmTResults::ShowSpreadColumn);
    connect(cmdPrint, &QPushButton::clicked, this, &frmTResults::OnPrint);
    connect(cmdHelp, &QPushButton::clicked, this, [this] { ShowHelp(ctx_, this, Display::TeamResults); });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    setTabOrder(Combo1_, ckPSResults_);
    setTabOrder(ckPSResults_, lstTResults_);
    setTabOrder(lstTResults_, cmdPrint);
    setTabOrder(cmdPrint, cmdHelp);
    setTabOrder(cmdHelp, cmdOK);
    Combo1_->setFocus();
    adjustSize();
    CenterForm(this);
}

void frmTResults::ShowTeamResults() {
    FillList(lstTResults_, model_->ListLines());
    lblHome_->setText(Q(model_->HomeText()));
    lblAway_->setText(Q(model_->AwayText()));
    lblPS_->setText(Q(model_->PSText()));
    lblPointsFor_->setText(Q(model_->PointsForText()));
    lblPointsAgainst_->setText(Q(model_->PointsAgainstText()));
    lblAvgPF_->setText(Q(model_->AvgPFText()));
    lblAvgPA_->setText(Q(model_->AvgPAText()));
}

void frmTResults::ShowSpreadColumn(bool show) {
    // The list always holds the lines with the spread column; only its width
    // shows or hides that column.
    model_->SetShowSpread(show);
    lblPS_->setVisible(show);
    lblPSCaption_->setVisible(show);
    TFrame_->setTitle(Q(model_->Heading()));
    const int chars = show ? kCharsWithSpread : kCharsNoSpread;
    const int width = QFontMetrics(lstTResults_->font()).horizontalAdvance(QString(chars, QLatin1Char('0'))) +
                      2 * lstTResults_->frameWidth() + lstTResults_->verticalScrollBar()->sizeHint().width() + 8;
    lstTResults_->setFixedWidth(width);
    // The window follows the list, once the layout has taken the new width.
    if (layout()) layout()->activate();
    adjustSize();
}

void frmTResults::done(int result) {
    ctx_.State.ResultsTeam = 0;
    QDialog::done(result);
}

void frmTResults::OnPrint() {
    RunReport(ctx_, this, *model_);
}

}  // namespace gm::ui
