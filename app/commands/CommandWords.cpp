#include "commands/CommandWords.h"

namespace commandwords {

Actions recognise(const QString& T) {
    Actions a;
    const QString L = T.toLower();
    for (const char* feast : {"oster", "asche", "fronl", "palms", "pfing", "datum"})
        if (startsWithWord(L, QLatin1String(feast))) a.ostern = true;
    a.schriften = startsWithWord(L, QStringLiteral("schrift"));
    if (startsWithWord(T, QStringLiteral("speich")) && lastChar(T) == QLatin1String(":")) {
        a.backup = true;
        a.drive = L.right(2);
        return a;
    }
    if (startsWithWord(L, QStringLiteral("tevo"))) {
        a.tevo = true;
        return a;
    }
    a.konvert = startsWithWord(L, QStringLiteral("konv>")) || startsWithWord(L, QStringLiteral("conv>"));
    a.sources = startsWithWord(L, QStringLiteral("quell"));
    if (lastChar(L) == QLatin1String("!")) a.storedTextKey = L;
    return a;
}

}  // namespace commandwords
