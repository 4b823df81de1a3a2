#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <cstdint>

// Synthetic lexicon files for the benchmarks: the six term dictionaries with
// 18,000 entries in all, shaped like the real ones (term and explanation
// lengths, umlauts and ß, further info mostly "-", short source abbreviations,
// a few more-info keys, the codes each file holds). Written with FieldFile, so
// the bytes are exactly what the program itself reads and writes. The same
// seed always gives the same bytes.
namespace benchgen {

struct Sizes {
    int sp = 6000;
    int la = 4000;
    int pe = 2800;
    int kr = 2000;
    int da = 1200;
    int vo = 2000;
    int total() const { return sp + la + pe + kr + da + vo; }
};

constexpr std::uint64_t kDefaultSeed = 20240611;

// Writes 2sp.lex, 2la.lex, 2pe.lex, 2kr.lex, 2da.lex and 2vo.lex into `dir`
// (created when missing; existing files are replaced). Returns the number of
// records written per file name, or an empty map when a file could not be
// written.
QMap<QString, int> generate(const QString& dir, const Sizes& sizes = {},
                            std::uint64_t seed = kDefaultSeed);

}  // namespace benchgen
