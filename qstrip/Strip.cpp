#include "Strip.h"

#include <cstdint>
#include <cstring>
#include <memory>

namespace qstrip {

namespace {

constexpr std::size_t kChunk = std::size_t(1) << 20;
constexpr unsigned char kCtrlZ = 0x1A;

// What the copy loop does with a byte: drop it, keep it, or look closer (CR, LF).
enum : unsigned char { Drop = 0, Keep = 1, LineEnd = 2 };

struct Translator {
    unsigned char strip;
    unsigned char action[256];
    bool pendingCr = false;  // a CR ended the previous chunk; its partner may follow

    std::uint64_t stripWord, crWord = broadcast('\r'), lfWord = broadcast('\n');

    explicit Translator(unsigned char s) : strip(s), stripWord(broadcast(s)) {
        std::memset(action, Keep, sizeof action);
        action[s] = Drop;
        action['\r'] = LineEnd;
        action['\n'] = LineEnd;
    }

    // A line end as reading delivers it: one LF, written back as CR LF.
    char* lineFeed(char* o) const {
        if (strip != '\n') {
            *o++ = '\r';
            *o++ = '\n';
        }
        return o;
    }
    char* loneCr(char* o) const {
        if (strip != '\r') *o++ = '\r';
        return o;
    }

    // Translates in[0..n) into out, which has room for 2*n + 2 bytes; returns the end.
    char* run(const unsigned char* in, std::size_t n, char* o) {
        std::size_t i = 0;
        if (pendingCr && n > 0) {
            pendingCr = false;
            if (in[0] == '\n') {
                o = lineFeed(o);
                i = 1;
            } else {
                o = loneCr(o);
            }
        }
        while (i < n) {
            // Eight bytes at a time while none of them needs a decision.
            if (i + 8 <= n) {
                std::uint64_t w;
                std::memcpy(&w, in + i, 8);
                if (!hasByte(w, stripWord) && !hasByte(w, crWord) && !hasByte(w, lfWord)) {
                    std::memcpy(o, &w, 8);
                    o += 8;
                    i += 8;
                    continue;
                }
                const std::size_t end = i + 8;
                while (i < end) i = step(in, n, i, o);
                continue;
            }
            i = step(in, n, i, o);
        }
        return o;
    }

    // One byte at in[i]; returns the index of the next one.
    std::size_t step(const unsigned char* in, std::size_t n, std::size_t i, char*& o) {
        const unsigned char c = in[i];
        const unsigned char what = action[c];
        if (what != LineEnd) {
            // Stored always, kept only when the cursor moves past it.
            *o = char(c);
            o += what;
            return i + 1;
        }
        if (c == '\n') {
            o = lineFeed(o);
        } else if (i + 1 == n) {
            pendingCr = true;  // decided by the first byte of the next chunk
        } else if (in[i + 1] == '\n') {
            o = lineFeed(o);
            return i + 2;
        } else {
            o = loneCr(o);
        }
        return i + 1;
    }

    static constexpr std::uint64_t broadcast(unsigned char b) { return 0x0101010101010101ULL * b; }
    // True when one of the eight bytes of w equals the byte broadcast in b.
    static bool hasByte(std::uint64_t w, std::uint64_t b) {
        const std::uint64_t x = w ^ b;
        return ((x - 0x0101010101010101ULL) & ~x & 0x8080808080808080ULL) != 0;
    }

    // The input has ended: a CR still waiting had no LF after it.
    char* finish(char* o) {
        if (pendingCr) o = loneCr(o);
        pendingCr = false;
        return o;
    }
};

bool writeAll(std::FILE* out, const char* data, std::size_t n) {
    return n == 0 || std::fwrite(data, 1, n, out) == n;
}

}  // namespace

CopyResult stripCopy(std::FILE* in, std::FILE* out, unsigned char strip) {
    std::unique_ptr<unsigned char[]> inBuf(new unsigned char[kChunk]);
    std::unique_ptr<char[]> outBuf(new char[2 * kChunk + 2]);
    Translator t(strip);
    for (;;) {
        const std::size_t got = std::fread(inBuf.get(), 1, kChunk, in);
        const void* z = got ? std::memchr(inBuf.get(), kCtrlZ, got) : nullptr;
        const std::size_t n = z ? std::size_t(static_cast<const unsigned char*>(z) - inBuf.get()) : got;
        char* end = t.run(inBuf.get(), n, outBuf.get());
        const bool last = z || got < kChunk;
        if (last) end = t.finish(end);
        if (!writeAll(out, outBuf.get(), std::size_t(end - outBuf.get()))) return CopyResult::WriteFailed;
        if (last) {
            // A short read is the end of the file or a read error; Ctrl-Z is the end as well.
            if (!z && std::ferror(in)) return CopyResult::ReadFailed;
            break;
        }
    }
    if (std::fflush(out) != 0) return CopyResult::WriteFailed;
    return CopyResult::Ok;
}

bool readText(std::FILE* in, std::string& text) {
    text.clear();
    std::string raw;
    char buf[4096];
    std::size_t got;
    while ((got = std::fread(buf, 1, sizeof buf, in)) > 0) raw.append(buf, got);
    if (std::ferror(in)) return false;
    const std::size_t z = raw.find(char(kCtrlZ));
    if (z != std::string::npos) raw.resize(z);
    text.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') continue;  // CR LF -> LF
        text += raw[i];
    }
    return true;
}

}  // namespace qstrip
