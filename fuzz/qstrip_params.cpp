// qstrip's parameter file and its code on the command line.
//  - readText() of param.txt: CR LF becomes LF, a Ctrl-Z ends the text;
//  - parseParamFile() against the C library: the code is accepted exactly when
//    strtoll() with base 0 reads its whole item (at most 15 characters), and
//    then has strtoll()'s value in its low 8 bits; the two names are the next
//    two words of at most 63 characters; the error named is the first one met.
//    The text is handed over in a buffer of its exact size, so a read beyond it
//    is caught by the address sanitizer.
//  - decimalCode(): the low 8 bits of what strtoll() reads in base 10, where
//    strtoll() does not overflow.
//
// Input: param.txt as it stands on disk.
#include "FuzzCheck.h"
#include "Params.h"
#include "Strip.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> out;
    std::size_t p = 0;
    while (true) {
        while (p < text.size() && isSpace(text[p])) ++p;
        if (p >= text.size()) break;
        const std::size_t start = p;
        while (p < text.size() && !isSpace(text[p])) ++p;
        out.push_back(text.substr(start, p - start));
    }
    return out;
}

std::string readViaStream(const unsigned char* data, std::size_t size) {
    std::FILE* f = size ? fmemopen(const_cast<unsigned char*>(data), size, "rb") : std::tmpfile();
    FUZZ_CHECK(f != nullptr, "param.txt opens");
    std::string text;
    FUZZ_CHECK(qstrip::readText(f, text), "param.txt is read");
    std::fclose(f);
    return text;
}

void checkParamFile(const unsigned char* data, std::size_t size) {
    const std::string raw(reinterpret_cast<const char*>(data), size);
    std::string expectedText = raw.substr(0, raw.find('\x1A'));
    for (std::size_t i = 0; (i = expectedText.find("\r\n", i)) != std::string::npos;) expectedText.erase(i, 1);
    const std::string text = readViaStream(data, size);
    FUZZ_CHECK(text == expectedText, "CR LF read as LF, nothing after a Ctrl-Z");

    // The parser sees exactly the bytes of the text and nothing after them.
    const std::unique_ptr<char[]> exact(new char[text.size() ? text.size() : 1]);
    std::copy(text.begin(), text.end(), exact.get());
    qstrip::Params params;
    const qstrip::ParamError error = qstrip::parseParamFile(std::string_view(exact.get(), text.size()), params);

    const std::vector<std::string> items = words(text);
    using E = qstrip::ParamError;
    E want = E::None;
    unsigned char code = 0;
    if (items.empty()) {
        want = E::TooFewItems;
    } else if (items[0].size() > qstrip::kMaxCodeChars) {
        want = E::CodeTooLong;
    } else {
        const std::string& item = items[0];
        char* end = nullptr;
        errno = 0;
        const long long v = std::strtoll(item.c_str(), &end, 0);
        const bool signDigit = !item.empty() && (std::isdigit(static_cast<unsigned char>(item[0])) ||
                                                 ((item[0] == '+' || item[0] == '-') && item.size() > 1 &&
                                                  std::isdigit(static_cast<unsigned char>(item[1]))));
        if (end != item.c_str() + item.size() || !signDigit || errno == ERANGE)
            want = E::CodeNotANumber;
        else if (items.size() < 3)
            want = items.size() == 2 && items[1].size() > qstrip::kMaxNameChars ? E::NameTooLong : E::TooFewItems;
        else if (items[1].size() > qstrip::kMaxNameChars || items[2].size() > qstrip::kMaxNameChars)
            want = E::NameTooLong;
        code = static_cast<unsigned char>(static_cast<unsigned long long>(v));
    }
    FUZZ_CHECK(error == want, "the parameter file is accepted or refused as the C library reads it");
    if (error == E::None) {
        FUZZ_CHECK(params.strip == code, "the strip byte is the low 8 bits of the code");
        FUZZ_CHECK(params.input == items[1] && params.output == items[2], "the two names are the next two words");
    }
}

void checkDecimalCode(const unsigned char* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 40));
    const std::unique_ptr<char[]> exact(new char[text.size() ? text.size() : 1]);
    std::copy(text.begin(), text.end(), exact.get());
    const unsigned char got = qstrip::decimalCode(std::string_view(exact.get(), text.size()));
    // strtoll stops at a NUL byte and also skips white space the code does not know.
    if (text.find('\0') != std::string::npos) return;
    std::size_t p = 0;
    while (p < text.size() && isSpace(text[p])) ++p;
    if (p < text.size() && std::isspace(static_cast<unsigned char>(text[p]))) return;
    errno = 0;
    const long long v = std::strtoll(text.c_str(), nullptr, 10);
    if (errno == ERANGE) return;
    FUZZ_CHECK(got == static_cast<unsigned char>(static_cast<unsigned long long>(v)), "the low 8 bits of the decimal code");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    checkParamFile(data, size);
    checkDecimalCode(data, size);
    return 0;
}
