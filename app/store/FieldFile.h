#pragma once

#include "store/FieldValue.h"

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#include <memory>

// Reader and writer of the field-file encoding shared by every record file:
// quoted texts separated by commas, one record per line, CR LF line ends,
// Windows-1252 bytes. A file is opened, used and closed within one operation.
//
// Reading loads the whole file at once and splits items with a loop over its
// bytes; writing collects records in memory and writes them at flush()/close().
//
// Nothing is lost when a write fails: a file written anew replaces the old one
// only when it was written whole (until then the old one stays), and a file
// appended to is cut back to its size before when the append fails. Only
// regular files are read, of a size a dictionary can have, and a record far
// longer than any real entry marks a file as damaged.
class FieldFile {
public:
    // One item as it stands in the file, before decoding: a view into the
    // loaded bytes, valid until the file is closed.
    struct RawItem {
        const char* data = nullptr;
        qsizetype size = 0;
        bool quoted = false;
        bool absent() const { return !quoted && size == 0; }
        QByteArrayView bytes() const { return QByteArrayView(data, size); }
        // The item as it is written on: a text in quotes, also one that stood
        // unquoted in a hand-edited file, unless it holds a double quote itself
        // (possible only unquoted), which quoting would cut short when read back.
        RawItem quotedIfSafe() const {
            return absent() || quoted || bytes().contains('"') ? *this : RawItem{data, size, true};
        }
    };

    enum class Status {
        Ok, NotFound, CannotOpen, NotRegular, TooLarge, ReadFailed, EndOfFile, RecordTooLarge, WriteFailed, NotOpen
    };
    // Far beyond every real file and entry: a larger one is not a dictionary.
    static constexpr qint64 kMaxFileBytes = 256LL << 20;
    static constexpr qsizetype kMaxRecordBytes = 1 << 20;

    FieldFile() = default;
    ~FieldFile();
    FieldFile(const FieldFile&) = delete;
    FieldFile& operator=(const FieldFile&) = delete;

    bool openForReading(const QString& name);
    // Opens `length` bytes of the file from byte `from` on for reading, as if
    // they were the whole file (one record whose place is known).
    bool openForReadingRange(const QString& name, qint64 from, qint64 length);
    // A missing file is created empty. The first record appended starts on a
    // line of its own, also after a last line without a line end.
    bool openForAppend(const QString& name);
    // Created, or replaced when present: the new content takes the old one's
    // place when close() succeeds; until then, and after a failure, the old
    // file stays as it was.
    bool openForWriting(const QString& name);

    // True when no byte is left to read.
    bool atEnd() const { return pos_ >= data_.size(); }

    // Reads the next n items. Returns false with Status::EndOfFile when the file
    // ends before the n-th item has begun; `out` then holds nothing useful.
    bool readItems(int n, FieldValues& out);
    bool readRawItems(int n, RawItem* out);

    // Reads the text up to the next line end, without the line end; commas and
    // double quotes are part of the text.
    bool readLine(QString& line);
    bool readRawLine(QByteArrayView& line);

    bool writeRecord(const FieldValues& values);
    // Writes items exactly as they were read (bytes unchanged, absent stays absent).
    bool writeRawRecord(const RawItem* items, int n);
    // Bytes handed to the file since it was opened for writing.
    qint64 bytesWritten() const { return written_; }

    // Where an item read from this file begins, in bytes from the start of the
    // file; and the bytes themselves, for a scan that counts lines.
    qsizetype offsetOf(const RawItem& item) const { return item.data - data_.constData(); }
    QByteArrayView loadedBytes() const { return data_; }
    // Back to the first record of a file opened for reading, for a second pass.
    void rewind() { pos_ = start_; }

    bool flush();
    // Closes the file; for a written file, false when any byte could not be
    // written, flushed or put in place; the file is then as it was before.
    bool close();
    // Gives up a file being written: a new one is not put in place, an append
    // is cut back to the size the file had when it was opened.
    void discard();
    // After a failed close() or discard(): false when the file could not be
    // brought back to its state before (an append that could not be cut back).
    bool restored() const { return restored_; }

    static bool deleteFile(const QString& name);
    static QByteArray encodeRecord(const FieldValues& values);
    static FieldValue decodeItem(const RawItem& item);

    Status status() const { return status_; }
    // The system's error number of the failed open, read or write (0 if none).
    int osError() const { return osError_; }
    // The failure in words: the status and, where known, the system's reason.
    QString reason() const;
    QString fileName() const { return name_; }
    bool isOpen() const { return mode_ != Mode::Closed; }

private:
    enum class Mode { Closed, Reading, Writing };
    bool openWrite(const QString& name, bool replace);
    bool openRead(const QString& name, qint64 from, qint64 length);
    void cutBack();
    void appendWriteBuffer(const QByteArray& bytes);
    void payLineEnd();

    Mode mode_ = Mode::Closed;
    QString name_;
    QByteArray data_;
    qsizetype pos_ = 0;
    qsizetype start_ = 0;  // after a byte-order mark
    std::unique_ptr<QFileDevice> file_;
    bool replacing_ = false;
    qint64 appendStart_ = 0;
    bool restored_ = true;
    bool lineEndOwed_ = false;
    QByteArray pending_;
    Status status_ = Status::Ok;
    int osError_ = 0;
    qint64 written_ = 0;
};
