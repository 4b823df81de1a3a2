#include "entries/NewEntry.h"

#include <gtest/gtest.h>

namespace {

// What adding makes of the typed texts before anything is written.
TEST(NewEntry, PreparationFindsWhatTheFilesCannotHold) {
    struct Case {
        const char* name;
        entries::NewEntry typed;
        entries::NewEntry stored;
        QString fieldWithQuote;
        QStringList unstorable;
        QStringList replaced;
    };
    const Case cases[] = {
        {"plain", {"Pate", "Taufzeuge", "Pe", "-", "zub"}, {"Pate", "Taufzeuge", "Pe", "-", "zub"}, {}, {}, {}},
        {"quote in the explanation named first",
         {"Pate", "der \"Gevatter\"", "Pe", "\"x\"", "zub"}, {"Pate", "der \"Gevatter\"", "Pe", "\"x\"", "zub"},
         QString::fromUtf8("Erklärung"), {}, {}},
        {"quote in the source", {"Pate", "x", "Pe", "", "\"z\""}, {"Pate", "x", "Pe", "", "\"z\""},
         "Quellenangabe", {}, {}},
        {"letters in the dictionary's spelling", {QString::fromUtf8("zmarł"), QString::fromUtf8("vőlegény, đak"), "Po", "", ""},
         {"zmarl", QString::fromUtf8("völegény, djak"), "Po", "", ""}, {},
         {}, {QString::fromUtf8("ł → l"), QString::fromUtf8("ő → ö"), QString::fromUtf8("đ → dj")}},
        {"letters with no spelling at all", {QString::fromUtf8("отец"), "Vater", "", "", ""},
         {QString::fromUtf8("отец"), "Vater", "", "", ""}, {}, {"о", "т", "е", "ц"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        entries::NewEntry e = c.typed;
        const entries::Check check = entries::prepare(e);
        EXPECT_EQ(check.fieldWithQuote, c.fieldWithQuote);
        EXPECT_EQ(check.unstorable, c.unstorable);
        EXPECT_EQ(check.replaced, c.replaced);
        EXPECT_EQ(e.term, c.stored.term);
        EXPECT_EQ(e.explanation, c.stored.explanation);
        EXPECT_EQ(e.furtherInfo, c.stored.furtherInfo);
    }
}

TEST(NewEntry, TheRecordHasAnEmptyKeyAndCrLfLineBreaks) {
    const entries::NewEntry e{"Pate", "Tauf-\nzeuge", "Pe", "a\r\nb\rc", "zub"};
    const FieldValues r = entries::recordOf(e);
    ASSERT_EQ(r.size(), 6);
    EXPECT_EQ(r[0], FieldValue(QString()));
    EXPECT_EQ(r[2], FieldValue(QString("Tauf-\r\nzeuge")));
    EXPECT_EQ(r[4], FieldValue(QString("a\r\nb\r\nc")));
    EXPECT_EQ(r[5], FieldValue(QString("zub")));
}

}  // namespace
