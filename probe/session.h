// One probe session: the module loaded and initialised, every node under the root connected,
// read on demand, and everything handed back on the way out.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "veltra_module.h"

namespace veltra::probe {

struct Reading {
  std::string key;
  std::string displayName;
  veltra_handle handle = -1;
  bool hasRecord = false;  // false: the module answered no value record at all
  std::int32_t status = VELTRA_NODE_UNAVAILABLE;
  double value = 0.0;
  std::string formatted;  // the value in the node's own number format, when present
  std::int32_t pulseMs = 0;
};

class Session {
 public:
  // Loads and initialises the module, lists the root and connects every node. Null, with
  // `error` naming the cause, when any of that fails.
  static std::unique_ptr<Session> open(const std::string& modulePath, std::string& error);
  ~Session();  // disconnects every node and terminates the module

  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Reads every node once, and asks each for its next poll interval.
  std::vector<Reading> poll(std::int32_t sinceLastMs);

 private:
  struct Node {
    std::string key;
    std::string displayName;
    veltra_handle handle;
    std::string numberFormat;
  };

  explicit Session(std::unique_ptr<host::VeltraModule> module) : module_(std::move(module)) {}

  std::unique_ptr<host::VeltraModule> module_;
  bool initialised_ = false;
  std::vector<Node> nodes_;
};

// Formats `value` with a printf-style number format the module supplied ("%10.02f"). Only a
// single conversion of a floating-point number is honoured; anything else falls back to "%.2f".
std::string formatNumber(const std::string& format, double value);

const char* statusName(std::int32_t status);

}  // namespace veltra::probe
