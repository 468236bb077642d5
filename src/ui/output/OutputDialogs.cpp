#include "OutputDialogs.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"

namespace gm::ui {

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

// The copy count: scroll bar 0 to 200 with a count label beside it.
QScrollBar* CopiesBar(QWidget* parent) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName("hsbCopies");
    bar->setRange(0, kMaxCopies);
    bar->setSingleStep(1);
    bar->setPageStep(kCopiesLargeStep);
    bar->setMinimumWidth(180);
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

QLabel* CountLabel(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName("lblCopies");
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance("0000"));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QHBoxLayout* Buttons(QPushButton* ok, QPushButton* cancel) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    ok->setDefault(true);
    ok->setAutoDefault(true);
    return row;
}

const QString kIncompleteTitle = QStringLiteral("Incomplete Data");

}  // namespace

// --- Send Output To ---------------------------------------------------------

frmPNFLResults::frmPNFLResults(UiContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("frmPNFLResults");
    setWindowTitle(tr("Print Options"));
    setModal(true);

    auto* frame = new QGroupBox(tr("Send Output To:"), this);
    frame->setObjectName("frOutput");
    opText_ = Option(frame, "OpText", tr("&Text File"));
    opPrinter_ = Option(frame, "OpPrinter", tr("&Printer"));
    opClipboard_ = Option(frame, "OpClipboard", tr("C&lipboard"));
    opWeb_ = Option(frame, "OpWeb", tr("&Web Page"));
    auto* options = new QVBoxLayout(frame);
    for (auto* b : {opText_, opPrinter_, opClipboard_, opWeb_}) options->addWidget(b);

    lblSelect_ = new QLabel(tr("Select # of Copies If Printing"), this);
    lblSelect_->setObjectName("lblSelect");
    hsbCopies_ = CopiesBar(this);
    lblCopies_ = CountLabel(this, "0");
    lblSelect_->setBuddy(hsbCopies_);
    ckOnePerPlayer_ = new QCheckBox(tr("O&ne Per Player"), this);
    ckOnePerPlayer_->setObjectName("ckOnePerPlayer");
    for (QWidget* w : std::initializer_list<QWidget*>{lblSelect_, hsbCopies_, lblCopies_, ckOnePerPlayer_})
        KeepRoomWhenHidden(w);

    auto* copiesRow = new QHBoxLayout;
    copiesRow->addWidget(hsbCopies_, 1);
    copiesRow->addWidget(lblCopies_);

    auto* ok = Button(this, "cmdOK", tr("&OK"));
    auto* cancel = Button(this, "cmdCancel", tr("&Cancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(lblSelect_);
    layout->addLayout(copiesRow);
    layout->addWidget(ckOnePerPlayer_);
    layout->addLayout(Buttons(ok, cancel));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(opPrinter_, &QRadioButton::toggled, this, [this](bool on) { ShowCopies(on); });
    connect(hsbCopies_, &QScrollBar::valueChanged, this, &frmPNFLResults::OnCopiesChanged);
    connect(ckOnePerPlayer_, &QCheckBox::toggled, this, &frmPNFLResults::OnOnePerPlayer);
    connect(ok, &QPushButton::clicked, this, &frmPNFLResults::OnOK);
    connect(cancel, &QPushButton::clicked, this, &frmPNFLResults::OnCancel);

    ShowCopies(false);
    setTabOrder(opText_, opPrinter_);
    setTabOrder(opPrinter_, opClipboard_);
    setTabOrder(opClipboard_, opWeb_);
    setTabOrder(opWeb_, hsbCopies_);
    setTabOrder(hsbCopies_, ckOnePerPlayer_);
    setTabOrder(ckOnePerPlayer_, ok);
    setTabOrder(ok, cancel);
    adjustSize();  // the final size, so that centring is right before the first show
    CenterForm(this);
}

void frmPNFLResults::ShowCopies(bool shown) {
    lblSelect_->setHidden(!shown);
    ckOnePerPlayer_->setHidden(!shown);
    // With "One Per Player" checked the count stays hidden.
    const bool count = shown && !ckOnePerPlayer_->isChecked();
    hsbCopies_->setHidden(!count);
    lblCopies_->setHidden(!count);
    if (shown && !count) lblSelect_->hide();
}

void frmPNFLResults::OnCopiesChanged(int value) {
    lblCopies_->setText(QString::number(value));
    if (value != 0 && ckOnePerPlayer_->isChecked()) {
        // Clear the check without its reset of the count to 0.
        const QSignalBlocker quiet(ckOnePerPlayer_);
        ckOnePerPlayer_->setChecked(false);
        ShowCopies(opPrinter_->isChecked());
    }
}

void frmPNFLResults::OnOnePerPlayer(bool checked) {
    if (checked) {
        lblCopies_->clear();
        lblCopies_->hide();
        hsbCopies_->hide();
        lblSelect_->hide();
    } else {
        lblCopies_->show();
        hsbCopies_->show();
        lblSelect_->show();
        hsbCopies_->setValue(0);
        lblCopies_->setText("0");
    }
}

void frmPNFLResults::OnOK() {
    auto& out = ctx_.State.Output;
    if (opText_->isChecked()) {
        out.OutTextFile = true;
    } else if (opPrinter_->isChecked()) {
        const int count = lblCopies_->text().toInt();  // blank reads as 0
        if (!ckOnePerPlayer_->isChecked() && count == 0) {
            ctx_.Prompts.Tell(this, PromptIcon::Exclamation, kIncompleteTitle,
                              QStringLiteral("You need to specify the number\r\nof copies to print"));
            return;
        }
        out.OutPrinter = true;
        out.NumCopies = count;
        out.OnePerPlayer = ckOnePerPlayer_->isChecked();
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

    auto* frame = new QGroupBox(tr("Send Output To:"), this);
    frame->setObjectName("frOutput");
    opText_ = Option(frame, "OpText", tr("&Text File"));
    opPrinter_ = Option(frame, "OpPrinter", tr("&Printer"));
    opClipboard_ = Option(frame, "OpClipboard", tr("C&lipboard"));
    auto* options = new QVBoxLayout(frame);
    for (auto* b : {opText_, opPrinter_, opClipboard_}) options->addWidget(b);

    auto* ok = Button(this, "cmdOK", tr("&OK"));
    auto* cancel = Button(this, "cmdCancel", tr("&Cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(Buttons(ok, cancel));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok, &QPushButton::clicked, this, &frmAPrint::OnOK);
    connect(cancel, &QPushButton::clicked, this, &frmAPrint::OnCancel);
    adjustSize();  // the final size, so that centring is right before the first show
    CenterForm(this);
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

    lblSelect_ = new QLabel(tr("Select # of Copies to print"), this);
    lblSelect_->setObjectName("lblSelect");
    hsbCopies_ = CopiesBar(this);
    lblCopies_ = CountLabel(this, QString());
    lblSelect_->setBuddy(hsbCopies_);
    ckOnePerPlayer_ = new QCheckBox(tr("O&ne Per Player"), this);
    ckOnePerPlayer_->setObjectName("ckOnePerPlayer");
    for (QWidget* w : std::initializer_list<QWidget*>{lblSelect_, hsbCopies_, lblCopies_})
        KeepRoomWhenHidden(w);

    auto* copiesRow = new QHBoxLayout;
    copiesRow->addWidget(hsbCopies_, 1);
    copiesRow->addWidget(lblCopies_);
    auto* ok = Button(this, "cmdOK", tr("&OK"));
    auto* cancel = Button(this, "cmdCancel", tr("&Cancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSelect_);
    layout->addLayout(copiesRow);
    layout->addWidget(ckOnePerPlayer_);
    layout->addLayout(Buttons(ok, cancel));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(hsbCopies_, &QScrollBar::valueChanged, this, &frmCopies::OnCopiesChanged);
    connect(ckOnePerPlayer_, &QCheckBox::toggled, this, &frmCopies::OnOnePerPlayer);
    connect(ok, &QPushButton::clicked, this, &frmCopies::OnOK);
    connect(cancel, &QPushButton::clicked, this, &frmCopies::OnCancel);
    adjustSize();  // the final size, so that centring is right before the first show
    CenterForm(this);
}

void frmCopies::OnCopiesChanged(int value) {
    lblCopies_->setText(QString::number(value));
    copies_ = value;
    if (value != 0 && ckOnePerPlayer_->isChecked()) {
        // Clear the check without its reset of the count to 0.
        const QSignalBlocker quiet(ckOnePerPlayer_);
        ckOnePerPlayer_->setChecked(false);
        for (QWidget* w : std::initializer_list<QWidget*>{lblSelect_, hsbCopies_, lblCopies_}) w->show();
    }
}

void frmCopies::OnOnePerPlayer(bool checked) {
    if (checked) {
        lblCopies_->clear();
        lblCopies_->hide();
        hsbCopies_->hide();
        lblSelect_->hide();
        copies_ = ctx_.State.MemberCount;
    } else {
        lblCopies_->show();
        hsbCopies_->show();
        lblSelect_->show();
        hsbCopies_->setValue(0);
        lblCopies_->setText("0");
        copies_ = 0;
    }
}

void frmCopies::OnOK() {
    if (!ckOnePerPlayer_->isChecked() && lblCopies_->text().toInt() == 0) {
        ctx_.Prompts.Tell(this, PromptIcon::Exclamation, kIncompleteTitle,
                          QStringLiteral("You need to specify the number\r\nof Picksheets to print"));
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
