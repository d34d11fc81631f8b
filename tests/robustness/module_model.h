// What the module must answer, call by call, while one platform call fails on purpose.
//
// The model walks the documented order of the module's platform calls (the lock's wait, COM
// set-up, each allocation, each measured text, each WMI step) and counts them as the fault
// points do, so it knows which call the armed fault hits and what each entry point must answer
// then. The fault sweep runs the module and the model side by side and compares both the
// answers and the call counts after every step.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/fault_points.h"
#include "ups_readings.h"
#include "veltra_module.h"

namespace veltra::testing {

// Call `nth` through `point` fails with `result`; with `persistent`, so does every later call.
struct ArmedFault {
  platform::FaultPoint point;
  unsigned nth;
  std::int32_t result;
  bool persistent;
};

struct ExpectedConnect {
  std::int32_t result;
  std::optional<veltra_handle> handle;  // none: the outputs are left untouched
  std::uint8_t type;
};

struct ExpectedValue {
  std::int32_t status;
  std::uint8_t type;
  double value;
};

// The two format texts of an attributes record, by their measured lengths.
struct ExpectedAttributes {
  std::uint32_t firstLength;
  std::uint32_t secondLength;
};

class ModuleModel {
 public:
  // `fault.result` for kHostTextLength must be 0 or 0xFFFFFFFF: the model knows what an empty
  // text and a length no text can have do, nothing else.
  explicit ModuleModel(const ArmedFault& fault);

  void load();
  std::int32_t initNodes();
  std::int32_t termNodes();
  std::optional<std::vector<host::ListedNode>> getNodeList();  // for the path of the root
  ExpectedConnect nodeConnect(const std::string& key);
  std::int32_t nodeDisconnect(veltra_handle handle);
  std::optional<ExpectedAttributes> getNodeAttributes(veltra_handle handle);
  std::optional<ExpectedValue> nodeGetValue(veltra_handle handle);
  std::int32_t nodePulse(veltra_handle handle);

  // Calls through `point` so far, as faultCalls() counts them.
  unsigned calls(platform::FaultPoint point) const;

  bool lockExists() const { return lock_; }
  // Whether a fresh InitNodes, with nothing failing any more, must bring the module back.
  bool recoverable() const { return lock_ && !(comAttempted_ && !comReady_); }

 private:
  struct Slot {
    bool present = false;
    veltra_handle handle = -1;
    bool nameIsKey = false;
    bool active = false;
  };

  bool fails(platform::FaultPoint point);
  bool lockData();
  std::uint32_t measure(const char* text);  // one measured text; the injected length if it fails
  bool readSucceeds();
  Slot* slotFor(veltra_handle handle);

  ArmedFault fault_;
  std::array<unsigned, static_cast<unsigned>(platform::FaultPoint::kCount)> calls_{};
  bool lock_ = false;
  bool comAttempted_ = false;
  bool comReady_ = false;
  bool requester_ = false;
  std::optional<std::array<Slot, 12>> list_;
  veltra_handle nextHandle_ = 100;
};

}  // namespace veltra::testing
