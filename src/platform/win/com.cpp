// COM's set-up and strings on Windows. The answers go back as COM gives them; the shared set-up
// decides which of them still leave COM usable.
#include "platform/com.h"

#include "platform/win/windows_headers.h"

namespace veltra::platform {

HResult initializeComMultithreaded() noexcept {
  return CoInitializeEx(nullptr, COINIT_MULTITHREADED);
}

HResult initializeProcessSecurity(const ProcessSecurity& settings) noexcept {
  return CoInitializeSecurity(nullptr, -1, nullptr, nullptr, settings.authenticationLevel,
                              settings.impersonationLevel, nullptr, settings.capabilities, nullptr);
}

ComString::~ComString() {
  SysFreeString(static_cast<BSTR>(raw_));
}

HResult ComString::assign(const char16_t* text) noexcept {
  SysFreeString(static_cast<BSTR>(raw_));
  raw_ = SysAllocString(reinterpret_cast<const OLECHAR*>(text));
  return raw_ != nullptr ? S_OK : E_OUTOFMEMORY;
}

}  // namespace veltra::platform
