#include "NewEntry.h"

#include "Cp1252.h"
#include "FieldFile.h"
#include "LexiconFiles.h"

#include <QFile>

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

AppendResult append(const QString& lexiconFile, const NewEntry& entry) {
    QFile lexicon(lexiconFile);
    QFile log(lexicon::kAdditionsLog);
    const auto mode = QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered;
    if (!lexicon.open(mode)) return {false, lexiconFile};
    if (!log.open(mode)) return {false, lexicon::kAdditionsLog};
    const qint64 lexiconSize = lexicon.size();
    // The whole line goes out in one write, so that no other program appending
    // at the same time and no crash can leave half a record in either file.
    const QByteArray line = FieldFile::encodeRecord(recordOf(entry));
    if (lexicon.write(line) != line.size() || !lexicon.flush()) return {false, lexiconFile};
    if (log.write(line) != line.size() || !log.flush()) {
        // The log must hold every entry the lexicon got: take the entry back.
        lexicon.resize(lexiconSize);
        return {false, lexicon::kAdditionsLog};
    }
    return {true, {}};
}

}  // namespace entries
