#!/usr/bin/env bash
# Builds the fuzzing harnesses of fuzz/ with clang, libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer, and runs each for the given time.
#
#   ./fuzz.sh [seconds per harness, default 60] [harness ...]
#
# Builds in build-fuzz/. Each harness starts from its seeds in fuzz/corpus/
# (never written to) and keeps what it finds new in
# build-fuzz/fuzz-output/<harness>/corpus/; a finding (crash, failed property,
# sanitizer report, timeout, leak) is saved there as crash-*, timeout-*,
# leak-* or oom-*. Ends with a table of executions, corpus and findings per
# harness, also written to build-fuzz/fuzz-output/summary.txt, and fails when
# any harness had a finding.
set -euo pipefail
cd "$(dirname "$0")"
seconds="${1:-60}"
shift || true
all=(fieldfile_reader fieldfile_writer search_detail cp1252 command_words qstrip_copy qstrip_params)
harnesses=("$@")
[ ${#harnesses[@]} -eq 0 ] && harnesses=("${all[@]}")

./tools/install-deps.sh
# clang with its runtime libraries: libFuzzer and the sanitizers.
runtime_ok() {
  command -v clang++ >/dev/null &&
    [ -f "$(clang++ -print-runtime-dir 2>/dev/null)/libclang_rt.fuzzer-x86_64.a" ]
}
if ! runtime_ok; then
  echo "Installiere: clang libclang-rt-dev"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends clang libclang-rt-dev
  runtime_ok || { echo "libFuzzer fehlt nach der Installation" >&2; exit 1; }
fi

cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DSIPPORA_FUZZ=ON -DSIPPORA_TESTS=OFF -DSIPPORA_BENCH=OFF
cmake --build build-fuzz --target fuzzers -j2

out="$PWD/build-fuzz/fuzz-output"
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen
# The harnesses write their files in a temporary folder: in memory where possible.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
# The seeds by absolute path: the harnesses change their working directory.
# Every sanitizer report ends the run with the input that caused it.
export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

summary=("$(printf '%-18s %12s %10s %8s  %s' harness executions exec/s corpus findings)")
failed=0
for h in "${harnesses[@]}"; do
  dir="$out/$h"
  mkdir -p "$dir/corpus"
  log="$dir/fuzz.log"
  echo "== $h: ${seconds}s"
  set +e
  "build-fuzz/fuzz/fuzz_$h" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
    -artifact_prefix="$dir/" "$dir/corpus" "$PWD/fuzz/corpus/$h" >"$log" 2>&1
  rc=$?
  set -e
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  corpus=$(find "$dir/corpus" "fuzz/corpus/$h" -type f | wc -l)
  findings=$(find "$dir" -maxdepth 1 -type f \( -name 'crash-*' -o -name 'timeout-*' -o -name 'leak-*' \
    -o -name 'oom-*' -o -name 'slow-unit-*' \) | wc -l)
  what="none"
  if [ "$rc" -ne 0 ] || [ "$findings" -ne 0 ]; then
    failed=1
    what="$findings (exit $rc): $(find "$dir" -maxdepth 1 -type f \( -name 'crash-*' -o -name 'timeout-*' \
      -o -name 'leak-*' -o -name 'oom-*' -o -name 'slow-unit-*' \) -printf '%f ' ) see $log"
  fi
  line=$(printf '%-18s %12s %10s %8s  %s' "$h" "${execs:-?}" "${rate:-?}" "$corpus" "$what")
  echo "$line"
  summary+=("$line")
done

echo
printf '%s\n' "${summary[@]}" | tee "$out/summary.txt"
exit "$failed"
