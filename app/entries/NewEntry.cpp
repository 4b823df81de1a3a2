#include "entries/NewEntry.h"

#include "store/Cp1252.h"
#include "store/FieldFile.h"
#include "store/FileError.h"
#include "store/LexiconFiles.h"

#include <QFile>

#include <cerrno>
#include <unistd.h>

namespace entries {

namespace {

QString storedLineBreaks(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

}  // namespace

FieldValues recordOf(const NewEntry& e) {
    return {QString(), e.term, storedLineBreaks(e.explanation), e.category,
            storedLineBreaks(e.furtherInfo), e.source};
}

Check prepare(NewEntry& e) {
    Check check;
    const struct {
        QString* text;
        const char* name;
    } fields[] = {{&e.term, "Suchbegriff"}, {&e.explanation, "Erklärung"},
                  {&e.furtherInfo, "Weitere Informationen"}, {&e.source, "Quellenangabe"}};
    for (const auto& f : fields) {
        if (check.fieldWithQuote.isEmpty() && f.text->contains(u'"'))
            check.fieldWithQuote = QString::fromUtf8(f.name);
        *f.text = cp1252::transliterate(*f.text, &check.replaced);
        for (QChar c : cp1252::unencodable(*f.text))
            if (!check.unstorable.contains(QString(c))) check.unstorable.append(QString(c));
    }
    return check;
}

namespace {

// One file opened for appending a record, able to take the record back.
class Appender {
public:
    explicit Appender(const QString& name) : file_(name) {}

    bool open() {
        errno = 0;
        // Read access lets the last byte be checked; a file that may only be
        // written is appended to without that check.
        if (!file_.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered) &&
            !file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
            error_ = errno;
            return false;
        }
        sizeBefore_ = file_.size();
        return true;
    }

    // Writes the record with one write, after a line end when the file's last
    // line has none (a file edited by hand), so that the record stands on a
    // line of its own.
    bool append(const QByteArray& record) {
        QByteArray bytes;
        if (sizeBefore_ > 0 && file_.isReadable() && file_.seek(sizeBefore_ - 1)) {
            char last = 0;
            if (file_.getChar(&last) && last != '\n' && last != '\r') bytes = "\r\n";
        }
        bytes += record;
        const int fd = file_.handle();
        qint64 done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                error_ = n < 0 ? errno : EIO;
                return false;
            }
            done += n;
        }
        return true;
    }

    // Cuts the file back to its size before the append.
    bool cutBack() { return ::ftruncate(file_.handle(), sizeBefore_) == 0; }

    QString name() const { return file_.fileName(); }
    QString reason() const { return fileerror::reason(error_); }

private:
    QFile file_;
    qint64 sizeBefore_ = 0;
    int error_ = 0;
};

}  // namespace

AppendResult append(const QString& lexiconFile, const NewEntry& entry) {
    Appender lexicon(lexiconFile);
    Appender log(lexicon::kAdditionsLog);
    if (!lexicon.open()) return {false, lexiconFile, lexicon.reason(), {}};
    if (!log.open()) return {false, lexicon::kAdditionsLog, log.reason(), {}};
    const QByteArray record = FieldFile::encodeRecord(recordOf(entry));
    AppendResult result{true, {}, {}, {}};
    if (!lexicon.append(record)) {
        result = {false, lexiconFile, lexicon.reason(), {}};
    } else if (!log.append(record)) {
        // The log must hold every entry the lexicon got: take the entry back.
        result = {false, lexicon::kAdditionsLog, log.reason(), {}};
        if (!lexicon.cutBack()) result.notRestored.append(lexiconFile);
    }
    if (!result.ok) {
        Appender& failed = result.failedFile == lexiconFile ? lexicon : log;
        if (!failed.cutBack()) result.notRestored.append(failed.name());
    }
    return result;
}

}  // namespace entries
