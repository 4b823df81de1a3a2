// The field-file reader on any bytes: every record it reads equals what the
// reader rules give (ModelReader.h), including the shortcut for records as the
// program writes them; a read that ends inside a record reports the end of
// the file; lines read raw split where the line ends are. Then the records read
// are written back item for item (absent stays absent) and read again: the
// same records, the file read to its end.
//
// Input: one byte for the number of items per record (1..8), one byte for a
// range of the file read on its own, then the file.
#include "store/Cp1252.h"
#include "store/FieldFile.h"
#include "FuzzCheck.h"
#include "ModelReader.h"
#include "WorkDir.h"

#include <QFile>

#include <string>
#include <vector>

namespace {

void writeFile(const QString& name, std::string_view bytes) {
    QFile f(name);
    FUZZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate), "the input file can be written");
    FUZZ_CHECK(f.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()), "the input file is written");
}

bool same(const FieldFile::RawItem& raw, const model::Item& item) {
    return raw.quoted == item.quoted && raw.bytes() == QByteArrayView(item.bytes.data(), qsizetype(item.bytes.size()));
}

// Reads `name` as records of n items and compares each with the model's
// reading of `bytes`. Returns the raw records read (valid while `f` is open).
std::vector<std::vector<FieldFile::RawItem>> readAndCompare(FieldFile& f, const QString& name, std::string_view bytes,
                                                            int n) {
    bool complete = false;
    const auto expected = model::readAll(bytes, n, complete);
    FUZZ_CHECK(f.openForReading(name), "the file opens for reading");
    std::vector<std::vector<FieldFile::RawItem>> records;
    std::vector<FieldFile::RawItem> raw(static_cast<std::size_t>(n));
    while (!f.atEnd()) {
        if (!f.readRawItems(n, raw.data())) {
            FUZZ_CHECK(f.status() == FieldFile::Status::EndOfFile, "a read inside a record fails with end of file");
            FUZZ_CHECK(f.atEnd(), "after the end-of-file error nothing is left to read");
            break;
        }
        FUZZ_CHECK(records.size() < expected.size(), "the reader finds no more records than the rules");
        const auto& want = expected[records.size()];
        for (int i = 0; i < n; ++i) FUZZ_CHECK(same(raw[std::size_t(i)], want[std::size_t(i)]), "item as the rules read it");
        records.push_back(raw);
    }
    FUZZ_CHECK(records.size() == expected.size(), "as many records as the rules read");
    return records;
}

// The decoded reading (readItems) of the same file agrees with the raw one.
void compareDecoded(const QString& name, const std::vector<std::vector<FieldFile::RawItem>>& rawRecords, int n) {
    FieldFile f;
    FUZZ_CHECK(f.openForReading(name), "the file opens again");
    FieldValues values;
    for (const auto& raw : rawRecords) {
        FUZZ_CHECK(!f.atEnd() && f.readItems(n, values), "readItems reads what readRawItems read");
        FUZZ_CHECK(values.size() == n, "readItems gives n values");
        for (int i = 0; i < n; ++i) {
            const auto& r = raw[std::size_t(i)];
            const FieldValue& v = values[i];
            if (r.absent())
                FUZZ_CHECK(!v.has_value(), "an absent item is an absent value");
            else
                FUZZ_CHECK(v.has_value() && *v == cp1252::decode(r.bytes()), "a text item is its decoded bytes");
        }
    }
}

// Lines as readRawLine gives them: split at CR LF, a lone CR or a lone LF
// (after a byte-order mark at the start).
void compareLines(const QString& name, std::string_view bytes) {
    FieldFile f;
    FUZZ_CHECK(f.openForReading(name), "the file opens for lines");
    std::size_t p = model::firstByte(bytes);
    QByteArrayView line;
    while (p < bytes.size()) {
        std::size_t end = p;
        while (end < bytes.size() && !model::isLineEnd(bytes[end])) ++end;
        FUZZ_CHECK(f.readRawLine(line), "a line is read while bytes are left");
        FUZZ_CHECK(line == QByteArrayView(bytes.data() + p, qsizetype(end - p)), "the line up to its line end");
        p = end;
        model::consumeSeparator(bytes, p);
    }
    FUZZ_CHECK(f.atEnd() && !f.readRawLine(line), "no line after the last");
}

// The items read, written back as they were read, read back the same.
void passThrough(const std::vector<std::vector<FieldFile::RawItem>>& records, int n) {
    FieldFile out;
    FUZZ_CHECK(out.openForWriting(QStringLiteral("copy.lex")), "the copy opens for writing");
    for (const auto& r : records) FUZZ_CHECK(out.writeRawRecord(r.data(), n), "a record is written");
    const qint64 written = out.bytesWritten();
    FUZZ_CHECK(out.close(), "the copy is closed without error");
    FUZZ_CHECK(QFile(QStringLiteral("copy.lex")).size() == written, "every byte counted is in the file");

    FieldFile back;
    FUZZ_CHECK(back.openForReading(QStringLiteral("copy.lex")), "the copy opens for reading");
    std::vector<FieldFile::RawItem> raw(static_cast<std::size_t>(n));
    for (const auto& r : records) {
        FUZZ_CHECK(!back.atEnd() && back.readRawItems(n, raw.data()), "each record written is read back");
        for (int i = 0; i < n; ++i) {
            const auto& a = r[std::size_t(i)];
            const auto& b = raw[std::size_t(i)];
            FUZZ_CHECK(a.absent() == b.absent(), "absent stays absent");
            FUZZ_CHECK(a.bytes() == b.bytes(), "the item's bytes come back unchanged");
        }
    }
    FUZZ_CHECK(back.atEnd(), "the copy holds nothing after the last record");
}

// A range of the file read as if it were the whole file.
void compareRange(const QString& name, std::string_view bytes, int n, unsigned char where) {
    const std::size_t from = bytes.empty() ? 0 : (where * bytes.size()) / 256;
    const std::size_t length = (bytes.size() - from) / 2 + (where & 1);
    const std::size_t cut = std::min(length, bytes.size() - from);
    bool complete = false;
    const auto expected = model::readAll(bytes.substr(from, cut), n, complete, from == 0);
    FieldFile f;
    FUZZ_CHECK(f.openForReadingRange(name, qint64(from), qint64(cut)), "a range opens for reading");
    std::vector<FieldFile::RawItem> raw(static_cast<std::size_t>(n));
    std::size_t count = 0;
    while (!f.atEnd() && f.readRawItems(n, raw.data())) {
        FUZZ_CHECK(count < expected.size(), "no more records in the range than the rules read");
        for (int i = 0; i < n; ++i) FUZZ_CHECK(same(raw[std::size_t(i)], expected[count][std::size_t(i)]), "range item");
        ++count;
    }
    FUZZ_CHECK(count == expected.size(), "as many records in the range as the rules read");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    enterFuzzWorkDir();
    FuzzInput in(data, size);
    const int n = 1 + in.byte() % 8;
    const unsigned char where = in.byte();
    std::size_t got = 0;
    const char* file = in.rest(got);
    const std::string_view bytes(file, got);
    const QString name = QStringLiteral("in.lex");
    writeFile(name, bytes);

    FieldFile f;
    const auto records = readAndCompare(f, name, bytes, n);
    compareDecoded(name, records, n);
    compareLines(name, bytes);
    passThrough(records, n);
    f.close();
    compareRange(name, bytes, n, where);
    return 0;
}
