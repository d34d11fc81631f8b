// Everything the module holds at one moment: its heap blocks, COM strings, objects and lock,
// and the stand-in WMI service's live locators, connections and objects. Two snapshots that
// are equal mean whatever was acquired in between was released again.
#pragma once

#include <array>
#include <string>

#include "platform/live_counts.h"

namespace veltra::testing {

struct LiveResources {
  std::array<long, static_cast<unsigned>(platform::LiveResource::kCount)> module{};
  long cimObjects = 0;

  static LiveResources now();
  bool operator==(const LiveResources& other) const {
    return module == other.module && cimObjects == other.cimObjects;
  }
  // "heap blocks 3, ..., CIM objects 0"
  std::string describe() const;
};

}  // namespace veltra::testing
