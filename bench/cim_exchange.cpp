#include "cim_exchange.h"

#include <cstdint>
#include <memory>

#include "cim_service.h"
#include "platform/com.h"

namespace veltra::bench {
namespace {

struct Release {
  void operator()(cim_locator* locator) const noexcept { cim_release_locator(locator); }
  void operator()(cim_services* services) const noexcept { cim_release_services(services); }
  void operator()(cim_object* object) const noexcept { cim_release_object(object); }
};
template <typename T>
using Owned = std::unique_ptr<T, Release>;

constexpr char16_t kNamespace[] = u"ROOT\\CIMV2";
constexpr char16_t kObjectPath[] = u"APC_UMSData.InstanceTag=0";
constexpr std::uint32_t kAuthnWinNt = 10, kAuthzNone = 0, kAuthnLevelCall = 3, kImpersonate = 3,
                        kNoCapabilities = 0;
constexpr std::uint16_t kReal64 = 5;

// Calls `call` with a COM string copy of `text`, freed when the call returns.
template <typename Call>
std::int32_t withComString(const char16_t* text, Call call) noexcept {
  platform::ComString string;
  if (string.assign(text) < 0) return -1;
  return call(static_cast<const std::uint16_t*>(string.get()));
}

}  // namespace

bool readFromStandInService(const char16_t* property, double& value) noexcept {
  cim_locator* rawLocator = nullptr;
  if (cim_create_locator(&rawLocator) < 0) return false;
  const Owned<cim_locator> locator(rawLocator);

  cim_services* rawServices = nullptr;
  if (withComString(kNamespace, [&](const std::uint16_t* name) {
        return cim_connect_server(locator.get(), name, &rawServices);
      }) < 0) {
    return false;
  }
  const Owned<cim_services> services(rawServices);
  if (cim_set_proxy_blanket(services.get(), kAuthnWinNt, kAuthzNone, kAuthnLevelCall, kImpersonate,
                            kNoCapabilities) < 0) {
    return false;
  }

  cim_object* rawObject = nullptr;
  if (withComString(kObjectPath, [&](const std::uint16_t* path) {
        return cim_get_object(services.get(), path, &rawObject);
      }) < 0) {
    return false;
  }
  const Owned<cim_object> object(rawObject);

  cim_value read{};
  if (withComString(property,
                    [&](const std::uint16_t* name) {
                      return cim_get_property(object.get(), name, &read);
                    }) < 0 ||
      read.type != kReal64) {
    return false;
  }
  value = read.real64;
  return true;
}

}  // namespace veltra::bench
