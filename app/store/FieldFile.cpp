#include "store/FieldFile.h"

#include "store/Cp1252.h"
#include "store/FileError.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QVarLengthArray>

#include <bit>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <cerrno>
#include <cstdint>
#include <cstring>

namespace {
constexpr qsizetype kFlushThreshold = 1 << 20;

// The buffer of the last file read, kept for the next one: every search reads
// all dictionaries again, and fresh memory for each costs more than the read.
QByteArray& spareReadBuffer() {
    static QByteArray spare;
    return spare;
}

// Reads `length` bytes of `f` into `into`, reusing the spare buffer's memory.
bool readInto(QFile& f, qint64 length, QByteArray& into) {
    into.swap(spareReadBuffer());
    into.resize(length);
    qint64 done = 0;
    while (done < length) {
        const qint64 got = f.read(into.data() + done, length - done);
        if (got <= 0) break;
        done += got;
    }
    into.resize(done);
    return done == length && f.error() == QFileDevice::NoError;
}

inline bool isLineEndByte(char c) { return c == '\r' || c == '\n'; }
}  // namespace

FieldFile::~FieldFile() { close(); }

bool FieldFile::openForReading(const QString& name) { return openRead(name, 0, -1); }

bool FieldFile::openForReadingRange(const QString& name, qint64 from, qint64 length) {
    if (from < 0 || length < 0) {
        close();
        name_ = name;
        status_ = Status::ReadFailed;
        return false;
    }
    return openRead(name, from, length);
}

// `length` -1: the whole file.
bool FieldFile::openRead(const QString& name, qint64 from, qint64 length) {
    close();
    name_ = name;
    status_ = Status::Ok;
    osError_ = 0;
    // Only a regular file is read: a pipe would hold the window for good, a
    // device such as /dev/zero would never end, a folder is no dictionary.
    const QFileInfo info(name);
    if (info.exists() && !info.isFile()) {
        status_ = Status::NotRegular;
        return false;
    }
    if (length < 0 && info.exists() && info.size() > kMaxFileBytes) {
        status_ = Status::TooLarge;
        return false;
    }
    QFile f(name);
    errno = 0;
    if (!f.open(QIODevice::ReadOnly)) {
        osError_ = errno;
        // A link that leads nowhere reads as missing; one that loops cannot be read.
        status_ = osError_ == ENOENT ? Status::NotFound : Status::CannotOpen;
        return false;
    }
    if (length < 0) length = f.size();
    if (!f.seek(from)) {
        status_ = Status::ReadFailed;
        return false;
    }
    errno = 0;
    if (!readInto(f, length, data_)) {
        osError_ = errno;
        data_.clear();
        status_ = Status::ReadFailed;
        return false;
    }
    // A file saved by an editor that writes UTF-8 may begin with a byte-order
    // mark: it belongs to no item.
    start_ = from == 0 && data_.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    pos_ = start_;
    mode_ = Mode::Reading;
    return true;
}

bool FieldFile::openForAppend(const QString& name) { return openWrite(name, false); }

bool FieldFile::openForWriting(const QString& name) { return openWrite(name, true); }

bool FieldFile::openWrite(const QString& name, bool replace) {
    close();
    name_ = name;
    status_ = Status::Ok;
    osError_ = 0;
    written_ = 0;
    restored_ = true;
    replacing_ = replace;
    pending_.reserve(kFlushThreshold + 4096);
    // Records are collected here and written in large pieces, so the file
    // itself is unbuffered: a failed or short write is seen at once, with its
    // system reason (a buffered save file can report a short write as success).
    QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Unbuffered;
    if (replace) {
        auto save = std::make_unique<QSaveFile>(name);
        // A folder that allows no new file but a writable file in it: written
        // in place, still with every write checked.
        save->setDirectWriteFallback(true);
        file_ = std::move(save);
    } else {
        file_ = std::make_unique<QFile>(name);
        mode |= QIODevice::Append;
    }
    errno = 0;
    if (!file_->open(mode)) {
        osError_ = errno;
        status_ = Status::CannotOpen;
        file_.reset();
        return false;
    }
    appendStart_ = replace ? 0 : file_->size();
    // A record always starts on a line of its own, also after a last line
    // without a line end (a file edited by hand): the first write brings one.
    lineEndOwed_ = false;
    if (appendStart_ > 0) {
        QFile last(name);
        char c = 0;
        lineEndOwed_ = last.open(QIODevice::ReadOnly) && last.seek(appendStart_ - 1) && last.getChar(&c) &&
                       c != '\n' && c != '\r';
    }
    mode_ = Mode::Writing;
    return true;
}

// One item by the reader rules: blanks skipped; a quoted text runs to the next
// double quote, after which everything up to and including the next comma or
// line end is skipped; an unquoted item runs to the next comma or line end and
// loses its trailing blanks. CR LF counts as one line end; a lone CR or a lone
// LF ends an item as well.
namespace {

// The position of the next double quote from `from` on, or `n`. Items are
// mostly short, so sixteen bytes (eight without SSE2) are tested at a time in
// a register instead of calling memchr for each.
inline qsizetype findQuote(const char* d, qsizetype from, qsizetype n) {
    qsizetype q = from;
#if defined(__SSE2__)
    const __m128i quotes = _mm_set1_epi8('"');
    for (; q + 16 <= n; q += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + q));
        const unsigned found = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(block, quotes)));
        if (found) return q + std::countr_zero(found);
    }
#else
    static_assert(std::endian::native == std::endian::little, "the byte order of the word test");
    constexpr std::uint64_t ones = 0x0101010101010101ULL;
    constexpr std::uint64_t highs = 0x8080808080808080ULL;
    constexpr std::uint64_t quotes = 0x2222222222222222ULL;
    for (; q + 8 <= n; q += 8) {
        std::uint64_t word;
        std::memcpy(&word, d + q, 8);
        const std::uint64_t x = word ^ quotes;
        const std::uint64_t found = (x - ones) & ~x & highs;
        if (found) return q + std::countr_zero(found) / 8;
    }
#endif
    while (q < n && d[q] != '"') ++q;
    return q;
}

inline bool isByteOrderMark(const char* d, qsizetype n, qsizetype p) {
    return n - p >= 3 && d[p] == '\xEF' && d[p + 1] == '\xBB' && d[p + 2] == '\xBF';
}

// One item from position `p` of `d[0..n)`, by the reader rules; returns the
// position after its separator, or -1 when no byte is left where it begins.
inline qsizetype scanItem(const char* d, qsizetype n, qsizetype p, FieldFile::RawItem& item) {
    // Blanks, and a byte-order mark where an item begins (files joined one
    // after the other), belong to no item: an item that began with the mark
    // would lose it when a file written with that item first is read again.
    for (;;) {
        if (p < n && d[p] == ' ')
            ++p;
        else if (isByteOrderMark(d, n, p))
            p += 3;
        else
            break;
    }
    if (p >= n) return -1;
    qsizetype q;
    if (d[p] == '"') {
        const qsizetype start = p + 1;
        q = findQuote(d, start, n);
        item = {d + start, q - start, true};
        if (q < n) ++q;
        while (q < n && d[q] != ',' && !isLineEndByte(d[q])) ++q;
    } else {
        q = p;
        while (q < n && d[q] != ',' && !isLineEndByte(d[q])) ++q;
        qsizetype end = q;
        while (end > p && d[end - 1] == ' ') --end;
        item = {d + p, end - p, false};
    }
    // q is at a comma, a line end or the end: step over it (CR LF counts as one).
    if (q >= n) return n;
    if (d[q] == '\r' && q + 1 < n && d[q + 1] == '\n') return q + 2;
    return q + 1;
}

// The record as the program writes it: every item quoted, a comma between
// two, CR LF after the last. Read here without the general rules (which give
// the same items for it); false, with nothing consumed, for anything else.
inline bool scanWrittenRecord(const char* d, qsizetype size, qsizetype& pos, int n, FieldFile::RawItem* out) {
    qsizetype p = pos;
    for (int i = 0; i < n; ++i) {
        if (p >= size || d[p] != '"') return false;
        const qsizetype close = findQuote(d, p + 1, size);
        if (close + 1 >= size) return false;
        out[i] = {d + p + 1, close - p - 1, true};
        if (i + 1 < n) {
            if (d[close + 1] != ',') return false;
            p = close + 2;
        } else {
            if (d[close + 1] != '\r' || close + 2 >= size || d[close + 2] != '\n') return false;
            p = close + 3;
        }
    }
    pos = p;
    return true;
}

}  // namespace

bool FieldFile::readRawItems(int n, RawItem* out) {
    if (mode_ != Mode::Reading) {
        status_ = Status::NotOpen;
        return false;
    }
    const char* d = data_.constData();
    const qsizetype size = data_.size();
    const qsizetype begin = pos_;
    if (!scanWrittenRecord(d, size, pos_, n, out)) {
        qsizetype p = pos_;
        for (int i = 0; i < n; ++i) {
            const qsizetype next = scanItem(d, size, p, out[i]);
            if (next < 0) {
                pos_ = size;
                status_ = Status::EndOfFile;
                return false;
            }
            p = next;
        }
        pos_ = p;
    }
    if (pos_ - begin > kMaxRecordBytes) {
        pos_ = size;
        status_ = Status::RecordTooLarge;
        return false;
    }
    return true;
}

FieldValue FieldFile::decodeItem(const RawItem& item) {
    if (item.absent()) return std::nullopt;
    return cp1252::decode(item.bytes());
}

bool FieldFile::readItems(int n, FieldValues& out) {
    out.clear();
    QVarLengthArray<RawItem, 8> raw(n);
    if (!readRawItems(n, raw.data())) return false;
    out.reserve(n);
    for (int i = 0; i < n; ++i) out.append(decodeItem(raw[i]));
    return true;
}

bool FieldFile::readRawLine(QByteArrayView& line) {
    if (mode_ != Mode::Reading) {
        status_ = Status::NotOpen;
        return false;
    }
    const char* d = data_.constData();
    const qsizetype n = data_.size();
    if (pos_ >= n) {
        status_ = Status::EndOfFile;
        return false;
    }
    qsizetype q = pos_;
    while (q < n && !isLineEndByte(d[q])) ++q;
    if (q - pos_ > kMaxRecordBytes) {
        pos_ = n;
        status_ = Status::RecordTooLarge;
        return false;
    }
    line = QByteArrayView(d + pos_, q - pos_);
    if (q < n) q += (d[q] == '\r' && q + 1 < n && d[q + 1] == '\n') ? 2 : 1;
    pos_ = q;
    return true;
}

bool FieldFile::readLine(QString& line) {
    QByteArrayView raw;
    if (!readRawLine(raw)) return false;
    line = cp1252::decode(raw);
    return true;
}

QByteArray FieldFile::encodeRecord(const FieldValues& values) {
    QByteArray out;
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i) out += ',';
        if (values[i]) {
            out += '"';
            out += cp1252::encode(*values[i]);
            out += '"';
        }
    }
    out += "\r\n";
    return out;
}

void FieldFile::payLineEnd() {
    if (!lineEndOwed_) return;
    lineEndOwed_ = false;
    pending_ += "\r\n";
    written_ += 2;
}

void FieldFile::appendWriteBuffer(const QByteArray& bytes) {
    payLineEnd();
    pending_ += bytes;
    if (pending_.size() >= kFlushThreshold) flush();
}

bool FieldFile::writeRecord(const FieldValues& values) {
    if (mode_ != Mode::Writing) {
        status_ = Status::NotOpen;
        return false;
    }
    const QByteArray bytes = encodeRecord(values);
    written_ += bytes.size();
    appendWriteBuffer(bytes);
    return status_ == Status::Ok;
}

bool FieldFile::writeRawRecord(const RawItem* items, int n) {
    if (mode_ != Mode::Writing) {
        status_ = Status::NotOpen;
        return false;
    }
    payLineEnd();
    // The record's size first, then its bytes in place: one growth of the buffer.
    qsizetype size = n + 1;  // the commas and CR LF
    for (int i = 0; i < n; ++i) size += items[i].size + (items[i].quoted ? 2 : 0);
    const qsizetype before = pending_.size();
    pending_.resize(before + size);
    char* out = pending_.data() + before;
    for (int i = 0; i < n; ++i) {
        if (i) *out++ = ',';
        if (items[i].quoted) *out++ = '"';
        if (items[i].size) std::memcpy(out, items[i].data, size_t(items[i].size));
        out += items[i].size;
        if (items[i].quoted) *out++ = '"';
    }
    *out++ = '\r';
    *out++ = '\n';
    written_ += pending_.size() - before;
    if (pending_.size() >= kFlushThreshold) flush();
    return status_ == Status::Ok;
}

bool FieldFile::flush() {
    if (mode_ != Mode::Writing) return status_ == Status::Ok;
    if (!pending_.isEmpty()) {
        if (status_ == Status::Ok) {
            errno = 0;
            if (file_->write(pending_) != pending_.size()) {
                osError_ = errno;
                status_ = Status::WriteFailed;
            }
        }
        pending_.clear();
    }
    if (status_ == Status::Ok) {
        errno = 0;
        if (auto* plain = qobject_cast<QFile*>(file_.get()); plain && !plain->flush()) {
            osError_ = errno;
            status_ = Status::WriteFailed;
        }
    }
    return status_ == Status::Ok;
}

void FieldFile::cutBack() {
    // The append is taken back: the file holds exactly what it held before.
    auto* plain = static_cast<QFile*>(file_.get());
    restored_ = plain->resize(appendStart_);
    plain->close();
}

void FieldFile::discard() {
    if (mode_ == Mode::Writing) {
        pending_.clear();
        if (replacing_)
            static_cast<QSaveFile*>(file_.get())->cancelWriting();
        else
            cutBack();
        file_.reset();
        if (status_ == Status::Ok) status_ = Status::WriteFailed;
    }
    mode_ = Mode::Closed;
    data_.clear();
    pos_ = 0;
}

bool FieldFile::close() {
    bool ok = true;
    if (mode_ == Mode::Writing) {
        ok = flush();
        if (replacing_) {
            auto* save = static_cast<QSaveFile*>(file_.get());
            if (!ok) save->cancelWriting();
            errno = 0;
            // Puts the new file in place of the old one only when all of it was written.
            if (!save->commit() && ok) {
                osError_ = errno;
                status_ = Status::WriteFailed;
                ok = false;
            }
        } else if (!ok) {
            cutBack();
        } else {
            static_cast<QFile*>(file_.get())->close();
        }
        file_.reset();
    }
    mode_ = Mode::Closed;
    if (data_.capacity() > spareReadBuffer().capacity()) data_.swap(spareReadBuffer());
    data_.clear();
    pos_ = 0;
    return ok;
}

QString FieldFile::reason() const {
    QString what;
    switch (status_) {
    case Status::Ok: return QString();
    case Status::NotFound: return QStringLiteral("Datei nicht gefunden");
    case Status::CannotOpen: what = QStringLiteral("Datei kann nicht geöffnet werden"); break;
    case Status::NotRegular: return QStringLiteral("keine gewöhnliche Datei (ein Ordner, ein Gerät oder eine Pipe)");
    case Status::TooLarge: return QStringLiteral("Datei ist zu groß für eine Lexikondatei (über 256 MB)");
    case Status::RecordTooLarge:
        return QStringLiteral("Datei beschädigt: ein Eintrag ist länger als 1 MB");
    case Status::ReadFailed: what = QStringLiteral("Lesefehler"); break;
    case Status::EndOfFile:
        return QStringLiteral("Datei endet mitten in einem Eintrag (unvollständiger letzter Eintrag "
                              "oder Leerzeile am Ende)");
    case Status::WriteFailed: what = QStringLiteral("Schreibfehler"); break;
    case Status::NotOpen: return QStringLiteral("Datei ist nicht geöffnet");
    }
    return osError_ ? what + QStringLiteral(": ") + fileerror::reason(osError_) : what;
}

bool FieldFile::deleteFile(const QString& name) { return QFile::remove(name); }
