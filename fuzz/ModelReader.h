#pragma once

#include <string>
#include <string_view>
#include <vector>

// The reader rules of the field-file encoding, written down plainly, one byte
// at a time, as the reference the program's reader is compared with:
//
//  1. blanks, and byte-order marks (UTF-8, EF BB BF), are skipped;
//  2. no byte left: end of file;
//  3. a double quote starts a text that runs to the next double quote (or the
//     end of the file); after it everything up to and including the next comma
//     or line end is skipped;
//  4. otherwise the item runs to the next comma or line end, which is
//     consumed; blanks at its end are dropped; nothing left means absent;
//  5. CR LF is one line end; a lone CR, and a lone LF, end an item as well.
// A byte-order mark at the very start of a file also belongs to no line.
namespace model {

struct Item {
    std::string bytes;
    bool quoted = false;
    bool absent() const { return !quoted && bytes.empty(); }
    bool operator==(const Item&) const = default;
};

inline bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

inline void consumeSeparator(std::string_view d, std::size_t& p) {
    if (p >= d.size()) return;
    if (d[p] == '\r' && p + 1 < d.size() && d[p + 1] == '\n')
        p += 2;
    else
        p += 1;
}

// One item from position p; false at the end of the file.
inline bool readItem(std::string_view d, std::size_t& p, Item& item) {
    while (p < d.size() && (d[p] == ' ' || d.substr(p, 3) == "\xEF\xBB\xBF")) p += d[p] == ' ' ? 1 : 3;
    if (p >= d.size()) return false;
    if (d[p] == '"') {
        std::size_t close = p + 1;
        while (close < d.size() && d[close] != '"') ++close;
        item = {std::string(d.substr(p + 1, close - p - 1)), true};
        p = close < d.size() ? close + 1 : close;
        while (p < d.size() && d[p] != ',' && !isLineEnd(d[p])) ++p;
    } else {
        std::size_t end = p;
        while (end < d.size() && d[end] != ',' && !isLineEnd(d[end])) ++end;
        std::string text(d.substr(p, end - p));
        while (!text.empty() && text.back() == ' ') text.pop_back();
        item = {text, false};
        p = end;
    }
    consumeSeparator(d, p);
    return true;
}

// The next n items as one record; false when the file ends before the n-th
// item has begun.
inline bool readRecord(std::string_view d, std::size_t& p, int n, std::vector<Item>& record) {
    record.assign(std::size_t(n), Item{});
    for (int i = 0; i < n; ++i)
        if (!readItem(d, p, record[std::size_t(i)])) return false;
    return true;
}

// Where reading starts: after a byte-order mark at the start of the file.
inline std::size_t firstByte(std::string_view d) { return d.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0; }

// Every complete record of the file; `complete` is false when the file ends
// inside a record. `wholeFile`: the bytes begin at the start of the file (not
// inside it), where a byte-order mark is skipped.
inline std::vector<std::vector<Item>> readAll(std::string_view d, int n, bool& complete, bool wholeFile = true) {
    std::vector<std::vector<Item>> records;
    std::size_t p = wholeFile ? firstByte(d) : 0;
    complete = true;
    while (p < d.size()) {
        std::vector<Item> record;
        if (!readRecord(d, p, n, record)) {
            complete = false;
            break;
        }
        records.push_back(std::move(record));
    }
    return records;
}

}  // namespace model
