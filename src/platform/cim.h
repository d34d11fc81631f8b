// The local CIM (WMI) service, in the steps that one read takes: create a locator, connect it to
// a namespace, set the proxy security on the connection, fetch an object by its path and read
// one property of it.
//
// Each interface is owned by a smart pointer that releases it through its platform.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/com.h"
#include "platform/hresult.h"

namespace veltra::platform {

struct CimLocator;   // defined by each platform
struct CimServices;  // a connection to one namespace
struct CimObject;    // one fetched object

struct CimReleaser {
  void operator()(CimLocator* locator) const noexcept;
  void operator()(CimServices* services) const noexcept;
  void operator()(CimObject* object) const noexcept;
};
using CimLocatorPtr = std::unique_ptr<CimLocator, CimReleaser>;
using CimServicesPtr = std::unique_ptr<CimServices, CimReleaser>;
using CimObjectPtr = std::unique_ptr<CimObject, CimReleaser>;

struct ProxyBlanket {
  std::uint32_t authenticationService;
  std::uint32_t authorizationService;
  std::uint32_t authenticationLevel;
  std::uint32_t impersonationLevel;
  std::uint32_t capabilities;
};

// A property's value as the service typed it. `variantType` is the whole 16-bit variant type,
// flag bits included; `real64` holds the value only when that type is kVariantReal64.
struct PropertyValue {
  std::uint16_t variantType = 0;
  double real64 = 0.0;
};
constexpr std::uint16_t kVariantNull = 1;
constexpr std::uint16_t kVariantReal64 = 5;

// Creates a locator as an in-process server. `out` is set only on success.
HResult createCimLocator(CimLocatorPtr& out) noexcept;

// Connects to `nameSpace` as the current user, with no locale, authority or context.
HResult connectServer(CimLocator& locator, const ComString& nameSpace,
                      CimServicesPtr& out) noexcept;

HResult setProxyBlanket(CimServices& services, const ProxyBlanket& blanket) noexcept;

HResult getObject(CimServices& services, const ComString& path, CimObjectPtr& out) noexcept;

// Reads property `name`. The service's own variant is cleared before this returns.
HResult getProperty(CimObject& object, const ComString& name, PropertyValue& out) noexcept;

}  // namespace veltra::platform
