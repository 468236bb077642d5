#include "frmPoolStn.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QVBoxLayout>
#include <algorithm>

#include "core/output/WebPage.h"
#include "ui/output/RunOutput.h"
#include "ui/shell/ActivateLine.h"
#include "ui/shell/HeadingFrame.h"
#include "ui/shell/HelpPages.h"
#include "ui/shell/Hourglass.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"
#include "ui/shell/WindowParts.h"

namespace gm::ui {

frmPoolStn::frmPoolStn(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      model_(std::make_unique<PoolStandings>(ctx.State)),
      lstPlayer_(new QListWidget(this)),
      frStandings_(new HeadingFrame(this)),
      groupStrip_(new QWidget(this)),
      lblLeft_(Named("lblLeft", this)),
      lblRight_(Named("lblRight", this)),
      lblStart_(Named("lblStart", this)),
      lblEnd_(Named("lblEnd", this)),
      Combo1_(new QComboBox(this)),
      ckShowAll_(new QCheckBox("Show &All Players", this)),
      lblPoolNum_(Named("lblPoolNum", this)),
      lblActive_(Named("lblActive", this)),
      lblActiveNum_(Named("lblActiveNum", this)),
      OpOneWeek_(new QRadioButton("O&ne Week", this)),
      OpSeason_(new QRadioButton("Season &Totals", this)) {
    setObjectName("frmPoolStn");
    setWindowTitle("Vadoruriziz Standings");
    setModal(true);
    lstPlayer_->setObjectName("lstPlayer");
    frStandings_->setObjectName("frStandings");
    Combo1_->setObjectName("Combo1");
    ckShowAll_->setObjectName("ckShowAll");
    OpOneWeek_->setObjectName("OpOneWeek");
    OpSeason_->setObjectName("OpSeason");
    UseFixedPitch(lstPlayer_);
    UseFixedPitch(frStandings_);
    lstPlayer_->setMinimumSize(620, 300);

    auto* spinEnd = new SpinButton(this);
    spinEnd->setObjectName("SpinButton1");
    auto* spinStart = new SpinButton(this);
    spinStart->setObjectName("SpinButton2");
    auto* cmdPrint = Button("cmdPrint", "&Print", this);
    auto* cmdHelp = Button("cmdHelp", "&Help", this);
    auto* cmdOK = Button("cmdOK", "&OK", this);
    cmdOK->setDefault(true);

    // The list under its group labels, inside the frame captioned with the
    // column heading. The labels sit on a strip of their own, placed over the
    // character columns where their groups begin.
    groupStrip_->setFixedHeight(lblLeft_->sizeHint().height());
    lblLeft_->setParent(groupStrip_);
    lblRight_->setParent(groupStrip_);
    auto* frameLayout = new QVBoxLayout(frStandings_);
    frameLayout->addWidget(groupStrip_);
    frameLayout->addWidget(lstPlayer_);
    // Line the list's text up under the heading in the frame's caption.
    frStandings_->ensurePolished();
    const int margins = frameLayout->contentsMargins().left();
    const int shift = frStandings_->TitleLeft() - frStandings_->contentsRect().left() - TextIndent();
    if (shift >= 0) {
        QMargins m = frameLayout->contentsMargins();
        m.setLeft(shift);
        frameLayout->setContentsMargins(m);
    } else if (margins > 0) {
        QMargins m = frameLayout->contentsMargins();
        m.setLeft(0);
        frameLayout->setContentsMargins(m);
    }

    auto* range = new QGroupBox("Display  Standings", this);
    auto* rangeLayout = new QGridLayout(range);
    auto* between = new QLabel("&Between Week", range);
    between->setBuddy(spinStart);
    auto* andWeek = new QLabel("An&d Week", range);
    andWeek->setBuddy(spinEnd);
    rangeLayout->addWidget(between, 0, 0);
    rangeLayout->addWidget(lblStart_, 0, 1);
    rangeLayout->addWidget(spinStart, 0, 2);
    rangeLayout->addWidget(andWeek, 1, 0);
    rangeLayout->addWidget(lblEnd_, 1, 1);
    rangeLayout->addWidget(spinEnd, 1, 2);

    auto* sortBox = new QGroupBox("&Sort By", this);
    auto* sortLayout = new QVBoxLayout(sortBox);
    sortLayout->addWidget(Combo1_);

    auto* counts = new QGridLayout;
    counts->addWidget(new QLabel("Pool Size", this), 0, 0);
    counts->addWidget(lblPoolNum_, 0, 1);
    counts->addWidget(lblActive_, 1, 0);
    counts->addWidget(lblActiveNum_, 1, 1);

    auto* side = new QVBoxLayout;
    side->addWidget(range);
    side->addWidget(sortBox);
    side->addWidget(ckShowAll_);
    side->addLayout(counts);
    side->addWidget(OpOneWeek_);
    side->addWidget(OpSeason_);
    side->addStretch();
    side->addWidget(cmdPrint);
    side->addWidget(cmdHelp);
    side->addWidget(cmdOK);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(frStandings_, 1);
    layout->addLayout(side);

    // Opening: labels, counts and the sort box without a recomputation.
    lblStart_->setText(Q(model_->StartLabel()));
    lblEnd_->setText(Q(model_->EndLabel()));
    lblPoolNum_->setText(Q(model_->PoolSizeText()));
    for (const auto& choice : PoolStandings::SortChoices()) Combo1_->addItem(Q(choice));
    Combo1_->setCurrentText(Q(model_->InitialSortChoice()));
    OpOneWeek_->setChecked(true);
    Redisplay();

    connect(spinEnd, &SpinButton::SpinUp, this, [this] { Spin(true, +1); });
    connect(spinEnd, &SpinButton::SpinDown, this, [this] { Spin(true, -1); });
    connect(spinStart, &SpinButton::SpinUp, this, [this] { Spin(false, +1); });
    connect(spinStart, &SpinButton::SpinDown, this, [this] { Spin(false, -1); });
    connect(Combo1_, &QComboBox::activated, this, [this](int index) {
        model_->ChooseSort(Combo1_->itemText(index).toStdString());
        Redisplay();
    });
    connect(ckShowAll_, &QCheckBox::toggled, this, [this](bool on) {
        model_->SetShowAll(on);
        Redisplay();
    });
    connect(OpOneWeek_, &QRadioButton::toggled, this, [this](bool on) {
        if (!on) return;
        model_->SetView(PoolStandings::View::OneWeek);
        Redisplay();
    });
    connect(OpSeason_, &QRadioButton::toggled, this, [this](bool on) {
        if (!on) return;
        model_->SetView(PoolStandings::View::Season);
        Redisplay();
    });
    new ActivateLine(lstPlayer_, [this](int row) { OnListDoubleClick(row); });
    connect(cmdPrint, &QPushButton::clicked, this, &frmPoolStn::OnPrint);
    connect(cmdHelp, &QPushButton::clicked, this, [this] { ShowHelp(ctx_, this, Display::PoolStandings); });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    adjustSize();
    CenterForm(this);
    // The standings sit 300 twips above the centre of the screen.
    move(x(), std::max(0, y() - 300 * logicalDpiY() / 1440));
}

void frmPoolStn::Redisplay() {
    frStandings_->setTitle(Q(model_->Heading()));
    FillList(lstPlayer_, model_->Lines());
    lblActive_->setText(Q(model_->ActiveText()));
    lblActiveNum_->setText(Q(model_->ActiveNumText()));
    lblLeft_->setText(Q(model_->LeftLabel()));
    lblRight_->setText(Q(model_->RightLabel()));
    const int cw = QFontMetrics(lstPlayer_->font()).horizontalAdvance(QLatin1Char(' '));
    const auto [left, right] = model_->GroupColumns();
    lblLeft_->adjustSize();
    lblRight_->adjustSize();
    lblLeft_->move(TextIndent() + left * cw, 0);
    lblRight_->move(TextIndent() + right * cw, 0);
    lblStart_->setText(Q(model_->StartLabel()));
    lblEnd_->setText(Q(model_->EndLabel()));
}

int frmPoolStn::TextIndent() const {
    // Where an item view starts its text: inside the frame, past the focus margin.
    return lstPlayer_->frameWidth() + lstPlayer_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, lstPlayer_) + 1;
}

void frmPoolStn::Spin(bool endWeek, int step) {
    const bool moved = endWeek ? model_->SpinEnd(step) : model_->SpinStart(step);
    if (!moved) {
        QApplication::beep();
        return;
    }
    Redisplay();
}

void frmPoolStn::OnListDoubleClick(int row) {
    const auto members = model_->ListedMembers();
    if (row < 0 || row >= static_cast<int>(members.size())) return;
    if (!ctx_.Windows || !ctx_.Windows->Has(Display::PlayerStatPak)) return;
    const int weekBefore = ctx_.State.CurrentWeek;
    ctx_.State.CurrentPlayer = members[static_cast<std::size_t>(row)];
    ctx_.State.StatPakFromStandings = true;
    ctx_.Windows->Open(Display::PlayerStatPak, ctx_, this);  // its opener shows the hourglass while it loads
    ctx_.State.StatPakFromStandings = false;
    model_->AfterStatPak(weekBefore);
    Redisplay();
}

void frmPoolStn::OnPrint() {
    RunReport(ctx_, this, *model_);
}

}  // namespace gm::ui
