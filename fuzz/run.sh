#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build/fuzz and runs each one for
# SECONDS seconds (default 30), one after the other, on a corpus kept in
# build/fuzz/corpus/<target> and seeded from the bundled catalogues, documents
# written by fuzz_seeds and the sample documents of examples/ when present.
#
# Exits non-zero when any target finds a crash, a leak, undefined behaviour,
# an input slower than 10 s or a failed check; the input that did it is left
# in build/fuzz/artifacts/ and the end of the target's log is printed.
# The targets write their files into a temporary folder of their own (in
# memory when /dev/shm is there), never into the working folder.
set -uo pipefail
seconds=${1:-30}
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

bash scripts/setup.sh || exit 1

build=$top/build/fuzz
jobs=$(nproc 2>/dev/null || echo 2)
echo "=== fuzz build ==="
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++-14 -DFERROLUX_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || exit 1
cmake --build "$build" -j "$jobs" || exit 1

scratch=$(mktemp -d /dev/shm/ferrolux-fuzz-XXXXXX 2>/dev/null || mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export TMPDIR=$scratch
export HARVEX_DATA_ROOT=$top/data
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

seeds=$build/seeds
rm -rf "$seeds"
examples=$top/examples
"$build/fuzz/fuzz_seeds" "$seeds" "$examples" || exit 1

status=0
summary=""
cd "$scratch" || exit 1
for target in profile fields document reader device_file; do
  corpus=$build/corpus/$target
  log=$build/fuzz_$target.log
  mkdir -p "$corpus" "$build/artifacts"
  echo "=== fuzz_$target, $seconds s ==="
  "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$target-" "$corpus" "$seeds/$target" >"$log" 2>&1
  rc=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  if [ "$rc" -eq 0 ]; then
    summary+=$(printf '%-12s %10s runs  ok' "$target" "${runs:-?}")$'\n'
  else
    status=1
    summary+=$(printf '%-12s %10s runs  FAILED (exit %s, log %s)' "$target" "${runs:-?}" "$rc" "$log")$'\n'
    tail -n 60 "$log"
  fi
done

echo "=== fuzzing summary ==="
printf '%s' "$summary"
exit $status
