// The leak soak: many cycles of the whole host protocol against the module loaded by file name
// (InitNodes, GetNodeList, NodeConnect of every node, NodeGetValue of every node,
// NodeDisconnect, TermNodes), every answer checked. The bytes the process has allocated are
// taken after the first cycle and again after the last: any difference is memory the module
// lost. Under LeakSanitizer (the asan build) a leak check at the end is the second line.
//
//   veltra_soak [--cycles N]     10,000 cycles by default; exit status 0 only with no error and
//                                no byte lost
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "record_checks.h"
#include "repository_file.h"
#include "ups_readings.h"
#include "veltra_module.h"

#if defined(__SANITIZE_ADDRESS__)
#define VELTRA_SOAK_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELTRA_SOAK_ASAN 1
#endif
#endif

#if defined(VELTRA_SOAK_ASAN)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
extern "C" int __lsan_do_recoverable_leak_check();
#else
#include <malloc.h>
#endif

namespace veltra::testing {
namespace {

using host::Record;
using host::VeltraModule;

long long allocatedBytes() {
#if defined(VELTRA_SOAK_ASAN)
  return static_cast<long long>(__sanitizer_get_current_allocated_bytes());
#else
  return static_cast<long long>(mallinfo2().uordblks);
#endif
}

class Soak {
 public:
  explicit Soak(const VeltraModule& module) : module_(module) {}

  void cycle() {
    expect(module_.InitNodes() == 1, "InitNodes");
    {
      const Record list = module_.GetNodeList(host::queryPath("VELTRA").data());
      expect(
          list && nodeListProblems(list.get()).empty() && veltra_node_list_count(list.get()) == 12,
          "GetNodeList");
    }
    veltra_handle handles[12];
    for (std::size_t i = 0; i < kNodes.size(); ++i) {
      std::uint8_t type = 0;
      const std::int32_t connected =
          module_.NodeConnect(host::queryPath("VELTRA", kNodes[i].key).data(), &handles[i], &type);
      expect(connected == 1 && type == VELTRA_TYPE_DOUBLE, "NodeConnect");
    }
    for (std::size_t i = 0; i < kNodes.size(); ++i) {
      const Record value = module_.NodeGetValue(handles[i]);
      ++readings_;
      expect(value && valueProblems(value.get()).empty() &&
                 veltra_value_status(value.get()) == VELTRA_STATUS_OK &&
                 veltra_value_double(value.get()) == kNodes[i].reading,
             "NodeGetValue");
    }
    for (const veltra_handle handle : handles)
      expect(module_.NodeDisconnect(handle) == 1, "NodeDisconnect");
    expect(module_.TermNodes() == 1, "TermNodes");
  }

  unsigned long errors() const { return errors_; }
  unsigned long readings() const { return readings_; }

 private:
  void expect(bool condition, const char* call) {
    if (condition) return;
    if (errors_++ < 10) std::fprintf(stderr, "soak: wrong answer from %s\n", call);
  }

  const VeltraModule& module_;
  unsigned long errors_ = 0;
  unsigned long readings_ = 0;
};

int runSoak(long cycles) {
  const RepositoryFile repository(upsReadingsRepository());
  std::string error;
  const std::unique_ptr<VeltraModule> module =
      VeltraModule::load(VeltraModule::defaultPath(), error);
  if (!module) {
    std::fprintf(stderr, "soak: %s\n", error.c_str());
    return 2;
  }

  Soak soak(*module);
  soak.cycle();  // the first cycle may set up what the process keeps for good
  const long long before = allocatedBytes();
  for (long i = 1; i < cycles; ++i)
    soak.cycle();
  const long long lost = allocatedBytes() - before;

  unsigned long errors = soak.errors();
#if defined(VELTRA_SOAK_ASAN)
  if (__lsan_do_recoverable_leak_check() != 0) ++errors;
#endif
  std::printf("soak: %ld cycles, %lu readings, %lld bytes lost, %lu errors\n", cycles,
              soak.readings(), lost, errors);
  return errors == 0 && lost == 0 ? 0 : 1;
}

}  // namespace
}  // namespace veltra::testing

int main(int argc, char** argv) {
  long cycles = 10000;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--cycles") == 0 && i + 1 < argc) {
      cycles = std::strtol(argv[++i], nullptr, 10);
    } else {
      std::fprintf(stderr, "usage: %s [--cycles N]\n", argv[0]);
      return 2;
    }
  }
  if (cycles < 1) cycles = 1;
  return veltra::testing::runSoak(cycles);
}
