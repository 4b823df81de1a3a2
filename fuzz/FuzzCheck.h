#pragma once

#include <cstdio>
#include <cstdlib>

// A property of a harness that does not hold: the input is reported as a
// finding (libFuzzer keeps it as a crash file; the corpus run fails).
#define FUZZ_CHECK(cond, what)                                                                 \
    do {                                                                                       \
        if (!(cond)) {                                                                         \
            std::fprintf(stderr, "%s:%d: property failed: %s (%s)\n", __FILE__, __LINE__, what, \
                         #cond);                                                               \
            std::abort();                                                                      \
        }                                                                                      \
    } while (0)

// Takes bytes from the front of the fuzzer's input: what a harness needs for
// its choices, the rest as file contents.
class FuzzInput {
public:
    FuzzInput(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}

    unsigned char byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    // Up to n bytes (fewer when the input ends).
    const char* take(std::size_t n, std::size_t& got) {
        got = n < size_ - pos_ ? n : size_ - pos_;
        const char* at = reinterpret_cast<const char*>(data_ + pos_);
        pos_ += got;
        return at;
    }
    const char* rest(std::size_t& got) { return take(size_ - pos_, got); }

private:
    const unsigned char* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};
