#pragma once

#include <string>
#include <string_view>

namespace qstrip {

struct Params {
    unsigned char strip = 0;
    std::string input;
    std::string output;
};

// The code as the command line gives it: white space skipped, an optional sign,
// decimal digits up to the first other character; no digits gives 0. Only the
// low 8 bits count, so the value is taken modulo 256 whatever its size.
unsigned char decimalCode(std::string_view text);

enum class ParamError { None, TooFewItems, CodeNotANumber, CodeTooLong, NameTooLong };

// The three items of param.txt (its text already read in text mode): a whole
// number of at most 15 characters (0x... hexadecimal, 0... octal, otherwise
// decimal, optional sign) and nothing else in its item, then two words of at
// most 63 characters each, separated by any white space. Anything after the
// third item is ignored.
ParamError parseParamFile(std::string_view text, Params& out);

constexpr std::size_t kMaxCodeChars = 15;
constexpr std::size_t kMaxNameChars = 63;

}  // namespace qstrip
