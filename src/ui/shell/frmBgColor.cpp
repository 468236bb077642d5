#include "frmBgColor.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/data/Settings.h"
#include "core/shell/Schemes.h"
#include "ui/shell/QtText.h"
#include "ui/shell/UiContext.h"
#include "ui/shell/WindowHelpers.h"

namespace gm::ui {

frmBgColor::frmBgColor(UiContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("frmBgColor");
    setWindowTitle("Set Main BackGround Colors");
    setModal(true);
    const long long colors = ScreenColors(ctx_);

    auto* outer = new QVBoxLayout(this);
    auto* frames = new QHBoxLayout;
    auto* all = new QGroupBox(" For All Display Types ");
    auto* deep = new QGroupBox(" For Displays Set to 16, 24 or 32 bit Color  ");
    auto* allLayout = new QVBoxLayout(all);
    auto* deepLayout = new QVBoxLayout(deep);
    frames->addWidget(all);
    frames->addWidget(deep);
    outer->addLayout(frames);

    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 12; ++i) {
        auto* b = new QRadioButton(Q(SchemeFor(i + 1).Name));
        b->setObjectName(QString("OpColor%1").arg(i));
        b->setEnabled(SchemeAvailable(i + 1, colors));
        group->addButton(b, i);
        (i < 6 ? allLayout : deepLayout)->addWidget(b);
        OpColor_[i] = b;
        connect(b, &QRadioButton::clicked, this, [this, i] { ctx_.State.ColorScheme = i + 1; });
    }
    const int current = ctx_.State.ColorScheme;
    if (current >= 1 && current <= 12) OpColor_[current - 1]->setChecked(true);

    auto* lblDepth = new QLabel(Q(DepthLabel(colors)));
    lblDepth->setObjectName("lblDepth");
    outer->addWidget(lblDepth);

    auto* buttons = new QHBoxLayout;
    auto* cmdSave = new QPushButton("&Save As Startup Color");
    cmdSave->setObjectName("cmdSave");
    cmdSave->setDefault(true);
    auto* cmdCancel = new QPushButton("&Cancel");
    cmdCancel->setObjectName("cmdCancel");
    auto* cmdHint = new QPushButton("&Hint");
    cmdHint->setObjectName("cmdHint");
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdHint);
    outer->addLayout(buttons);
    connect(cmdSave, &QPushButton::clicked, this, &frmBgColor::SaveClicked);
    connect(cmdCancel, &QPushButton::clicked, this, &frmBgColor::reject);
    connect(cmdHint, &QPushButton::clicked, this, &frmBgColor::HintClicked);

    adjustSize();
    CenterForm(this);
}

void frmBgColor::SaveClicked() {
    colorsChanged_ = true;
    // The scheme stays for this run either way; the user hears when it was not kept for the next start.
    if (const Status saved = WriteSetting(ctx_.State.Settings, keys::ColorScheme, std::to_string(ctx_.State.ColorScheme));
        !saved)
        ctx_.Prompts.Tell(this, PromptIcon::Exclamation, windowTitle(), Q(saved.message));
    accept();
}

void frmBgColor::HintClicked() {
    ctx_.Prompts.Tell(this, PromptIcon::Information, Q(kBgHintTitle), Q(kBgHintText));
}

}  // namespace gm::ui
