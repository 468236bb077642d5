#include "frmPGraph.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/output/WebPage.h"
#include "ui/display/ChartView.h"
#include "ui/output/ChartOutput.h"
#include "ui/output/RunOutput.h"
#include "ui/shell/OptionFrames.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"
#include "ui/shell/WindowParts.h"

namespace gm::ui {

namespace {

// The chart reads its title and legend as rich text; a member's name is
// shown as typed, tags and ampersands included.
QString Literal(const std::string& text) { return Q(text).toHtmlEscaped(); }

}  // namespace

frmPGraph::frmPGraph(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      model_(std::make_unique<PlayerGraph>(ctx.State)),
      CboPlayer_(new QComboBox(this)),
      Graph1_(new ChartView(this)),
      TxtPlAvg_(FigureBox("TxtPlAvg", this)),
      TxtPoolAvg_(FigureBox("TxtPoolAvg", this)),
      txtPlTot_(FigureBox("txtPlTot", this)) {
    setObjectName("frmPGraph");
    setWindowTitle("Player Graphs");
    setModal(true);
    Graph1_->setObjectName("Graph1");
    CboPlayer_->setObjectName("CboPlayer");
    UseFixedPitch(CboPlayer_);
    for (const auto& name : model_->MemberChoices()) CboPlayer_->addItem(Q(name));
    CboPlayer_->setCurrentIndex(-1);
    CboPlayer_->setPlaceholderText("Select a player");

    auto* playerCaption = new QLabel("Pla&yer", this);
    playerCaption->setBuddy(CboPlayer_);
    auto* method = OptionGroup("Graph Using", "OpMethod", {"&Wins", "&Confidence Points", "Win Pc&t."}, 2,
                               this, [this](int i) {
                                   model_->SetMethod(static_cast<PlayerGraphMethod>(i));
                                   Draw();
                               });
    auto* type = OptionGroup("Chart", "OpType", {"B&AR", "LI&NE"}, 0, this, [this](int i) {
        model_->SetLine(i == 1);
        Draw();
    });

    auto* boxes = new QGridLayout;
    const std::pair<const char*, QLineEdit*> captions[] = {
        {"Player A&vg.", TxtPlAvg_}, {"Poo&l Avg.", TxtPoolAvg_}, {"Playe&r Tot.", txtPlTot_}};
    int row = 0;
    for (const auto& [caption, box] : captions) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(box);
        boxes->addWidget(label, row, 0);
        boxes->addWidget(box, row++, 1);
    }

    auto* side = new QVBoxLayout;
    side->addWidget(playerCaption);
    side->addWidget(CboPlayer_);
    side->addWidget(method);
    side->addWidget(type);
    side->addLayout(boxes);
    side->addStretch();

    auto* cmdBMP = Button("cmdBMP", "&BMP", this);
    auto* cmdPrint = Button("cmdPrint", "&Print", this);
    auto* cmdOK = Button("cmdOK", "&OK", this);
    cmdOK->setDefault(true);
    LayOutChartWindow(this, Graph1_, side, {}, {cmdBMP, cmdPrint, cmdOK});

    connect(CboPlayer_, &QComboBox::currentIndexChanged, this, [this](int index) {
        model_->SelectMember(index);
        Draw();
    });
    connect(cmdBMP, &QPushButton::clicked, this, &frmPGraph::OnSavePicture);
    connect(cmdPrint, &QPushButton::clicked, this, &frmPGraph::OnPrint);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    Draw();
    CboPlayer_->setFocus();
    resize(900, 540);
    CenterForm(this);
}

void frmPGraph::Draw() {
    const PlayerGraphSeries member = model_->MemberSeries(), pool = model_->PoolAverages();
    QStringList weeks;
    for (int w = 1; w <= model_->Weeks(); ++w) weeks << QString::number(w);
    const bool line = model_->Line();
    std::vector<ChartSeries> series;
    if (model_->HasMember())
        series.push_back({Literal(model_->MemberSeriesName()), {member.begin(), member.end()}, PaletteColor(line ? 10 : 9)});
    series.push_back({Q(PlayerGraph::kPoolSeriesName), {pool.begin(), pool.end()}, PaletteColor(12)});
    Graph1_->Show(Literal(model_->ChartTitle()), series, line, model_->AxisMaximum(), model_->TickIntervals() + 1, weeks);
    const bool shown = model_->HasMember();
    TxtPlAvg_->setText(shown ? Q(model_->PlayerAverageText()) : QString());
    TxtPoolAvg_->setText(Q(model_->PoolAverageText()));
    txtPlTot_->setText(shown ? Q(model_->PlayerTotalText()) : QString());
}

bool frmPGraph::MemberChosen() {
    if (model_->HasMember()) return true;
    ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(PlayerGraph::kNoPlayerTitle), Q(PlayerGraph::kNoPlayerText));
    CboPlayer_->setFocus();
    return false;
}

void frmPGraph::OnPrint() {
    // The model's drawing of the chart, as gridmoot-cli prints it; one copy.
    if (MemberChosen()) DispatchToWindow(ctx_, this, *model_, OutputRequest::Printer());
}

void frmPGraph::OnSavePicture() {
    if (!MemberChosen()) return;
    SaveChartPicture(ctx_, this, *Graph1_, model_->PictureFileName(), Q(PlayerGraph::kPictureTitle),
                     Q(model_->PictureConfirmation()));
}

}  // namespace gm::ui
