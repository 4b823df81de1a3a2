#include "ResultDetail.h"

#include "FieldFile.h"
#include "LexiconFiles.h"

namespace detail {

bool readHit(int index, MainVariables& vars) {
    if (index < 0) return true;
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
