#include "ElectronicSign.h"

#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/display/LampFont.h"

namespace gm::ui {
namespace {

constexpr int kRows = kGlyphHeight + 2;  // a dark row above and below the characters

// Letters with accents show as their base letter; other characters the font
// lacks show as '?'; line breaks and tabs as blanks.
std::vector<std::uint8_t> LampColumnsFor(const QString& text) {
    std::vector<std::uint8_t> out;
    auto draw = [&out](char32_t c) {
        for (std::uint8_t column : LampGlyph(c)) out.push_back(column);
        out.push_back(0);  // one dark column between characters
    };
    const QString plain = text.normalized(QString::NormalizationForm_D);
    for (const char32_t original : plain.toUcs4()) {
        if (QChar::category(original) == QChar::Mark_NonSpacing) continue;
        char32_t c = original;
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
        const std::u32string_view spelled = LampSpelling(c);
        if (spelled.empty()) draw(c);
        for (const char32_t s : spelled) draw(s);
    }
    // A message with nothing to show still passes, as one blank, so that the
    // owner hears it has run through.
    if (out.empty()) draw(U' ');
    return out;
}

}  // namespace

ElectronicSign::ElectronicSign(QWidget* parent) : QWidget(parent) {
    setObjectName("ElectronicSign");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // Even steps: a coarse timer's jitter shows as a stutter in the scrolling.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &ElectronicSign::Tick);
    clock_.start();
    SetInterval(ScrollInterval(rate_));
}

void ElectronicSign::StopDisplay() {
    stopped_ = true;
    timer_.stop();
}

void ElectronicSign::Text(const QString& message) {
    text_ = message;
    columns_ = LampColumnsFor(message);
    pausing_ = false;
    SetInterval(ScrollInterval(rate_));
    Restart();
    UpdateTimer();
    update();
}

void ElectronicSign::Surface(QWidget* box) {
    if (!box || box == parentWidget()) return;
    setParent(box);
    auto* layout = box->layout();
    if (!layout) {
        layout = new QVBoxLayout(box);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    layout->addWidget(this);
    show();
}

void ElectronicSign::LampColor(QColor colour) {
    lamp_ = colour;
    update();
}

void ElectronicSign::PanelColor(QColor colour) {
    panel_ = colour;
    update();
}

void ElectronicSign::Active(bool on) {
    active_ = on;
    UpdateTimer();
}

void ElectronicSign::Grid(bool on) {
    grid_ = on;
    update();
}

void ElectronicSign::Rate(int rate) {
    rate_ = std::max(0, rate);
    if (mode_ == 0) {
        Pause();
        return;
    }
    SetInterval(ScrollInterval(rate_));
}

// Rate 0, the pool marquee's, reads at about 24 characters a second; the NFL
// marquee's 18 at about 7. A pause of 30 is three quarters of a second, so
// that a pool of a dozen members goes round in well under a minute.
int ElectronicSign::ScrollInterval(int rate) { return 7 + std::min(rate, 200); }
int ElectronicSign::PauseLength(int rate) { return std::max(ScrollInterval(0), 25 * std::min(rate, 200)); }

void ElectronicSign::Pause() {
    pausing_ = true;
    Restart();
    SetInterval(PauseLength(rate_));  // the pause counts from now
    UpdateTimer();
    update();
}

int ElectronicSign::Pitch() const { return std::max(2, height() / kRows); }
int ElectronicSign::LampRows() const { return kRows; }
int ElectronicSign::LampColumns() const { return std::max(1, width() / Pitch()); }

bool ElectronicSign::LampLit(int row, int column) const {
    if (pausing_ || row < 1 || row > kGlyphHeight) return false;
    const int index = Position() + column;
    if (index < 0 || index >= static_cast<int>(columns_.size())) return false;
    return (columns_[static_cast<std::size_t>(index)] >> (row - 1)) & 1;
}

void ElectronicSign::Restart() { advanced_ = 0; }

void ElectronicSign::UpdateTimer() {
    if (!stopped_ && active_ && (pausing_ || !columns_.empty())) {
        if (!timer_.isActive()) {
            timer_.start();
            due_ = clock_.elapsed();
        }
    } else {
        timer_.stop();
    }
}

void ElectronicSign::SetInterval(int ms) {
    timer_.setInterval(ms);  // restarts a running timer
    due_ = clock_.elapsed();
    ++generation_;
}

// A tick that comes late (a busy machine) moves the message as many columns
// as were due, so that the speed the user sees is the speed asked for.
void ElectronicSign::Tick() {
    constexpr int kMostStepsATick = 16;
    const qint64 now = clock_.elapsed();
    const int interval = std::max(1, timer_.interval());
    const int due = static_cast<int>(std::clamp<qint64>((now - due_) / interval, 1, kMostStepsATick));
    due_ = std::min(due_ + qint64(due) * interval, now);
    const int generation = generation_;
    for (int i = 0; i < due && generation == generation_ && !stopped_; ++i) Advance();
}

void ElectronicSign::Advance() {
    if (pausing_) {
        // The pause is over. Unless the owner answers, the last message
        // starts again.
        pausing_ = false;
        SetInterval(ScrollInterval(rate_));
        Restart();
        emit finished(this);
        update();
        return;
    }
    ++advanced_;
    if (Position() >= static_cast<int>(columns_.size())) {
        // Start over first, so that a new message set by the owner wins.
        Restart();
        emit finished(this);
    }
    update();
}

void ElectronicSign::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), panel_);
    const int pitch = Pitch();
    const int cols = LampColumns(), rows = kRows;
    // Centre the lamp field in the widget.
    const int left = (width() - cols * pitch) / 2, top = (height() - rows * pitch) / 2;
    const double lampSize = std::max(1.0, pitch * 0.78);
    const double inset = (pitch - lampSize) / 2.0;
    // Unlit lamps: a faint trace of the lamp colour on the panel.
    const QColor unlit((lamp_.red() + 5 * panel_.red()) / 6, (lamp_.green() + 5 * panel_.green()) / 6,
                       (lamp_.blue() + 5 * panel_.blue()) / 6);
    p.setRenderHint(QPainter::Antialiasing, pitch >= 4);
    p.setPen(Qt::NoPen);
    if (grid_) {
        p.setPen(QPen(panel_.lighter(160), 1));
        for (int c = 0; c <= cols; ++c) p.drawLine(left + c * pitch, top, left + c * pitch, top + rows * pitch);
        for (int r = 0; r <= rows; ++r) p.drawLine(left, top + r * pitch, left + cols * pitch, top + r * pitch);
        p.setPen(Qt::NoPen);
    }
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const bool lit = LampLit(r, c);
            if (!lit && !grid_) continue;
            p.setBrush(lit ? lamp_ : unlit);
            p.drawEllipse(QRectF(left + c * pitch + inset, top + r * pitch + inset, lampSize, lampSize));
        }
    }
}

}  // namespace gm::ui
