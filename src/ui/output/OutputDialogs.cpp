#include "OutputDialogs.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/output/PrintJob.h"
#include "ui/shell/QtText.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"

namespace gm::ui {

namespace {

// A count on a horizontal scroll bar keyed like a Windows scroll bar: Right and
// Down add one, Left and Up take one away, Page Down and Page Up move by the
// large step, Home and End go to the ends. (Qt's own scroll bar turns Right
// into a smaller count.)
class CountBar final : public QScrollBar {
public:
    explicit CountBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
            case Qt::Key_Right:
            case Qt::Key_Down: triggerAction(SliderSingleStepAdd); break;
            case Qt::Key_Left:
            case Qt::Key_Up: triggerAction(SliderSingleStepSub); break;
            case Qt::Key_PageDown: triggerAction(SliderPageStepAdd); break;
            case Qt::Key_PageUp: triggerAction(SliderPageStepSub); break;
            case Qt::Key_Home: triggerAction(SliderToMinimum); break;
            case Qt::Key_End: triggerAction(SliderToMaximum); break;
            default: QScrollBar::keyPressEvent(event); return;
        }
        event->accept();
    }
};

}  // namespace

QScrollBar* MakeCountBar(QWidget* parent) {
    return new CountBar(parent);
}

namespace {

constexpr int kMaxCopies = 200;
constexpr int kCopiesLargeStep = 5;

QRadioButton* Option(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QRadioButton(text, parent);
    b->setObjectName(name);
    return b;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

// Widgets that come and go keep their room, so the dialog does not jump.
void KeepRoomWhenHidden(QWidget* w) {
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
}

// The copy count both printer dialogs share: the prompt label, a scroll bar
// 0 to 200 with the count beside it, and "One Per Player", added to `layout`.
CopyCount AddCopyCount(QDialog* dialog, QVBoxLayout* layout, const QString& prompt, const QString& count) {
    CopyCount c;
    c.Select = new QLabel(prompt, dialog);
    c.Select->setObjectName("lblSelect");
    c.Bar = MakeCountBar(dialog);
    c.Bar->setObjectName("hsbCopies");
    c.Bar->setRange(0, kMaxCopies);
    c.Bar->setSingleStep(1);
    c.Bar->setPageStep(kCopiesLargeStep);
    c.Bar->setMinimumWidth(180);
    c.Bar->setFocusPolicy(Qt::StrongFocus);
    c.Select->setBuddy(c.Bar);
    c.Count = new QLabel(count, dialog);
    c.Count->setObjectName("lblCopies");
    c.Count->setMinimumWidth(c.Count->fontMetrics().horizontalAdvance("0000"));
    c.Count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    c.OnePerPlayer = new QCheckBox(QObject::tr("O&ne Per Player"), dialog);
    c.OnePerPlayer->setObjectName("ckOnePerPlayer");
    for (QWidget* w : std::initializer_list<QWidget*>{c.Select, c.Bar, c.Count, c.OnePerPlayer})
        KeepRoomWhenHidden(w);

    auto* row = new QHBoxLayout;
    row->addWidget(c.Bar, 1);
    row->addWidget(c.Count);
    layout->addWidget(c.Select);
    layout->addLayout(row);
    layout->addWidget(c.OnePerPlayer);

    // The count follows the bar; a non-zero count clears "One Per Player"
    // (without its reset of the count) and brings the count back where the
    // check box itself is shown.
    QObject::connect(c.Bar, &QScrollBar::valueChanged, dialog, [c](int value) {
        c.Count->setText(QString::number(value));
        if (value == 0 || !c.OnePerPlayer->isChecked()) return;
        {
            const QSignalBlocker quiet(c.OnePerPlayer);
            c.OnePerPlayer->setChecked(false);
        }
        for (QWidget* w : std::initializer_list<QWidget*>{c.Select, c.Bar, c.Count})
            w->setHidden(c.OnePerPlayer->isHidden());
    });
    // Checked: the count is blanked and hidden with its bar and prompt.
    // Unchecked: they come back at 0.
    QObject::connect(c.OnePerPlayer, &QCheckBox::toggled, dialog, [c](bool checked) {
        if (checked) c.Count->clear();
        for (QWidget* w : std::initializer_list<QWidget*>{c.Select, c.Bar, c.Count}) w->setHidden(checked);
        if (checked) return;
        c.Bar->setValue(0);
        c.Count->setText("0");
    });
    return c;
}

// OK (the default button) and Cancel at the foot of the dialog, created last
// so that Tab reaches them last. The dialog keeps the size of its layout.
std::pair<QPushButton*, QPushButton*> AddButtons(QDialog* dialog, QVBoxLayout* layout) {
    auto* ok = Button(dialog, "cmdOK", QObject::tr("&OK"));
    auto* cancel = Button(dialog, "cmdCancel", QObject::tr("&Cancel"));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return {ok, cancel};
}

// Opens centred on its final size.
void CentreOnScreen(QDialog* dialog) {
    dialog->adjustSize();
    CenterForm(dialog);
}

// The "Send Output To:" frame: Text File, Printer, Clipboard and, when asked
// for, Web Page.
struct Destinations {
    QRadioButton* Text;
    QRadioButton* Printer;
    QRadioButton* Clipboard;
    QRadioButton* Web = nullptr;
};

Destinations AddDestinations(QDialog* dialog, QVBoxLayout* layout, bool web) {
    auto* frame = new QGroupBox(QObject::tr("Send Output To:"), dialog);
    frame->setObjectName("frOutput");
    Destinations d{Option(frame, "OpText", QObject::tr("&Text File")),
                   Option(frame, "OpPrinter", QObject::tr("&Printer")),
                   Option(frame, "OpClipboard", QObject::tr("C&lipboard"))};
    if (web) d.Web = Option(frame, "OpWeb", QObject::tr("&Web Page"));
    auto* options = new QVBoxLayout(frame);
    for (auto* b : {d.Text, d.Printer, d.Clipboard, d.Web})
        if (b) options->addWidget(b);
    layout->addWidget(frame);
    return d;
}

}  // namespace

// --- Send Output To ---------------------------------------------------------

frmPNFLResults::frmPNFLResults(UiContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("frmPNFLResults");
    setWindowTitle(tr("Print Options"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    const Destinations d = AddDestinations(this, layout, true);
    opText_ = d.Text;
    opPrinter_ = d.Printer;
    opClipboard_ = d.Clipboard;
    opWeb_ = d.Web;
    copies_ = AddCopyCount(this, layout, tr("Select # of Copies If Printing"), "0");
    const auto [ok, cancel] = AddButtons(this, layout);

    connect(opPrinter_, &QRadioButton::toggled, this, [this](bool on) { ShowCopies(on); });
    connect(ok, &QPushButton::clicked, this, &frmPNFLResults::OnOK);
    connect(cancel, &QPushButton::clicked, this, &frmPNFLResults::OnCancel);

    ShowCopies(false);
    CentreOnScreen(this);
}

void frmPNFLResults::ShowCopies(bool shown) {
    copies_.OnePerPlayer->setHidden(!shown);
    // With "One Per Player" checked the count stays hidden.
    const bool count = shown && !copies_.OnePerPlayer->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{copies_.Select, copies_.Bar, copies_.Count})
        w->setHidden(!count);
}

void frmPNFLResults::OnOK() {
    auto& out = ctx_.State.Output;
    if (opText_->isChecked()) {
        out.OutTextFile = true;
    } else if (opPrinter_->isChecked()) {
        const int count = copies_.Count->text().toInt();  // blank reads as 0
        if (CopiesMissing(count, copies_.OnePerPlayer->isChecked())) {
            ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(kIncompleteTitle), Q(kNoCopiesText));
            return;
        }
        out.OutPrinter = true;
        out.NumCopies = count;
        out.OnePerPlayer = copies_.OnePerPlayer->isChecked();
    } else if (opClipboard_->isChecked()) {
        out.OutClipboard = true;
    } else if (opWeb_->isChecked()) {
        out.OutWebPage = true;
    } else {
        return;  // nothing chosen: stay open
    }
    accept();
}

void frmPNFLResults::OnCancel() {
    auto& out = ctx_.State.Output;
    out.OutPrinter = out.OutTextFile = out.OutClipboard = out.OutWebPage = false;
    out.OnePerPlayer = false;
    QDialog::reject();
}

void frmPNFLResults::reject() {
    OnCancel();
}

// --- Three destinations -----------------------------------------------------

frmAPrint::frmAPrint(UiContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("frmAPrint");
    setWindowTitle(tr("Print Options"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    const Destinations d = AddDestinations(this, layout, false);
    opText_ = d.Text;
    opPrinter_ = d.Printer;
    opClipboard_ = d.Clipboard;
    const auto [ok, cancel] = AddButtons(this, layout);

    connect(ok, &QPushButton::clicked, this, &frmAPrint::OnOK);
    connect(cancel, &QPushButton::clicked, this, &frmAPrint::OnCancel);
    CentreOnScreen(this);
}

void frmAPrint::OnOK() {
    auto& out = ctx_.State.Output;
    if (opText_->isChecked()) out.OutTextFile = true;
    if (opPrinter_->isChecked()) out.OutPrinter = true;
    if (opClipboard_->isChecked()) out.OutClipboard = true;
    accept();  // closes even with nothing chosen
}

void frmAPrint::OnCancel() {
    auto& out = ctx_.State.Output;
    out.OutTextFile = out.OutPrinter = out.OutClipboard = false;
    QDialog::reject();
}

void frmAPrint::reject() {
    OnCancel();
}

// --- Copies of the Sports Box sheets ----------------------------------------

frmCopies::frmCopies(UiContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("frmCopies");
    setWindowTitle(tr("Copies"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    count_ = AddCopyCount(this, layout, tr("Select # of Copies to print"), QString());
    const auto [ok, cancel] = AddButtons(this, layout);

    // The Sports Box reads the count as it is set: the bar's value, or one a member.
    connect(count_.Bar, &QScrollBar::valueChanged, this, [this](int value) { copies_ = value; });
    connect(count_.OnePerPlayer, &QCheckBox::toggled, this,
            [this](bool checked) { copies_ = checked ? ctx_.State.MemberCount : 0; });
    connect(ok, &QPushButton::clicked, this, &frmCopies::OnOK);
    connect(cancel, &QPushButton::clicked, this, &frmCopies::OnCancel);
    CentreOnScreen(this);
}

void frmCopies::OnOK() {
    if (CopiesMissing(count_.Count->text().toInt(), count_.OnePerPlayer->isChecked())) {
        ctx_.Prompts.Tell(this, PromptIcon::Exclamation, Q(kIncompleteTitle), Q(kNoPicksheetsText));
        return;
    }
    goToPrinter_ = true;
    accept();
}

void frmCopies::OnCancel() {
    copies_ = 0;
    goToPrinter_ = false;
    QDialog::reject();
}

void frmCopies::reject() {
    OnCancel();
}

}  // namespace gm::ui
