#pragma once

#include <string>
#include <vector>

#include "core/output/PageSurface.h"

namespace gm {

// A page surface that draws nothing and records every call, with a fixed
// character metric so that print routines can be tested exactly: every
// character is Size * 12 twips wide (a fixed-pitch font at 0.6 em) and a line
// is Size * 24 twips high, whatever the font's name.
class RecordingSurface final : public PageSurface {
public:
    struct Op {
        enum class Kind { Text, Line, NewPage, EndDoc, Abort };
        Kind kind = Kind::Text;
        int page = 0;           // sheet the op landed on, from 0
        double x = 0, y = 0;    // text position, or first point of a line
        double x2 = 0, y2 = 0;  // second point of a line
        bool box = false;
        bool endsLine = false;  // PrintLine rather than PrintText
        int drawWidth = 1;
        PageFont font;
        std::string text;
    };

    // Letter paper less quarter-inch margins, portrait.
    explicit RecordingSurface(double width = 11520, double height = 15120) : width_(width), height_(height) {}

    void PrintLine(std::string_view text = {}) override;
    void PrintText(std::string_view text) override;
    double TextWidth(std::string_view text) override;
    double TextHeight() override;
    void Line(double x1, double y1, double x2, double y2, bool box = false) override;
    double ScaleWidth() const override;
    double ScaleHeight() const override;
    int Orientation() const override { return orientation_; }
    void SetOrientation(int orientation) override;
    void NewPage() override;
    void EndDoc() override;
    void Abort() override;

    const std::vector<Op>& Ops() const { return ops_; }
    // Only the texts (PrintLine and PrintText), in order.
    std::vector<Op> Texts() const;
    // Sheets with something on them.
    int Pages() const;

    // Makes the n-th print (counting from 0) fail with a PrintError.
    void FailAtPrint(int n, std::string description) {
        failAt_ = n;
        failText_ = std::move(description);
    }

private:
    void Record(std::string_view text, bool endLine);

    double width_, height_;
    int orientation_ = 1;
    int page_ = 0;
    int prints_ = 0;
    int failAt_ = -1;
    std::string failText_;
    std::vector<Op> ops_;
};

}  // namespace gm
