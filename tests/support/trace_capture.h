// Collects the module's trace lines while alive, so a test can check their exact text.
#pragma once

#include <string>
#include <vector>

namespace veltra::testing {

class TraceCapture {
 public:
  TraceCapture();
  ~TraceCapture();
  TraceCapture(const TraceCapture&) = delete;
  TraceCapture& operator=(const TraceCapture&) = delete;

  std::vector<std::string> lines() const;
  bool contains(const std::string& line) const;
  void clear();
};

}  // namespace veltra::testing
