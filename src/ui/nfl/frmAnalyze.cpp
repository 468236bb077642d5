#include "frmAnalyze.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

#include "core/shell/Help.h"
#include "ui/display/ElectronicSign.h"
#include "ui/display/SignSetup.h"
#include "ui/nfl/NflWindowParts.h"
#include "ui/output/RunOutput.h"
#include "ui/shell/HelpPages.h"
#include "ui/shell/OptionFrames.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"
#include "ui/shell/WindowParts.h"

namespace gm::ui {

frmAnalyze::frmAnalyze(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      model_(std::make_unique<Analyzer>(ctx.State)),
      picDisplay_(new QWidget(this)),
      lblStWeek_(Named("lblStWeek", this)),
      lblEndWeek_(Named("lblEndWeek", this)),
      lblMWeek_(Named("lblMWeek", this)),
      MSpin_(new SpinButton(this)),
      Combo1_(new QComboBox(this)),
      lstTeam_(new QListWidget(this)),
      cmdExpand_(Button("cmdExpand", "&Expand", this)),
      cmdMarquee_(Button("cmdMarquee", "Hide &Marquee", this)),
      cmdGrid_(Button("cmdGrid", "Hide &Grid", this)) {
    setObjectName("frmAnalyze");
    setWindowTitle("The NFL Analyzer");
    setModal(true);

    picDisplay_->setObjectName("picDisplay");
    picDisplay_->setMinimumSize(560, 54);
    MSpin_->setObjectName("MSpin");

    // Handicapping categories.
    auto* fu = OptionGroup("&Favorite/Underdog", "OpFu", {"All Games", "As Favorites", "As Underdogs"}, 0,
                           this, [this](int i) {
                               model_->SetRole(i == 1 ? Role::Favorite : i == 2 ? Role::Underdog : Role::Any);
                               ShowTables();
                           });
    auto* ha = OptionGroup("Home/&Away", "OpHA", {"All Games", "At Home", "On Road"}, 0, this, [this](int i) {
        model_->SetLocation(i == 1 ? Venue::Home : i == 2 ? Venue::Road : Venue::Overall);
        ShowTables();
    });
    auto* dc = OptionGroup("&League", "OpDC", {"All Games", "Non-Div. Games", "Non-Conf. Games"}, 0, this,
                           [this](int i) {
                               model_->SetRestriction(i == 1   ? GameFilter::NonDivision
                                                      : i == 2 ? GameFilter::NonConference
                                                               : GameFilter::All);
                               ShowTables();
                           });
    auto* ckPSpread = new QCheckBox("&vs. Point Spread", this);
    ckPSpread->setObjectName("ckPSpread");
    connect(ckPSpread, &QCheckBox::toggled, this, [this](bool on) {
        model_->SetSpread(on);
        ShowTables();
    });
    auto* bm = OptionGroup("&Benchmarks", "OpBM", {"Regular Season", "Conf. - HC", "League - HC"}, 0, this,
                           [this](int i) {
                               model_->SetBenchmark(i == 1   ? Benchmark::ConferenceHC
                                                    : i == 2 ? Benchmark::LeagueHC
                                                             : Benchmark::RegularSeason);
                               ShowTables();
                           });

    auto* categories = new QGroupBox("Handicapping Categories", this);
    auto* catLayout = new QGridLayout(categories);
    catLayout->addWidget(fu, 0, 0);
    catLayout->addWidget(ha, 0, 1);
    catLayout->addWidget(dc, 0, 2);
    catLayout->addWidget(ckPSpread, 1, 0, 1, 3);

    // Weeks.
    auto* spinStart = new SpinButton(this);
    spinStart->setObjectName("SpinButton1");
    auto* spinEnd = new SpinButton(this);
    spinEnd->setObjectName("SpinButton2");
    auto* weeks = new QHBoxLayout;
    weeks->addWidget(WeekFrame("S&TART WEEK", lblStWeek_, spinStart, this));
    weeks->addWidget(WeekFrame("E&ND WEEK", lblEndWeek_, spinEnd, this));

    // Change range and hits.
    auto* changeFrame = new QGroupBox("Minimum Change", this);
    auto* changeLayout = new QVBoxLayout(changeFrame);
    for (int i = 0; i < 2; ++i) {
        auto* box = new QLineEdit("+100", changeFrame);
        box->setObjectName(QString("txtChange%1").arg(i));
        box->setMaxLength(4);
        box->setValidator(new QRegularExpressionValidator(QRegularExpression("[-+0-9]*"), box));
        SelectAllOnFocus(box);
        connect(box, &QLineEdit::editingFinished, this, [this, i] { CheckChange(i); });
        txtChange_[static_cast<std::size_t>(i)] = box;
        changeLayout->addWidget(box);
    }
    Combo1_->setObjectName("Combo1");
    auto* hitsCaption = new QLabel("H&its", this);
    hitsCaption->setBuddy(Combo1_);
    changeLayout->addWidget(hitsCaption);
    changeLayout->addWidget(Combo1_);

    auto* side = new QVBoxLayout;
    side->addWidget(bm);
    side->addWidget(changeFrame);

    // The table.
    auto* listFrame = new QGroupBox("The   NFL   Analyzer", this);
    auto* listLayout = new QVBoxLayout(listFrame);
    auto* heading = new QLabel(Q(kAnalyzerHeading), listFrame);
    lstTeam_->setObjectName("lstTeam");
    UseFixedPitch(lstTeam_);
    UseFixedPitch(heading);
    const QFontMetrics metrics(lstTeam_->font());
    lstTeam_->setMinimumWidth(metrics.horizontalAdvance(QString(60, 'M')) + 30);
    lstTeam_->setMinimumHeight(metrics.lineSpacing() * 16);
    listLayout->addWidget(heading);
    listLayout->addWidget(lstTeam_);

    // The sign and its week.
    auto* signRow = new QHBoxLayout;
    lblMWeekCaption_ = new QLabel("Marquee &Week", this);
    lblMWeekCaption_->setObjectName("lblMWeekCaption");
    lblMWeekCaption_->setBuddy(MSpin_);
    signRow->addWidget(picDisplay_, 1);
    signRow->addWidget(lblMWeekCaption_);
    signRow->addWidget(lblMWeek_);
    signRow->addWidget(MSpin_);

    auto* cmdHelp = Button("cmdHelp", "&Help", this);
    auto* cmdPrint = Button("cmdPrint", "&Print", this);
    auto* cmdOK = Button("cmdOK", "&OK", this);
    cmdOK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdExpand_);
    buttons->addWidget(cmdMarquee_);
    buttons->addWidget(cmdGrid_);
    buttons->addStretch();
    buttons->addWidget(cmdHelp);
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdOK);

    auto* middle = new QHBoxLayout;
    auto* leftColumn = new QVBoxLayout;
    leftColumn->addWidget(categories);
    leftColumn->addLayout(weeks);
    leftColumn->addWidget(listFrame, 1);
    middle->addLayout(leftColumn, 1);
    middle->addLayout(side);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(signRow);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);

    SetupAnalyzerSign(*Sign(), picDisplay_, Q(model_->SignMessage()), cmdGrid_, {}, ScreenColors(ctx));

    connect(spinStart, &SpinButton::SpinUp, this, [this] { SpinWeek(false, +1); });
    connect(spinStart, &SpinButton::SpinDown, this, [this] { SpinWeek(false, -1); });
    connect(spinEnd, &SpinButton::SpinUp, this, [this] { SpinWeek(true, +1); });
    connect(spinEnd, &SpinButton::SpinDown, this, [this] { SpinWeek(true, -1); });
    connect(cmdExpand_, &QPushButton::clicked, this, &frmAnalyze::ToggleExpand);
    connect(cmdMarquee_, &QPushButton::clicked, this, &frmAnalyze::ToggleMarquee);
    marquee_.Connect(this, cmdGrid_, MSpin_, [this](int step) { return model_->SpinMarquee(step); },
                     [this] {
                         lblMWeek_->setText(Q(model_->MarqueeText()));
                         Sign()->Text(Q(model_->SignMessage()));
                     });
    connect(cmdHelp, &QPushButton::clicked, this, [this] { ShowHelpContents(ctx_, this); });
    connect(cmdPrint, &QPushButton::clicked, this, &frmAnalyze::OnPrint);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    lblMWeek_->setText(Q(model_->MarqueeText()));
    ShowTables();
    cmdOK->setFocus();
    adjustSize();
    CenterForm(this);
}

frmAnalyze::~frmAnalyze() = default;

void frmAnalyze::ShowTables() {
    lblStWeek_->setText(Q(model_->StartText()));
    lblEndWeek_->setText(Q(model_->EndText()));
    Combo1_->clear();
    for (const auto& hit : model_->HitList()) Combo1_->addItem(Q(hit));
    Combo1_->setCurrentIndex(0);
    ShowList();
}

void frmAnalyze::ShowList() {
    const int row = lstTeam_->currentRow();
    FillList(lstTeam_, model_->ListLines());
    if (row >= 0 && row < lstTeam_->count()) lstTeam_->setCurrentRow(row);
}

void frmAnalyze::SpinWeek(bool end, int step) {
    if (!(end ? model_->SpinEnd(step) : model_->SpinStart(step))) {
        QApplication::beep();
        return;
    }
    ShowTables();
}

bool frmAnalyze::CheckChange(int box) {
    QLineEdit* edit = txtChange_[static_cast<std::size_t>(box)];
    const auto value = ParseChange(S(edit->text()));
    if (!value) {
        ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(kChangeErrorTitle), Q(kChangeErrorText));
        QTimer::singleShot(0, edit, [edit] {
            edit->setFocus();
            edit->selectAll();
        });
        return false;
    }
    change_[static_cast<std::size_t>(box)] = *value;
    model_->SetChangeRange(change_[0], change_[1]);
    return true;
}

void frmAnalyze::ToggleExpand() {
    model_->SetExpanded(!model_->Expanded());
    cmdExpand_->setText(model_->Expanded() ? "&Shrink" : "&Expand");
    ShowList();
}

void frmAnalyze::ToggleMarquee() {
    const bool show = !picDisplay_->isVisibleTo(this);
    for (QWidget* w : std::initializer_list<QWidget*>{picDisplay_, cmdGrid_, lblMWeekCaption_, lblMWeek_, MSpin_})
        w->setVisible(show);
    cmdMarquee_->setText(show ? "Hide &Marquee" : "Show &Marquee");
}

void frmAnalyze::OnPrint() { RunReport(ctx_, this, *model_); }

}  // namespace gm::ui
