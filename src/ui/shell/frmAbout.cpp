#include "frmAbout.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/display/ElectronicSign.h"
#include "ui/display/SignSetup.h"
#include "ui/shell/PaintBlend.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"

namespace gm::ui {
namespace {

const char* const kMessages[] = {
    "Gridmoot 2.2   The 1997 Office Football Pool",
    "Spreads, scores, picks, standings and reports for your office pool",
    "Good luck this week!",
};

}  // namespace

frmAbout::frmAbout(UiContext& ctx, QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setWindowTitle("About Gridmoot");
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel("Gridmoot 2.2");
    title->setObjectName("lblTitle");
    QFont f("Times New Roman", 22, QFont::Bold);
    title->setFont(f);
    title->setAlignment(Qt::AlignCenter);
    auto* text = new QLabel(
        "The 1997 Office Football Pool\n\n"
        "Keeps the NFL season, the pool's members and their weekly picks,\n"
        "grades them straight up or against the spread, and prints the\n"
        "standings, pick sheets and web pages for the office.");
    text->setObjectName("lblInfo");
    text->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    layout->addWidget(text);

    auto* picDisplay = new QWidget;
    picDisplay->setObjectName("picDisplay");
    picDisplay->setMinimumSize(420, 54);
    layout->addWidget(picDisplay);

    auto* buttons = new QHBoxLayout;
    cmdGrid_ = new QPushButton("Hide &Grid");
    cmdGrid_->setObjectName("cmdGrid");
    auto* cmdOK = new QPushButton("&OK");
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(cmdGrid_);
    buttons->addWidget(cmdOK);
    layout->addLayout(buttons);

    sign_ = new ElectronicSign;
    SetupMarqueeSign(*sign_, picDisplay, cmdGrid_, {title, text}, ScreenColors(ctx));
    // Light text on the dark top of the blend, dark text where the labels got a white ground.
    for (QLabel* label : {title, text}) {
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, label->autoFillBackground() ? Qt::black : Qt::white);
        label->setPalette(pal);
    }
    connect(sign_, &ElectronicSign::finished, this, [this] { NextMessage(); });
    connect(cmdGrid_, &QPushButton::clicked, this, [this] { ToggleSignGrid(*sign_, cmdGrid_); });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    NextMessage();

    adjustSize();
    CenterForm(this);
}

frmAbout::~frmAbout() {
    if (sign_) sign_->StopDisplay();
}

void frmAbout::NextMessage() {
    ShowSignMessage(*sign_, 1, QString(kMessages[message_]));
    message_ = (message_ + 1) % static_cast<int>(std::size(kMessages));
}

void frmAbout::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintBlendTwips(p, size(), QColor(0, 0, 75), QColor(255, 255, 0), -1);
}

}  // namespace gm::ui
