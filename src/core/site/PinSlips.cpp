#include "core/site/PinSlips.h"

#include <algorithm>

#include "core/output/PrintJob.h"

namespace gm {

PinSlipReport::PinSlipReport(std::string poolTitle, std::string siteAddress, std::vector<PinSlip> slips)
    : title_(std::move(poolTitle)), address_(std::move(siteAddress)), slips_(std::move(slips)) {}

std::vector<std::string> PinSlipReport::SlipLines(const PinSlip& slip) const {
    std::vector<std::string> lines;
    lines.push_back(title_.empty() ? std::string("Picks Site") : title_);
    lines.push_back("Member: " + slip.Member);
    lines.push_back("PIN: " + slip.Pin);
    lines.push_back(address_.empty() ? std::string("Picks site: ask the pool's organiser for its address.")
                                     : "Picks site: " + address_);
    lines.push_back("Open the site, sign in with your name and this PIN, pick the games and press Save.");
    return lines;
}

void PinSlipReport::PrintCopy(PageSurface& surface, int) const {
    printed_ = printed_ || !slips_.empty();
    const PageFont titleFont{.Name = "Arial", .Size = 14, .Bold = true, .Weight = 700};
    const PageFont pinFont{.Name = "Courier New", .Size = 16, .Bold = true, .Weight = 700};
    const PageFont bodyFont{.Name = "Arial", .Size = 10};
    const double bottom = PageBottom(surface);
    const double gap = 360;  // a quarter inch either side of the cut line
    surface.CurrentY = 0;
    bool first = true;
    for (const PinSlip& slip : slips_) {
        const std::vector<std::string> lines = SlipLines(slip);
        // The slip's height before it is printed, so that no slip is cut by a page break.
        double height = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            surface.Font = i == 0 ? titleFont : i == 2 ? pinFont : bodyFont;
            height += surface.TextHeight();
        }
        if (!first && surface.CurrentY + gap + height > bottom) {
            surface.NewPage();
            surface.CurrentY = 0;
            first = true;
        }
        if (!first) {
            surface.CurrentY += gap / 2;
            surface.DrawWidth = 1;
            for (double x = 0; x < surface.ScaleWidth(); x += 240)
                surface.Line(x, surface.CurrentY, std::min(x + 120, surface.ScaleWidth()), surface.CurrentY);
            surface.CurrentY += gap / 2;
        }
        for (std::size_t i = 0; i < lines.size(); ++i) {
            surface.Font = i == 0 ? titleFont : i == 2 ? pinFont : bodyFont;
            surface.CurrentX = 0;
            surface.PrintLine(lines[i]);
        }
        first = false;
    }
}

std::string IssuePinQuestion(std::string_view member) {
    return "Issue a new picks site PIN for " + std::string(member) +
           "?\nThe member's old PIN, if any, stops working at once.";
}

std::string PinIssuedText(std::string_view member, std::string_view pin) {
    return "The new PIN of " + std::string(member) + " is\n\n" + std::string(pin) +
           "\n\nIt is shown only this once: hand it to the member (a slip can be printed next).";
}

std::string SlipsQuestion(int members, int withoutPin) {
    const std::string all = std::to_string(members) + (members == 1 ? " member" : " members");
    if (withoutPin == members) return "Issue picks site PINs for all " + all + " and print their slips?";
    if (withoutPin == 0)
        return "Issue new picks site PINs for all " + all +
               " and print their slips?\nEvery member's old PIN stops working at once.";
    return "Print PIN slips with new PINs for:\n\nYes: all " + all + " (every old PIN stops working)\nNo: the " +
           std::to_string(withoutPin) + (withoutPin == 1 ? " member" : " members") +
           " who have no PIN yet\nCancel: nobody";
}

std::string PrintSlipQuestion(std::string_view member) {
    return "Print a PIN slip for " + std::string(member) + "?";
}

std::string UnprintedPinsText(const std::vector<PinSlip>& slips) {
    std::string text = "The slips were not printed. The new PINs (shown only this once):\n";
    for (const PinSlip& s : slips) text += "\n" + s.Member + ": " + s.Pin;
    return text;
}

std::string NoSavedMemberText(std::string_view name) {
    return "No single member of the saved pool is named \"" + std::string(name) +
           "\".\nA PIN goes to a saved member: press OK to save the member list, then open the window again.";
}

}  // namespace gm
