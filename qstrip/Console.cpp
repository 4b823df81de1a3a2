#include "Console.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace qstrip {

namespace {

bool namesUtf8(std::string_view locale) {
    std::string lower;
    for (char c : locale) lower += char(std::tolower(static_cast<unsigned char>(c)));
    return lower.find("utf-8") != std::string::npos || lower.find("utf8") != std::string::npos;
}

}  // namespace

bool consoleIsUtf8() {
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value) return namesUtf8(value);
    }
    return false;
}

std::string forConsole(std::string_view utf8, bool utf8Console) {
    if (utf8Console) return std::string(utf8);
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        // The messages hold only ASCII and two-byte sequences of U+0080..U+00FF.
        if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size()) {
            out += char(((c & 0x03) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F));
        } else {
            out += char(c);
        }
    }
    return out;
}

void say(std::string_view utf8, bool lineEnd) {
    std::string text = forConsole(utf8, consoleIsUtf8());
    if (lineEnd) text += "\r\n";
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

}  // namespace qstrip
