#include "ratio_table.h"

#include <cstdio>

namespace veltra::bench {
namespace {

std::string formatTime(double seconds) {
  char text[32];
  if (seconds < 1e-6) {
    std::snprintf(text, sizeof text, "%.1f ns", seconds * 1e9);
  } else if (seconds < 1e-3) {
    std::snprintf(text, sizeof text, "%.2f us", seconds * 1e6);
  } else {
    std::snprintf(text, sizeof text, "%.2f ms", seconds * 1e3);
  }
  return text;
}

std::string formatHeap(double blocks, double bytes) {
  char text[48];
  std::snprintf(text, sizeof text, "%.0f / %.0f B", blocks, bytes);
  return text;
}

}  // namespace

void RatioTable::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.error_occurred) continue;
    const bool fastest = run.run_type == Run::RT_Aggregate && run.aggregate_name == "min";
    if (run.run_type == Run::RT_Aggregate && !fastest) continue;

    Result& result = results_[Key(run.run_name.function_name, static_cast<long>(run.threads))];
    if (result.fromFastest && !fastest) continue;
    const double perCall = run.threads > 1 ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime();
    result.seconds = perCall / benchmark::GetTimeUnitMultiplier(run.time_unit);
    const auto counter = [&run](const char* name) {
      const auto found = run.counters.find(name);
      return found == run.counters.end() ? 0.0 : found->second.value;
    };
    result.blocks = counter("blocks/call");
    result.bytes = counter("bytes/call");
    result.fromFastest = fastest;
  }
}

const RatioTable::Result* RatioTable::find(const std::string& name, long threads) const {
  const auto found = results_.find(Key(name, threads));
  return found == results_.end() ? nullptr : &found->second;
}

void RatioTable::print(std::ostream& out) const {
  char line[256];
  std::snprintf(line, sizeof line, "\n%-44s %3s %11s %11s %7s  %-17s %-17s %s\n",
                "Entry point (time per call)", "thr", "module", "floor", "ratio", "module blocks/B",
                "floor blocks/B", "target");
  out << line;
  for (const long threads : {1L, 2L}) {
    for (const TableRow& row : rows_) {
      const Result* module = find(row.id + "/module", threads);
      const Result* floor = find(row.id + "/floor", threads);
      const Result* alone = find(row.id + "/alone", threads);
      if (alone != nullptr) {
        std::snprintf(line, sizeof line, "%-44s %3ld %11s %11s %7s  %-17s\n", row.label.c_str(),
                      threads, formatTime(alone->seconds).c_str(), "", "",
                      formatHeap(alone->blocks, alone->bytes).c_str());
        out << line;
        continue;
      }
      if (module == nullptr || floor == nullptr) continue;

      const double ratio = module->seconds / floor->seconds;
      std::string verdict;
      if (row.targetRatio > 0 && threads == 1) {
        char target[32];
        std::snprintf(target, sizeof target, "%s <= %.1fx",
                      ratio <= row.targetRatio ? "met" : "MISSED", row.targetRatio);
        verdict = target;
      }
      std::snprintf(line, sizeof line, "%-44s %3ld %11s %11s %6.2fx  %-17s %-17s %s\n",
                    row.label.c_str(), threads, formatTime(module->seconds).c_str(),
                    formatTime(floor->seconds).c_str(), ratio,
                    formatHeap(module->blocks, module->bytes).c_str(),
                    formatHeap(floor->blocks, floor->bytes).c_str(), verdict.c_str());
      out << line;
    }
  }
  out << "\nOne thread: CPU time of the calling thread. Two threads calling at once: wall time "
         "per\n"
         "call of both together. Each time is the fastest of the repetitions, since other work on\n"
         "the machine only ever adds time; heap is what each call allocates, in blocks and\n"
         "requested bytes, whoever allocates it.\n";
#if !defined(NDEBUG)
  out << "This program is not an optimised build: its figures say nothing about the module's "
         "speed.\n";
#endif
}

}  // namespace veltra::bench
