#pragma once

#include <QString>
#include <QWidget>

namespace gm::ui {

// A team or conference emblem: the abbreviation on a round badge in the
// conference's colour (blue for the NFC, red for the AFC). Drawn, not loaded.
class TeamEmblem : public QWidget {
public:
    explicit TeamEmblem(QWidget* parent = nullptr);

    // The badge's text and conference (kConferenceNFC or kConferenceAFC).
    void Show(const QString& text, int conference);
    const QString& Text() const { return text_; }

    QSize sizeHint() const override { return {88, 88}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    int conference_ = 0;
};

}  // namespace gm::ui
