#pragma once

#include <string>
#include <vector>

#include "core/data/AppState.h"
#include "core/nfl/Marquee.h"
#include "core/pool/Grading.h"

namespace gm {

// One member's week on the pool marquee.
struct PoolMarqueeRow {
    int MemberIndex = 0;
    int Wins = 0;
    int Losses = 0;
    int Ties = 0;
    float Points = 0.0f;
    float Pct = 0.0f;
    bool Played = false;  // made at least one selection that week
    int TiebreakDiff = 0;  // |Monday-night entry - the Monday result|
};

// The sign's text for one member: name, won, lost, tied, confidence points
// or percentage, and the tiebreak difference when the secondary tiebreaker
// is the Monday game (else the message ends with one blank).
std::string PoolMarqueeMessage(const MemberRecord& member, const PoolMarqueeRow& row, bool points,
                               bool mondayTiebreak);

// "This Week In The Office Pool": the week's pool results member by member
// on the sign, best first, each followed by a pause. The sign's "finished"
// notification calls Finished(), which says what the sign shows next.
class PoolMarquee {
public:
    // Opens on CurrentWeek. Grades against the spread first when spreads are on.
    explicit PoolMarquee(AppState& state);

    // One notification of the sign: alternately the next member's message
    // (rate 0; after the last member the first again) and a pause (rate 30,
    // no new message). In a pool without members the message is empty.
    SignStep Finished();

    // Week spin: refused (false) beyond week 1 and the league's last; CurrentWeek follows,
    // the week is graded again and the cycle starts over at the first member.
    bool Spin(int step);

    int Week() const { return week_; }
    const std::string& WeekText() const { return weekLabel_; }
    const std::string& SortText() const { return sortText_; }  // lblSort
    const std::string& TiebreakText() const { return tbText_; }  // lblTB
    std::string PlayedText() const { return std::to_string(played_); }  // lblPlayed
    const std::string& RankText() const { return rankText_; }  // lblRank: position of the member shown

    // The rows in the marquee's order, and their messages.
    const std::vector<PoolMarqueeRow>& Rows() const { return rows_; }
    const std::vector<std::string>& Messages() const { return messages_; }

private:
    void Compute();

    AppState& state_;
    int week_ = 1;
    std::string weekLabel_;
    std::string sortText_;
    std::string tbText_;
    std::string rankText_;
    std::vector<PoolMarqueeRow> rows_;
    std::vector<std::string> messages_;
    int played_ = 0;
    int next_ = 0;     // the member shown at the next message
    int counter_ = 0;  // notifications since the last pause
};

}  // namespace gm
