#include "SignSetup.h"

#include <QAbstractButton>
#include <QLabel>

#include "ui/display/ElectronicSign.h"

namespace gm::ui {
namespace {

const QColor kNavy(0, 0, 128);
const QColor kCyan(0, 255, 255);
const QColor kYellow(255, 255, 0);

void GridForDepth(ElectronicSign& sign, QAbstractButton* gridButton, const QList<QLabel*>& labels,
                  long long screenColors) {
    if (screenColors > 256) {
        sign.Grid(!sign.Grid());
        if (gridButton) gridButton->setText("Show &Grid");
        for (QLabel* label : labels) {
            if (!label) continue;
            label->setAutoFillBackground(true);
            QPalette pal = label->palette();
            pal.setColor(QPalette::Window, Qt::white);
            label->setPalette(pal);
        }
    } else if (gridButton) {
        gridButton->setText("Hide &Grid");
    }
}

void MarqueeSequence(ElectronicSign& sign, QColor lamp, bool setRate, QWidget* picDisplay,
                     QAbstractButton* gridButton, const QList<QLabel*>& labels, long long screenColors) {
    sign.PanelColor(kNavy);
    sign.LampColor(lamp);
    sign.Active(true);
    sign.Mode(0);
    if (setRate) sign.Rate(1);
    sign.Surface(picDisplay);
    sign.Text(" ");
    GridForDepth(sign, gridButton, labels, screenColors);
}

}  // namespace

void SetupBannerSign(ElectronicSign& sign, QWidget* picDisplay) {
    sign.Surface(picDisplay);
    sign.LampColor(kYellow);
    sign.Rate(3);
    sign.Text("Lumex Electronic Message");
}

void SetupMarqueeSign(ElectronicSign& sign, QWidget* picDisplay, QAbstractButton* gridButton,
                      const QList<QLabel*>& labels, long long screenColors) {
    MarqueeSequence(sign, kCyan, true, picDisplay, gridButton, labels, screenColors);
}

void SetupPoolMarqueeSign(ElectronicSign& sign, QWidget* picDisplay, QAbstractButton* gridButton,
                          const QList<QLabel*>& labels, long long screenColors) {
    MarqueeSequence(sign, kYellow, false, picDisplay, gridButton, labels, screenColors);
}

void SetupAnalyzerSign(ElectronicSign& sign, QWidget* picDisplay, const QString& firstMessage,
                       QAbstractButton* gridButton, const QList<QLabel*>& labels, long long screenColors) {
    sign.Surface(picDisplay);
    sign.PanelColor(kNavy);
    sign.LampColor(kCyan);
    sign.Text(firstMessage);
    GridForDepth(sign, gridButton, labels, screenColors);
}

void ShowSignMessage(ElectronicSign& sign, int rate, const std::optional<QString>& message) {
    if (!message) {
        sign.Mode(0);
        sign.Rate(rate);
        return;
    }
    sign.Mode(3);
    sign.Rate(rate);
    sign.Text(*message);
}

void ToggleSignGrid(ElectronicSign& sign, QAbstractButton* gridButton) {
    sign.Grid(!sign.Grid());
    if (gridButton) gridButton->setText(sign.Grid() ? "Hide &Grid" : "Show &Grid");
}

void ShowSignStep(ElectronicSign& sign, const SignStep& step) {
    std::optional<QString> message;
    if (step.Message) message = QString::fromStdString(*step.Message);
    ShowSignMessage(sign, step.Rate, message);
}

void UseLightCaptions(std::initializer_list<QLabel*> labels) {
    for (QLabel* l : labels) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, Qt::white);
        l->setPalette(pal);
    }
}

}  // namespace gm::ui
