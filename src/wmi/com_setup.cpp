#include "wmi/com_setup.h"

#include "platform/com.h"

namespace veltra::wmi {
namespace {

// Both guarded by the data lock; never reset once set.
std::int32_t attempted = 0;
std::int32_t ready = 0;

constexpr std::uint32_t kAuthenticationLevelConnect = 2;
constexpr std::uint32_t kImpersonationLevelIdentify = 2;
constexpr std::uint32_t kNoCapabilities = 0;

}  // namespace

std::int32_t ensureComReady() noexcept {
  using namespace platform;
  if (attempted == 1) return ready;
  attempted = 1;

  // A host thread already in a single-threaded apartment can still make the calls; giving up on
  // it would leave the module dead for the life of the host process.
  const HResult joined = initializeComMultithreaded();
  if (failed(joined) && joined != hresult::kChangedMode) return ready;

  // Process security can be set once per process. If the host (or COM itself) got there first,
  // that setting serves.
  const HResult security = initializeProcessSecurity(
      {kAuthenticationLevelConnect, kImpersonationLevelIdentify, kNoCapabilities});
  if (failed(security) && security != hresult::kTooLate) return ready;

  ready = 1;
  return ready;
}

bool comReady() noexcept {
  return ready == 1;
}

void resetComSetupForTesting() noexcept {
  attempted = 0;
  ready = 0;
}

}  // namespace veltra::wmi
