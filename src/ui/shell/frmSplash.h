#pragma once

#include <QElapsedTimer>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace gm::ui {

// The start-up window: it opens with a rectangle growing from its centre,
// shows the program's name, and after four seconds (or at once on a click or
// a key) says it is done.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

    // Starts the reveal and the four-second wait.
    void Start();
    // 0 to 300: how far the reveal has grown.
    int RevealStep() const;

signals:
    void Done();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Finish();

    QTimer showMain_;
    QTimer reveal_;
    QElapsedTimer clock_;
    QList<QWidget*> labels_;
    QPixmap underneath_;  // the screen where the splash opens, when it can be read
    bool done_ = false;
};

}  // namespace gm::ui
