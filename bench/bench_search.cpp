// The searches over "Alle Lexika" on 18,000 synthetic entries (or a multiple
// of them): the term search with a three-letter "beginnt" key, alone and as a
// user runs it in the main window; the worst cases a user meets, a single
// letter with "enthält" through both search buttons (about 12,700 hits); and
// selecting a hit far down that long list.
//
//   bench_search [--lexicon-dir=DIR] [--key=KEY] [--scale=N] [benchmark options]
//
// --scale=N generates N times the 18,000 entries.
// Without --lexicon-dir the lexicon files are generated into a temporary
// folder that is removed at the end; with it they are generated into DIR and
// kept there (the working directory of the searches, so the ResultFile lands
// there too), so that other tools can be timed on the very same bytes.
#include "LexiconGenerator.h"
#include "Lexikon.h"
#include "common/Messages.h"
#include "search/Search.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

// "Kir…": Kirchenbuch, Kirchweih, Kirchenvorsteher, Kirchspiel in the
// explanations do not count, only terms: 100 hits in the generated files.
QString g_key = QStringLiteral("kir");
int g_scale = 1;
QList<messages::Call> g_messages;

bool messagesShown(benchmark::State& state) {
    if (g_messages.isEmpty()) return false;
    const std::string what = (g_messages.front().title + QStringLiteral(": ") + g_messages.front().text).toStdString();
    state.SkipWithError(what.c_str());
    return true;
}

void BM_Search(benchmark::State& state) {
    const QStringList files = search::filesForOption(3);
    const search::Params params = search::termSearch();
    search::Outcome outcome;
    g_messages.clear();
    for (auto _ : state) {
        outcome = search::run(g_key, search::MatchMode::Begins, files, params);
        benchmark::DoNotOptimize(outcome.lines.constData());
    }
    if (!outcome.problems.isEmpty()) {
        state.SkipWithError(search::problemText(outcome.problems).toStdString().c_str());
        return;
    }
    if (outcome.hitCount == 0 || outcome.lines.size() != outcome.hitCount) {
        state.SkipWithError("search listed no hits or not one line per hit");
        return;
    }
    state.counters["hits"] = outcome.hitCount;
}

// The main window as the user drives it: the key typed into Text3 once, then
// each iteration a click on Suchen, timed until the list is filled. `paint`
// also lets the window lay out and paint the filled list.
void windowSearch(benchmark::State& state, bool paint) {
    auto w = std::make_unique<Lexikon>();
    w->show();
    QApplication::processEvents();
    g_messages.clear();
    auto* suchen = w->findChild<QPushButton*>("Suchen");
    auto* list = w->findChild<ResultList*>("List1");
    QTest::keyClicks(w->findChild<QLineEdit*>("Text3"), g_key);
    for (auto _ : state) {
        QTest::mouseClick(suchen, Qt::LeftButton);
        if (paint) QApplication::processEvents();
        benchmark::DoNotOptimize(list->count());
    }
    if (messagesShown(state)) return;
    if (list->count() == 0) {
        state.SkipWithError("List1 stayed empty");
        return;
    }
    state.counters["hits"] = list->count();
}

void BM_WindowSearch(benchmark::State& state) { windowSearch(state, false); }
void BM_WindowSearchPainted(benchmark::State& state) { windowSearch(state, true); }

// The main window with "enthält" chosen and the single letter e typed.
std::unique_ptr<Lexikon> windowWithContainsE() {
    auto w = std::make_unique<Lexikon>();
    w->show();
    QApplication::processEvents();
    g_messages.clear();
    w->findChild<QRadioButton*>("Option2")->click();
    w->findChild<QLineEdit*>("Text3")->setText(QStringLiteral("e"));
    return w;
}

// One letter with "enthält": from the click on the button to the filled list.
void containsSearch(benchmark::State& state, const char* button) {
    const auto w = windowWithContainsE();
    auto* b = w->findChild<QPushButton*>(button);
    auto* list = w->findChild<ResultList*>("List1");
    for (auto _ : state) {
        QTest::mouseClick(b, Qt::LeftButton);
        benchmark::DoNotOptimize(list->count());
    }
    if (messagesShown(state)) return;
    state.counters["hits"] = list->count();
}

void BM_WindowContainsE(benchmark::State& state) { containsSearch(state, "Suchen"); }
void BM_WindowExplanationContainsE(benchmark::State& state) { containsSearch(state, "Command9"); }

// Selecting a hit of the single-letter list: the details of hit 12,000 (or
// the last one), alternating with its neighbour so that every step selects.
void BM_SelectFarHit(benchmark::State& state) {
    const auto w = windowWithContainsE();
    auto* list = w->findChild<ResultList*>("List1");
    QTest::mouseClick(w->findChild<QPushButton*>("Suchen"), Qt::LeftButton);
    const int far = std::min(12000, list->count() - 1);
    if (far < 1) {
        state.SkipWithError("the list has too few hits");
        return;
    }
    int row = far;
    for (auto _ : state) {
        list->setCurrentRow(row);
        row = row == far ? far - 1 : far;
    }
    if (messagesShown(state)) return;
    state.counters["hits"] = list->count();
    state.counters["row"] = far;
}

}  // namespace

BENCHMARK(BM_Search)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(BM_WindowSearch)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(BM_WindowSearchPainted)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(BM_WindowContainsE)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(BM_WindowExplanationContainsE)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(BM_SelectFarHit)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");

    // Our own options come out before Google Benchmark sees the rest.
    QString lexiconDir;
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--lexicon-dir=", 14) == 0)
            lexiconDir = QString::fromLocal8Bit(argv[i] + 14);
        else if (std::strncmp(argv[i], "--key=", 6) == 0)
            g_key = QString::fromLocal8Bit(argv[i] + 6);
        else if (std::strncmp(argv[i], "--scale=", 8) == 0)
            g_scale = std::max(1, std::atoi(argv[i] + 8));
        else
            rest.push_back(argv[i]);
    }
    int restCount = int(rest.size());
    rest.push_back(nullptr);

    QApplication app(restCount, rest.data());
    messages::setRecorder(&g_messages);

    QTemporaryDir temp;
    if (lexiconDir.isEmpty()) {
        if (!temp.isValid()) {
            std::fprintf(stderr, "kein temporärer Ordner: %s\n", qPrintable(temp.errorString()));
            return 1;
        }
        lexiconDir = temp.path();
    }
    benchgen::Sizes sizes;
    sizes.sp *= g_scale;
    sizes.la *= g_scale;
    sizes.pe *= g_scale;
    sizes.kr *= g_scale;
    sizes.da *= g_scale;
    sizes.vo *= g_scale;
    if (benchgen::generate(lexiconDir, sizes).isEmpty()) {
        std::fprintf(stderr, "Lexikondateien konnten nicht in %s geschrieben werden\n", qPrintable(lexiconDir));
        return 1;
    }
    const QString previous = QDir::currentPath();
    QDir::setCurrent(lexiconDir);

    benchmark::Initialize(&restCount, rest.data());
    if (benchmark::ReportUnrecognizedArguments(restCount, rest.data())) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    QDir::setCurrent(previous);
    messages::setRecorder(nullptr);
    return 0;
}
