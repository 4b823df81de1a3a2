// Writes the synthetic lexicon files into a folder:
//   gen_lexicons DIR [SEED]
#include "LexiconGenerator.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "Aufruf: gen_lexicons ORDNER [STARTWERT]\n");
        return 2;
    }
    std::uint64_t seed = benchgen::kDefaultSeed;
    if (args.size() == 3) {
        bool ok = false;
        seed = args[2].toULongLong(&ok);
        if (!ok) {
            std::fprintf(stderr, "Startwert ist keine Zahl: %s\n", qPrintable(args[2]));
            return 2;
        }
    }
    const QMap<QString, int> counts = benchgen::generate(args[1], {}, seed);
    if (counts.isEmpty()) {
        std::fprintf(stderr, "Lexikondateien konnten nicht in %s geschrieben werden\n", qPrintable(args[1]));
        return 1;
    }
    int total = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        std::printf("%s %d\n", qPrintable(it.key()), it.value());
        total += it.value();
    }
    std::printf("zusammen %d\n", total);
    return 0;
}
