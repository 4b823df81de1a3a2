// The field-file writer: records of values without double quotes, written
// with writeRecord (the first half to a new file, the rest appended), read
// back with readItems and their own field counts, are the same values; an
// absent value stays absent and the empty text stays the empty text. The
// file holds exactly the bytes of the records, one after another.
//
// Input: records separated by the byte 0xFF, values inside a record by 0xFE;
// a value that begins with 0xFD is absent. Every other byte is a character of
// the code page; double quotes are left out.
#include "store/Cp1252.h"
#include "store/FieldFile.h"
#include "FuzzCheck.h"
#include "WorkDir.h"

#include <QFile>

namespace {

QList<FieldValues> recordsOf(const unsigned char* data, std::size_t size) {
    QList<FieldValues> records;
    FieldValues record;
    QByteArray value;
    bool absent = false;
    bool valueStarted = false;
    auto endValue = [&] {
        if (absent)
            record.append(std::nullopt);
        else
            record.append(cp1252::decode(value));
        value.clear();
        absent = false;
        valueStarted = false;
    };
    for (std::size_t i = 0; i < size; ++i) {
        const unsigned char b = data[i];
        if (b == 0xFF) {
            endValue();
            records.append(record);
            record.clear();
        } else if (b == 0xFE) {
            endValue();
        } else if (b == 0xFD && !valueStarted) {
            absent = true;
            valueStarted = true;
        } else if (b != '"') {
            value.append(char(b));
            valueStarted = true;
        }
    }
    if (size > 0) {
        endValue();
        records.append(record);
    }
    return records;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    enterFuzzWorkDir();
    const QList<FieldValues> records = recordsOf(data, size);
    const QString name = QStringLiteral("out.lex");

    QByteArray expected;
    FieldFile w;
    FUZZ_CHECK(w.openForWriting(name), "the file opens for writing");
    const qsizetype half = records.size() / 2;
    for (qsizetype r = 0; r < records.size(); ++r) {
        if (r == half && r > 0) {
            FUZZ_CHECK(w.close(), "the first half is written");
            FUZZ_CHECK(w.openForAppend(name), "the file opens for appending");
        }
        FUZZ_CHECK(w.writeRecord(records[r]), "a record is written");
        expected += FieldFile::encodeRecord(records[r]);
    }
    FUZZ_CHECK(w.close(), "the file is closed without error");

    QFile raw(name);
    FUZZ_CHECK(raw.open(QIODevice::ReadOnly), "the written file can be read");
    FUZZ_CHECK(raw.readAll() == expected, "the file holds the records' bytes one after another");
    raw.close();

    FieldFile rd;
    FUZZ_CHECK(rd.openForReading(name), "the written file opens for reading");
    FieldValues back;
    for (const FieldValues& record : records) {
        FUZZ_CHECK(!rd.atEnd(), "a record written is there to read");
        FUZZ_CHECK(rd.readItems(int(record.size()), back), "a record written reads back whole");
        FUZZ_CHECK(back.size() == record.size(), "as many values as written");
        for (qsizetype i = 0; i < record.size(); ++i) {
            FUZZ_CHECK(back[i].has_value() == record[i].has_value(), "absent stays absent, a text stays a text");
            if (record[i]) FUZZ_CHECK(*back[i] == *record[i], "the text reads back unchanged");
        }
    }
    FUZZ_CHECK(rd.atEnd(), "nothing is left after the last record");
    return 0;
}
