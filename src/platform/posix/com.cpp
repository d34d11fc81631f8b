// COM's set-up and strings on POSIX, where there is no COM: the answers follow COM's, so the
// module's own handling of them is the same on both platforms.
#include "platform/com.h"

#include <atomic>
#include <cstdlib>
#include <cstring>

#include "platform/fault_points.h"
#include "platform/live_counts.h"

namespace veltra::platform {
namespace {

thread_local bool tJoinedApartment = false;
std::atomic<bool> gSecuritySet{false};

}  // namespace

HResult initializeComMultithreaded() noexcept {
  HResult injected = 0;
  if (faultFires(FaultPoint::kComInitialize, injected)) return injected;
  // As COM answers: S_OK the first time on a thread, S_FALSE when it already joined.
  if (tJoinedApartment) return hresult::kFalse;
  tJoinedApartment = true;
  return hresult::kOk;
}

HResult initializeProcessSecurity(const ProcessSecurity&) noexcept {
  HResult injected = 0;
  if (faultFires(FaultPoint::kProcessSecurity, injected)) return injected;
  // Process security can be set once per process; later calls are too late.
  return gSecuritySet.exchange(true) ? hresult::kTooLate : hresult::kOk;
}

namespace {

void freeComString(void*& raw) noexcept {
  if (raw != nullptr) countReleased(LiveResource::kComString);
  std::free(raw);
  raw = nullptr;
}

}  // namespace

ComString::~ComString() {
  freeComString(raw_);
}

HResult ComString::assign(const char16_t* text) noexcept {
  freeComString(raw_);
  HResult injected = 0;
  if (faultFires(FaultPoint::kComString, injected)) return hresult::kOutOfMemory;
  std::size_t length = 0;
  while (text[length] != u'\0')
    ++length;
  const std::size_t bytes = (length + 1) * sizeof(char16_t);
  raw_ = std::malloc(bytes);
  if (raw_ == nullptr) return hresult::kOutOfMemory;
  countAcquired(LiveResource::kComString);
  std::memcpy(raw_, text, bytes);
  return hresult::kOk;
}

}  // namespace veltra::platform
