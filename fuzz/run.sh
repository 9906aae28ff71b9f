#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build/fuzz and runs each one.
#
#   fuzz/run.sh --ci       the run CI makes: each target from a fixed seed for
#                          a fixed number of executions, over the seeds and the
#                          committed regression inputs only, so that the
#                          outcome depends on the code alone
#   fuzz/run.sh SECONDS    exploratory fuzzing on a developer's machine: each
#                          target for SECONDS seconds (default 30) from a new
#                          random seed, its corpus kept and grown in
#                          build/fuzz/corpus/<target>
#
# The seeds are the bundled catalogues, documents written by fuzz_seeds and the
# sample documents of examples/; fuzz/regressions/<target>/ holds every input
# a fuzzer once failed on, and each run starts by executing them.
#
# Exits non-zero when any target finds a crash, a leak, undefined behaviour,
# an input slower than 10 s or a failed check; the input that did it is left
# in build/fuzz/artifacts/ and the end of the target's log is printed. Once
# mended, copy that input into fuzz/regressions/<target>/.
# The targets write their files into a temporary folder of their own (in
# memory when /dev/shm is there), never into the working folder.
set -uo pipefail
mode=explore
seconds=30
case "${1:-}" in
  --ci) mode=ci ;;
  "") ;;
  *) seconds=$1 ;;
esac
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
"$build/fuzz/fuzz_seeds" "$seeds" "$top/examples" || exit 1

# Executions of each target in a CI run: about 30 s each on a 2-core machine.
ci_runs() {
  case $1 in
    profile) echo 4000 ;;
    fields) echo 400000 ;;
    document) echo 600 ;;
    reader) echo 4000 ;;
    device_file) echo 8000 ;;
    device_list) echo 600 ;;
  esac
}

status=0
summary=""
for target in profile fields document reader device_file device_list; do
  regressions=$top/fuzz/regressions/$target
  mkdir -p "$build/artifacts" "$scratch/empty"
  [ -d "$regressions" ] || regressions=$scratch/empty
  if [ "$mode" = ci ]; then
    # A new, empty folder takes what the run finds, so nothing carries over.
    # Comparisons are not fed back into the mutations: they include heap
    # addresses, which differ from run to run.
    corpus=$scratch/corpus-$target
    limits=(-seed=1 -runs="$(ci_runs "$target")" -reload=0 -use_cmp=0)
    what="seed 1, $(ci_runs "$target") runs"
  else
    corpus=$build/corpus/$target
    limits=(-max_total_time="$seconds")
    what="$seconds s"
  fi
  mkdir -p "$corpus"
  log=$build/fuzz_$target.log
  echo "=== fuzz_$target, $what ==="
  (cd "$scratch" && "$build/fuzz/fuzz_$target" "${limits[@]}" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$target-" "$corpus" "$seeds/$target" "$regressions") >"$log" 2>&1
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
