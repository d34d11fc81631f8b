#!/usr/bin/env bash
# Builds the module and veltra-bench optimised (the release preset) and runs every entry point
# against its floor, ending with the ratio table. Options go to Google Benchmark, for example
#   tools/bench.sh --benchmark_filter='NodePulse|GetNodeList'
#   tools/bench.sh --benchmark_repetitions=15
# Needs libbenchmark-dev (tools/setup-debian.sh installs it).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset release >/dev/null
cmake --build --preset release -j2 --target veltra veltra-bench
exec build/release/bin/veltra-bench "$@"
