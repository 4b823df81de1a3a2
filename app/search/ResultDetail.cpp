#include "ResultDetail.h"

#include "FieldFile.h"
#include "LexiconFiles.h"

#include <QFileInfo>

namespace detail {

namespace {

bool stillFits(const ResultIndex& where, int index) {
    if (index >= where.starts.size()) return false;
    const QFileInfo file(lexicon::kResultFile);
    return file.exists() && file.size() == where.size && file.lastModified() == where.modified;
}

}  // namespace

bool readHit(int index, MainVariables& vars, const ResultIndex& where) {
    if (index < 0) return true;
    if (stillFits(where, index)) {
        const qint64 from = where.starts[index];
        const qint64 to = index + 1 < where.starts.size() ? where.starts[index + 1] : where.size;
        FieldFile f;
        FieldValues rec;
        if (f.openForReadingRange(lexicon::kResultFile, from, to - from) && !f.atEnd() &&
            f.readItems(lexicon::kResultFields, rec) && f.atEnd()) {
            vars.setRecord(rec);
            vars.recordCounter = index + 1;
            return true;
        }
    }
    FieldFile f;
    if (!f.openForReading(lexicon::kResultFile)) return false;
    FieldValues rec;
    for (vars.recordCounter = 0; vars.recordCounter <= index; ++vars.recordCounter) {
        if (f.atEnd() || !f.readItems(lexicon::kResultFields, rec)) return false;
        vars.setRecord(rec);
    }
    return true;
}

}  // namespace detail
