// Words typed into the main window as a genealogist types them, in the form a
// record shows (an inflected form, a genitive, an old spelling, a third-person
// verb) and with their proper letters: each is found in the delivered
// dictionary. Prints what each word lists, for the record of a review.

#include "../app/LexikonTestSupport.h"
#include "store/Cp1252.h"

#include <QDir>
#include <QFile>
#include <iostream>

namespace {

struct Typed {
    const char* label;      // the dictionary label in the list's "Teilbereich" column
    const char* option;     // the dictionary chosen before typing
    QStringList words;
};

class TypedWordsTest : public LexikonTest {
protected:
    void SetUp() override {
        LexikonTest::SetUp();
        // The delivered files, copied: the search writes its result file beside them.
        for (const QString& name : QDir(SIPPORA_DATA_DIR).entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(QDir(SIPPORA_DATA_DIR).filePath(name), path(name)));
    }
};

TEST_F(TypedWordsTest, WordsAsRecordsShowThemAreFound) {
    const QList<Typed> table = {
        {"Polnisch", "Option4",
         {"zmarła", "urodziła się", "ochrzczona", "córkę", "wdową", "żony", "ślubu", "małżonków", "rodziców", "parobka"}},
        {"Tschechisch", "Option4",
         {"zemřela", "narozená", "pokřtěn", "manželky", "vdovy", "rolníka", "chalupníka", "pohřben", "oddáni", "kmotři"}},
        {"Ungarisch", "Option4",
         {"született", "elhunyt", "keresztelő", "özvegye", "leánya", "neje", "földműves", "tüdővész", "keresztszülők",
          "törvényes"}},
        {"Rumänisch", "Option4",
         {"născută", "botezată", "decedat", "văduvă", "soția", "fiica", "nașul", "moașa", "înmormântat", "părinții"}},
        {"Italienisch", "Option4",
         {"morì", "battezzata", "figlia", "vedova", "nubile", "contadino", "sepolto", "coniugi", "levatrice", "defunta"}},
        {"Sebokroatisch", "Option4",
         {"rođena", "umrla", "krštena", "vjenčani", "kći", "udovica", "težak", "babica", "pokopan", "roditelji"}},
        {"Spanisch", "Option4",
         {"bauticé", "difunta", "expósito", "viuda", "párvulo", "padrinos", "labrador", "velaciones", "hija legítima",
          "jornalero"}},
        {"Latein", "Option4",
         {"baptizavit", "copulavit", "sepelivit", "filiae", "viduae", "iuvenis", "coelebs", "sutoris"}},
        {"Datum", "Option7",
         {"Martini", "Georgii", "Dominica Oculi", "Quasimodogeniti", "7bris", "Hornung"}},
        {"Krankheit", "Option6",
         {"Stickfluß", "Schlagfluß", "Todtgeburt", "Rothlauf", "Kindbettfieber", "phthisis"}},
        {"Personenbez.", "Option5",
         {"Wittwe", "Rathsherr", "Todtengräber", "Müllerin", "Schultheiß", "Inwohnerin", "Wirthin", "Bauersmann", "Kossät",
          "Büdner"}},
        {"Vornamen", "Option8",
         {"Joannis", "Mariae", "Catharinae", "Joannem", "Hansl", "Liesl", "Jiří", "Wojciech", "Erzsébet", "Katarzyna"}},
    };
    for (const Typed& t : table) {
        QTest::mouseClick(control<QRadioButton>(t.option), Qt::LeftButton);
        for (const QString& word : t.words) {
            SCOPED_TRACE(word.toStdString());
            messages_.clear();
            search(word);
            // The list shows the term in the dictionary's spelling (zmarła as zmarla).
            const QString stored = cp1252::transliterate(word);
            QStringList found;
            for (const QString& line : lines())
                if (line.left(30).trimmed().compare(stored, Qt::CaseInsensitive) == 0 &&
                    line.mid(69, 13).trimmed() == QString::fromUtf8(t.label))
                    found << line.left(61).simplified();
            EXPECT_FALSE(found.isEmpty()) << "typed " << word.toStdString() << ", listed "
                                          << lines().join(" | ").toStdString();
            EXPECT_TRUE(messages_.isEmpty());
            std::cout << "  " << t.label << ": " << word.toStdString() << " -> " << lines().size() << " hit(s): "
                      << (found.isEmpty() ? "" : found.first().toStdString()) << "\n";
        }
    }
}

}  // namespace
