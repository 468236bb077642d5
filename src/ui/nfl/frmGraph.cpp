#include "frmGraph.h"

#include <QGridLayout>
#include <QGroupBox>
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

frmGraph::frmGraph(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      model_(std::make_unique<NflGraph>(ctx.State)),
      Graph1_(new ChartView(this)),
      TxtWins_(FigureBox("TxtWins", this)),
      TxtLosses_(FigureBox("TxtLosses", this)) {
    setObjectName("frmGraph");
    setWindowTitle("NFL Graphs");
    setModal(true);
    Graph1_->setObjectName("Graph1");

    auto* loc = OptionGroup("&Location", "OpLoc", {"At Home", "On Road", "All"}, 2, this, [this](int i) {
        model_->SetLocation(i == 0 ? Venue::Home : i == 1 ? Venue::Road : Venue::Overall);
        Draw();
    });
    auto* method = OptionGroup("&Games", "OpMethod", {"Favorites", "Underdogs", "NFL vs. Spread", "NFL - No Spreads"},
                               3, this, [this](int i) {
                                   model_->SetMethod(static_cast<GraphMethod>(i));
                                   Draw();
                               });
    auto* type = OptionGroup("&Chart", "OpType", {"BAR", "LINE"}, 0, this, [this](int i) {
        model_->SetLine(i == 1);
        Draw();
    });

    auto* totals = new QGridLayout;
    auto* winsCaption = new QLabel("Total &Wins", this);
    winsCaption->setBuddy(TxtWins_);
    auto* lossesCaption = new QLabel("Total Lo&sses", this);
    lossesCaption->setBuddy(TxtLosses_);
    totals->addWidget(winsCaption, 0, 0);
    totals->addWidget(TxtWins_, 0, 1);
    totals->addWidget(lossesCaption, 1, 0);
    totals->addWidget(TxtLosses_, 1, 1);

    auto* side = new QVBoxLayout;
    side->addWidget(method);
    side->addWidget(loc);
    side->addWidget(type);
    side->addLayout(totals);
    side->addStretch();

    auto* cmdHint = Button("cmdHint", "&Hint", this);
    auto* cmdBMP = Button("cmdBMP", "&BMP", this);
    auto* cmdPrint = Button("cmdPrint", "&Print", this);
    auto* cmdOK = Button("cmdOK", "&OK", this);
    cmdOK->setDefault(true);
    LayOutChartWindow(this, Graph1_, side, {cmdHint}, {cmdBMP, cmdPrint, cmdOK});

    connect(cmdHint, &QPushButton::clicked, this, [this] {
        ctx_.Prompts.Tell(this, PromptIcon::Information, Q(kGraphHintTitle), Q(kGraphHintText));
    });
    connect(cmdBMP, &QPushButton::clicked, this, &frmGraph::OnSavePicture);
    connect(cmdPrint, &QPushButton::clicked, this, &frmGraph::OnPrint);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    Draw();
    cmdOK->setFocus();
    resize(860, 520);
    CenterForm(this);
}

void frmGraph::Draw() {
    std::vector<double> wins, losses;
    QStringList weeks;
    for (int w = 0; w < model_->Weeks(); ++w) {
        wins.push_back(model_->Tallies()[static_cast<std::size_t>(w)].GraphWins);
        losses.push_back(model_->Tallies()[static_cast<std::size_t>(w)].GraphLosses);
        weeks << QString::number(w + 1);
    }
    const bool line = model_->Line();
    Graph1_->Show(Q(model_->ChartTitle()),
                  {{"Wins", wins, PaletteColor(line ? 10 : 9)}, {"Losses", losses, PaletteColor(12)}}, line,
                  model_->AxisMaximum(), 6, weeks);
    TxtWins_->setText(QString::number(model_->Wins()));
    TxtLosses_->setText(QString::number(model_->Losses()));
}

// The printout is the model's drawing of the chart, the one gridmoot-cli
// prints; one copy, no output dialog.
void frmGraph::OnPrint() { DispatchToWindow(ctx_, this, *model_, OutputRequest::Printer()); }

void frmGraph::OnSavePicture() {
    const std::string name = model_->PictureFileName();
    SaveChartPicture(ctx_, this, *Graph1_, name, Q(NflGraph::kPictureTitle),
                     Q(NflGraph::PictureConfirmation(name)));
}

}  // namespace gm::ui
