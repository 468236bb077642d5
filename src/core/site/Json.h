#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace gm::json {

// A small, strict JSON reader for request bodies: RFC 8259 values, no
// comments, no trailing commas, no duplicate keys, no bytes after the value.
// Numbers are kept as text with a flag saying whether they are whole.
// Nesting and size are bounded so that any input ends in a value or an error,
// never a crash or an unbounded allocation.
inline constexpr std::size_t kMaxBytes = 64 * 1024;
inline constexpr int kMaxDepth = 16;

struct Value;
struct Member;
using Array = std::vector<Value>;
using Object = std::vector<Member>;  // in document order

struct Null {};
struct Number {
    double Real = 0;
    bool Whole = false;     // written without fraction or exponent and fits an int64
    std::int64_t Integer = 0;
};

struct Value {
    std::variant<Null, bool, Number, std::string, Array, Object> Data;

    bool IsNull() const { return std::holds_alternative<Null>(Data); }
    const bool* AsBool() const { return std::get_if<bool>(&Data); }
    const Number* AsNumber() const { return std::get_if<Number>(&Data); }
    const std::string* AsString() const { return std::get_if<std::string>(&Data); }
    const Array* AsArray() const { return std::get_if<Array>(&Data); }
    const Object* AsObject() const { return std::get_if<Object>(&Data); }
    // The member `key` of an object; null when absent or not an object.
    const Value* Find(std::string_view key) const;
};

// One name and value of an object (a pair would need Value whole here).
struct Member {
    std::string first;
    Value second;
};

struct ParseResult {
    bool Ok = false;
    Value Root;
    std::string Error;   // what is wrong, with the byte offset
};

ParseResult Parse(std::string_view text);

// `text` as a JSON string literal, quotes included. Control characters and
// the characters that matter in HTML (<, >, &, ') are written as \u escapes so
// the text is safe inside a page too; bytes that are not valid UTF-8 become
// U+FFFD.
std::string Quote(std::string_view text);

}  // namespace gm::json
