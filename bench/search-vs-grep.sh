#!/usr/bin/env bash
# Times the term search ("beginnt", three-letter key, "Alle Lexika" over the
# 18,000 synthetic entries) against `grep -c KEY` over the same six files, in
# one run, alternating the two so that both meet the same machine load.
#
#   bench/search-vs-grep.sh [path/to/bench_search] [rounds] [key]
#
# Without a path, the first build*/bench/bench_search found beside this
# script's project is used. Each round runs bench_search once (15 repetitions
# of each benchmark, medians reported) with the lexicon files generated into
# a temporary folder, then times grep over those files 15 times. Prints the
# medians and the ratios search/grep and window/grep; fails when the search
# takes 5 ms or more, or the search through the window 20 ms or more.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
bench="${1:-}"
if [[ -z "$bench" ]]; then
  for candidate in "$root"/build*/bench/bench_search; do
    [[ -x "$candidate" ]] && { bench="$candidate"; break; }
  done
fi
[[ -x "$bench" ]] || { echo "bench_search not found; build it or pass its path" >&2; exit 1; }
rounds="${2:-3}"
key="${3:-kir}"
greps=15
files=(2sp.lex 2la.lex 2pe.lex 2kr.lex 2da.lex 2vo.lex)

work="$(mktemp -d "${TMPDIR:-/tmp}/search-vs-grep.XXXXXX")"
trap 'rm -rf "$work"' EXIT
mkdir "$work/lex"

: >"$work/grep-ms"
first_sum=""
for ((r = 1; r <= rounds; r++)); do
  echo "round $r/$rounds: bench_search" >&2
  "$bench" --lexicon-dir="$work/lex" --key="$key" \
    --benchmark_format=json >"$work/round$r.json" 2>"$work/round$r.err" \
    || { cat "$work/round$r.err" >&2; exit 1; }
  # The generator is deterministic: every round must search the same bytes.
  sum="$(cd "$work/lex" && cat "${files[@]}" | sha256sum)"
  [[ -z "$first_sum" ]] && first_sum="$sum"
  [[ "$sum" == "$first_sum" ]] || { echo "generated files differ between rounds" >&2; exit 1; }

  echo "round $r/$rounds: grep -c $key (x$greps)" >&2
  (
    cd "$work/lex"
    for ((i = 0; i < greps; i++)); do
      start=$EPOCHREALTIME
      LC_ALL=C grep -c -- "$key" "${files[@]}" >/dev/null || true
      end=$EPOCHREALTIME
      echo "$start $end"
    done
  ) >>"$work/grep-ms"
done

(cd "$work/lex" && echo "grep -c $key:" && LC_ALL=C grep -c -- "$key" "${files[@]}" | sed 's/^/  /' || true)
echo "files: $(cd "$work/lex" && cat "${files[@]}" | wc -c) bytes, $(cd "$work/lex" && cat "${files[@]}" | wc -l) records"

python3 - "$work" "$rounds" <<'PY'
import json, statistics, sys
work, rounds = sys.argv[1], int(sys.argv[2])

runs = {}   # benchmark name -> list of per-round medians (ms)
hits = {}
for r in range(1, rounds + 1):
    with open(f"{work}/round{r}.json") as f:
        data = json.load(f)
    for b in data["benchmarks"]:
        if b.get("error_occurred"):
            sys.exit(f"{b['name']}: {b.get('error_message')}")
        if b.get("aggregate_name") != "median":
            continue
        unit = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
        name = b["run_name"].split("/")[0]
        runs.setdefault(name, []).append(b["real_time"] * unit)
        hits[name] = int(b.get("hits", 0))

grep = []
with open(f"{work}/grep-ms") as f:
    for line in f:
        s, e = (float(x) for x in line.split())
        grep.append((e - s) * 1000.0)
grep_med = statistics.median(grep)

print()
print(f"{'':24} {'median ms':>10} {'per round':>32} {'hits':>5} {'x grep':>7}")
for name, meds in runs.items():
    med = statistics.median(meds)
    per = " ".join(f"{m:.2f}" for m in meds)
    print(f"{name:24} {med:10.2f} {per:>32} {hits[name]:5d} {med / grep_med:7.2f}")
print(f"{'grep -c':24} {grep_med:10.2f} {'(' + str(len(grep)) + ' runs, process start included)':>32}")

targets = {"BM_Search": 5.0, "BM_WindowSearch": 20.0}
ok = True
print()
for name, limit in targets.items():
    med = statistics.median(runs[name])
    met = med < limit
    ok = ok and met
    print(f"{name}: median {med:.2f} ms, target < {limit:g} ms: {'met' if met else 'MISSED'}")
sys.exit(0 if ok else 1)
PY
