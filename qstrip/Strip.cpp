#include "Strip.h"

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

    explicit Translator(unsigned char s) : strip(s) {
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
        const unsigned char* a = action;
        for (; i < n; ++i) {
            const unsigned char c = in[i];
            const unsigned char what = a[c];
            if (what != LineEnd) {
                // Stored always, kept only when the cursor moves past it.
                *o = char(c);
                o += what;
                continue;
            }
            if (c == '\n') {
                o = lineFeed(o);
            } else if (i + 1 == n) {
                pendingCr = true;  // decided by the first byte of the next chunk
            } else if (in[i + 1] == '\n') {
                o = lineFeed(o);
                ++i;
            } else {
                o = loneCr(o);
            }
        }
        return o;
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
