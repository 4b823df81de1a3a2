#pragma once

#include <string>
#include <string_view>

namespace qstrip {

// True when the console expects UTF-8: the first of LC_ALL, LC_CTYPE and LANG
// that is set (and not empty) names UTF-8 or utf8. Otherwise it gets ISO 8859-1.
bool consoleIsUtf8();

// Turns a message written in UTF-8 into the console's bytes (each character of
// ISO 8859-1 a single byte when the console is not UTF-8).
std::string forConsole(std::string_view utf8, bool utf8Console);

// Writes the message to standard output, with CR LF after it when asked.
void say(std::string_view utf8, bool lineEnd);

}  // namespace qstrip
