// COM's process and thread set-up, and COM's own strings.
#pragma once

#include <cstdint>

#include "platform/hresult.h"

namespace veltra::platform {

// Joins the calling thread to the multithreaded apartment.
HResult initializeComMultithreaded() noexcept;

// Process-wide COM security for the calls this process makes.
struct ProcessSecurity {
  std::uint32_t authenticationLevel;
  std::uint32_t impersonationLevel;
  std::uint32_t capabilities;
};
HResult initializeProcessSecurity(const ProcessSecurity& settings) noexcept;

// A COM string (on Windows a BSTR): a length-prefixed copy of UTF-16 text that COM calls take.
class ComString {
 public:
  ComString() = default;
  ~ComString();
  ComString(const ComString&) = delete;
  ComString& operator=(const ComString&) = delete;

  // Replaces the held string with a copy of `text`. kOutOfMemory when it cannot be made.
  HResult assign(const char16_t* text) noexcept;

  const void* get() const noexcept { return raw_; }

 private:
  void* raw_ = nullptr;
};

}  // namespace veltra::platform
