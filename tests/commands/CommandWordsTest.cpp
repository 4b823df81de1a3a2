#include "commands/CommandWords.h"

#include <gtest/gtest.h>

namespace {

using commandwords::Actions;
using commandwords::recognise;

// What each text of the search box asks for; comparisons are exact, on the
// lower-cased text except for the backup's "speich", which counts as typed.
TEST(CommandWordRecognition, EachTextAsksForItsCommandsOnly) {
    struct Case {
        const char* text;
        Actions expected;
    };
    auto feast = [] { Actions a; a.ostern = true; return a; };
    const Case cases[] = {
        {"oster", feast()}, {"OSTERN", feast()}, {"Aschermittwoch", feast()}, {"Datumsrechner", feast()},
        {"fronleichnam", feast()}, {"Palmsonntag", feast()}, {"pfingsten", feast()},
        {"Oste", {}}, {" ostern", {}}, {"", {}}, {"datu", {}},
        {"Schriften", [] { Actions a; a.schriften = true; return a; }()}, {"Schrif", {}},
        {"speichern a:", [] { Actions a; a.backup = true; a.drive = "a:"; return a; }()},
        {"speich:", [] { Actions a; a.backup = true; a.drive = "h:"; return a; }()},
        {"Speichern a:", {}}, {"speichern a", {}},
        {"Tevo", [] { Actions a; a.tevo = true; return a; }()},
        {"TEVO", [] { Actions a; a.tevo = true; return a; }()},
        // The export ends the handler: the "!" is not looked at.
        {"tevo!", [] { Actions a; a.tevo = true; return a; }()},
        {"konv>", [] { Actions a; a.konvert = true; return a; }()},
        {"CONV>", [] { Actions a; a.konvert = true; return a; }()}, {"konv", {}},
        {"quelle", [] { Actions a; a.sources = true; return a; }()},
        {"quell!", [] { Actions a; a.sources = true; a.storedTextKey = "quell!"; return a; }()},
        {"Taufe!", [] { Actions a; a.storedTextKey = "taufe!"; return a; }()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const Actions a = recognise(QString::fromUtf8(c.text));
        EXPECT_EQ(a.ostern, c.expected.ostern);
        EXPECT_EQ(a.schriften, c.expected.schriften);
        EXPECT_EQ(a.backup, c.expected.backup);
        EXPECT_EQ(a.drive, c.expected.drive);
        EXPECT_EQ(a.tevo, c.expected.tevo);
        EXPECT_EQ(a.konvert, c.expected.konvert);
        EXPECT_EQ(a.sources, c.expected.sources);
        EXPECT_EQ(a.storedTextKey, c.expected.storedTextKey);
    }
}

}  // namespace
