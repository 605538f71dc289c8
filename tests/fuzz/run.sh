#!/usr/bin/env bash
# Builds the libFuzzer targets (clang with ASan and UBSan) in a build folder
# of their own and runs each for a short, bounded time on its seed corpus.
#
#   tests/fuzz/run.sh                     every target, 20 s each
#   FUZZ_SECONDS=3600 tests/fuzz/run.sh   longer
#   tests/fuzz/run.sh save                only fuzz_save
#   FUZZ_JOBS=1 tests/fuzz/run.sh         one target at a time (default: one
#                                         a core)
#
# Inputs found on the way collect in <build>/fuzz-work/<name>/corpus; a
# failing input is left in <build>/fuzz-work/<name>/artifacts, the target's
# output in <build>/fuzz-work/<name>/log.txt.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${TQ_FUZZ_BUILD_DIR:-$root/build-fuzz}
seconds=${FUZZ_SECONDS:-20}

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTQ_BUILD_FUZZ=ON -DTQ_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target tq_fuzz -j"$(nproc)"

# Each target is one process on one core: as many run at once as there are
# cores, each for its full time, and each one's output is shown when it ends.
jobs=${FUZZ_JOBS:-$(nproc)}
run_target() {
  local target=$1 name=$2
  local work="$build/fuzz-work/$name"
  mkdir -p "$work/corpus" "$work/artifacts"
  local seeds="$root/tests/fuzz/corpus/$name"
  [ -d "$seeds" ] || seeds=""
  # The targets log to standard error; close_fd_mask keeps libFuzzer's own
  # report and any sanitizer finding visible while hiding that noise.
  if (cd "$work" && ASAN_OPTIONS=detect_leaks=1 "$target" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -close_fd_mask=3 -print_final_stats=0 -artifact_prefix="$work/artifacts/" \
      "$work/corpus" $seeds) >"$work/log.txt" 2>&1; then
    echo "fuzz_$name: ${seconds} s, $(grep -o 'Done [0-9]* runs' "$work/log.txt" | tail -n 1 || true)"
  else
    cat "$work/log.txt" >&2
    echo "fuzz_$name: FAILED; the input is in $work/artifacts" >&2
    return 1
  fi
}

status=0
running=0
for target in "$build"/fuzz/fuzz_*; do
  name=$(basename "$target")
  name=${name#fuzz_}
  if [ $# -gt 0 ] && [[ " $* " != *" $name "* ]]; then
    continue
  fi
  if [ $running -ge "$jobs" ]; then
    wait -n || status=1
    running=$((running - 1))
  fi
  run_target "$target" "$name" &
  running=$((running + 1))
done
while [ $running -gt 0 ]; do
  wait -n || status=1
  running=$((running - 1))
done
exit $status
