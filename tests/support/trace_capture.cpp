#include "trace_capture.h"

#include <algorithm>
#include <mutex>

#include "support/trace.h"

namespace veltra::testing {
namespace {

std::mutex gMutex;
std::vector<std::string> gLines;

void collect(const void*, const char* line) {
  std::lock_guard<std::mutex> lock(gMutex);
  gLines.emplace_back(line);
}

}  // namespace

TraceCapture::TraceCapture() {
  clear();
  support::setTraceSink(&collect);
}

TraceCapture::~TraceCapture() {
  support::setTraceSink(nullptr);
}

std::vector<std::string> TraceCapture::lines() const {
  std::lock_guard<std::mutex> lock(gMutex);
  return gLines;
}

bool TraceCapture::contains(const std::string& line) const {
  std::lock_guard<std::mutex> lock(gMutex);
  return std::find(gLines.begin(), gLines.end(), line) != gLines.end();
}

void TraceCapture::clear() {
  std::lock_guard<std::mutex> lock(gMutex);
  gLines.clear();
}

}  // namespace veltra::testing
