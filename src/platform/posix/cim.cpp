// The CIM service on POSIX: the stand-in service library, which serves a MOF repository file.
#include "platform/cim.h"

#include "cim_service.h"
#include "platform/fault_points.h"

namespace veltra::platform {
namespace {

// The platform's opaque interface types stand for the service's own handles, which are only
// ever passed back to the service.

cim_locator* native(CimLocator& locator) {
  return reinterpret_cast<cim_locator*>(&locator);
}
cim_services* native(CimServices& services) {
  return reinterpret_cast<cim_services*>(&services);
}
cim_object* native(CimObject& object) {
  return reinterpret_cast<cim_object*>(&object);
}

const std::uint16_t* text(const ComString& string) {
  return static_cast<const std::uint16_t*>(string.get());
}

constexpr HResult kPointer = static_cast<HResult>(0x80004003);  // E_POINTER

// A step made to fail by a test fails, whatever code it was given.
bool injectedFailure(FaultPoint point, HResult& result) {
  if (!faultFires(point, result)) return false;
  if (!failed(result)) result = hresult::kFail;
  return true;
}

// Takes ownership of what a successful call produced; a success without it is a failure.
template <typename Owner, typename Native>
HResult adopt(HResult result, Native* produced, Owner& out) {
  using Platform = typename Owner::element_type;
  if (failed(result)) return result;
  if (produced == nullptr) return kPointer;
  out.reset(reinterpret_cast<Platform*>(produced));
  return result;
}

}  // namespace

void CimReleaser::operator()(CimLocator* locator) const noexcept {
  cim_release_locator(native(*locator));
}
void CimReleaser::operator()(CimServices* services) const noexcept {
  cim_release_services(native(*services));
}
void CimReleaser::operator()(CimObject* object) const noexcept {
  cim_release_object(native(*object));
}

HResult createCimLocator(CimLocatorPtr& out) noexcept {
  HResult result = 0;
  if (injectedFailure(FaultPoint::kCreateLocator, result)) return result;
  cim_locator* locator = nullptr;
  result = cim_create_locator(&locator);
  return adopt(result, locator, out);
}

HResult connectServer(CimLocator& locator, const ComString& nameSpace,
                      CimServicesPtr& out) noexcept {
  HResult result = 0;
  if (injectedFailure(FaultPoint::kConnectServer, result)) return result;
  cim_services* services = nullptr;
  result = cim_connect_server(native(locator), text(nameSpace), &services);
  return adopt(result, services, out);
}

HResult setProxyBlanket(CimServices& services, const ProxyBlanket& blanket) noexcept {
  HResult result = 0;
  if (injectedFailure(FaultPoint::kSetProxyBlanket, result)) return result;
  return cim_set_proxy_blanket(native(services), blanket.authenticationService,
                               blanket.authorizationService, blanket.authenticationLevel,
                               blanket.impersonationLevel, blanket.capabilities);
}

HResult getObject(CimServices& services, const ComString& path, CimObjectPtr& out) noexcept {
  HResult result = 0;
  if (injectedFailure(FaultPoint::kGetObject, result)) return result;
  cim_object* object = nullptr;
  result = cim_get_object(native(services), text(path), &object);
  return adopt(result, object, out);
}

HResult getProperty(CimObject& object, const ComString& name, PropertyValue& out) noexcept {
  HResult result = 0;
  if (injectedFailure(FaultPoint::kGetProperty, result)) return result;
  cim_value value{};
  result = cim_get_property(native(object), text(name), &value);
  if (failed(result)) return result;
  out.variantType = value.type;
  out.real64 = value.real64;
  return result;
}

}  // namespace veltra::platform
