// Result codes of the COM-style calls that cross the platform seam.
//
// Both sides speak the Windows convention: a signed 32-bit code, negative on failure. The
// shared code names the few codes it acts on here, so it never needs a Windows header.
#pragma once

#include <cstdint>

namespace veltra::platform {

using HResult = std::int32_t;

namespace hresult {
constexpr HResult kOk = 0;
constexpr HResult kFalse = 1;  // success, but the work was already done
constexpr HResult kFail = static_cast<HResult>(0x80004005);
constexpr HResult kOutOfMemory = static_cast<HResult>(0x8007000E);
constexpr HResult kChangedMode =
    static_cast<HResult>(0x80010106);                           // thread is in another apartment
constexpr HResult kTooLate = static_cast<HResult>(0x80010119);  // process security already set
constexpr HResult kClassNotRegistered = static_cast<HResult>(0x80040154);
}  // namespace hresult

inline bool failed(HResult result) {
  return result < 0;
}

}  // namespace veltra::platform
