#include "frmPicks.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/entry/EntryBoxes.h"
#include "core/site/SiteSaves.h"
#include "ui/members/ConfidenceBox.h"
#include "ui/members/PickRow.h"
#include "ui/shell/Hourglass.h"
#include "ui/shell/Prompt.h"
#include "ui/shell/QtText.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"

namespace gm::ui {

frmPicks::frmPicks(UiContext& ctx, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      model_(std::make_unique<SelectionsModel>(ctx.State)),
      random_(ClockSeededRandom()),
      slots_(ctx.State.League().Slots),
      combo_(new QComboBox(this)),
      lblWeek_(new QLabel(this)),
      spin_(new SpinButton(this)),
      txtMP_(new QLineEdit(this)),
      lblTiebreaker_(new QLabel(this)),
      frConfidence_(new QGroupBox("Confidence Points", this)),
      lblHeader_(new QLabel("Available", this)) {
    setObjectName("frmPicks");
    sheet_.Rows.resize(static_cast<std::size_t>(slots_));
    setWindowTitle("Player Selections");
    setModal(true);
    const SelectionOptions& opt = model_->Options();

    combo_->setObjectName("Combo1");
    lblWeek_->setObjectName("lblWeek");
    spin_->setObjectName("SpinButton1");
    txtMP_->setObjectName("txtMP");
    lblTiebreaker_->setObjectName("lblTiebreaker");
    frConfidence_->setObjectName("frConfidence");
    lblHeader_->setObjectName("lblHeader");
    auto* lblFavUnd = new QLabel(
        Q(opt.FavoriteShowsPoints ? picktext::FavoriteShowsPoints : picktext::UnderdogShowsPoints), this);
    lblFavUnd->setObjectName("lblFavUnd");
    lblFavUnd->setFrameShape(QFrame::Panel);

    // Member and week.
    auto* top = new QHBoxLayout;
    auto* playerCaption = new QLabel("&Player", this);
    playerCaption->setBuddy(combo_);
    top->addWidget(playerCaption);
    top->addWidget(combo_, 1);
    top->addSpacing(16);
    auto* weekCaption = new QLabel("&Week", this);
    weekCaption->setBuddy(spin_);
    top->addWidget(weekCaption);
    lblWeek_->setMinimumWidth(28);
    lblWeek_->setFrameShape(QFrame::Panel);
    lblWeek_->setFrameShadow(QFrame::Sunken);
    lblWeek_->setAlignment(Qt::AlignCenter);
    top->addWidget(lblWeek_);
    top->addWidget(spin_);
    top->addSpacing(16);
    top->addWidget(lblFavUnd);

    // One row a game: away, home, none, and the confidence points.
    auto* games = new QVBoxLayout;
    games->setSpacing(0);
    for (int g = 0; g < slots_; ++g) {
        auto* r = new PickRow(g, this);
        rows_[static_cast<std::size_t>(g)] = r;
        games->addWidget(r);
        connect(r->Points(), &ConfidenceBox::Left, this, &frmPicks::OnConfidenceLeft);
        // "Available" follows every keystroke, not only the leaving of the box.
        connect(r->Points(), &QLineEdit::textChanged, this, [this, g](const QString& text) {
            if (loading_) return;
            sheet_.Rows[static_cast<std::size_t>(g)].ConfidenceText = S(text);
            ShowAvailable();
        });
    }
    auto* monday = new QHBoxLayout;
    // Today's league has no fixed Monday-night slot: the week's last game by
    // kick-off breaks ties, and the window names it.
    const bool today = ctx.State.League().Kind != LeagueKind::Nfl1997;
    auto* lblMonNite = new QLabel(today ? "Tiebreak &Game" : "Monday Nite &Game", this);
    lblMonNite->setObjectName("lblMonNite");
    lblMonNite->setBuddy(txtMP_);
    monday->addWidget(lblMonNite);
    if (today) {
        lblTiebreakGame_ = new QLabel(this);
        lblTiebreakGame_->setObjectName("lblTiebreakGame");
        monday->addSpacing(8);
        monday->addWidget(lblTiebreakGame_);
    }
    monday->addSpacing(12);
    monday->addWidget(lblTiebreaker_);
    txtMP_->setMaximumWidth(40);
    SelectAllOnFocus(txtMP_);
    txtMP_->setAlignment(Qt::AlignRight);
    monday->addWidget(txtMP_);
    monday->addStretch();
    games->addSpacing(6);
    games->addLayout(monday);
    games->addStretch();

    // Quick picks and confidence buttons.
    auto* frQuikPix = new QGroupBox("Quick   Picks", this);
    frQuikPix->setObjectName("frQuikPix");
    auto* quick = new QVBoxLayout(frQuikPix);
    const std::pair<const char*, std::pair<QString, QuickPick>> quickButtons[] = {
        {"cmdFav", {"&Favorites", QuickPick::Favorites}}, {"cmdUnd", {"&Underdogs", QuickPick::Underdogs}},
        {"cmdHome", {"Ho&me", QuickPick::Home}},          {"cmdAway", {"&Away", QuickPick::Away}},
        {"cmdGms", {"&Random", QuickPick::Random}},       {"cmdClear", {"C&lear", QuickPick::Clear}},
    };
    for (const auto& [name, what] : quickButtons) {
        QPushButton* b = Button(name, what.first, frQuikPix);
        quick->addWidget(b);
        const QuickPick pick = what.second;
        connect(b, &QPushButton::clicked, this, [this, pick] { OnQuickPick(pick); });
    }
    auto* conf = new QVBoxLayout(frConfidence_);
    const std::pair<const char*, std::pair<QString, ConfidenceFill>> confButtons[] = {
        {"cmdCAscend", {"Ascen&d", ConfidenceFill::Ascend}},
        {"cmdCDescend", {"De&scend", ConfidenceFill::Descend}},
        {"CmdPts", {"Ra&ndom", ConfidenceFill::Random}},
        {"cmdCClear", {"Cl&ear", ConfidenceFill::Clear}},
    };
    for (const auto& [name, what] : confButtons) {
        QPushButton* b = Button(name, what.first, frConfidence_);
        conf->addWidget(b);
        const ConfidenceFill fill = what.second;
        connect(b, &QPushButton::clicked, this, [this, fill] { OnConfidenceFill(fill); });
    }
    auto* side = new QVBoxLayout;
    side->addWidget(frQuikPix);
    side->addWidget(frConfidence_);
    side->addStretch();

    auto* available = new QVBoxLayout;
    available->setSpacing(0);
    available->addWidget(lblHeader_);
    for (int i = 0; i < slots_; ++i) {
        auto* l = new QLabel(QString::number(i + 1), this);
        l->setObjectName(QStringLiteral("lblNotUsed%1").arg(i));
        l->setAlignment(Qt::AlignCenter);
        notUsed_[static_cast<std::size_t>(i)] = l;
        available->addWidget(l);
    }
    available->addStretch();

    auto* cmdOK = Button("cmdOK", "&OK", this);
    auto* cmdCancel = Button("cmdCancel", "&Cancel", this);
    auto* cmdHelp = Button("cmdHelp", "&Help", this);
    // Tab in reading order: member, week, then each game and its points, the
    // Monday-night entry, and the buttons.
    QList<QWidget*> chain{combo_, spin_};
    for (int g = 0; g < slots_; ++g) chain << rows_[static_cast<std::size_t>(g)] << rows_[static_cast<std::size_t>(g)]->Points();
    chain << txtMP_;
    for (QGroupBox* frame : {frQuikPix, frConfidence_})
        for (QPushButton* b : frame->findChildren<QPushButton*>()) chain << b;
    chain << cmdOK << cmdCancel << cmdHelp;
    for (qsizetype i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
    // A mouse press on Cancel must not count as leaving a confidence box.
    cmdCancel->setFocusPolicy(Qt::TabFocus);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {cmdOK, cmdCancel, cmdHelp}) buttons->addWidget(b);

    auto* middle = new QHBoxLayout;
    middle->addLayout(games, 1);
    middle->addLayout(available);
    middle->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle);
    layout->addLayout(buttons);

    connect(spin_, &SpinButton::SpinUp, this, &frmPicks::OnSpinUp);
    connect(spin_, &SpinButton::SpinDown, this, &frmPicks::OnSpinDown);
    connect(cmdOK, &QPushButton::clicked, this, &frmPicks::OnOK);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPicks::reject);
    connect(cmdHelp, &QPushButton::clicked, this, &frmPicks::OnHelp);
    connect(txtMP_, &QLineEdit::textEdited, this, [this](const QString& t) {
        const QString kept = Q(MondayEntryText(S(t)));
        if (kept != t) {
            txtMP_->setText(kept);
            txtMP_->setCursorPosition(static_cast<int>(kept.size()));
        }
    });

    // Opening.
    if (!opt.TiebreakOn) {
        lblTiebreaker_->hide();
        txtMP_->setEnabled(false);
    }
    lblTiebreaker_->setText(Q(opt.TotalPoints ? picktext::TotalPoints : picktext::WinningMargin));
    if (!opt.ConfidenceOn) {
        frConfidence_->hide();
        lblHeader_->hide();
        for (int i = 0; i < slots_; ++i) notUsed_[static_cast<std::size_t>(i)]->hide();
        for (int g = 0; g < slots_; ++g) rows_[static_cast<std::size_t>(g)]->Points()->hide();
    }
    for (int member : model_->Order()) combo_->addItem(Q(model_->ChooserName(member)), member);
    week_ = std::clamp(ctx_.State.CurrentWeek, 1, ctx_.State.League().Weeks);
    loading_ = true;
    // CurrentPlayer names a member by record index, as the pool displays set
    // it; the chooser is sorted, so the entry is found by its item data.
    const int position = std::max(0, combo_->findData(ctx_.State.CurrentPlayer));
    combo_->setCurrentIndex(position);
    loading_ = false;
    connect(combo_, &QComboBox::currentIndexChanged, this, &frmPicks::OnMemberChosen);
    if (combo_->count() > 0) LoadSheet(combo_->itemData(position).toInt(), week_);
    lblWeek_->setText(Q(WeekLabel(week_, false)));
    adjustSize();
    CenterForm(this);
}

void frmPicks::LoadSheet(int member, int week) {
    loading_ = true;
    sheet_ = model_->Load(member, week);
    ShowSheet();
    loading_ = false;
}

void frmPicks::ShowSheet() {
    const bool confidence = model_->Options().ConfidenceOn;
    for (int g = 0; g < slots_; ++g) {
        const SheetRow& s = sheet_.Rows[static_cast<std::size_t>(g)];
        PickRow* r = rows_[static_cast<std::size_t>(g)];
        r->setVisible(s.Exists);
        r->SetCaptions(Q(s.AwayCaption), Q(s.HomeCaption));
        r->setToolTip(Q(s.Kickoff));
        r->SetChoice(s.Choice);
        r->Points()->setText(Q(s.ConfidenceText));
        r->Points()->setEnabled(confidence && s.Exists);
    }
    txtMP_->setText(Q(sheet_.TiebreakText));
    if (lblTiebreakGame_ != nullptr) {
        QString game;
        if (sheet_.TiebreakRow >= 0 && sheet_.TiebreakRow < slots_) {
            const SheetRow& t = sheet_.Rows[static_cast<std::size_t>(sheet_.TiebreakRow)];
            const TeamTables& teams = ctx_.State.Teams;
            game = Q(teams.City(t.AwayTeam) + " at " + teams.City(t.HomeTeam));
            if (!t.Kickoff.empty()) game += Q(", " + t.Kickoff);
        }
        lblTiebreakGame_->setText(game);
    }
    ShowAvailable();
}

void frmPicks::ShowAvailable() {
    if (!model_->Options().ConfidenceOn) return;
    const auto shown = AvailableValues(sheet_);
    for (int i = 0; i < slots_; ++i)
        notUsed_[static_cast<std::size_t>(i)]->setVisible(shown[static_cast<std::size_t>(i)]);
}

void frmPicks::ReadControls() {
    for (int g = 0; g < slots_; ++g) {
        SheetRow& s = sheet_.Rows[static_cast<std::size_t>(g)];
        const PickRow* r = rows_[static_cast<std::size_t>(g)];
        s.Choice = r->Choice();
        s.ConfidenceText = S(r->Points()->text());
    }
    sheet_.TiebreakText = S(txtMP_->text());
}

void frmPicks::StoreSheet() {
    if (combo_->count() == 0) return;
    ReadControls();
    model_->Store(sheet_);
}

bool frmPicks::CheckBoxBeingLeft() {
    if (correcting_) return false;
    for (int g = 0; g < slots_; ++g) {
        ConfidenceBox* box = rows_[static_cast<std::size_t>(g)]->Points();
        if (!box->hasFocus() || !box->Typed()) continue;
        box->ClearTyped();
        return OnConfidenceLeft(g);
    }
    return true;
}

void frmPicks::PoolSavedElsewhere(int member, int week) {
    savedElsewhere_.emplace_back(member, week);
    if (QApplication::activeModalWidget() != this || correcting_ || combo_->count() == 0) return;
    StoreSheet();
    if (TakeInSiteSaves()) LoadSheet(sheet_.Member, week_);
}

bool frmPicks::TakeInSiteSaves() {
    if (savedElsewhere_.empty() || model_->Changed()) return false;
    model_ = std::make_unique<SelectionsModel>(ctx_.State);
    savedElsewhere_.clear();
    return true;
}

void frmPicks::OnMemberChosen(int position) {
    if (loading_ || position < 0) return;
    // The chooser has the focus by now, so a box was left and checked.
    StoreSheet();
    TakeInSiteSaves();
    LoadSheet(combo_->itemData(position).toInt(), week_);
}

void frmPicks::ChangeWeek(int week) {
    StoreSheet();
    TakeInSiteSaves();
    week_ = week;
    ctx_.State.CurrentWeek = week;
    lblWeek_->setText(Q(WeekLabel(week, true)));
    if (combo_->count() > 0) LoadSheet(sheet_.Member, week);
}

void frmPicks::OnSpinUp() {
    Spin(1);
}

void frmPicks::OnSpinDown() {
    Spin(-1);
}

void frmPicks::Spin(int step) {
    const int next = SpinWeek(week_, step, ctx_.State.League().Weeks);
    if (next == 0) {
        QApplication::beep();
        return;
    }
    // The spin arrows take no focus: the box typed in is checked here.
    if (!CheckBoxBeingLeft()) return;
    ChangeWeek(next);
}

void frmPicks::OnQuickPick(QuickPick pick) {
    ReadControls();
    if (ApplyQuickPick(sheet_, pick, random_)) model_->MarkChanged();
    ShowSheet();
}

void frmPicks::OnConfidenceFill(ConfidenceFill fill) {
    if (!model_->Options().ConfidenceOn) return;
    ReadControls();
    if (ApplyConfidenceFill(sheet_, fill, model_->Options().Scale, random_)) model_->MarkChanged();
    ShowSheet();
}

bool frmPicks::OnConfidenceLeft(int row) {
    ReadControls();
    ConfidenceBox* box = rows_[static_cast<std::size_t>(row)]->Points();
    auto correct = [&] {
        box->clear();
        sheet_.Rows[static_cast<std::size_t>(row)].ConfidenceText.clear();
        box->setFocus(Qt::OtherFocusReason);
        correcting_ = true;
        QTimer::singleShot(0, this, [this] { correcting_ = false; });
        ShowAvailable();
        return false;
    };
    if (sheet_.Rows[static_cast<std::size_t>(row)].ConfidenceText.empty()) {
        ShowAvailable();
        return true;
    }
    for (std::size_t i = 0; i < DuplicateRows(sheet_, row).size(); ++i) {
        const PromptAnswer a = ctx_.Prompts.Ask(this, PromptIcon::Stop, PromptButtons::YesNo,
                                                Q(picktext::DuplicateTitle), Q(picktext::DuplicateText));
        if (a == PromptAnswer::Yes) return correct();
    }
    if (OutsideRange(sheet_, row)) {
        const PromptAnswer a = ctx_.Prompts.Ask(this, PromptIcon::Information, PromptButtons::YesNo,
                                                Q(picktext::RangeTitle), Q(RangeQuestion(sheet_.Range)));
        if (a == PromptAnswer::Yes) return correct();
    }
    ShowAvailable();
    return true;
}

void frmPicks::OnHelp() {
    ctx_.Prompts.Tell(this, PromptIcon::Information, Q(picktext::HelpTitle), Q(picktext::HelpText));
}

bool frmPicks::Save() {
    // Without edits the window's copy is the pool as it was: take in what the
    // site saved meanwhile rather than write the old copy over it.
    TakeInSiteSaves();
    if (!savedElsewhere_.empty()) {
        std::vector<std::pair<std::string, int>> saves;
        for (const auto& [member, week] : savedElsewhere_)
            saves.emplace_back(ctx_.State.Members[static_cast<std::size_t>(member)].TrimmedName(), week);
        if (ctx_.Prompts.Ask(this, PromptIcon::Exclamation, PromptButtons::YesNo, Q(kSavedElsewhereTitle),
                             Q(SavedElsewhereQuestion(saves)), PromptAnswer::No) != PromptAnswer::Yes)
            return false;
    }
    Status s;
    {
        Hourglass wait;
        s = model_->Commit(ctx_.State);
    }
    if (!s.ok()) {
        ctx_.Prompts.Tell(this, PromptIcon::Stop, Q(picktext::SaveFailedTitle), Q(s.message));
        return false;
    }
    savedElsewhere_.clear();
    return true;
}

void frmPicks::Close(int result) {
    ctx_.State.CurrentPlayer = 0;
    done(result);
}

void frmPicks::OnOK() {
    // Enter or Alt+O leave the box without moving the focus.
    if (!CheckBoxBeingLeft()) return;
    StoreSheet();
    if (Save()) Close(QDialog::Accepted);
}

void frmPicks::reject() {
    StoreSheet();
    if (model_->Changed()) {
        const PromptAnswer a = ctx_.Prompts.Ask(this, PromptIcon::Question, PromptButtons::YesNoCancel,
                                                Q(picktext::CancelTitle), Q(picktext::CancelText));
        if (a == PromptAnswer::Cancel) return;
        if (a == PromptAnswer::Yes) {
            if (!CheckBoxBeingLeft()) return;
            StoreSheet();
            if (Save()) Close(QDialog::Accepted);
            return;
        }
    }
    Close(QDialog::Rejected);
}

}  // namespace gm::ui
