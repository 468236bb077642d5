#include "QtPageSurface.h"

#include <QBuffer>
#include <QByteArray>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QPrinter>
#include <algorithm>
#include <cctype>
#include <system_error>

#include "core/data/FileIO.h"

namespace gm {

namespace {

constexpr double kTwipsPerPoint = 20.0;
// DrawWidth counts pixels of the original screen printout; 10 twips is half a point.
constexpr double kTwipsPerDrawUnit = 10.0;

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class QtPageSurface final : public PageSurface {
public:
    QtPageSurface(QPagedPaintDevice& device, QPrinter* printer, std::string jobName)
        : device_(device), printer_(printer), jobName_(std::move(jobName)) {
        orientation_ = device_.pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
    }
    ~QtPageSurface() override {
        if (painter_.isActive()) painter_.end();
    }

    void PrintLine(std::string_view text) override {
        Draw(text);
        CurrentX = 0;
        CurrentY += TextHeight();
    }

    void PrintText(std::string_view text) override {
        Draw(text);
        CurrentX += TextWidth(text);
    }

    double TextWidth(std::string_view text) override {
        return QFontMetricsF(MakeFont()).horizontalAdvance(Q(text));
    }

    double TextHeight() override { return QFontMetricsF(MakeFont()).lineSpacing(); }

    void Line(double x1, double y1, double x2, double y2, bool box) override {
        StartDrawing();
        QPen pen(Qt::black);
        pen.setWidthF(std::max(1, DrawWidth) * kTwipsPerDrawUnit);
        painter_.setPen(pen);
        painter_.setBrush(Qt::NoBrush);
        if (box)
            painter_.drawRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
        else
            painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
        CurrentX = x2;
        CurrentY = y2;
    }

    double ScaleWidth() const override { return PaintRect().width(); }
    double ScaleHeight() const override { return PaintRect().height(); }

    int Orientation() const override { return orientation_; }
    void SetOrientation(int orientation) override {
        orientation_ = orientation == 2 ? 2 : 1;
        // Takes effect on the next sheet the device starts.
        device_.setPageOrientation(orientation_ == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
    }

    void NewPage() override {
        if (pageUsed_) pendingPage_ = true;
        CurrentX = 0;
        CurrentY = 0;
    }

    void EndDoc() override {
        if (!painter_.isActive()) return;  // nothing printed: no job at all
        const bool ended = painter_.end();
        if (!ended || (printer_ && printer_->printerState() == QPrinter::Error))
            throw PrintError("The printer could not finish the job.");
    }

    void Abort() override {
        if (!painter_.isActive()) return;
        if (printer_) printer_->abort();
        painter_.end();
    }

private:
    QRectF PaintRect() const {
        const QRectF points = device_.pageLayout().paintRect(QPageLayout::Point);
        return {0, 0, points.width() * kTwipsPerPoint, points.height() * kTwipsPerPoint};
    }

    QFont MakeFont() const {
        QFont font(Q(ResolveFontFamily(Font.Name)));
        font.setPixelSize(std::max(1, static_cast<int>(Font.Size * kTwipsPerPoint + 0.5)));
        font.setItalic(Font.Italic);
        font.setUnderline(Font.Underline);
        const int weight = std::clamp(Font.Bold ? std::max(Font.Weight, 700) : Font.Weight, 100, 900);
        font.setWeight(static_cast<QFont::Weight>(weight));
        // Linear metrics, so that TextWidth matches what lands on the page.
        font.setHintingPreference(QFont::PreferNoHinting);
        font.setKerning(false);
        return font;
    }

    void StartDrawing() {
        if (!painter_.isActive()) {
            if (printer_) printer_->setDocName(Q(jobName_));
            if (!painter_.begin(&device_)) {
                // A printer whose job failed to start stays "active" and refuses
                // every later change (Printer Setup could not pick another one).
                if (printer_ && printer_->printerState() == QPrinter::Active && printer_->paintEngine())
                    printer_->paintEngine()->end();
                if (printer_ && printer_->outputFormat() == QPrinter::PdfFormat &&
                    !printer_->outputFileName().isEmpty())
                    throw PrintError("Cannot write \"" + printer_->outputFileName().toStdString() + "\".");
                if (printer_ && printer_->printerName().isEmpty())
                    throw PrintError("No printer is installed.");
                if (printer_)
                    throw PrintError("The printer \"" + printer_->printerName().toStdString() +
                                     "\" cannot start a print job.");
                throw PrintError("The file for the printout cannot be written.");
            }
            // Draw in twips whatever the device's resolution.
            painter_.scale(device_.logicalDpiX() / kTwipsPerInch, device_.logicalDpiY() / kTwipsPerInch);
            pendingPage_ = false;
        } else if (pendingPage_) {
            if (!device_.newPage()) throw PrintError("The printer cannot start a new page.");
            pendingPage_ = false;
        }
        if (printer_ && printer_->printerState() == QPrinter::Error)
            throw PrintError("The printer reported an error.");
        pageUsed_ = true;
    }

    void Draw(std::string_view text) {
        StartDrawing();
        if (text.empty()) return;
        const QFont font = MakeFont();
        painter_.setFont(font);
        painter_.setPen(Qt::black);
        painter_.drawText(QPointF(CurrentX, CurrentY + QFontMetricsF(font).ascent()), Q(text));
    }

    QPagedPaintDevice& device_;
    QPrinter* printer_;
    std::string jobName_;
    QPainter painter_;
    int orientation_ = 1;
    bool pageUsed_ = false;
    bool pendingPage_ = false;
};

// A PDF made in memory and handed over whole when the job ends, so a failed
// job delivers nothing: to a file that leaves the previous one whole, and to
// a pipe or standard output it sends no half document.
class PdfPageSurface final : public PageSurface {
public:
    PdfPageSurface(PdfDelivery deliver, const std::string& jobName)
        : deliver_(std::move(deliver)), buffer_(&bytes_), writer_(OpenBuffer(buffer_)), inner_(writer_, nullptr, jobName) {
        writer_.setPageSize(QPageSize(QPageSize::Letter));
        writer_.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Point);
        writer_.setResolution(1200);
        writer_.setTitle(Q(jobName));
        writer_.setCreator(QStringLiteral("Gridmoot"));
    }
    ~PdfPageSurface() override {
        if (finished_) return;
        // An unfinished job: close the painter, and deliver nothing.
        inner_.Abort();
    }

    void PrintLine(std::string_view text) override {
        Sync([&] { inner_.PrintLine(text); });
    }
    void PrintText(std::string_view text) override {
        Sync([&] { inner_.PrintText(text); });
    }
    double TextWidth(std::string_view text) override {
        inner_.Font = Font;
        return inner_.TextWidth(text);
    }
    double TextHeight() override {
        inner_.Font = Font;
        return inner_.TextHeight();
    }
    void Line(double x1, double y1, double x2, double y2, bool box) override {
        Sync([&] { inner_.Line(x1, y1, x2, y2, box); });
    }
    double ScaleWidth() const override { return inner_.ScaleWidth(); }
    double ScaleHeight() const override { return inner_.ScaleHeight(); }
    int Orientation() const override { return inner_.Orientation(); }
    void SetOrientation(int orientation) override { inner_.SetOrientation(orientation); }
    void NewPage() override {
        Sync([&] { inner_.NewPage(); });
    }

    void EndDoc() override {
        inner_.EndDoc();
        // Nothing was printed: nothing is delivered, and any older file stays as it was.
        if (!bytes_.isEmpty()) {
            if (const gm::Status delivered = deliver_(std::string_view(bytes_.constData(), bytes_.size())); !delivered)
                throw PrintError(delivered.message);
        }
        finished_ = true;
    }

    void Abort() override {
        inner_.Abort();
        bytes_.clear();
    }

private:
    // The inner surface keeps the position; mirror it both ways around each call.
    template <typename F>
    void Sync(F&& call) {
        inner_.CurrentX = CurrentX;
        inner_.CurrentY = CurrentY;
        inner_.Font = Font;
        inner_.DrawWidth = DrawWidth;
        call();
        CurrentX = inner_.CurrentX;
        CurrentY = inner_.CurrentY;
    }

    static QBuffer* OpenBuffer(QBuffer& buffer) {
        buffer.open(QIODevice::WriteOnly);
        return &buffer;
    }

    PdfDelivery deliver_;
    QByteArray bytes_;
    QBuffer buffer_;
    QPdfWriter writer_;
    QtPageSurface inner_;
    bool finished_ = false;
};

}  // namespace

std::string ResolveFontFamily(const std::string& name) {
    const std::string key = Lower(name);
    if (key == "courier new" || key == "courier") return "Liberation Mono";
    if (key == "arial" || key == "sans serif" || key == "ms sans serif" || key == "helvetica")
        return "Liberation Sans";
    if (key == "times new roman" || key == "times") return "Liberation Serif";
    return name;
}

std::unique_ptr<PageSurface> MakePrinterSurface(QPrinter& printer, const std::string& jobName) {
    return std::make_unique<QtPageSurface>(printer, &printer, jobName);
}

std::unique_ptr<PageSurface> MakePdfSurface(const std::filesystem::path& file, const std::string& jobName) {
    // Through the one writer: a link's file is replaced, a pipe or device written.
    return std::make_unique<PdfPageSurface>([file](std::string_view pdf) { return WriteFileAtomic(file, pdf); },
                                            jobName);
}

std::unique_ptr<PageSurface> MakePdfSurface(PdfDelivery deliver, const std::string& jobName) {
    return std::make_unique<PdfPageSurface>(std::move(deliver), jobName);
}

}  // namespace gm
