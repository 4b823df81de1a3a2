#include "search/ResultDetail.h"

#include "store/FieldFile.h"
#include "store/LexiconFiles.h"

#include <QFileInfo>

namespace detail {

namespace {

bool stillFits(const ResultIndex& where, int index) {
    if (index >= where.starts.size()) return false;
    const QFileInfo file(lexicon::kResultFile);
    return file.exists() && file.size() == where.size && file.lastModified() == where.modified;
}

}  // namespace

std::optional<FieldValues> readHit(int index, const ResultIndex& where) {
    if (index < 0) return std::nullopt;
    FieldValues rec;
    if (stillFits(where, index)) {
        const qint64 from = where.starts[index];
        const qint64 to = index + 1 < where.starts.size() ? where.starts[index + 1] : where.size;
        FieldFile f;
        if (f.openForReadingRange(lexicon::kResultFile, from, to - from) && !f.atEnd() &&
            f.readItems(lexicon::kResultFields, rec) && f.atEnd())
            return rec;
    }
    FieldFile f;
    if (!f.openForReading(lexicon::kResultFile)) return std::nullopt;
    for (int record = 0; record <= index; ++record)
        if (f.atEnd() || !f.readItems(lexicon::kResultFields, rec)) return std::nullopt;
    return rec;
}

}  // namespace detail
