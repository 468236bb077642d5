#include "WindowHelpers.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include "ui/shell/Prompt.h"
#include "ui/shell/UiContext.h"

namespace gm::ui {

void ShowError(Prompter& prompts, QWidget* parent, int number, const QString& description) {
    // Titled like every other box of the program that has no title of its own.
    prompts.Tell(parent, PromptIcon::Stop, QStringLiteral("Gridmoot"), QStringLiteral("Error:%1 %2").arg(number).arg(description));
}

void CenterForm(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size();
    window->move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

void SelectAllText(QLineEdit* box) { box->setSelection(0, static_cast<int>(box->text().size())); }

namespace {

class SelectOnFocus : public QObject {
public:
    explicit SelectOnFocus(QLineEdit* box) : QObject(box), box_(box) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            // After the click that gave the focus has placed the caret.
            QTimer::singleShot(0, this, [this] {
                if (box_ && box_->hasFocus()) SelectAllText(box_);
            });
        }
        return false;
    }

private:
    QPointer<QLineEdit> box_;
};

}  // namespace

void SelectAllOnFocus(QLineEdit* box) { box->installEventFilter(new SelectOnFocus(box)); }

long long ScreenColors(const UiContext& ctx) {
    if (ctx.ScreenColorsOverride > 0) return ctx.ScreenColorsOverride;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int depth = screen ? screen->depth() : 32;
    return depth >= 62 ? (1LL << 62) : (1LL << depth);
}

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

}  // namespace gm::ui
