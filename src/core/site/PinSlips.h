#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/output/Report.h"

namespace gm {

// The slips the organiser cuts apart and hands to members: each names the
// pool, the member, the member's new PIN and where to sign in. PINs live only
// in the slips and in the moment they are shown; nothing here keeps them.
struct PinSlip {
    std::string Member;
    std::string Pin;
};

class PinSlipReport final : public Report {
public:
    // `siteAddress`: where members sign in; empty when it is not known yet.
    PinSlipReport(std::string poolTitle, std::string siteAddress, std::vector<PinSlip> slips);

    std::string ReportTitle() const override { return "PIN Slips"; }
    ReportWriters Writers() const override { return {.Printer = true}; }
    // Every slip, as many to a page as fit, with a cut line between them.
    void PrintCopy(PageSurface& surface, int copyIndex) const override;

    // The lines of one slip, as printed.
    std::vector<std::string> SlipLines(const PinSlip& slip) const;
    // Whether any slip reached a page: a printout cancelled at the file
    // dialog prints nothing, and the new PINs must then be shown instead.
    bool Printed() const { return printed_; }

private:
    std::string title_, address_;
    std::vector<PinSlip> slips_;
    mutable bool printed_ = false;
};

// The members window's questions and messages about PINs.
inline constexpr std::string_view kPinTitle = "Picks Site PIN";
std::string IssuePinQuestion(std::string_view member);
std::string PinIssuedText(std::string_view member, std::string_view pin);
// Asked before printing slips: Yes for every member, No for those without a
// PIN (offered only when some have one and some have none).
std::string SlipsQuestion(int members, int withoutPin);
std::string NoSavedMemberText(std::string_view name);
std::string PrintSlipQuestion(std::string_view member);
// The new PINs when their slips were not printed: shown once, never kept.
std::string UnprintedPinsText(const std::vector<PinSlip>& slips);
inline constexpr std::string_view kNoMembersForSlipsText = "The pool has no members to print PIN slips for.";

}  // namespace gm
