// Many host threads at once: each calls every entry point in a random mix for a bounded time,
// InitNodes and TermNodes included, against the module loaded by file name as a host loads it.
// Built under ThreadSanitizer (preset tsan) this proves there is no data race and no deadlock;
// in every build it checks that every record is well-formed and every handle the module hands
// out comes from the current generation of nodes or an earlier one, never from nowhere.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "record_checks.h"
#include "repository_file.h"
#include "ups_readings.h"
#include "veltra_module.h"

namespace veltra::testing {
namespace {

using host::Record;
using host::VeltraModule;

constexpr int kThreads = 4;
constexpr veltra_handle kFirstHandle = 100;
constexpr veltra_handle kNodeCount = 12;

// How long the threads run: VELTRA_CONCURRENCY_SECONDS, 3 by default.
std::chrono::seconds runTime() {
  const char* value = std::getenv("VELTRA_CONCURRENCY_SECONDS");
  return std::chrono::seconds(value != nullptr ? std::atoi(value) : 3);
}

enum Call {
  kInit,
  kTerm,
  kList,
  kConnect,
  kDisconnect,
  kAttributes,
  kValue,
  kPulse,
  kFreeNull,
  kCallCount,
};
const char* const kCallNames[kCallCount] = {
    "InitNodes",    "TermNodes",      "GetNodeList",
    "NodeConnect",  "NodeDisconnect", "GetNodeAttributes",
    "NodeGetValue", "NodePulse",      "free functions with null"};
// Out of 100: re-initialising and terminating are rare, as in a host, but happen throughout.
const int kWeights[kCallCount] = {1, 1, 8, 20, 8, 12, 30, 18, 2};

class Mix {
 public:
  explicit Mix(const VeltraModule& module) : module_(module) {}

  void run(unsigned seed, std::chrono::steady_clock::time_point end) {
    std::mt19937 random(seed);
    std::vector<veltra_handle> known;  // handles this thread was given, old ones included
    while (std::chrono::steady_clock::now() < end) {
      const Call call = pick(random);
      ++counts_[call];
      switch (call) {
        case kInit:
          generations_.fetch_add(1);
          check(module_.InitNodes() == 1, "InitNodes did not answer 1");
          break;
        case kTerm:
          check(module_.TermNodes() == 1, "TermNodes did not answer 1");
          break;
        case kList:
          list();
          break;
        case kConnect:
          connect(random, known);
          break;
        case kDisconnect:
          check(module_.NodeDisconnect(anyHandle(random, known)) == 1, "NodeDisconnect not 1");
          break;
        case kAttributes:
          attributes(anyHandle(random, known));
          break;
        case kValue:
          value(anyHandle(random, known));
          break;
        case kPulse: {
          const std::int32_t next = module_.NodePulse(anyHandle(random, known), 4000);
          check(next == VELTRA_PULSE_ACTIVE_MS || next == VELTRA_PULSE_IDLE_MS, "pulse");
          break;
        }
        case kFreeNull:
          module_.FreeNodeList(nullptr);
          module_.FreeNodeAttributes(nullptr);
          module_.NodeFreeValue(nullptr);
          break;
        case kCallCount:
          break;
      }
    }
  }

  void countInit() { generations_.fetch_add(1); }

  std::vector<std::string> problems() const {
    const std::lock_guard<std::mutex> lock(problemsMutex_);
    return problems_;
  }
  unsigned long problemCount() const { return problemCount_.load(); }
  unsigned long count(Call call) const { return counts_[call].load(); }
  unsigned long readings() const { return readings_.load(); }

 private:
  static Call pick(std::mt19937& random) {
    int roll = std::uniform_int_distribution<int>(0, 99)(random);
    for (int call = 0; call < kCallCount; ++call) {
      if (roll < kWeights[call]) return static_cast<Call>(call);
      roll -= kWeights[call];
    }
    return kPulse;
  }

  // The highest handle any InitNodes begun so far can have handed out, plus one.
  veltra_handle handleLimit() const { return kFirstHandle + kNodeCount * generations_.load(); }

  veltra_handle anyHandle(std::mt19937& random, const std::vector<veltra_handle>& known) const {
    const int kind = std::uniform_int_distribution<int>(0, 9)(random);
    if (kind < 6 && !known.empty()) {
      return known[std::uniform_int_distribution<std::size_t>(0, known.size() - 1)(random)];
    }
    if (kind < 9) return std::uniform_int_distribution<veltra_handle>(99, handleLimit())(random);
    const veltra_handle odd[] = {-1, 0, INT32_MIN, INT32_MAX};
    return odd[std::uniform_int_distribution<int>(0, 3)(random)];
  }

  void check(bool condition, const std::string& problem) {
    if (condition) return;
    if (problemCount_.fetch_add(1) >= 10) return;
    const std::lock_guard<std::mutex> lock(problemsMutex_);
    problems_.push_back(problem);
  }

  void list() {
    const Record list = module_.GetNodeList(host::queryPath("VELTRA").data());
    if (!list) return;  // between TermNodes and InitNodes
    const std::string problems = nodeListProblems(list.get());
    check(problems.empty(), "node list: " + problems);
    if (!problems.empty()) return;
    const std::vector<host::ListedNode> nodes = host::listedNodes(list.get());
    bool expected = nodes.size() == kNodes.size();
    for (std::size_t i = 0; expected && i < nodes.size(); ++i) {
      expected = nodes[i].key == kNodes[i].key && nodes[i].displayName == kNodes[i].displayName;
    }
    check(expected, "node list does not carry the twelve nodes");
  }

  void connect(std::mt19937& random, std::vector<veltra_handle>& known) {
    const auto slot = std::uniform_int_distribution<veltra_handle>(0, kNodeCount - 1)(random);
    veltra_handle handle = -7;
    std::uint8_t type = 0xEE;
    const std::int32_t connected =
        module_.NodeConnect(host::queryPath("VELTRA", kNodes[slot].key).data(), &handle, &type);
    if (connected == 0) {
      check(handle == -1 && type == 0, "a failed connect wrote a handle or a type");
      return;
    }
    check(connected == 1 && type == VELTRA_TYPE_DOUBLE, "connect answer or type");
    check(handle >= kFirstHandle && handle < handleLimit() &&
              (handle - kFirstHandle) % kNodeCount == slot,
          "handle " + std::to_string(handle) + " for slot " + std::to_string(slot) +
              " is from no generation so far");
    known.push_back(handle);
    if (known.size() > 64) known.erase(known.begin());
  }

  void attributes(veltra_handle handle) {
    const Record record = module_.GetNodeAttributes(handle);
    if (!record) return;
    const std::vector<unsigned char> expected = attributesRecord(8, 8);
    check(std::equal(expected.begin(), expected.end(), record.get()),
          "attributes record of " + std::to_string(handle));
  }

  void value(veltra_handle handle) {
    const Record record = module_.NodeGetValue(handle);
    if (!record) return;  // no list
    const std::string problems = valueProblems(record.get());
    check(problems.empty(), "value record: " + problems);
    if (veltra_value_status(record.get()) != VELTRA_STATUS_OK) return;
    ++readings_;
    const bool known = handle >= kFirstHandle && handle < handleLimit();
    check(
        known && veltra_value_double(record.get()) ==
                     kNodes[static_cast<std::size_t>((handle - kFirstHandle) % kNodeCount)].reading,
        "the value of " + std::to_string(handle) + " is not its node's reading");
  }

  const VeltraModule& module_;
  std::atomic<int> generations_{0};
  std::array<std::atomic<unsigned long>, kCallCount> counts_{};
  std::atomic<unsigned long> readings_{0};  // values read from WMI
  std::atomic<unsigned long> problemCount_{0};
  mutable std::mutex problemsMutex_;
  std::vector<std::string> problems_;
};

TEST(Concurrency, HostThreadsCallEveryEntryPointAtOnce) {
  const RepositoryFile repository(upsReadingsRepository());
  std::string error;
  const std::unique_ptr<VeltraModule> module =
      VeltraModule::load(VeltraModule::defaultPath(), error);
  ASSERT_NE(module, nullptr) << error;

  Mix mix(*module);
  mix.countInit();
  ASSERT_EQ(module->InitNodes(), 1);
  const auto end = std::chrono::steady_clock::now() + runTime();
  std::vector<std::thread> threads;
  for (unsigned seed = 1; seed <= kThreads; ++seed)
    threads.emplace_back([&mix, seed, end] { mix.run(seed, end); });
  for (std::thread& thread : threads)
    thread.join();
  EXPECT_EQ(module->TermNodes(), 1);

  EXPECT_EQ(mix.problemCount(), 0u);
  for (const std::string& problem : mix.problems())
    ADD_FAILURE() << problem;
  unsigned long total = 0;
  std::cout << "concurrency: " << kThreads << " threads, ";
  for (int call = 0; call < kCallCount; ++call) {
    total += mix.count(static_cast<Call>(call));
    std::cout << kCallNames[call] << " " << mix.count(static_cast<Call>(call))
              << (call + 1 < kCallCount ? ", " : "");
  }
  std::cout << "; " << total << " calls, " << mix.readings() << " values read\n";
  EXPECT_GT(mix.count(kInit), 0u);
  EXPECT_GT(mix.count(kTerm), 0u);
}

}  // namespace
}  // namespace veltra::testing
