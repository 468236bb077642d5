#include "core/site/Json.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/data/TextCodec.h"

namespace gm::json {

const Value* Value::Find(std::string_view key) const {
    const Object* o = AsObject();
    if (o == nullptr) return nullptr;
    for (const auto& [k, v] : *o)
        if (k == key) return &v;
    return nullptr;
}

namespace {


// Length of the valid UTF-8 sequence at s[i], 0 when it is not one.
std::size_t Utf8Length(std::string_view s, std::size_t i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    if (c < 0x80) return 1;
    std::size_t n = 0;
    std::uint32_t cp = 0;
    if ((c & 0xE0) == 0xC0) { n = 2; cp = c & 0x1F; }
    else if ((c & 0xF0) == 0xE0) { n = 3; cp = c & 0x0F; }
    else if ((c & 0xF8) == 0xF0) { n = 4; cp = c & 0x07; }
    else return 0;
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b(i + k) & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    if ((n == 2 && cp < 0x80) || (n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000)) return 0;
    if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return 0;
    return n;
}

class Parser {
public:
    explicit Parser(std::string_view text) : s_(text) {}

    ParseResult Run() {
        ParseResult r;
        if (s_.size() > kMaxBytes) {
            r.Error = "the body is larger than " + std::to_string(kMaxBytes) + " bytes";
            return r;
        }
        SkipSpace();
        if (!ParseValue(r.Root, 0)) {
            r.Error = error_ + " at byte " + std::to_string(pos_);
            return r;
        }
        SkipSpace();
        if (pos_ != s_.size()) {
            r.Error = "unexpected text after the value at byte " + std::to_string(pos_);
            return r;
        }
        r.Ok = true;
        return r;
    }

private:
    std::string_view s_;
    std::size_t pos_ = 0;
    std::string error_;

    bool Fail(std::string what) {
        if (error_.empty()) error_ = std::move(what);
        return false;
    }
    bool AtEnd() const { return pos_ >= s_.size(); }
    char Peek() const { return s_[pos_]; }
    void SkipSpace() {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r')) ++pos_;
    }
    bool Literal(std::string_view word) {
        if (s_.substr(pos_, word.size()) != word) return Fail("unknown word");
        pos_ += word.size();
        return true;
    }

    bool ParseValue(Value& out, int depth) {
        if (depth > kMaxDepth) return Fail("nested too deeply");
        if (AtEnd()) return Fail("unexpected end of the body");
        switch (Peek()) {
            case '{': return ParseObject(out, depth + 1);
            case '[': return ParseArray(out, depth + 1);
            case '"': {
                std::string str;
                if (!ParseString(str)) return false;
                out.Data = std::move(str);
                return true;
            }
            case 't': out.Data = true; return Literal("true");
            case 'f': out.Data = false; return Literal("false");
            case 'n': out.Data = Null{}; return Literal("null");
            default: return ParseNumber(out);
        }
    }

    bool ParseObject(Value& out, int depth) {
        if (depth > kMaxDepth) return Fail("nested too deeply");
        ++pos_;
        Object obj;
        SkipSpace();
        if (!AtEnd() && Peek() == '}') {
            ++pos_;
            out.Data = std::move(obj);
            return true;
        }
        for (;;) {
            SkipSpace();
            if (AtEnd() || Peek() != '"') return Fail("expected a key");
            std::string key;
            if (!ParseString(key)) return false;
            for (const auto& kv : obj)
                if (kv.first == key) return Fail("duplicate key");
            SkipSpace();
            if (AtEnd() || Peek() != ':') return Fail("expected ':'");
            ++pos_;
            SkipSpace();
            Value v;
            if (!ParseValue(v, depth)) return false;
            obj.push_back(Member{std::move(key), std::move(v)});
            SkipSpace();
            if (AtEnd()) return Fail("unexpected end of the body");
            if (Peek() == ',') { ++pos_; continue; }
            if (Peek() == '}') { ++pos_; break; }
            return Fail("expected ',' or '}'");
        }
        out.Data = std::move(obj);
        return true;
    }

    bool ParseArray(Value& out, int depth) {
        if (depth > kMaxDepth) return Fail("nested too deeply");
        ++pos_;
        Array arr;
        SkipSpace();
        if (!AtEnd() && Peek() == ']') {
            ++pos_;
            out.Data = std::move(arr);
            return true;
        }
        for (;;) {
            SkipSpace();
            Value v;
            if (!ParseValue(v, depth)) return false;
            arr.push_back(std::move(v));
            SkipSpace();
            if (AtEnd()) return Fail("unexpected end of the body");
            if (Peek() == ',') { ++pos_; continue; }
            if (Peek() == ']') { ++pos_; break; }
            return Fail("expected ',' or ']'");
        }
        out.Data = std::move(arr);
        return true;
    }

    bool Hex4(std::uint32_t& v) {
        if (pos_ + 4 > s_.size()) return Fail("short \\u escape");
        v = 0;
        for (int k = 0; k < 4; ++k) {
            const char c = s_[pos_++];
            v <<= 4;
            if (c >= '0' && c <= '9') v |= static_cast<std::uint32_t>(c - '0');
            else if (c >= 'a' && c <= 'f') v |= static_cast<std::uint32_t>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F') v |= static_cast<std::uint32_t>(c - 'A' + 10);
            else return Fail("bad \\u escape");
        }
        return true;
    }

    bool ParseString(std::string& out) {
        ++pos_;  // opening quote
        for (;;) {
            if (AtEnd()) return Fail("unterminated string");
            const unsigned char c = static_cast<unsigned char>(Peek());
            if (c == '"') { ++pos_; return true; }
            if (c < 0x20) return Fail("control character in a string");
            if (c == '\\') {
                ++pos_;
                if (AtEnd()) return Fail("unterminated string");
                const char e = s_[pos_++];
                switch (e) {
                    case '"': out += '"'; break;
                    case '\\': out += '\\'; break;
                    case '/': out += '/'; break;
                    case 'b': out += '\b'; break;
                    case 'f': out += '\f'; break;
                    case 'n': out += '\n'; break;
                    case 'r': out += '\r'; break;
                    case 't': out += '\t'; break;
                    case 'u': {
                        std::uint32_t cp = 0;
                        if (!Hex4(cp)) return false;
                        if (cp >= 0xDC00 && cp <= 0xDFFF) return Fail("lone surrogate");
                        if (cp >= 0xD800 && cp <= 0xDBFF) {
                            std::uint32_t lo = 0;
                            if (s_.substr(pos_, 2) != "\\u") return Fail("lone surrogate");
                            pos_ += 2;
                            if (!Hex4(lo)) return false;
                            if (lo < 0xDC00 || lo > 0xDFFF) return Fail("lone surrogate");
                            cp = 0x10000 + ((cp - 0xD800) << 10) + (lo - 0xDC00);
                        }
                        AppendUtf8(out, static_cast<char32_t>(cp));
                        break;
                    }
                    default: return Fail("bad escape");
                }
                continue;
            }
            const std::size_t n = Utf8Length(s_, pos_);
            if (n == 0) return Fail("text that is not UTF-8");
            out.append(s_.substr(pos_, n));
            pos_ += n;
        }
    }

    bool ParseNumber(Value& out) {
        const std::size_t start = pos_;
        bool whole = true;
        if (!AtEnd() && Peek() == '-') ++pos_;
        if (AtEnd() || Peek() < '0' || Peek() > '9') return Fail("unexpected character");
        if (Peek() == '0') {
            ++pos_;
        } else {
            while (!AtEnd() && Peek() >= '0' && Peek() <= '9') ++pos_;
        }
        if (!AtEnd() && Peek() == '.') {
            whole = false;
            ++pos_;
            if (AtEnd() || Peek() < '0' || Peek() > '9') return Fail("bad number");
            while (!AtEnd() && Peek() >= '0' && Peek() <= '9') ++pos_;
        }
        if (!AtEnd() && (Peek() == 'e' || Peek() == 'E')) {
            whole = false;
            ++pos_;
            if (!AtEnd() && (Peek() == '+' || Peek() == '-')) ++pos_;
            if (AtEnd() || Peek() < '0' || Peek() > '9') return Fail("bad number");
            while (!AtEnd() && Peek() >= '0' && Peek() <= '9') ++pos_;
        }
        const std::string text(s_.substr(start, pos_ - start));
        Number n;
        n.Real = std::strtod(text.c_str(), nullptr);
        if (whole && text.size() <= 18) {
            n.Whole = true;
            n.Integer = std::strtoll(text.c_str(), nullptr, 10);
        }
        out.Data = n;
        return true;
    }
};

}  // namespace

ParseResult Parse(std::string_view text) { return Parser(text).Run(); }

std::string Quote(std::string_view text) {
    std::string out = "\"";
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            const std::size_t n = Utf8Length(text, i);
            if (n == 0) {
                out += "\\ufffd";
                ++i;
            } else {
                out.append(text.substr(i, n));
                i += n;
            }
            continue;
        }
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20 || c == 0x7F || c == '<' || c == '>' || c == '&' || c == '\'') {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += static_cast<char>(c);
                }
        }
        ++i;
    }
    out += '"';
    return out;
}

}  // namespace gm::json
