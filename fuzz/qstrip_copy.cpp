// qstrip's copy loop against the text-mode rules written down plainly: on
// reading, CR LF is one LF, a lone CR stays, Ctrl-Z (0x1A) ends the input;
// the strip byte is compared after that; on writing, each LF becomes CR LF.
//
// Input: the strip byte, a byte that may put the rest of the input just
// before the end of the copy's first 1 MiB block (with its top four bits set) (so that a CR LF can fall on
// the border of two blocks), then the file.
#include "FuzzCheck.h"
#include "Strip.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string model(const std::string& input, unsigned char strip) {
    std::string out;
    out.reserve(2 * input.size());
    for (std::size_t i = 0; i < input.size(); ++i) {
        char c = input[i];
        if (c == '\x1A') break;
        if (c == '\r' && i + 1 < input.size() && input[i + 1] == '\n') {
            c = '\n';
            ++i;
        }
        if (static_cast<unsigned char>(c) == strip) continue;
        if (c == '\n')
            out += "\r\n";
        else
            out += c;
    }
    return out;
}

std::string copied(const std::string& input, unsigned char strip) {
    // An empty buffer cannot back a memory stream; an empty file reads as one.
    std::FILE* in = input.empty() ? std::tmpfile() : fmemopen(const_cast<char*>(input.data()), input.size(), "rb");
    FUZZ_CHECK(in != nullptr, "the input stream opens");
    char* buffer = nullptr;
    std::size_t length = 0;
    std::FILE* out = open_memstream(&buffer, &length);
    FUZZ_CHECK(out != nullptr, "the output stream opens");
    const qstrip::CopyResult result = qstrip::stripCopy(in, out, strip);
    std::fclose(in);
    std::fclose(out);
    FUZZ_CHECK(result == qstrip::CopyResult::Ok, "the copy of a readable input to a writable output succeeds");
    std::string bytes(buffer, length);
    std::free(buffer);
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size < 2) return 0;
    const unsigned char strip = data[0];
    const unsigned char border = data[1];
    const std::string file(reinterpret_cast<const char*>(data + 2), size - 2);
    const std::string expected = model(file, strip);
    // One input in sixteen is moved to the end of the first block, its first
    // byte up to 16 bytes before the border. The filler before it is a letter
    // that is not stripped, copied as it is; the rest is copied as on its own.
    if ((border & 0xF0) == 0xF0) {
        constexpr std::size_t kBlock = std::size_t(1) << 20;
        const std::size_t before = kBlock - ((border & 0x0F) + 1);
        const std::string filler(before, strip == 'a' ? 'b' : 'a');
        const std::string out = copied(filler + file, strip);
        FUZZ_CHECK(out.size() == before + expected.size(), "the copy across the block border has the expected length");
        FUZZ_CHECK(out.compare(0, before, filler) == 0, "the filler is copied unchanged");
        FUZZ_CHECK(out.compare(before, std::string::npos, expected) == 0, "the copy across the block border follows the rules");
        return 0;
    }
    FUZZ_CHECK(copied(file, strip) == expected, "the copy follows the text-mode rules");
    return 0;
}
