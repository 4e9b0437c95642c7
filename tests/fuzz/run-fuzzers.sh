#!/usr/bin/env bash
# Runs each fuzz target for a bounded time on a copy of its seed corpus, side by side.
# Fails when any target finds a crash, a hang, a leak or a sanitizer report.
# Usage: run-fuzzers.sh <fuzz build dir> [seconds per target]
set -euo pipefail
build=$(cd "$1" && pwd)
seconds=${2:-30}
here=$(cd "$(dirname "$0")" && pwd)
# Every save syncs its file to disk; a memory file system keeps that from setting the pace.
scratch_root=/dev/shm
[[ -d $scratch_root && -w $scratch_root ]] || scratch_root=${TMPDIR:-/tmp}
work=$(mktemp -d "$scratch_root/zenkara-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:symbolize=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
targets=(ini scores)
pids=()
for t in "${targets[@]}"; do
  mkdir -p "$work/$t/corpus" "$work/$t/artifacts"
  cp "$here/corpus/$t/"* "$work/$t/corpus/"
  # The QTemporaryDir of each target lives under its own scratch directory.
  (cd "$work/$t" && TMPDIR="$work/$t" QT_QPA_PLATFORM=offscreen \
     "$build/${t}_fuzzer" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
     -artifact_prefix="$work/$t/artifacts/" -print_final_stats=1 corpus \
     >"$work/$t/log" 2>&1) &
  pids+=($!)
done

status=0
for i in "${!targets[@]}"; do
  t=${targets[$i]}
  if wait "${pids[$i]}"; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$work/$t/log" | grep -o '[0-9]*$' || echo '?')
    echo "fuzz ${t}: ${runs} executions in ${seconds} s, no findings"
  else
    status=1
    echo "fuzz ${t}: FAILED; the end of its log:"
    tail -n 60 "$work/$t/log"
    # The whole input, so that a finding can be replayed after the work folder is gone:
    #   base64 -d > input.bin, then <fuzzer> input.bin
    for a in "$work/$t/artifacts/"*; do
      [[ -e $a ]] || continue
      echo "input that failed ($(basename "$a"), $(stat -c %s "$a") bytes), base64:"
      base64 "$a"
    done
  fi
done
exit $status
