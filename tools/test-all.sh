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

all_stages=(dev asan memcheck)
stages=("${@:-${all_stages[@]}}")
for name in "${stages[@]}"; do "run_$name"; done
stage "all passed"
