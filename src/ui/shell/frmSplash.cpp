#include "frmSplash.h"

#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/shell/WindowHelpers.h"

namespace gm::ui {
namespace {
constexpr int kRevealSteps = 300;
constexpr int kRevealMs = 600;  // the whole reveal
const QColor kBackground(0, 0, 128);
}  // namespace

frmSplash::frmSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("frmSplash");
    setFixedSize(520, 280);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    struct Line {
        const char* name;
        const char* text;
        int size;
        bool bold;
    };
    const Line lines[] = {{"Label1", "The 1997 Office Football Pool", 22, true},
                          {"Label2", "Gridmoot  2.2", 28, true},
                          {"Label3", "Loading Program... Please Wait", 12, false}};
    for (const Line& l : lines) {
        auto* label = new QLabel(l.text);
        label->setObjectName(l.name);
        label->setAlignment(Qt::AlignCenter);
        QFont f("Times New Roman", l.size, l.bold ? QFont::Bold : QFont::Normal);
        label->setFont(f);
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, l.size == 28 ? QColor(255, 255, 0) : Qt::white);
        label->setPalette(pal);
        label->hide();
        layout->addWidget(label);
        labels_ << label;
    }
    showMain_.setSingleShot(true);
    showMain_.setInterval(4000);
    connect(&showMain_, &QTimer::timeout, this, &frmSplash::Finish);
    reveal_.setInterval(15);
    connect(&reveal_, &QTimer::timeout, this, [this] {
        if (RevealStep() >= kRevealSteps) {
            reveal_.stop();
            for (QWidget* l : labels_) l->show();
        }
        update();
    });
}

void frmSplash::Start() {
    CenterForm(this);
    // The rectangle grows over what the screen shows there. Without a
    // compositor a see-through window shows black instead, so the screen is
    // copied when it can be; otherwise the window is made see-through.
    if (QScreen* screen = this->screen())
        underneath_ = screen->grabWindow(0, x(), y(), width(), height());
    if (underneath_.isNull() || underneath_.deviceIndependentSize().toSize() != size()) {
        underneath_ = QPixmap();
        setAttribute(Qt::WA_TranslucentBackground);
    }
    clock_.start();
    reveal_.start();
    showMain_.start();
    show();
}

int frmSplash::RevealStep() const {
    if (!clock_.isValid()) return 0;
    return static_cast<int>(std::min<qint64>(kRevealSteps, clock_.elapsed() * kRevealSteps / kRevealMs));
}

void frmSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!underneath_.isNull()) p.drawPixmap(0, 0, underneath_);
    const int k = std::max(1, RevealStep());
    const int w = width() * k / kRevealSteps, h = height() * k / kRevealSteps;
    const QRect r((width() - w) / 2, (height() - h) / 2, w, h);
    p.fillRect(r, kBackground);
    if (k >= kRevealSteps) {
        p.setPen(QPen(QColor(255, 255, 0), 3));
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void frmSplash::mousePressEvent(QMouseEvent*) { Finish(); }
void frmSplash::keyPressEvent(QKeyEvent*) { Finish(); }

void frmSplash::Finish() {
    if (done_) return;
    done_ = true;
    showMain_.stop();
    reveal_.stop();
    emit Done();
}

}  // namespace gm::ui
