#include "entries/NewEntry.h"

#include "store/Cp1252.h"
#include "store/FieldFile.h"
#include "store/FileError.h"
#include "store/LexiconFiles.h"

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

// The failure of one of the two files, and whether each was brought back.
AppendResult failure(const FieldFile& failed, FieldFile& lexicon, FieldFile& log) {
    AppendResult r{false, failed.fileName(), fileerror::reason(failed.osError()), {}};
    for (FieldFile* f : {&lexicon, &log}) {
        f->discard();
        if (!f->restored()) r.notRestored.append(f->fileName());
    }
    return r;
}

}  // namespace

AppendResult append(const QString& lexiconFile, const NewEntry& entry) {
    FieldFile lexicon, log;
    if (!lexicon.openForAppend(lexiconFile)) return failure(lexicon, lexicon, log);
    if (!log.openForAppend(lexicon::kAdditionsLog)) return failure(log, lexicon, log);
    // The record goes out in one write to each file; the log must hold every
    // entry the lexicon got, so a failure of either takes it back from both.
    const FieldValues record = recordOf(entry);
    lexicon.writeRecord(record);
    if (!lexicon.flush()) return failure(lexicon, lexicon, log);
    log.writeRecord(record);
    if (!log.flush()) return failure(log, lexicon, log);
    if (!lexicon.close()) return failure(lexicon, lexicon, log);
    if (!log.close()) return failure(log, lexicon, log);
    return {true, {}, {}, {}};
}

}  // namespace entries
