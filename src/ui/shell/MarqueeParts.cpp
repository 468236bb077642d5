#include "MarqueeParts.h"

#include <QAbstractButton>
#include <QApplication>

#include "ui/display/ElectronicSign.h"
#include "ui/display/SignSetup.h"

namespace gm::ui {

MarqueeSign::MarqueeSign() : sign_(new ElectronicSign) {}

MarqueeSign::~MarqueeSign() { sign_->StopDisplay(); }

void MarqueeSign::Connect(QWidget* window, QAbstractButton* gridButton, SpinButton* spin,
                          std::function<bool(int)> step, std::function<void()> moved) const {
    auto spun = [step = std::move(step), moved = std::move(moved)](int by) {
        if (!step(by)) {
            QApplication::beep();
            return;
        }
        moved();
    };
    QObject::connect(spin, &SpinButton::SpinUp, window, [spun] { spun(+1); });
    QObject::connect(spin, &SpinButton::SpinDown, window, [spun] { spun(-1); });
    ElectronicSign* sign = sign_;
    QObject::connect(gridButton, &QAbstractButton::clicked, window, [sign, gridButton] { ToggleSignGrid(*sign, gridButton); });
}

void MarqueeSign::Cycle(QWidget* window, std::function<SignStep()> next, std::function<void()> shown) const {
    ElectronicSign* sign = sign_;
    QObject::connect(sign_, &ElectronicSign::finished, window,
                     [sign, next = std::move(next), shown = std::move(shown)] {
                         ShowSignStep(*sign, next());
                         shown();
                     });
}

}  // namespace gm::ui
