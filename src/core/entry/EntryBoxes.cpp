#include "EntryBoxes.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/data/GameRecord.h"

namespace gm {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Keeps only the characters `keep` accepts, moving the cursor with the text.
BoxEdit Filter(std::string_view text, int cursor, bool (*keep)(char)) {
    BoxEdit out;
    out.Cursor = std::clamp(cursor, 0, static_cast<int>(text.size()));
    const int before = out.Cursor;
    for (int i = 0; i < static_cast<int>(text.size()); ++i) {
        if (keep(text[i])) {
            out.Text += text[i];
        } else if (i < before) {
            --out.Cursor;
        }
    }
    return out;
}

bool SpreadChar(char c) {
    return IsDigit(c) || c == '.';
}

// The digits before the decimal point, without leading zeros.
std::string WholeDigits(std::string_view text) {
    std::string whole(text.substr(0, text.find('.')));
    const auto first = whole.find_first_not_of('0');
    return first == std::string::npos ? std::string() : whole.substr(first);
}

bool WholeAbove99(std::string_view text) {
    const std::string whole = WholeDigits(text);
    return whole.size() > 2;
}

// One pass of the spread rules; false when none applies.
bool ApplyOneSpreadRule(BoxEdit& box) {
    std::string& t = box.Text;
    const double value = BoxValue(t);
    const auto dropLast = [&] {
        t.pop_back();
        box.Cursor = static_cast<int>(t.size());
        return true;
    };
    if (t == ".") {
        t = "0.5";
        box.Cursor = 3;
        return true;
    }
    if (t.size() == 1 && value == 0) {
        t.clear();
        box.Cursor = 0;
        return true;
    }
    if (WholeAbove99(t)) {
        std::string whole = WholeDigits(t);
        whole.pop_back();  // the whole number divided by 10, without remainder
        t = whole;
        box.Cursor = std::min(2, static_cast<int>(t.size()));
        return true;
    }
    if (t.size() == 3 && value < 10 && t.back() != '5') return dropLast();
    if (t.size() == 4 && value < 10) return dropLast();
    if (t.size() == 4 && value >= 10 && t.back() != '5') return dropLast();
    // Typing stops at five characters; a paste can bring more.
    if (t.size() >= 5) return dropLast();
    return false;
}

}  // namespace

double BoxValue(std::string_view text) {
    std::size_t at = text.find_first_not_of(' ');
    if (at == std::string_view::npos) return 0;
    const std::size_t start = at;
    bool point = false;
    while (at < text.size() && (IsDigit(text[at]) || (text[at] == '.' && !point))) {
        if (text[at] == '.') point = true;
        ++at;
    }
    std::string number(text.substr(start, at - start));
    if (number.empty() || number == ".") return 0;
    if (number.front() == '.') number.insert(number.begin(), '0');
    double value = 0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return value;
}

bool SpreadKeyAccepted(char key) {
    return SpreadChar(key) || key == '\b';
}

BoxEdit SpreadBoxChanged(std::string_view text, int cursor) {
    BoxEdit box = Filter(text, cursor, SpreadChar);
    // Each rewrite is itself a change of the text, so the rules run again on it.
    while (ApplyOneSpreadRule(box)) {
    }
    box.Cursor = std::clamp(box.Cursor, 0, static_cast<int>(box.Text.size()));
    return box;
}

std::string SpreadText(float points) {
    if (points == 0) return {};
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, points);
    return std::string(buf, r.ptr);
}

float SpreadFromText(std::string_view text) {
    return static_cast<float>(BoxValue(text));
}

bool ScoreKeyAccepted(char key) {
    return IsDigit(key) || key == '\b';
}

BoxEdit ScoreBoxChanged(std::string_view text, int cursor) {
    BoxEdit box = Filter(text, cursor, IsDigit);
    if (box.Text.size() > 2) {
        box.Text.resize(2);
        box.Cursor = 2;
    }
    return box;
}

std::string ScoreText(int score) {
    return std::to_string(score);
}

int ScoreFromText(std::string_view text) {
    const double v = BoxValue(text);
    // A score from the file is a byte; a box never holds more than two digits.
    return v > 255 ? 255 : static_cast<int>(v);
}

int SpinWeek(int week, int step) {
    return SpinWeek(week, step, kWeeks);
}

int SpinWeek(int week, int step, int lastWeek) {
    const int next = week + step;
    return next >= 1 && next <= lastWeek ? next : 0;
}

std::string ChangedQuestion(std::string_view what) {
    return std::string(what) + "\nWould you like to save these changes?";
}

}  // namespace gm
