#pragma once

#include <QColor>
#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <vector>

namespace gm::ui {

// The lighted scrolling sign: a panel of lamps in a dot matrix across which
// the message moves from right to left. Each time the whole message has
// passed, `finished` is emitted and the same message starts again unless the
// owner sets another one or asks for a pause. Scrolling runs on a timer;
// nothing blocks.
//
// The owner talks to it the way the marquees do: Mode 3, Rate, Text for a new
// message at a new speed; Mode 0, Rate on its own for a pause, during which
// the lamps are dark for a time that grows with the rate and at whose end
// `finished` is emitted again.
class ElectronicSign : public QWidget {
    Q_OBJECT
public:
    explicit ElectronicSign(QWidget* parent = nullptr);

    // Stops the scrolling for good (the owner is closing).
    void StopDisplay();

    // Assigning a message starts showing it from the right-hand edge.
    void Text(const QString& message);
    QString Text() const { return text_; }

    // The picture box the sign is drawn into: the sign fills it.
    void Surface(QWidget* box);

    void LampColor(QColor colour);
    QColor LampColor() const { return lamp_; }
    void PanelColor(QColor colour);
    QColor PanelColor() const { return panel_; }

    // Switches the sign on; a fresh sign is on already.
    void Active(bool on);
    bool Active() const { return active_; }

    // Whether the unlit lamps and the grid between them are drawn.
    void Grid(bool on);
    bool Grid() const { return grid_; }

    // The speed of the message (0 the fastest, larger numbers slower); with
    // Mode 0 it is a pause request instead: the lamps go dark for a pause of
    // that rate, and the message is not shown again.
    void Rate(int rate);
    int Rate() const { return rate_; }
    // 3 when a new message comes with the rate, 0 when only the rate changes.
    void Mode(int mode) { mode_ = mode; }
    int Mode() const { return mode_; }

    // Milliseconds per lamp column of a message shown at `rate`, and the
    // length of a pause requested with `rate`.
    static int ScrollInterval(int rate);
    static int PauseLength(int rate);

    bool Scrolling() const { return timer_.isActive(); }
    bool Pausing() const { return pausing_; }

    // The timer's step: moves the message one lamp column to the left, or
    // ends a pause. StepInterval() is the time the timer waits for the next.
    void Advance();
    int StepInterval() const { return timer_.interval(); }

    // The lamps as they are lit now: rows top to bottom, columns left to right.
    int LampRows() const;
    int LampColumns() const;
    bool LampLit(int row, int column) const;

    QSize sizeHint() const override { return {480, 54}; }
    QSize minimumSizeHint() const override { return {120, 27}; }

signals:
    // The message has scrolled through once.
    void finished(gm::ui::ElectronicSign* sign);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int Pitch() const;
    void Restart();
    void Pause();
    void SetInterval(int ms);
    void Tick();
    void UpdateTimer();

    QString text_;
    std::vector<std::uint8_t> columns_;  // the message as lamp columns, bit 0 at the top
    // Steps since the message entered at the right-hand edge; counted from
    // the edge so that a sign laid out after its text was set still starts there.
    int advanced_ = 0;
    int Position() const { return advanced_ - LampColumns(); }  // message column at the left edge
    QColor lamp_{255, 0, 0};
    QColor panel_{0, 0, 0};
    bool active_ = true;
    bool grid_ = true;
    bool stopped_ = false;
    bool pausing_ = false;  // dark between two messages
    int rate_ = 1;
    int mode_ = 0;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 due_ = 0;      // clock time of the last step taken
    int generation_ = 0;  // counts new messages and pauses: a tick's catching up stops at one
};

}  // namespace gm::ui
