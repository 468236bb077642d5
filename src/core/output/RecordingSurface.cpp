#include "RecordingSurface.h"

#include <algorithm>

#include "core/data/TextCodec.h"

namespace gm {

void RecordingSurface::Record(std::string_view text, bool endLine) {
    if (prints_++ == failAt_) throw PrintError(failText_);
    Op op;
    op.kind = Op::Kind::Text;
    op.page = page_;
    op.x = CurrentX;
    op.y = CurrentY;
    op.endsLine = endLine;
    op.font = Font;
    op.text = std::string(text);
    op.drawWidth = DrawWidth;
    ops_.push_back(std::move(op));
    if (endLine) {
        CurrentX = 0;
        CurrentY += TextHeight();
    } else {
        CurrentX += TextWidth(text);
    }
}

void RecordingSurface::PrintLine(std::string_view text) {
    Record(text, true);
}
void RecordingSurface::PrintText(std::string_view text) {
    Record(text, false);
}

double RecordingSurface::TextWidth(std::string_view text) {
    return static_cast<double>(Utf8Length(text)) * Font.Size * 12;
}

double RecordingSurface::TextHeight() {
    return Font.Size * 24;
}

void RecordingSurface::Line(double x1, double y1, double x2, double y2, bool box) {
    Op op;
    op.kind = Op::Kind::Line;
    op.page = page_;
    op.x = x1;
    op.y = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.box = box;
    op.drawWidth = DrawWidth;
    op.font = Font;
    ops_.push_back(std::move(op));
    CurrentX = x2;
    CurrentY = y2;
}

double RecordingSurface::ScaleWidth() const {
    return orientation_ == 2 ? height_ : width_;
}
double RecordingSurface::ScaleHeight() const {
    return orientation_ == 2 ? width_ : height_;
}

void RecordingSurface::SetOrientation(int orientation) {
    orientation_ = orientation == 2 ? 2 : 1;
}

void RecordingSurface::NewPage() {
    Op op;
    op.kind = Op::Kind::NewPage;
    op.page = page_;
    ops_.push_back(op);
    ++page_;
    CurrentX = 0;
    CurrentY = 0;
}

void RecordingSurface::EndDoc() {
    Op op;
    op.kind = Op::Kind::EndDoc;
    op.page = page_;
    ops_.push_back(op);
}

void RecordingSurface::Abort() {
    Op op;
    op.kind = Op::Kind::Abort;
    op.page = page_;
    ops_.push_back(op);
}

std::vector<RecordingSurface::Op> RecordingSurface::Texts() const {
    std::vector<Op> out;
    std::copy_if(ops_.begin(), ops_.end(), std::back_inserter(out),
                 [](const Op& op) { return op.kind == Op::Kind::Text; });
    return out;
}

int RecordingSurface::Pages() const {
    int last = -1;
    for (const auto& op : ops_)
        if (op.kind == Op::Kind::Text || op.kind == Op::Kind::Line) last = std::max(last, op.page);
    return last + 1;
}

}  // namespace gm
