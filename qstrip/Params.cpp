#include "Params.h"

#include <cstdint>

namespace qstrip {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

void skipSpace(std::string_view text, std::size_t& p) {
    while (p < text.size() && isSpace(text[p])) ++p;
}

// Unsigned arithmetic wraps modulo 2^64, which keeps the low 8 bits exact.
unsigned char lowByte(std::uint64_t magnitude, bool negative) {
    return static_cast<unsigned char>(negative ? (0 - magnitude) : magnitude);
}

// One word: the characters up to the next white space. False when it is longer
// than the limit (the rest of the word would become the next item otherwise).
enum class Word { Ok, Missing, TooLong };
Word readWord(std::string_view text, std::size_t& p, std::string& out) {
    skipSpace(text, p);
    if (p >= text.size()) return Word::Missing;
    const std::size_t start = p;
    while (p < text.size() && !isSpace(text[p])) ++p;
    if (p - start > kMaxNameChars) return Word::TooLong;
    out.assign(text.substr(start, p - start));
    return Word::Ok;
}

}  // namespace

unsigned char decimalCode(std::string_view text) {
    std::size_t p = 0;
    skipSpace(text, p);
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
    std::uint64_t v = 0;
    for (; p < text.size() && text[p] >= '0' && text[p] <= '9'; ++p) v = v * 10 + std::uint64_t(text[p] - '0');
    return lowByte(v, negative);
}

ParamError parseParamFile(std::string_view text, Params& out) {
    std::size_t p = 0;
    skipSpace(text, p);
    if (p >= text.size()) return ParamError::TooFewItems;

    // The number: at most kMaxCodeChars characters, sign and prefix included.
    // The C library's %i would leave the characters of a longer item, or junk
    // after the digits, to become the input name; such a file is refused instead.
    const std::size_t itemStart = p;
    std::size_t itemEnd = p;
    while (itemEnd < text.size() && !isSpace(text[itemEnd])) ++itemEnd;
    if (itemEnd - itemStart > kMaxCodeChars) return ParamError::CodeTooLong;
    const std::size_t limit = itemEnd;
    bool negative = false;
    if (p < limit && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
    int base = 10;
    if (p < limit && text[p] == '0') {
        if (p + 1 < limit && (text[p + 1] == 'x' || text[p + 1] == 'X')) {
            if (p + 2 >= limit || digitValue(text[p + 2]) >= 16) return ParamError::CodeNotANumber;
            base = 16;
            p += 2;
        } else {
            base = 8;
        }
    }
    std::uint64_t v = 0;
    const std::size_t digitsStart = p;
    for (; p < limit && digitValue(text[p]) < base; ++p) v = v * std::uint64_t(base) + std::uint64_t(digitValue(text[p]));
    if (p == digitsStart || p != itemEnd) return ParamError::CodeNotANumber;
    out.strip = lowByte(v, negative);

    for (std::string* name : {&out.input, &out.output}) {
        switch (readWord(text, p, *name)) {
            case Word::Ok: break;
            case Word::Missing: return ParamError::TooFewItems;
            case Word::TooLong: return ParamError::NameTooLong;
        }
    }
    return ParamError::None;
}

}  // namespace qstrip
