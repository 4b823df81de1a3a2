#!/usr/bin/env bash
# Times qstrip against tr on a 200 MB file of quoted CR LF lines, in one run,
# alternating the two so that both meet the same machine load.
#
#   bench/qstrip-speed.sh [path/to/qstrip] [runs]
#
# Without a path, the first build*/app/qstrip found beside this script's
# project is used. Prints each time, the medians and the ratio qstrip / tr,
# and fails when qstrip is slower than tr or its output differs from tr's.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
qstrip="${1:-}"
if [[ -z "$qstrip" ]]; then
  for candidate in "$root"/build*/app/qstrip; do
    [[ -x "$candidate" ]] && { qstrip="$candidate"; break; }
  done
fi
[[ -x "$qstrip" ]] || { echo "qstrip not found; build it or pass its path" >&2; exit 1; }
runs="${2:-7}"
size=$((200 * 1024 * 1024))

work="$(mktemp -d "${TMPDIR:-/tmp}/qstrip-speed.XXXXXX")"
trap 'rm -rf "$work"' EXIT

# Lines like those of an export file: one quoted text per line, CR LF.
python3 - "$work/in" "$size" <<'PY'
import random, sys
path, size = sys.argv[1], int(sys.argv[2])
rnd = random.Random(1)
words = ["Pate", "Taufpate", "Gevatter", "Hebamme", "Kirchspiel", "Pfarrer", "Tagelöhner",
         "Kötter", "Häusler", "ehelich", "Witwe", "Vormund", "Pe", "Kr", "Da", "Vo", "La"]
lines = []
for _ in range(20000):
    fields = [" ".join(rnd.choice(words) for _ in range(rnd.randint(1, 4))) for _ in range(5)]
    lines.append(('"' + ";".join(fields) + '"\r\n').encode("cp1252"))
block = b"".join(lines)
with open(path, "wb") as f:
    written = 0
    while written < size:
        part = block[: size - written]
        f.write(part)
        written += len(part)
PY

elapsed() {  # seconds taken by the command given, to the millisecond
  local start end
  sync  # the previous run's output is on disk before the clock starts
  start=$(date +%s%N)
  "$@"
  end=$(date +%s%N)
  echo "scale=3; ($end - $start) / 1000000000" | bc
}
run_qstrip() { "$qstrip" 34 "$work/in" "$work/out-qstrip"; }
run_tr() { tr -d '"' < "$work/in" > "$work/out-tr"; }

cat "$work/in" > /dev/null  # into the page cache before the first timing
q_times=(); t_times=()
for ((i = 1; i <= runs; i++)); do
  # Alternate who goes first, so neither always meets the other's after-effects.
  if ((i % 2)); then q=$(elapsed run_qstrip); t=$(elapsed run_tr)
  else t=$(elapsed run_tr); q=$(elapsed run_qstrip); fi
  q_times+=("$q"); t_times+=("$t")
  printf 'run %d: qstrip %6.3f s   tr %6.3f s\n' "$i" "$q" "$t"
done

cmp -s "$work/out-qstrip" "$work/out-tr" || { echo "qstrip and tr disagree on the output" >&2; exit 1; }

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
qm=$(median "${q_times[@]}"); tm=$(median "${t_times[@]}")
ratio=$(echo "scale=3; $qm / $tm" | bc)
printf 'input %d bytes, %d runs each\n' "$(stat -c %s "$work/in")" "$runs"
printf 'median qstrip %.3f s, median tr %.3f s, ratio qstrip/tr %.3f\n' "$qm" "$tm" "$ratio"
if (( $(echo "$qm > $tm" | bc) )); then
  echo "qstrip is slower than tr" >&2
  exit 1
fi
