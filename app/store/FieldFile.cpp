#include "FieldFile.h"

#include "Cp1252.h"
#include "FileError.h"

#include <QFileInfo>
#include <QVarLengthArray>

#include <cerrno>
#include <cstring>

namespace {
constexpr qsizetype kFlushThreshold = 1 << 20;

inline bool isLineEndByte(char c) { return c == '\r' || c == '\n'; }
}  // namespace

FieldFile::~FieldFile() { close(); }

bool FieldFile::openForReading(const QString& name) {
    close();
    name_ = name;
    status_ = Status::Ok;
    osError_ = 0;
    QFile f(name);
    errno = 0;
    if (!f.open(QIODevice::ReadOnly)) {
        osError_ = errno;
        status_ = QFileInfo::exists(name) ? Status::CannotOpen : Status::NotFound;
        return false;
    }
    errno = 0;
    data_ = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        osError_ = errno;
        data_.clear();
        status_ = Status::ReadFailed;
        return false;
    }
    pos_ = 0;
    mode_ = Mode::Reading;
    return true;
}

bool FieldFile::openForAppend(const QString& name) {
    return openWrite(name, QIODevice::WriteOnly | QIODevice::Append);
}

bool FieldFile::openForWriting(const QString& name) {
    return openWrite(name, QIODevice::WriteOnly | QIODevice::Truncate);
}

bool FieldFile::openWrite(const QString& name, QIODevice::OpenMode mode) {
    close();
    name_ = name;
    status_ = Status::Ok;
    osError_ = 0;
    file_.setFileName(name);
    // Records are collected here and written in large pieces, so the file
    // itself is unbuffered: a failed write is seen with its system reason.
    errno = 0;
    if (!file_.open(mode | QIODevice::Unbuffered)) {
        osError_ = errno;
        status_ = Status::CannotOpen;
        return false;
    }
    mode_ = Mode::Writing;
    return true;
}

// One item by the reader rules: blanks skipped; a quoted text runs to the next
// double quote, after which everything up to and including the next comma or
// line end is skipped; an unquoted item runs to the next comma or line end and
// loses its trailing blanks. CR LF counts as one line end; a lone CR or a lone
// LF ends an item as well.
bool FieldFile::readOne(RawItem& item) {
    const char* d = data_.constData();
    const qsizetype n = data_.size();
    qsizetype p = pos_;
    while (p < n && d[p] == ' ') ++p;
    if (p >= n) {
        pos_ = p;
        status_ = Status::EndOfFile;
        return false;
    }
    auto consumeSeparator = [&](qsizetype at) {
        // `at` is a comma, a line end or the end; returns the position after it.
        if (at >= n) return n;
        if (d[at] == '\r' && at + 1 < n && d[at + 1] == '\n') return at + 2;
        return at + 1;
    };
    if (d[p] == '"') {
        const qsizetype start = p + 1;
        const char* close = static_cast<const char*>(memchr(d + start, '"', size_t(n - start)));
        const qsizetype end = close ? close - d : n;
        item = {d + start, end - start, true};
        qsizetype q = close ? end + 1 : n;
        while (q < n && d[q] != ',' && !isLineEndByte(d[q])) ++q;
        pos_ = consumeSeparator(q);
        return true;
    }
    qsizetype q = p;
    while (q < n && d[q] != ',' && !isLineEndByte(d[q])) ++q;
    qsizetype end = q;
    while (end > p && d[end - 1] == ' ') --end;
    item = {d + p, end - p, false};
    pos_ = consumeSeparator(q);
    return true;
}

bool FieldFile::readRawItems(int n, RawItem* out) {
    if (mode_ != Mode::Reading) {
        status_ = Status::NotOpen;
        return false;
    }
    for (int i = 0; i < n; ++i)
        if (!readOne(out[i])) return false;
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

void FieldFile::appendWriteBuffer(const QByteArray& bytes) {
    pending_ += bytes;
    if (pending_.size() >= kFlushThreshold) flush();
}

bool FieldFile::writeRecord(const FieldValues& values) {
    if (mode_ != Mode::Writing) {
        status_ = Status::NotOpen;
        return false;
    }
    appendWriteBuffer(encodeRecord(values));
    return status_ == Status::Ok;
}

bool FieldFile::writeRawRecord(const RawItem* items, int n) {
    if (mode_ != Mode::Writing) {
        status_ = Status::NotOpen;
        return false;
    }
    for (int i = 0; i < n; ++i) {
        if (i) pending_ += ',';
        if (items[i].quoted) {
            pending_ += '"';
            pending_.append(items[i].data, items[i].size);
            pending_ += '"';
        } else {
            pending_.append(items[i].data, items[i].size);
        }
    }
    pending_ += "\r\n";
    if (pending_.size() >= kFlushThreshold) flush();
    return status_ == Status::Ok;
}

bool FieldFile::flush() {
    if (mode_ != Mode::Writing) return status_ == Status::Ok;
    if (!pending_.isEmpty()) {
        errno = 0;
        if (file_.write(pending_) != pending_.size()) {
            if (status_ == Status::Ok) osError_ = errno;
            status_ = Status::WriteFailed;
        }
        pending_.clear();
    }
    if (!file_.flush()) status_ = Status::WriteFailed;
    return status_ == Status::Ok;
}

bool FieldFile::close() {
    bool ok = true;
    if (mode_ == Mode::Writing) {
        ok = flush();
        file_.close();
        if (file_.error() != QFileDevice::NoError && status_ == Status::Ok) status_ = Status::WriteFailed;
        ok = ok && status_ == Status::Ok;
    }
    mode_ = Mode::Closed;
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
