#include "PrintJob.h"

#include <exception>

namespace gm {

int CopiesToPrint(const AppState& state, const OutputRequest& request) {
    return CopiesToPrint(state.MemberCount, request.NumCopies, request.OnePerPlayer);
}

int CopiesToPrint(int memberCount, int count, bool onePerPlayer) {
    return onePerPlayer ? memberCount : count;
}

bool CopiesMissing(int count, bool onePerPlayer) {
    return !onePerPlayer && count == 0;
}

double PageBottom(PageSurface& surface) {
    return surface.ScaleHeight() - 720;
}

void PrintCentered(PageSurface& surface, std::string_view text) {
    surface.CurrentX = surface.ScaleWidth() / 2 - surface.TextWidth(text) / 2;
    surface.PrintLine(text);
}

bool BreakPageIfNeeded(PageSurface& surface, double pageBottom, const PageFont& bodyFont,
                       const std::function<void(PageSurface&)>& repeatHeading) {
    if (surface.CurrentY <= pageBottom) return false;
    surface.NewPage();
    surface.PrintLine();
    surface.Font = bodyFont;
    if (repeatHeading) repeatHeading(surface);
    return true;
}

bool BreakPageIfNeeded(PageSurface& surface, double pageBottom, const PageFont& bodyFont,
                       const PageFont& headingFont, std::span<const std::string> headingLines) {
    return BreakPageIfNeeded(surface, pageBottom, bodyFont, [&](PageSurface& s) {
        s.Font = headingFont;
        for (const auto& line : headingLines) s.PrintLine(line);
        s.Font = bodyFont;
    });
}

Status RunPrintJob(PageSurface& surface, int copies,
                   const std::function<void(PageSurface&, int copyIndex)>& printCopy) {
    try {
        for (int copy = 0; copy < copies; ++copy) {
            surface.PrintLine();
            surface.CurrentX = 0;
            surface.CurrentY = 0;
            printCopy(surface, copy);
            surface.NewPage();
        }
        surface.EndDoc();
        return Status::Ok();
    } catch (const std::exception& e) {
        // Nothing more may reach the printer once it has failed.
        try {
            surface.Abort();
        } catch (...) {
        }
        return Status::Error(e.what());
    }
}

OutputMessage PrintFailure(const Status& status, std::string_view title) {
    return OutputMessage::Failure(std::string(title), status.message);
}

}  // namespace gm
