// The fault sweep: every fault point of the platform seam fails in turn at its first call, its
// second, and so on, until the whole host protocol runs without reaching it; once failing only
// that call, once failing it and every call after. Each run is checked step by step against the
// model of what the module must answer, then: the lock is free (seen from another thread), a
// fresh InitNodes brings the module back wherever that failure allows it, and after unloading
// every heap block, COM string, object and WMI interface acquired during the run is released.
#include <gtest/gtest.h>

#include <atomic>
#include <bitset>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <string>

#include "catalogue/attribute.h"
#include "cim_service.h"
#include "live_resources.h"
#include "lock_probe.h"
#include "module_model.h"
#include "platform/fault_points.h"
#include "platform/hresult.h"
#include "plugin/library_entry.h"
#include "query_paths.h"
#include "record_checks.h"
#include "repository_file.h"
#include "support/trace.h"
#include "veltra/veltra.h"
#include "veltra_module.h"
#include "wmi/com_setup.h"

namespace veltra::testing {
namespace {

using platform::FaultPoint;
namespace hresult = platform::hresult;

struct SweepPoint {
  const char* name;
  FaultPoint point;
  std::int32_t result;  // what the failing call answers
};

constexpr std::int32_t kAccessDenied = static_cast<std::int32_t>(0x80070005);
constexpr std::int32_t kWbemFailed = static_cast<std::int32_t>(0x80041001);
constexpr std::int32_t kUnfitLength = -1;  // 0xFFFFFFFF bytes: no text is that long

const SweepPoint kSweepPoints[] = {
    {"mutex create", FaultPoint::kMutexCreate, 0},
    {"mutex wait", FaultPoint::kMutexWait, 0},
    {"heap alloc", FaultPoint::kHeapAlloc, 0},
    {"object alloc", FaultPoint::kObjectAlloc, 0},
    {"module strings", FaultPoint::kModuleStrings, 0},
    {"COM initialize", FaultPoint::kComInitialize, hresult::kFail},
    {"COM initialize: thread in another apartment", FaultPoint::kComInitialize,
     hresult::kChangedMode},
    {"process security", FaultPoint::kProcessSecurity, kAccessDenied},
    {"process security: already set", FaultPoint::kProcessSecurity, hresult::kTooLate},
    {"COM string", FaultPoint::kComString, hresult::kOutOfMemory},
    {"create locator", FaultPoint::kCreateLocator, hresult::kClassNotRegistered},
    {"connect server", FaultPoint::kConnectServer, kWbemFailed},
    {"set proxy blanket", FaultPoint::kSetProxyBlanket, kAccessDenied},
    {"get object", FaultPoint::kGetObject, kWbemFailed},
    {"get property", FaultPoint::kGetProperty, kWbemFailed},
    {"host text length 0xFFFFFFFF", FaultPoint::kHostTextLength, kUnfitLength},
    {"host text length 0", FaultPoint::kHostTextLength, 0},
};

constexpr veltra_handle kUntouchedHandle = -7;
constexpr std::uint8_t kUntouchedType = 0xEE;

// Every trace line of every run passes through here; none may outgrow its buffer.
std::atomic<unsigned long> gOverlongLines{0};
void checkLine(const void*, const char* line) {
  if (std::strlen(line) >= support::kTraceLineCapacity) ++gOverlongLines;
}

// One run of the host protocol with one fault armed, the module and the model side by side.
class FaultRun {
 public:
  FaultRun(const SweepPoint& point, const ArmedFault& fault) : fault_(fault), model_(fault) {
    label_ = std::string(point.name) + (fault.persistent ? ", failing from call " : ", call ") +
             std::to_string(fault.nth);
  }

  // Runs the protocol; true when the armed call was reached.
  bool run() {
    load();
    init("InitNodes");
    list();
    veltra_handle handles[12];
    for (std::size_t i = 0; i < kNodes.size(); ++i)
      handles[i] = connect(kNodes[i].key);
    for (const veltra_handle handle : handles)
      attributes(handle);
    for (const veltra_handle handle : handles)
      value(handle);
    for (const veltra_handle handle : handles)
      pulse(handle);
    for (const veltra_handle handle : handles)
      disconnect(handle);
    init("InitNodes again");
    const veltra_handle renewed = connect(kNodes[0].key);
    value(renewed);
    value(handles[0]);  // from the generation before
    term();
    const bool reached = platform::faultCalls(fault_.point) >= fault_.nth;
    finish();
    return reached;
  }

 private:
  std::string where(const char* step) const { return label_ + ", at " + step; }

  void compareCalls(const char* step) {
    for (unsigned i = 0; i < static_cast<unsigned>(FaultPoint::kCount); ++i) {
      const auto point = static_cast<FaultPoint>(i);
      EXPECT_EQ(platform::faultCalls(point), model_.calls(point))
          << "calls through " << platform::faultPointName(point) << " differ from the model, "
          << where(step);
    }
  }

  void load() {
    platform::disarmFaults();
    catalogue::resetHandleCounterForTesting();
    wmi::resetComSetupForTesting();
    before_ = LiveResources::now();
    platform::armFault(fault_.point, fault_.nth, fault_.result, fault_.persistent);
    plugin::libraryEntry(plugin::LoadReason::kProcessAttach);
    model_.load();
    compareCalls("load");
  }

  void init(const char* step) {
    EXPECT_EQ(InitNodes(), model_.initNodes()) << where(step);
    compareCalls(step);
  }

  void term() {
    EXPECT_EQ(TermNodes(), model_.termNodes()) << where("TermNodes");
    compareCalls("TermNodes");
  }

  void list() {
    const Bytes root = rootPath("VELTRA");
    const host::Record list(GetNodeList(root.data()), &FreeNodeList);
    const auto expected = model_.getNodeList();
    EXPECT_EQ(static_cast<bool>(list), expected.has_value()) << where("GetNodeList");
    if (list && expected) {
      EXPECT_EQ(nodeListProblems(list.get()), "") << where("GetNodeList");
      EXPECT_EQ(host::listedNodes(list.get()), *expected) << where("GetNodeList");
    }
    compareCalls("GetNodeList");
  }

  veltra_handle connect(const char* key) {
    const std::string step = std::string("NodeConnect ") + key;
    const Bytes path = nodePath(key);
    veltra_handle handle = kUntouchedHandle;
    std::uint8_t type = kUntouchedType;
    const std::int32_t connected = NodeConnect(path.data(), &handle, &type);
    const ExpectedConnect expected = model_.nodeConnect(key);
    EXPECT_EQ(connected, expected.result) << where(step.c_str());
    EXPECT_EQ(handle, expected.handle.value_or(kUntouchedHandle)) << where(step.c_str());
    EXPECT_EQ(type, expected.handle ? expected.type : kUntouchedType) << where(step.c_str());
    compareCalls(step.c_str());
    return handle;
  }

  void attributes(veltra_handle handle) {
    const std::string step = "GetNodeAttributes " + std::to_string(handle);
    const host::Record record(GetNodeAttributes(handle), &FreeNodeAttributes);
    const auto expected = model_.getNodeAttributes(handle);
    EXPECT_EQ(static_cast<bool>(record), expected.has_value()) << where(step.c_str());
    if (record && expected) {
      EXPECT_EQ(attributesProblems(record.get()), "") << where(step.c_str());
      const std::vector<unsigned char> bytes =
          attributesRecord(expected->firstLength, expected->secondLength);
      EXPECT_EQ(std::vector<unsigned char>(record.get(), record.get() + bytes.size()), bytes)
          << where(step.c_str());
    }
    compareCalls(step.c_str());
  }

  void value(veltra_handle handle) {
    const std::string step = "NodeGetValue " + std::to_string(handle);
    const host::Record record(NodeGetValue(handle), &NodeFreeValue);
    const auto expected = model_.nodeGetValue(handle);
    EXPECT_EQ(static_cast<bool>(record), expected.has_value()) << where(step.c_str());
    if (record && expected) {
      EXPECT_EQ(valueProblems(record.get()), "") << where(step.c_str());
      EXPECT_EQ(veltra_value_status(record.get()), expected->status) << where(step.c_str());
      EXPECT_EQ(veltra_value_type(record.get()), expected->type) << where(step.c_str());
      EXPECT_EQ(veltra_value_double(record.get()), expected->value) << where(step.c_str());
    }
    compareCalls(step.c_str());
  }

  void pulse(veltra_handle handle) {
    const std::string step = "NodePulse " + std::to_string(handle);
    EXPECT_EQ(NodePulse(handle, 4000), model_.nodePulse(handle)) << where(step.c_str());
    compareCalls(step.c_str());
  }

  void disconnect(veltra_handle handle) {
    const std::string step = "NodeDisconnect " + std::to_string(handle);
    EXPECT_EQ(NodeDisconnect(handle), model_.nodeDisconnect(handle)) << where(step.c_str());
    compareCalls(step.c_str());
  }

  // Nothing fails any more: the lock is free, the module comes back where it may, and once it
  // is unloaded nothing acquired during the run is still held.
  void finish() {
    platform::disarmFaults();
    const LockState expectedLock = model_.lockExists() ? LockState::kFree : LockState::kNoLock;
    EXPECT_EQ(lockStateName(probeDataLock()), lockStateName(expectedLock))
        << where("the end of the protocol");

    if (model_.recoverable()) {
      EXPECT_EQ(InitNodes(), 1) << where("recovery");
      const Bytes root = rootPath("VELTRA");
      const host::Record list(GetNodeList(root.data()), &FreeNodeList);
      EXPECT_TRUE(list && veltra_node_list_count(list.get()) == 12) << where("recovery");
      veltra_handle handle = -1;
      std::uint8_t type = 0;
      EXPECT_EQ(NodeConnect(nodePath(kNodes[0].key).data(), &handle, &type), 1)
          << where("recovery");
      const host::Record value(NodeGetValue(handle), &NodeFreeValue);
      EXPECT_TRUE(value && veltra_value_status(value.get()) == VELTRA_STATUS_OK &&
                  veltra_value_double(value.get()) == kNodes[0].reading)
          << where("recovery");
    } else {
      // The lock could not be created, or COM could not be set up: final for this load.
      EXPECT_EQ(InitNodes(), 0) << where("recovery");
    }
    EXPECT_EQ(TermNodes(), 1) << where("recovery");
    EXPECT_EQ(lockStateName(probeDataLock()), lockStateName(expectedLock)) << where("recovery");

    plugin::libraryEntry(plugin::LoadReason::kProcessDetach);
    const LiveResources after = LiveResources::now();
    EXPECT_EQ(after, before_) << where("unload") << ": before the run " << before_.describe()
                              << "; after it " << after.describe();
  }

  ArmedFault fault_;
  ModuleModel model_;
  std::string label_;
  LiveResources before_;
};

TEST(FaultSweep, EveryFaultPointFailsAtEveryCallOfTheProtocol) {
  const RepositoryFile repository(upsReadingsRepository());
  const support::TraceSink previousSink = support::setTraceSink(&checkLine);
  std::bitset<static_cast<unsigned>(FaultPoint::kCount)> pointsSwept;
  unsigned runs = 0;
  unsigned failedCalls = 0;

  for (const SweepPoint& point : kSweepPoints) {
    for (const bool persistent : {false, true}) {
      for (unsigned nth = 1;; ++nth) {
        FaultRun run(point, {point.point, nth, point.result, persistent});
        const bool reached = run.run();
        ++runs;
        if (!reached) break;
        ++failedCalls;
        pointsSwept.set(static_cast<unsigned>(point.point));
        if (::testing::Test::HasFailure()) break;  // one failing run says enough
      }
      if (::testing::Test::HasFailure()) break;
    }
  }
  support::setTraceSink(previousSink);
  EXPECT_EQ(gOverlongLines.load(), 0u) << "trace lines longer than their buffer";
  EXPECT_EQ(pointsSwept.count(), static_cast<std::size_t>(FaultPoint::kCount))
      << "a fault point the protocol never reaches";

  std::cout << "fault sweep: " << pointsSwept.count() << " fault points ("
            << std::size(kSweepPoints) << " kinds of failure), " << runs << " runs, " << failedCalls
            << " of them with a failing call\n";
}

}  // namespace
}  // namespace veltra::testing
