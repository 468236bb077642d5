#include "frmOptions.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QPointer>
#include <QUrl>
#include <QVBoxLayout>

#include "core/data/FileIO.h"
#include "core/output/HomePage.h"
#include "core/output/WebPage.h"
#include "core/shell/Help.h"
#include "ui/shell/HelpPages.h"
#include "ui/shell/Hourglass.h"
#include "ui/shell/QtText.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"

namespace gm::ui {
namespace {

QRadioButton* Radio(const QString& caption, const QString& name, QLayout* into) {
    auto* b = new QRadioButton(caption);
    b->setObjectName(name);
    // The dialog decides which options are on: some rules clear a whole group.
    b->setAutoExclusive(false);
    into->addWidget(b);
    return b;
}

QGroupBox* Frame(const QString& title, QVBoxLayout*& layout) {
    auto* box = new QGroupBox(title);
    layout = new QVBoxLayout(box);
    return box;
}

}  // namespace

frmOptions::frmOptions(UiContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("frmOptions");
    setWindowTitle("Gridmoot Options");
    setModal(true);

    auto* outer = new QVBoxLayout(this);
    auto* main = new QGroupBox("Gridmoot Options");
    auto* grid = new QGridLayout(main);
    outer->addWidget(main);

    QVBoxLayout* l = nullptr;
    auto* spreads = Frame("Point Spreads", l);
    ckPS_ = new QCheckBox("Use Point Spreads in Gridmoot");
    ckPS_->setObjectName("ckPS");
    l->addWidget(ckPS_);
    OpUnd_ = Radio("Underdog Gets Points", "OpUnd", l);
    OpFav_ = Radio("Favorite Gets Points", "OpFav", l);
    grid->addWidget(spreads, 0, 0);

    auto* sort = Frame("&Rank Players By", l);
    const char* sortCaptions[] = {"Winning Pct.", "Total Wins", "Confidence Points"};
    for (int i = 0; i < 3; ++i) OpSort_[i] = Radio(sortCaptions[i], QString("OpSort%1").arg(i), l);
    l->addStretch();
    grid->addWidget(sort, 1, 0);

    auto* cpts = Frame("Confidence &Points", l);
    OpCPts_[0] = Radio("15 Down To XX", "OpCPts0", l);
    OpCPts_[1] = Radio("1 To MaxGames", "OpCPts1", l);
    l->addStretch();
    grid->addWidget(cpts, 2, 0);

    auto* first = Frame(" FIRST TIEBREAKER ", l);
    const char* tbCaptions[] = {"Monday Night Tiebreaker", "Total Wins", "Winning Pct", "No Tiebreakers in Pool"};
    for (int i = 0; i < 4; ++i) OpTBMethod_[i] = Radio(tbCaptions[i], QString("OpTBMethod%1").arg(i), l);
    grid->addWidget(first, 0, 1);

    auto* second = Frame(" SECOND TIEBREAKER ", l);
    ckMondayAlso_ = new QCheckBox("Use Monday Nite Tiebreaker ");
    ckMondayAlso_->setObjectName("ckMondayAlso");
    l->addWidget(ckMondayAlso_);
    OpTb_[0] = Radio("Total Points", "OpTb0", l);
    OpTb_[1] = Radio("Winning Margin", "OpTb1", l);
    grid->addWidget(second, 1, 1);

    auto* web = Frame("Pool &Web Pages", l);
    auto* titleLabel = new QLabel("Pool &Title");
    txtTitle_ = new QLineEdit;
    txtTitle_->setObjectName("txtTitle");
    txtTitle_->setMaxLength(34);  // the longest title the settings keep
    titleLabel->setBuddy(txtTitle_);
    SelectAllOnFocus(txtTitle_);
    l->addWidget(titleLabel);
    l->addWidget(txtTitle_);
    OpWBack_[0] = Radio("Dark Background/ Light Font", "OpWBack0", l);
    OpWBack_[1] = Radio("Light Background/ Dark Font", "OpWBack1", l);
    auto* cmdCreate = new QPushButton("Update Pool Home Page");
    cmdCreate->setObjectName("cmdCreate");
    auto* cmdView = new QPushButton("View Web Pages");
    cmdView->setObjectName("cmdView");
    l->addWidget(cmdCreate);
    l->addWidget(cmdView);
    grid->addWidget(web, 2, 1);

    auto* buttons = new QHBoxLayout;
    auto* cmdOK = new QPushButton("&OK");
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    auto* cmdCancel = new QPushButton("&Cancel");
    cmdCancel->setObjectName("cmdCancel");
    auto* cmdHelp = new QPushButton("&Help");
    cmdHelp->setObjectName("cmdHelp");
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdHelp);
    outer->addLayout(buttons);

    auto clicked = [this](QAbstractButton* b, auto&& rule) {
        connect(b, &QAbstractButton::clicked, this, [this, rule](bool checked) {
            rule(checked);
            Sync();
        });
    };
    clicked(ckPS_, [this](bool on) { controls_.ckPS = on; });
    clicked(OpUnd_, [this](bool) { ChooseSpreadEntry(controls_, true); });
    clicked(OpFav_, [this](bool) { ChooseSpreadEntry(controls_, false); });
    for (int i = 0; i < 3; ++i) clicked(OpSort_[i], [this, i](bool) { ChooseSort(controls_, i); });
    for (int i = 0; i < 2; ++i) clicked(OpCPts_[i], [this, i](bool) { ChooseCPts(controls_, i); });
    for (int i = 0; i < 4; ++i) clicked(OpTBMethod_[i], [this, i](bool) { ChooseTBMethod(controls_, i); });
    clicked(ckMondayAlso_, [this](bool on) { SetMondayAlso(controls_, on); });
    for (int i = 0; i < 2; ++i) clicked(OpTb_[i], [this, i](bool) { ChooseTb(controls_, i); });
    for (int i = 0; i < 2; ++i) clicked(OpWBack_[i], [this, i](bool) { ChooseWBack(controls_, i); });
    connect(txtTitle_, &QLineEdit::textEdited, this, [this](const QString& t) { controls_.txtTitle = t.toStdString(); });
    connect(cmdOK, &QPushButton::clicked, this, &frmOptions::OkClicked);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOptions::reject);
    connect(cmdHelp, &QPushButton::clicked, this, [this] { ShowHelp(ctx_, this, Display::PoolOptions); });
    connect(cmdCreate, &QPushButton::clicked, this, &frmOptions::UpdateHomePage);
    connect(cmdView, &QPushButton::clicked, this, &frmOptions::ViewWebPages);

    controls_ = OptionsFromState(ctx_.State);
    opened_ = controls_;
    txtTitle_->setText(Q(controls_.txtTitle));
    Sync();

    // Centred across, a little above the middle.
    adjustSize();
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2 - 7);
    }
}

void frmOptions::Sync() {
    auto set = [](QAbstractButton* b, bool on) {
        const QSignalBlocker block(b);
        b->setChecked(on);
    };
    set(ckPS_, controls_.ckPS);
    set(OpUnd_, controls_.OpUnd);
    set(OpFav_, controls_.OpFav);
    for (int i = 0; i < 3; ++i) set(OpSort_[i], controls_.OpSort[i]);
    for (int i = 0; i < 2; ++i) set(OpCPts_[i], controls_.OpCPts[i]);
    for (int i = 0; i < 4; ++i) set(OpTBMethod_[i], controls_.OpTBMethod[i]);
    set(ckMondayAlso_, controls_.ckMondayAlso);
    for (int i = 0; i < 2; ++i) set(OpTb_[i], controls_.OpTb[i]);
    for (int i = 0; i < 2; ++i) set(OpWBack_[i], controls_.OpWBack[i]);
}

bool frmOptions::Changed() const {
    OptionsControls now = controls_;
    now.txtTitle = txtTitle_->text().toStdString();
    return OptionsChanged(now, opened_, ctx_.State);
}

void frmOptions::OkClicked() {
    controls_.txtTitle = txtTitle_->text().toStdString();
    if (const auto problem = CheckOptions(controls_)) {
        ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(problem->Title), Q(problem->Text));
        return;
    }
    if (Changed()) {
        const Status s = ApplyOptions(ctx_.State, controls_);
        // The settings stay in force for this run even when the file could not take them.
        if (!s.ok())
            ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(kOptionsTitle), Q(OptionsNotSavedText(s.message)));
    }
    open_ = false;
    QDialog::accept();
}

void frmOptions::reject() {
    if (open_ && Changed()) {
        switch (ctx_.Prompts.Ask(this, PromptIcon::Question, PromptButtons::YesNoCancel, Q(kOptionsTitle),
                                 Q(kOptionsSaveQuestion))) {
            case PromptAnswer::Yes: OkClicked(); return;
            case PromptAnswer::Cancel: return;
            default: break;
        }
    }
    open_ = false;
    QDialog::reject();
}

void frmOptions::UpdateHomePage() {
    std::string confirmation;
    Status s;
    {
        Hourglass wait;
        s = WriteHomePage(ctx_.State, &confirmation);
    }
    const QString title = Q(std::string(kHomePageTitle));
    if (!s.ok())
        ctx_.Prompts.Tell(this, PromptIcon::Exclamation, title, Q(s.message));
    else
        ctx_.Prompts.Tell(this, PromptIcon::Information, title, Q(confirmation));
}

void frmOptions::ViewWebPages() {
    // Where the home page was written: "Webpages", or the data folder without one.
    const fs::path index = HomePagePath(ctx_.State);
    const QString file = QString::fromStdString(index.string());
    if (!QFileInfo::exists(file)) {
        ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(kViewWebPagesTitle), Q(HomePageNotWrittenText(S(file))));
        return;
    }
    // The message names the page, so that it can be opened by hand; it may
    // come after this dialog has closed.
    const QPointer<QWidget> asker(this);
    Prompter& prompts = ctx_.Prompts;
    OpenInBrowser(ctx_, QUrl::fromLocalFile(file).toString(), [asker, &prompts, file] {
        prompts.Tell(asker, PromptIcon::Exclamation, Q(kViewWebPagesTitle), Q(WebPagesNoBrowserText(S(file))));
    });
}

}  // namespace gm::ui
