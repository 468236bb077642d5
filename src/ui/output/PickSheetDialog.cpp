#include "PickSheetDialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <vector>

#include "core/data/Settings.h"
#include "core/shell/Help.h"
#include "ui/output/CopyCountBox.h"
#include "ui/output/RunOutput.h"
#include "ui/shell/HelpPages.h"
#include "ui/shell/OptionFrames.h"
#include "ui/shell/QtText.h"
#include "ui/shell/SpinButton.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"

namespace gm::ui {

namespace {

// The comment is one line: Enter is swallowed rather than printing the sheet.
class SwallowEnter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

PickSheetDialog::PickSheetDialog(UiContext& ctx, SheetStyle style, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      style_(style),
      model_(std::make_unique<PickSheet>(ctx.State, style, SheetChoices::From(ctx.State))),
      txtWeek_(new QLineEdit(this)),
      txtComment_(new QLineEdit(this)),
      opName_{RadioOption("OpName0", "&YES", this), RadioOption("OpName1", "&NO", this)},
      opGroup_{RadioOption("OpGroup0", "&Fav/Und", this), RadioOption("OpGroup1", "Home/&Away", this)},
      opCName_(RadioOption("OpCName", "C&ity Name", this)),
      opTName_(RadioOption("OpTName", "T&eam Name", this)),
      copies_(new CopyCountBox(
          PrinterOnly() ? "Select # of Picksheets to print" : "Select # of Copies If Printing", "0",
          {"lblSelect", "hsbNumCopies", "lblNumCopies", "CkNum"}, this)) {
    setObjectName(Q(WindowName(SheetDisplay(style))));
    setWindowTitle(Q(SheetTitle(style)).trimmed());
    setModal(true);
    copies_->OnePerPlayerBox()->setText("One Pe&r Player");

    txtWeek_->setObjectName("txtWeek");
    txtWeek_->setMaxLength(2);
    txtWeek_->setFixedWidth(txtWeek_->fontMetrics().horizontalAdvance("0000") + 12);
    SelectAllOnFocus(txtWeek_);
    auto* spin = new SpinButton(this);
    spin->setObjectName("SpinButton1");
    auto* weekLabel = new QLabel("&Week", this);
    weekLabel->setBuddy(txtWeek_);

    txtComment_->setObjectName("txtComment");
    txtComment_->setMaxLength(static_cast<int>(keys::Comment.Longest));
    txtComment_->setMinimumWidth(txtComment_->fontMetrics().horizontalAdvance(QString(45, QChar('M'))));
    txtComment_->installEventFilter(new SwallowEnter(txtComment_));
    SelectAllOnFocus(txtComment_);
    auto* commentLabel = new QLabel("Co&mment", this);
    commentLabel->setBuddy(txtComment_);

    auto* frame = new QGroupBox(Q(SheetTitle(style)), this);
    frame->setObjectName("frTitle");
    auto* grid = new QGridLayout(frame);
    auto* week = new QHBoxLayout;
    week->addWidget(weekLabel);
    week->addWidget(txtWeek_);
    week->addWidget(spin);
    week->addStretch();
    grid->addLayout(week, 0, 0);
    grid->addWidget(OptionFrame(" Show Player Name On Sheet ", {opName_[0], opName_[1]}, frame), 1, 0);
    grid->addWidget(OptionFrame("Grouping", {opGroup_[0], opGroup_[1]}, frame), 1, 1);
    grid->addWidget(OptionFrame("Team Names", {opCName_, opTName_}, frame), 1, 2);
    if (!PrinterOnly()) {
        opOutput_[0] = RadioOption("OpOutput0", "&Text File", this);
        opOutput_[1] = RadioOption("OpOutput1", "&Printer", this);
        opOutput_[2] = RadioOption("OpOutput2", "C&lipboard", this);
        grid->addWidget(OptionFrame("Send Output To:", {opOutput_[0], opOutput_[1], opOutput_[2]}, frame), 2,
                        0);
    }
    auto* copyColumn = new QVBoxLayout;
    if (style == SheetStyle::Compact) {
        auto* note = new QLabel("THIS FORM PRINTS TWO PIKSHEETS PER PAGE", frame);
        note->setObjectName("lblTwoPerPage");
        copyColumn->addWidget(note);
    }
    copyColumn->addWidget(copies_);
    grid->addLayout(copyColumn, 2, PrinterOnly() ? 0 : 1, 1, PrinterOnly() ? 3 : 2);
    auto* comment = new QHBoxLayout;
    comment->addWidget(commentLabel);
    comment->addWidget(txtComment_, 1);
    grid->addLayout(comment, 3, 0, 1, 3);

    auto* cmdOK = Button("cmdOK", "&OK", this);
    auto* cmdHelp = Button("cmdHelp", "&Help", this);
    auto* cmdCancel = Button("cmdCancel", "&Cancel", this);
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdHelp);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Opening: the week, the stored choices and comment, no names, count 0.
    const SheetChoices& c = model_->Choices();
    txtWeek_->setText(QString::number(c.Week));
    txtComment_->setText(Q(c.Comment));
    opName_[1]->setChecked(true);
    (c.FavUnd ? opGroup_[0] : opGroup_[1])->setChecked(true);
    (c.CityNames ? opCName_ : opTName_)->setChecked(true);
    ShowCopies(true);

    connect(spin, &SpinButton::SpinUp, this, [this] { Spin(+1); });
    connect(spin, &SpinButton::SpinDown, this, [this] { Spin(-1); });
    connect(txtWeek_, &QLineEdit::textEdited, this, &PickSheetDialog::WeekEdited);
    connect(opName_[0], &QRadioButton::clicked, this, [this] { ChooseNames(true); });
    connect(opName_[1], &QRadioButton::clicked, this, [this] { ChooseNames(false); });
    for (int i = 0; i < 3; ++i)
        if (opOutput_[i]) connect(opOutput_[i], &QRadioButton::clicked, this, [this, i] { ChooseDestination(i); });
    connect(cmdOK, &QPushButton::clicked, this, &PickSheetDialog::OnOK);
    connect(cmdHelp, &QPushButton::clicked, this, [this] { ShowHelp(ctx_, this, SheetDisplay(style_)); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    // Tab runs down the choices in reading order, the comment last before OK.
    std::vector<QWidget*> chain{txtWeek_, spin, opName_[0], opName_[1], opGroup_[0], opGroup_[1], opCName_, opTName_};
    for (QRadioButton* o : opOutput_)
        if (o) chain.push_back(o);
    for (QWidget* w : std::initializer_list<QWidget*>{copies_->Bar(), copies_->OnePerPlayerBox(), txtComment_, cmdOK,
                                                      cmdHelp, cmdCancel})
        chain.push_back(w);
    for (std::size_t i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
    adjustSize();
    CenterForm(this);
}

bool PickSheetDialog::PrinterOnly() const {
    return style_ == SheetStyle::Compact || style_ == SheetStyle::NoExcuse;
}

void PickSheetDialog::ShowCopies(bool shown) {
    copiesShown_ = shown;
    copies_->ShowCount(shown);
}

void PickSheetDialog::Spin(int step) {
    const int lastWeek = ctx_.State.League().Weeks;
    const int week = ParseSheetWeek(S(txtWeek_->text()), lastWeek).value_or(ctx_.State.CurrentWeek);
    const int next = week + step;
    if (next < 1 || next > lastWeek) {
        QApplication::beep();
        return;
    }
    txtWeek_->setText(QString::number(next));
    WeekEdited();
}

void PickSheetDialog::WeekEdited() {
    const auto week = ParseSheetWeek(S(txtWeek_->text()), ctx_.State.League().Weeks);
    if (!week) return;
    ctx_.State.CurrentWeek = *week;
    // A new week asks for a new count, unless every sheet carries a name.
    if (opName_[1]->isChecked() && copies_->OnePerPlayer()) {
        copies_->OnePerPlayerBox()->setChecked(false);
        ShowCopies(copiesShown_);
    }
}

void PickSheetDialog::ChooseNames(bool yes) {
    if (yes) {
        // A sheet with names is always one per member, on paper.
        copies_->OnePerPlayerBox()->setChecked(true);
        if (opOutput_[1]) opOutput_[1]->setChecked(true);
        ShowCopies(true);
        return;
    }
    const bool textOrClipboard = opOutput_[0] && (opOutput_[0]->isChecked() || opOutput_[2]->isChecked());
    if (textOrClipboard) return;
    copies_->OnePerPlayerBox()->setChecked(false);
    ShowCopies(true);
}

void PickSheetDialog::ChooseDestination(int which) {
    if (which == 1) {
        ShowCopies(true);
        return;
    }
    // Text and clipboard carry no names and no copies.
    opName_[1]->setChecked(true);
    ShowCopies(false);
}

void PickSheetDialog::Refuse(std::string_view title, std::string_view text) {
    ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(title), Q(text));
}

void PickSheetDialog::OnOK() {
    const int lastWeek = ctx_.State.League().Weeks;
    const auto week = ParseSheetWeek(S(txtWeek_->text()), lastWeek);
    if (!week) {
        Refuse(kBadWeekTitle, BadWeekText(lastWeek));
        txtWeek_->setFocus();
        txtWeek_->selectAll();
        return;
    }
    const bool text = opOutput_[0] && opOutput_[0]->isChecked();
    const bool printer = PrinterOnly() || (opOutput_[1] && opOutput_[1]->isChecked());
    const bool clipboard = opOutput_[2] && opOutput_[2]->isChecked();
    const int count = copies_->Count();
    const bool onePerPlayer = copies_->OnePerPlayer();
    if (style_ == SheetStyle::Tearoff && !text && !printer && !clipboard)
        return Refuse(kIncompleteTitle, kNoDestinationText);
    if (PrinterOnly()) {
        if (const auto refusal = SheetCopiesRefusal(ctx_.State.MemberCount, count, onePerPlayer, kNoPicksheetsText))
            return Refuse(kIncompleteTitle, *refusal);
    }

    // The choices are kept for next time, whatever follows.
    auto& state = ctx_.State;
    SheetChoices choices;
    choices.Week = *week;
    choices.NamesOnSheet = opName_[0]->isChecked();
    choices.FavUnd = opGroup_[0]->isChecked();
    choices.CityNames = opCName_->isChecked();
    choices.Comment = S(txtComment_->text());
    state.CurrentWeek = *week;
    state.GroupBy = choices.FavUnd ? "FavUnd" : "HomeAway";
    state.Team = choices.CityNames ? "City" : "Name";
    state.Comment = choices.Comment;
    for (const auto& [key, value] : {std::pair{&keys::GroupBy, state.GroupBy}, std::pair{&keys::Team, state.Team},
                                     std::pair{&keys::Comment, state.Comment}}) {
        if (const Status saved = WriteSetting(state.Settings, *key, value); !saved) {
            Refuse(SheetTitle(style_), saved.message);
            break;
        }
    }
    model_->SetChoices(std::move(choices));

    if (printer) {
        const std::string_view noCopies = style_ == SheetStyle::Tearoff ? kNoCopiesText
                                          : PrinterOnly()              ? kNoPicksheetsText
                                                                       : kNoCopiesSheetText;
        if (const auto refusal = SheetCopiesRefusal(state.MemberCount, count, onePerPlayer, noCopies))
            return Refuse(kIncompleteTitle, *refusal);
    } else if (!text && !clipboard) {
        return Refuse(kIncompleteTitle, kNoDestinationSheetText);
    }
    OutputRequest request;
    request.OutTextFile = text;
    request.OutClipboard = clipboard;
    request.OutPrinter = printer;
    request.OutWebPage = false;
    request.NumCopies = count;
    request.OnePerPlayer = onePerPlayer;
    DispatchToWindow(ctx_, this, *model_, request);
    accept();
}

}  // namespace gm::ui
