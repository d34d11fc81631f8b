#!/usr/bin/env bash
# Builds every configuration and runs every suite: what CI runs, and what a developer runs
# before pushing. Needs the packages of tools/setup-debian.sh.
#   tools/test-all.sh            every stage
#   tools/test-all.sh asan wine  only the named stages
set -euo pipefail
cd "$(dirname "$0")/.."

started=$SECONDS
stage() { printf '\n==== %s (%ds)\n' "$*" $((SECONDS - started)); }

memcheck() {
  valgrind --quiet --error-exitcode=1 --suppressions=tools/valgrind.supp \
    --leak-check=full --errors-for-leak-kinds=definite,indirect \
    --show-leak-kinds=definite,indirect --track-fds=no "$@"
}

run_dev() {
  stage "Linux build and tests"
  cmake --workflow --preset dev
}

run_asan() {
  stage "Linux tests under AddressSanitizer and UndefinedBehaviorSanitizer"
  cmake --workflow --preset asan
}

run_memcheck() {
  stage "Linux tests under valgrind memcheck"
  cmake --preset dev >/dev/null && cmake --build --preset dev
  memcheck build/dev/bin/veltra_host_tests --gtest_brief=1
  memcheck build/dev/bin/veltra_unit_tests --gtest_brief=1
  VELTRA_CIM_REPOSITORY="$PWD/examples/ups.mof" memcheck build/dev/bin/veltra-probe >/dev/null
}

run_wine() {
  stage "Windows DLLs (x64 and 32-bit x86, mingw-w64), tests under Wine"
  local wine_run=cmake/toolchains/wine-run.sh
  export WINEPREFIX="$PWD/build/wine-prefix" WINEDEBUG=-all
  trap '"$PWD/cmake/toolchains/wine-run.sh" --stop' EXIT
  "$wine_run" --prepare  # a quiet prefix inside build/, made once, before any key is written
  for preset in win64 win32; do
    cmake --preset "$preset" >/dev/null
    if [ "$preset" = win32 ] && ! "$wine_run" --can-run-32bit; then
      echo "note: this Linux kernel cannot run 32-bit code, so Wine cannot run the 32-bit tests" \
        "here; building what ships and checking the 32-bit DLLs' tables only"
      cmake --build --preset win32 -j 2 --target veltra veltra-probe kaldor32
      ctest --preset win32 --timeout 300 -R '_exports'
      continue
    fi
    cmake --build --preset "$preset" -j 2
    ctest --preset "$preset" --timeout 300 -j 2
  done
  "$wine_run" --stop
}

run_tsan() {
  stage "Concurrency suite under ThreadSanitizer"
  cmake --workflow --preset tsan
}

# Each libFuzzer target runs from a fresh copy of its committed corpus for FUZZ_SECONDS (60 by
# default); an input that fails is kept in build/fuzz/artifacts/.
run_fuzz() {
  stage "libFuzzer targets under AddressSanitizer and UndefinedBehaviorSanitizer"
  cmake --workflow --preset fuzz
  local seconds=${FUZZ_SECONDS:-60} target work log
  mkdir -p build/fuzz/artifacts
  for target in mof_repository query_path host_text; do
    work="build/fuzz/corpus/$target" log="build/fuzz/$target.log"
    rm -rf "$work" && mkdir -p "$work" && cp fuzz/corpus/"$target"/* "$work"/
    if ! build/fuzz/bin/"$target"_fuzz -max_total_time="$seconds" -timeout=10 \
      -artifact_prefix=build/fuzz/artifacts/ "$work" >"$log" 2>&1; then
      tail -n 40 "$log"
      echo "fuzz: $target failed; its input is in build/fuzz/artifacts/" >&2
      return 1
    fi
    echo "$target: $(grep -E '^Done [0-9]+ runs' "$log"), corpus $(ls "$work" | wc -l) inputs"
  done
}

run_soak() {
  stage "Leak soak: 10,000 protocol cycles under AddressSanitizer and LeakSanitizer"
  cmake --preset asan >/dev/null && cmake --build --preset asan -j 2 --target veltra_soak
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 build/asan/bin/veltra_soak --cycles 10000
}

all_stages=(dev asan memcheck wine tsan fuzz soak)
stages=("${@:-${all_stages[@]}}")
for name in "${stages[@]}"; do "run_$name"; done
stage "all passed"
