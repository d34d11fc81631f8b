// veltra-bench: each entry point of the module, loaded as a host loads it, against its floor, and
// a table of the ratios. Google Benchmark's own options apply; tools/bench.sh builds and runs it.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "bench_session.h"
#include "entry_point_benchmarks.h"
#include "ratio_table.h"

int main(int argc, char** argv) {
  using namespace veltra::bench;

  // Defaults for a shared, busy machine: repeated runs, interleaved at random so that the module
  // and its floor meet the same load; the table takes the fastest of each. Options given on the
  // command line come later and win.
  std::vector<char*> args{argv[0]};
  char repetitions[] = "--benchmark_repetitions=7";
  char interleave[] = "--benchmark_enable_random_interleaving=true";
  char aggregatesOnly[] = "--benchmark_report_aggregates_only=true";
  char minTime[] = "--benchmark_min_time=0.05";
  args.insert(args.end(), {repetitions, interleave, aggregatesOnly, minTime});
  args.insert(args.end(), argv + 1, argv + argc);
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;

  std::string error;
  std::unique_ptr<BenchSession> opened = BenchSession::open(error);
  if (!opened) {
    std::fprintf(stderr, "veltra-bench: %s\n", error.c_str());
    return 2;
  }
  setSession(std::move(opened));

  const bool terminal = isatty(STDOUT_FILENO) == 1;
  RatioTable table(registerEntryPointBenchmarks(),
                   terminal ? RatioTable::OO_ColorTabular : RatioTable::OO_Tabular);
  benchmark::RunSpecifiedBenchmarks(&table);
  table.print(std::cout);
  benchmark::Shutdown();
  setSession(nullptr);
  return 0;
}
