#include "entry_point_benchmarks.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench_session.h"
#include "cim_exchange.h"
#include "heap_counter.h"

namespace veltra::bench {
namespace {

using Call = void (*)();

// Runs `call` for as long as the benchmark asks and reports the heap it took per call.
void measure(benchmark::State& state, Call call) {
  const HeapUse before = heapUseOfThisThread();
  for (auto _ : state)
    call();
  const HeapUse used = heapUseOfThisThread() - before;
  state.counters["blocks/call"] =
      benchmark::Counter(static_cast<double>(used.blocks), benchmark::Counter::kAvgIterations);
  state.counters["bytes/call"] =
      benchmark::Counter(static_cast<double>(used.bytes), benchmark::Counter::kAvgIterations);
}

void prepareModule(const benchmark::State&) {
  if (session().prepare()) return;
  std::fputs("veltra-bench: the module did not initialise again\n", stderr);
  std::abort();
}

const host::VeltraModule& module() {
  return session().module();
}

struct Pair {
  const char* id;
  const char* label;
  Call moduleCall;
  Call floorCall;
  bool contended;      // also run with two threads calling at once
  double targetRatio;  // 0: no target
};

// The records go back to the module as each Record is dropped, at the end of the statement.
const Pair kPairs[] = {
    {"GetNodeList", "GetNodeList + FreeNodeList",
     [] { module().GetNodeList(session().rootPath()); }, [] { session().floors().nodeList(); },
     true, 1.5},
    {"NodeConnect", "NodeConnect by key",
     [] {
       veltra_handle handle = -1;
       std::uint8_t type = 0;
       benchmark::DoNotOptimize(module().NodeConnect(session().nodePath(), &handle, &type));
     },
     [] { session().floors().nodeConnect(); }, false, 0},
    {"GetNodeAttributes", "GetNodeAttributes + FreeNodeAttributes",
     [] { module().GetNodeAttributes(session().connected()); },
     [] { session().floors().nodeAttributes(); }, true, 1.5},
    {"NodeGetValue.inactive", "NodeGetValue + NodeFreeValue, inactive node",
     [] { module().NodeGetValue(session().disconnected()); },
     [] { session().floors().valueRecord(); }, true, 1.5},
    {"NodeGetValue.unknown", "NodeGetValue + NodeFreeValue, unknown handle",
     [] { module().NodeGetValue(BenchSession::kUnknownHandle); },
     [] { session().floors().valueRecord(); }, false, 1.5},
    {"NodeGetValue.connected", "NodeGetValue + NodeFreeValue, read from MOF",
     [] { module().NodeGetValue(session().connected()); },
     [] { session().floors().valueReading(BenchSession::kConnectedProperty); }, true, 0},
    {"NodePulse", "NodePulse",
     [] { benchmark::DoNotOptimize(module().NodePulse(session().connected(), 4000)); },
     [] { session().floors().pulse(); }, true, 1.5},
    {"InitNodes+TermNodes", "InitNodes + TermNodes",
     [] {
       module().InitNodes();
       module().TermNodes();
     },
     [] { session().floors().initAndTerm(); }, false, 0},
};

// The fastest repetition: other work on the machine only ever adds time to a run.
double fastest(const std::vector<double>& times) {
  return *std::min_element(times.begin(), times.end());
}

benchmark::internal::Benchmark* registerCall(const std::string& name, Call call) {
  return benchmark::RegisterBenchmark(name.c_str(),
                                      [call](benchmark::State& state) { measure(state, call); })
      ->ComputeStatistics("min", fastest);
}

void registerPair(const Pair& pair, int threads) {
  benchmark::internal::Benchmark* const onModule =
      registerCall(std::string(pair.id) + "/module", pair.moduleCall)->Setup(prepareModule);
  benchmark::internal::Benchmark* const onFloor =
      registerCall(std::string(pair.id) + "/floor", pair.floorCall);
  if (threads > 1) {
    onModule->Threads(threads)->UseRealTime();
    onFloor->Threads(threads)->UseRealTime();
  }
}

}  // namespace

std::vector<TableRow> registerEntryPointBenchmarks() {
  std::vector<TableRow> rows;
  for (const Pair& pair : kPairs) {
    registerPair(pair, 1);
    rows.push_back({pair.id, pair.label, pair.targetRatio});
  }
  for (const Pair& pair : kPairs) {
    if (pair.contended) registerPair(pair, 2);
  }

  // What dominates a reading: the stand-in service's own exchange, without the module.
  registerCall("StandInRead/alone", [] {
    double value = 0;
    benchmark::DoNotOptimize(readFromStandInService(BenchSession::kConnectedProperty, value));
  });
  rows.push_back({"StandInRead", "stand-in WMI exchange alone", 0});
  return rows;
}

}  // namespace veltra::bench
