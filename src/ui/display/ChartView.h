#pragma once

// The chart of the graph windows on Qt Charts: two or more series of values
// drawn as bars or lines, a title, a value axis with a maximum and a tick
// count, printing and saving as a picture. Header only, so that the display
// library itself needs no chart module; the windows that draw charts link it.

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QPixmap>
#include <QValueAxis>
#include <string_view>
#include <vector>

#include "core/data/FileIO.h"

namespace gm::ui {

struct ChartSeries {
    QString Name;
    std::vector<double> Values;
    QColor Colour;
};

// Colours of the 16-colour palette the charts use.
inline QColor PaletteColor(int index) {
    switch (index) {
        case 9: return {85, 85, 255};   // light blue
        case 10: return {85, 255, 85};  // light green
        case 12: return {255, 85, 85};  // light red
        default: return Qt::black;
    }
}

class ChartView : public QChartView {
public:
    explicit ChartView(QWidget* parent = nullptr) : QChartView(new QChart, parent) {
        setRenderHint(QPainter::Antialiasing);
        setMinimumSize(560, 340);
        chart()->legend()->setAlignment(Qt::AlignBottom);
    }

    // Replaces what the chart shows. `categories` label the x axis (one per value).
    void Show(const QString& title, const std::vector<ChartSeries>& series, bool line, int axisMaximum,
              int tickCount, const QStringList& categories) {
        QChart* c = chart();
        c->removeAllSeries();
        for (QAbstractAxis* axis : c->axes()) {
            c->removeAxis(axis);
            delete axis;
        }
        c->setTitle(title);
        auto* x = new QBarCategoryAxis;
        x->append(categories);
        auto* y = new QValueAxis;
        y->setRange(0, axisMaximum);
        y->setTickCount(tickCount);
        y->setLabelFormat("%d");
        c->addAxis(x, Qt::AlignBottom);
        c->addAxis(y, Qt::AlignLeft);
        if (line) {
            for (const ChartSeries& s : series) {
                auto* ls = new QLineSeries;
                ls->setName(s.Name);
                for (std::size_t i = 0; i < s.Values.size(); ++i) ls->append(static_cast<double>(i), s.Values[i]);
                QPen pen(s.Colour);
                pen.setWidth(3);
                ls->setPen(pen);
                c->addSeries(ls);
                ls->attachAxis(x);
                ls->attachAxis(y);
            }
        } else {
            auto* bars = new QBarSeries;
            for (const ChartSeries& s : series) {
                auto* set = new QBarSet(s.Name);
                for (double v : s.Values) set->append(v);
                set->setColor(s.Colour);
                bars->append(set);
            }
            c->addSeries(bars);
            bars->attachAxis(x);
            bars->attachAxis(y);
        }
    }

    // Writes the chart as a picture (format from the file's extension) through
    // the program's one atomic save; true only when the whole file is on disk.
    bool SaveImage(const QString& path, QString* error = nullptr) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        const QByteArray format = path.section('.', -1).toUpper().toLatin1();
        if (!grab().toImage().save(&buffer, format.constData())) {
            if (error) *error = QStringLiteral("the picture could not be written");
            return false;
        }
        const Status saved =
            WriteFileAtomic(path.toStdString(), std::string_view(bytes.constData(), bytes.size()));
        if (!saved && error) *error = QString::fromStdString(saved.message);
        return saved.ok();
    }
};

}  // namespace gm::ui
