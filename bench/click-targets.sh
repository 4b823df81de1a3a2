#!/usr/bin/env bash
# Times what a user waits for after a click, on the synthetic lexicon files of
# 18,000 entries and of ten times as many, against `grep -c KEY` over the same
# files as a process (the baseline, timed in the same run, alternating with
# the program so that both meet the same machine load):
#
#   - "enthält" with the single letter e over "Alle Lexika", click to filled list
#   - the same through the explanation search
#   - selecting hit 12,000 of that list
#   - "beginnt" with a three-letter key, click to filled list, at both sizes
#
#   bench/click-targets.sh [path/to/bench_search] [rounds] [key]
#
# Prints one table of medians (over the rounds' medians of 15 repetitions each)
# with the ratios against grep and the targets; exits 1 when a target is missed.
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

work="$(mktemp -d "${TMPDIR:-/tmp}/click-targets.XXXXXX")"
trap 'rm -rf "$work"' EXIT

time_grep() {  # folder, output file
  (
    cd "$1"
    for ((i = 0; i < greps; i++)); do
      start=$EPOCHREALTIME
      LC_ALL=C grep -c -- "$key" "${files[@]}" >/dev/null || true
      end=$EPOCHREALTIME
      echo "$start $end"
    done
  ) >>"$2"
}

for scale in 1 10; do
  mkdir -p "$work/lex$scale"
  : >"$work/grep$scale"
  for ((r = 1; r <= rounds; r++)); do
    echo "scale $scale, round $r/$rounds" >&2
    filter='.*'
    [[ $scale == 10 ]] && filter='BM_WindowSearch/'
    "$bench" --lexicon-dir="$work/lex$scale" --scale="$scale" --key="$key" \
      --benchmark_filter="$filter" --benchmark_format=json \
      >"$work/s$scale-r$r.json" 2>"$work/s$scale-r$r.err" || { cat "$work/s$scale-r$r.err" >&2; exit 1; }
    time_grep "$work/lex$scale" "$work/grep$scale"
  done
  echo "scale $scale: $(cd "$work/lex$scale" && cat "${files[@]}" | wc -l) records," \
       "$(cd "$work/lex$scale" && cat "${files[@]}" | wc -c) bytes" >&2
done

python3 - "$work" "$rounds" <<'PY'
import json, statistics, sys
work, rounds = sys.argv[1], int(sys.argv[2])

def medians(scale):
    runs, hits = {}, {}
    for r in range(1, rounds + 1):
        with open(f"{work}/s{scale}-r{r}.json") as f:
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
    return {n: statistics.median(v) for n, v in runs.items()}, hits

def grep_median(scale):
    with open(f"{work}/grep{scale}") as f:
        return statistics.median((float(e) - float(s)) * 1000.0 for s, e in (l.split() for l in f))

one, hits1 = medians(1)
ten, hits10 = medians(10)
g1, g10 = grep_median(1), grep_median(10)

rows = [
    ("single-letter enthält, all, click to list", one["BM_WindowContainsE"], g1, hits1["BM_WindowContainsE"], "<= 16 ms", one["BM_WindowContainsE"] <= 16),
    ("the same, explanation search", one["BM_WindowExplanationContainsE"], g1, hits1["BM_WindowExplanationContainsE"], "<= 16 ms", one["BM_WindowExplanationContainsE"] <= 16),
    ("selecting hit 12,000 of that list", one["BM_SelectFarHit"], g1, hits1["BM_SelectFarHit"], "<= 2 ms", one["BM_SelectFarHit"] <= 2),
    ("three-letter beginnt, all, click to list", one["BM_WindowSearch"], g1, hits1["BM_WindowSearch"], "<= 1.0 x grep", one["BM_WindowSearch"] <= g1),
    ("the same over 180,000 entries", ten["BM_WindowSearch"], g10, hits10["BM_WindowSearch"], "<= 20 ms", ten["BM_WindowSearch"] <= 20),
]
print()
print(f"{'case':44} {'median ms':>9} {'grep ms':>8} {'x grep':>7} {'hits':>6}  {'target':14} result")
ok = True
for name, med, g, h, target, met in rows:
    ok = ok and met
    print(f"{name:44} {med:9.2f} {g:8.2f} {med / g:7.2f} {h:6d}  {target:14} {'met' if met else 'MISSED'}")
growth = ten["BM_WindowSearch"] / one["BM_WindowSearch"]
print(f"\nten times the entries: {growth:.1f} times the time of the three-letter search (linear: about 10)")
print(f"the search alone (no window): {one['BM_Search']:.2f} ms; painted after the click: {one['BM_WindowSearchPainted']:.2f} ms")
sys.exit(0 if ok else 1)
PY
