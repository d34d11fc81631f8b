// Prints the benchmarks as Google Benchmark does and, at the end, one table: each entry point's
// time per call beside its floor's, their ratio, and the heap blocks and bytes each takes per call.
//
// Times come from the fastest of the repetitions (or the one run, without repetitions). With one
// thread a time is the calling thread's CPU time per call; with two threads calling at once it is
// the wall time per call of both together, which is what the lock lets through.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace veltra::bench {

// One line of the table: the benchmarks named "<id>/module" and "<id>/floor" (or "<id>/alone" for
// a line without a floor).
struct TableRow {
  std::string id;
  std::string label;
  double targetRatio;  // the most the module may cost against its floor; 0 for no target
};

class RatioTable : public benchmark::ConsoleReporter {
 public:
  RatioTable(std::vector<TableRow> rows, OutputOptions options)
      : ConsoleReporter(options), rows_(std::move(rows)) {}

  void ReportRuns(const std::vector<Run>& runs) override;

  // Prints the table; a line that misses its target says so.
  void print(std::ostream& out) const;

 private:
  struct Result {
    double seconds = 0;
    double blocks = 0;
    double bytes = 0;
    bool fromFastest = false;
  };
  using Key = std::pair<std::string, long>;  // benchmark name, threads

  const Result* find(const std::string& name, long threads) const;

  std::vector<TableRow> rows_;
  std::map<Key, Result> results_;
};

}  // namespace veltra::bench
