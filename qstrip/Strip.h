#pragma once

#include <cstdio>
#include <string>

// Copies `in` to `out` in text mode, leaving out every occurrence of one byte.
//
// Reading: CR LF is delivered as LF, a CR not followed by LF stays a CR, and a
// Ctrl-Z (0x1A) ends the input. Writing: every LF becomes CR LF. The strip byte
// is compared with what reading delivers, so 10 removes whole line ends and 13
// only the CRs that do not belong to a CR LF pair.
namespace qstrip {

enum class CopyResult { Ok, ReadFailed, WriteFailed };

CopyResult stripCopy(std::FILE* in, std::FILE* out, unsigned char strip);

// Reads a whole file in text mode (for small files such as param.txt).
bool readText(std::FILE* in, std::string& text);

}  // namespace qstrip
