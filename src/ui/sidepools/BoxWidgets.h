#pragma once

#include <QLabel>
#include <QListWidget>
#include <optional>

class QMimeData;

namespace gm::ui {

// Drag data of a Sports Box player: the list entry being dragged.
inline constexpr const char* kBoxEntryMime = "application/x-gridmoot-box-entry";
std::optional<int> DraggedEntry(const QMimeData* data);

// The player list: pressing the mouse on an entry and moving drags it; the
// drag carries the entry's row.
class BoxPlayerList : public QListWidget {
    Q_OBJECT
public:
    explicit BoxPlayerList(QWidget* parent = nullptr);

protected:
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
    QStringList mimeTypes() const override;
};

// A box, a digit or the waste basket: takes dropped entries and double
// clicks. Boxes and digits also answer the keyboard: Space drops the entry
// chosen in the player list, Enter acts as a double click, and the arrow keys
// move to the neighbouring box.
class BoxCell : public QLabel {
    Q_OBJECT
public:
    BoxCell(int index, QWidget* parent = nullptr);
    int Index() const { return index_; }
    // The neighbours the arrow keys go to (null at the edges).
    QWidget* Left = nullptr;
    QWidget* Right = nullptr;
    QWidget* Up = nullptr;
    QWidget* Down = nullptr;

signals:
    void Dropped(int index, int entry);
    void DoubleClicked(int index);
    void SpacePressed(int index);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int index_;
};

}  // namespace gm::ui
