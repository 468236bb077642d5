#include "frmOffBar.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/sidepools/SportsBoxReports.h"
#include "core/shell/Help.h"
#include "ui/output/frmCopies.h"
#include "ui/output/RunOutput.h"
#include "ui/shell/HelpPages.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/WindowHelpers.h"
#include "ui/sidepools/BoxWidgets.h"
#include "ui/sidepools/SidePoolUi.h"

namespace gm::ui {

using namespace sideui;

namespace {

struct SchemeOption {
    const char* Name;
    const char* Caption;
    const char* Hint;
    SportsBox::Scheme Scheme;
};

constexpr SchemeOption kSchemes[] = {
    {"opOPB", "One Per &Box", "Every Player gets one box. The rest stay empty", SportsBox::Scheme::OnePerBox},
    {"opOPBox", "One Per Box + &Randomize", "One box per player. The rest are randomized.",
     SportsBox::Scheme::OnePerBoxRandom},
    {"OpEqual", "E&qual Number", "Every player gets equal # of boxes. Rest are empty.", SportsBox::Scheme::Equal},
    {"OpREqual", "Equal + Ra&ndomize", "Every player gets equal # of boxes. Rest are randomized.",
     SportsBox::Scheme::EqualRandom},
    {"opGrid", "&Totally Randomized Grid", "Totally randomized. My kind of game !!!", SportsBox::Scheme::Grid},
    {"opDigits", "Randomize NFL &Digits", "Randomize the NFL digits", SportsBox::Scheme::Digits},
};

constexpr int kCell = 34;

PromptIcon IconOf(const OutputMessage& m) {
    return m.icon == OutputMessage::Icon::Exclamation ? PromptIcon::Exclamation : PromptIcon::Information;
}

// Enter and Delete in the player list: Delete takes the entry off the list,
// as dropping it on the waste basket does.
class ListKeys : public QObject {
public:
    ListKeys(QWidget* list, std::function<void()> remove) : QObject(list), remove_(std::move(remove)) {
        list->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
            remove_();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> remove_;
};

}  // namespace

frmOffBar::frmOffBar(UiContext& ctx, QWidget* parent, std::optional<std::uint64_t> seed)
    : QDialog(parent),
      ctx_(ctx),
      model_(std::make_unique<SportsBox>(ctx.State, seed)),
      lstPlayer_(new BoxPlayerList(this)),
      lblWeek_(NamedLabel("lblWeek", this)),
      lblGame_(NamedLabel("lblGame", this)),
      lblHomeTeam_(NamedLabel("lblHomeTeam", this)),
      lblAwayTeam_(NamedLabel("lblAwayTeam", this)),
      lblHomeSc_(NamedLabel("lblHomeSc", this)),
      lblAwaySc_(NamedLabel("lblAwaySc", this)),
      lblWinner_(NamedLabel("lblWinner", this)),
      lblDigitsNote_(NamedLabel("lblDigitsNote", this)) {
    setObjectName("frmOffBar");
    setWindowTitle(Q(sbtext::Caption));
    setModal(true);

    // The player list and the waste basket.
    lstPlayer_->setObjectName("lstPlayer");
    FixedPitch(lstPlayer_);
    lstPlayer_->setToolTip("Drag 'n Drop player name to any square. \"Clear Box\" will empty a square.!");
    lstPlayer_->setMinimumWidth(QFontMetrics(lstPlayer_->font()).horizontalAdvance(QString(24, 'M')));
    auto* Picture1 = new BoxCell(-1, this);
    Picture1->setObjectName("Picture1");
    Picture1->setFocusPolicy(Qt::NoFocus);
    Picture1->setPixmap(style()->standardIcon(QStyle::SP_TrashIcon).pixmap(32, 32));
    Picture1->setToolTip("Drag a player name from the listbox to delete him.");
    Picture1->setFrameShape(QFrame::Panel);
    Picture1->setMinimumSize(48, 48);
    auto* playersLabel = new QLabel("Pla&yers", this);
    playersLabel->setBuddy(lstPlayer_);

    auto* cmdAdd = Button("cmdAdd", "&Add", this);
    cmdAdd->setToolTip("Manually add a player.");
    auto* cmdImport = Button("cmdImport", "&Import", this);
    cmdImport->setToolTip("Add every player from the regular pool.");
    auto* cmdSave = Button("cmdSave", "Sa&ve Players to File", this);
    cmdSave->setToolTip("Save players in listbox to a file (SBPlayer.dat)");

    auto* left = new QVBoxLayout;
    left->addWidget(playersLabel);
    left->addWidget(lstPlayer_, 1);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(cmdAdd);
    listButtons->addWidget(cmdImport);
    listButtons->addWidget(Picture1);
    left->addLayout(listButtons);
    left->addWidget(cmdSave);

    // The box: home digits along the top, away digits down the side.
    auto* frame = new QGroupBox(Q(sbtext::Frame), this);
    frame->setToolTip("Double click on NFL digit to change. Double click on  box to see Owner.");
    auto* grid = new QGridLayout(frame);
    grid->setSpacing(0);
    auto* homeCaption = new QLabel("HOME TEAM", frame);
    homeCaption->setAlignment(Qt::AlignCenter);
    grid->addWidget(homeCaption, 0, 2, 1, 10);
    auto* awayCaption = new QLabel("A\nW\nA\nY\n\nT\nE\nA\nM", frame);
    awayCaption->setAlignment(Qt::AlignCenter);
    grid->addWidget(awayCaption, 2, 0, 10, 1);
    QFont digitFont = font();
    digitFont.setBold(true);
    digitFont.setPointSizeF(digitFont.pointSizeF() * 1.2);
    const auto makeDigit = [&](const char* stem, int i, bool top) {
        auto* d = new BoxCell(i, frame);
        d->setObjectName(QString("%1%2").arg(stem).arg(i));
        d->setFont(digitFont);
        d->setFixedSize(kCell, kCell);
        d->setAcceptDrops(false);
        connect(d, &BoxCell::DoubleClicked, this, [this, top](int p) { AskDigit(top, p); });
        connect(d, &BoxCell::SpacePressed, this, [this, top](int p) { AskDigit(top, p); });
        return d;
    };
    for (int i = 0; i < 10; ++i) {
        lblTop_[static_cast<std::size_t>(i)] = makeDigit("lblTop", i, true);
        grid->addWidget(lblTop_[static_cast<std::size_t>(i)], 1, 2 + i);
        lblLeft_[static_cast<std::size_t>(i)] = makeDigit("lblLeft", i, false);
        grid->addWidget(lblLeft_[static_cast<std::size_t>(i)], 2 + i, 1);
    }
    for (int b = 0; b < 100; ++b) {
        auto* box = new BoxCell(b, frame);
        box->setObjectName(QString("lblBox%1").arg(b));
        box->setFrameShape(QFrame::Box);
        box->setFixedSize(kCell, kCell);
        box->setAutoFillBackground(true);
        grid->addWidget(box, 2 + b / 10, 2 + b % 10);
        connect(box, &BoxCell::Dropped, this, &frmOffBar::DropOnBox);
        connect(box, &BoxCell::DoubleClicked, this, &frmOffBar::ShowOwner);
        connect(box, &BoxCell::SpacePressed, this, [this](int index) { DropOnBox(index, lstPlayer_->currentRow()); });
        lblBox_[static_cast<std::size_t>(b)] = box;
    }
    // Arrow keys move between neighbouring boxes and digits.
    for (int b = 0; b < 100; ++b) {
        BoxCell* box = lblBox_[static_cast<std::size_t>(b)];
        const int r = b / 10, c = b % 10;
        box->Left = c > 0 ? lblBox_[static_cast<std::size_t>(b - 1)] : lblLeft_[static_cast<std::size_t>(r)];
        box->Right = c < 9 ? lblBox_[static_cast<std::size_t>(b + 1)] : nullptr;
        box->Up = r > 0 ? lblBox_[static_cast<std::size_t>(b - 10)] : lblTop_[static_cast<std::size_t>(c)];
        box->Down = r < 9 ? lblBox_[static_cast<std::size_t>(b + 10)] : nullptr;
    }
    for (int i = 0; i < 10; ++i) {
        lblTop_[static_cast<std::size_t>(i)]->Left = i > 0 ? lblTop_[static_cast<std::size_t>(i - 1)] : nullptr;
        lblTop_[static_cast<std::size_t>(i)]->Right = i < 9 ? lblTop_[static_cast<std::size_t>(i + 1)] : nullptr;
        lblTop_[static_cast<std::size_t>(i)]->Down = lblBox_[static_cast<std::size_t>(i)];
        lblLeft_[static_cast<std::size_t>(i)]->Up = i > 0 ? lblLeft_[static_cast<std::size_t>(i - 1)] : nullptr;
        lblLeft_[static_cast<std::size_t>(i)]->Down = i < 9 ? lblLeft_[static_cast<std::size_t>(i + 1)] : nullptr;
        lblLeft_[static_cast<std::size_t>(i)]->Right = lblBox_[static_cast<std::size_t>(i * 10)];
    }
    connect(Picture1, &BoxCell::Dropped, this, [this](int, int entry) { DropOnBasket(entry); });
    new ListKeys(lstPlayer_, [this] { DropOnBasket(lstPlayer_->currentRow()); });

    // Week, game and the result.
    auto* weekSpin = new SpinButton(this);
    weekSpin->setObjectName("SpinButton1");
    auto* gameSpin = new SpinButton(this);
    gameSpin->setObjectName("SpinButton2");
    gameSpin->setToolTip("Sometimes games 12, 13, or 14 are not scheduled.");
    auto* weekCaption = new QLabel("&WEEK", this);
    weekCaption->setBuddy(weekSpin);
    auto* gameCaption = new QLabel("USE &GAME", this);
    gameCaption->setBuddy(gameSpin);
    gameCaption->setToolTip(gameSpin->toolTip());
    lblWinner_->setToolTip("The Winner of the Office Sports Box Game.");
    QFont big = lblWeek_->font();
    big.setBold(true);
    for (QLabel* l : {lblWeek_, lblGame_, lblWinner_}) l->setFont(big);
    auto* game = new QGridLayout;
    game->addWidget(weekCaption, 0, 0);
    game->addWidget(lblWeek_, 0, 1);
    game->addWidget(weekSpin, 0, 2);
    game->addWidget(gameCaption, 1, 0);
    game->addWidget(lblGame_, 1, 1);
    game->addWidget(gameSpin, 1, 2);
    game->addWidget(new QLabel("Home", this), 2, 0);
    game->addWidget(lblHomeTeam_, 2, 1);
    game->addWidget(lblHomeSc_, 2, 2);
    game->addWidget(new QLabel("Away", this), 3, 0);
    game->addWidget(lblAwayTeam_, 3, 1);
    game->addWidget(lblAwaySc_, 3, 2);
    game->addWidget(new QLabel("Winner", this), 4, 0);
    game->addWidget(lblWinner_, 4, 1, 1, 2);
    // Beside the winner, never in its place: repeated or missing digits.
    lblDigitsNote_->setWordWrap(true);
    lblDigitsNote_->setToolTip(Q(sbtext::DigitsRepeatHint));
    game->addWidget(lblDigitsNote_, 5, 0, 1, 3);

    auto* schemes = new QGroupBox("Randomize", this);
    auto* schemeLayout = new QVBoxLayout(schemes);
    for (int i = 0; i < 6; ++i) {
        const SchemeOption& s = kSchemes[i];
        auto* option = new QRadioButton(s.Caption, schemes);
        option->setObjectName(s.Name);
        option->setToolTip(s.Hint);
        option->setAutoExclusive(false);  // Clear and a week change clear all six
        schemeLayout->addWidget(option);
        connect(option, &QRadioButton::clicked, this, [this, i] { ChooseScheme(i); });
        options_[static_cast<std::size_t>(i)] = option;
    }

    auto* cmdClear = Button("cmdClear", "C&lear", this);
    cmdClear->setToolTip("Clear the 100 squares without resetting the digits.");
    auto* cmdReset = Button("cmdReset", "R&eset", this);
    cmdReset->setToolTip("Clear the 100 squares and reset the NFL digits.");
    auto* cmdPrint = Button("cmdPrint", "&Print", this);
    cmdPrint->setToolTip("Print the 100 square grid w/ player names.");
    auto* cmdOK = Button("cmdOK", "&OK", this);
    cmdOK->setToolTip("Exit and save changes to file (Sportbox.dat)");
    auto* cmdCancel = Button("cmdCancel", "&Cancel", this);
    cmdCancel->setToolTip("Exit without saving changes.");
    auto* cmdHelp = Button("cmdHelp", "&Help", this);
    cmdHelp->setToolTip("If you want to enjoy the SportsBox, use this button!!");
    auto* buttons = new QGridLayout;
    buttons->addWidget(cmdClear, 0, 0);
    buttons->addWidget(cmdReset, 0, 1);
    buttons->addWidget(cmdPrint, 1, 0);
    buttons->addWidget(cmdHelp, 1, 1);
    buttons->addWidget(cmdOK, 2, 0);
    buttons->addWidget(cmdCancel, 2, 1);

    auto* right = new QVBoxLayout;
    right->addLayout(game);
    right->addWidget(schemes);
    right->addStretch();
    right->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(frame);
    layout->addLayout(right);

    connect(cmdAdd, &QPushButton::clicked, this, &frmOffBar::OnAdd);
    connect(cmdImport, &QPushButton::clicked, this, &frmOffBar::OnImport);
    connect(cmdSave, &QPushButton::clicked, this, &frmOffBar::OnSavePlayers);
    connect(cmdClear, &QPushButton::clicked, this, &frmOffBar::OnClear);
    connect(cmdReset, &QPushButton::clicked, this, &frmOffBar::OnReset);
    connect(cmdPrint, &QPushButton::clicked, this, &frmOffBar::OnPrint);
    connect(cmdOK, &QPushButton::clicked, this, &frmOffBar::OnOK);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOffBar::reject);
    connect(cmdHelp, &QPushButton::clicked, this, [this] { ShowHelp(ctx_, this, Display::SportsBox); });
    connect(weekSpin, &SpinButton::SpinUp, this, [this] { SpinWeek(+1); });
    connect(weekSpin, &SpinButton::SpinDown, this, [this] { SpinWeek(-1); });
    connect(gameSpin, &SpinButton::SpinUp, this, [this] { SpinGame(+1); });
    connect(gameSpin, &SpinButton::SpinDown, this, [this] { SpinGame(-1); });

    RefreshList(0);
    RefreshGame();
    RefreshBoxes();
    adjustSize();
    CenterForm(this);
    TellNotes(ctx_, parent, sbtext::LoadTitle, model_->LoadNotes());
}

void frmOffBar::RefreshList(int selectRow) {
    Fill(lstPlayer_, model_->PlayerLines());
    lstPlayer_->setCurrentRow(std::min(selectRow, lstPlayer_->count() - 1));
}

void frmOffBar::RefreshGame() {
    lblWeek_->setText(QString::number(model_->Week()));
    lblGame_->setText(QString::number(model_->GameNumber()));
    lblHomeTeam_->setText(Q(model_->HomeTeamText()));
    lblAwayTeam_->setText(Q(model_->AwayTeamText()));
    lblHomeSc_->setText(Q(model_->HomeScoreText()));
    lblAwaySc_->setText(Q(model_->AwayScoreText()));
}

void frmOffBar::RefreshBoxes() {
    for (int i = 0; i < 10; ++i) {
        lblTop_[static_cast<std::size_t>(i)]->setText(Q(model_->TopDigits().substr(static_cast<std::size_t>(i), 1)));
        lblLeft_[static_cast<std::size_t>(i)]->setText(Q(model_->LeftDigits().substr(static_cast<std::size_t>(i), 1)));
    }
    const int winner = model_->WinnerBox();
    for (int b = 0; b < 100; ++b) {
        BoxCell* box = lblBox_[static_cast<std::size_t>(b)];
        box->setText(Q(model_->BoxCaption(b)));
        box->setToolTip(Q(model_->OwnerText(b)));
        QPalette p = palette();
        if (b == winner) p.setColor(QPalette::Window, QColor(255, 215, 0));
        box->setPalette(p);
    }
    lblWinner_->setText(Q(model_->WinnerText()));
    const std::string note = model_->DigitsNote();
    lblDigitsNote_->setText(Q(note));
    lblDigitsNote_->setVisible(!note.empty());
}

void frmOffBar::DropOnBox(int box, int entry) {
    if (entry < 0 || entry >= model_->EntryCount()) return;
    model_->AssignBox(box, entry);
    RefreshBoxes();
}

void frmOffBar::DropOnBasket(int entry) {
    if (entry <= 0) return;
    model_->RemovePlayer(entry);
    RefreshList(entry);
}

void frmOffBar::ShowOwner(int box) {
    ctx_.Prompts.Tell(this, PromptIcon::None, Q(sbtext::OwnerTitle), Q(model_->OwnerText(box)));
}

void frmOffBar::AskDigit(bool top, int position) {
    const QString answer = InputBox(this, Q(sbtext::DigitTitle), Q(sbtext::DigitPrompt));
    switch (model_->EnterDigit(top, position, S(answer))) {
        case SportsBox::DigitAnswer::Refused:
            ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(sbtext::BadDigitTitle), Q(sbtext::BadDigitText));
            break;
        case SportsBox::DigitAnswer::Set:
            RefreshBoxes();
            break;
        case SportsBox::DigitAnswer::Unchanged:
            break;
    }
}

void frmOffBar::ClearOptions() {
    for (QRadioButton* o : options_) o->setChecked(false);
}

void frmOffBar::ChooseScheme(int option) {
    ClearOptions();
    options_[static_cast<std::size_t>(option)]->setChecked(true);
    const OutputMessage note = model_->Fill(kSchemes[option].Scheme);
    if (note.failed()) options_[static_cast<std::size_t>(option)]->setChecked(false);
    if (note.icon != OutputMessage::Icon::None) ctx_.Prompts.Tell(this, IconOf(note), Q(note.Title), Q(note.Text));
    RefreshBoxes();
}

void frmOffBar::SpinWeek(int step) {
    if (!model_->SpinWeek(step)) {
        QApplication::beep();
        return;
    }
    ClearOptions();
    RefreshGame();
    RefreshBoxes();
}

void frmOffBar::SpinGame(int step) {
    if (!model_->SpinGame(step)) {
        QApplication::beep();
        return;
    }
    RefreshGame();
    RefreshBoxes();
}

void frmOffBar::OnAdd() {
    const QString answer = InputBox(this, Q(sbtext::AddTitle), Q(sbtext::AddPrompt));
    const auto added = model_->AddPlayer(S(answer));
    if (added.Message.failed())
        ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(added.Message.Title), Q(added.Message.Text));
    if (added.Entry >= 0) RefreshList(added.Entry);
}

void frmOffBar::OnImport() {
    if (model_->ImportMembers() > 0) RefreshList(lstPlayer_->currentRow());
}

void frmOffBar::OnSavePlayers() {
    const Status s = model_->SavePlayers();
    if (!s) ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(sbtext::SaveFailedTitle), Q(s.message));
}

void frmOffBar::OnClear() {
    ClearOptions();
    model_->Clear();
    RefreshBoxes();
}

void frmOffBar::OnReset() {
    ClearOptions();
    model_->Reset();
    RefreshBoxes();
}

void frmOffBar::OnPrint() {
    frmCopies copies(ctx_, this);
    copies.exec();
    if (!copies.GoToPrinter()) return;
    DispatchToWindow(ctx_, this, SportsBoxPrintout(*model_), OutputRequest::Printer(copies.Copies()));
}

bool frmOffBar::Save() {
    return SaveOrTell(ctx_, this, sbtext::SaveFailedTitle, [this] { return model_->Save(); });
}

void frmOffBar::OnOK() {
    if (Save()) accept();
}

void frmOffBar::reject() {
    CloseWithCheck(
        ctx_, this, model_->Changed(), sbtext::CancelTitle, sbtext::CancelText, [this] { OnOK(); },
        [this] { QDialog::reject(); });
}

}  // namespace gm::ui
