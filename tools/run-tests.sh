#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite three ways:
# the plain build, the fuzz targets of the file readers for a bounded time, and the same
# suite built with AddressSanitizer and UndefinedBehaviorSanitizer (leaks included), whose
# CTest summary closes the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
asan_build="$root/build-asan"
fuzz_build="$root/build-fuzz"
jobs=$(nproc)
fuzz_seconds=${ZENKARA_FUZZ_SECONDS:-30}
started=$SECONDS

step() { echo "=== $* ($((SECONDS - started)) s)"; }

bash "$root/tools/setup-debian.sh" test

step "plain build and tests"
# Tests and benchmarks switched on again: play.sh and package.sh build the game alone in the same folder.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENKARA_BUILD_TESTS=ON -DZENKARA_BUILD_BENCH=ON
cmake --build "$build" -j"$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j"$jobs"

step "fuzz targets"
CC=clang CXX=clang++ cmake -S "$root" -B "$fuzz_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENKARA_FUZZ=ON \
  -DZENKARA_BUILD_TESTS=OFF -DZENKARA_BUILD_BENCH=OFF
cmake --build "$fuzz_build" -j"$jobs" --target ini_fuzzer scores_fuzzer
bash "$root/tests/fuzz/run-fuzzers.sh" "$fuzz_build" "$fuzz_seconds"

step "sanitizer build and tests"
# The environment is set before building too: test discovery runs the test binaries.
source "$root/tests/sanitizers/environment.sh"
cmake -S "$root" -B "$asan_build" -DZENKARA_SANITIZE=ON -DZENKARA_BUILD_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g"
cmake --build "$asan_build" -j"$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$asan_build" --output-on-failure -j"$jobs"
