#pragma once

#include <QColor>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <vector>

namespace gm::ui {

// The lighted scrolling sign: a panel of lamps in a dot matrix across which
// the message moves from right to left. Each time the whole message has
// passed, `finished` is emitted and the same message starts again unless the
// owner sets another one. Scrolling runs on a timer; nothing blocks.
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

    // The scrolling speed: 1 is the fastest, larger numbers are slower.
    void Rate(int rate);
    int Rate() const { return rate_; }
    // 3 when a new message comes with the rate, 0 when only the rate changes.
    void Mode(int mode) { mode_ = mode; }
    int Mode() const { return mode_; }

    bool Scrolling() const { return timer_.isActive(); }

    // Moves the message one lamp column to the left (the timer's step).
    void Advance();

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
    int rate_ = 1;
    int mode_ = 0;
    QTimer timer_;
};

}  // namespace gm::ui
