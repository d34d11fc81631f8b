// The CIM service on Windows: WMI through COM. Each call hands its result code back unchanged.
#include "platform/cim.h"

#include "platform/win/windows_headers.h"

namespace veltra::platform {
namespace {

// The platform's opaque interface types stand for the WMI interfaces themselves.
IWbemLocator* native(CimLocator& locator) {
  return reinterpret_cast<IWbemLocator*>(&locator);
}
IWbemServices* native(CimServices& services) {
  return reinterpret_cast<IWbemServices*>(&services);
}
IWbemClassObject* native(CimObject& object) {
  return reinterpret_cast<IWbemClassObject*>(&object);
}

// COM calls take their strings as non-const BSTRs even where they only read them.
BSTR bstr(const ComString& string) {
  return static_cast<BSTR>(const_cast<void*>(string.get()));
}

// Takes ownership of what a successful call produced; a success without it is a failure.
template <typename Owner, typename Interface>
HResult adopt(HResult result, Interface* produced, Owner& out) {
  using Platform = typename Owner::element_type;
  if (FAILED(result)) return result;
  if (produced == nullptr) return E_POINTER;
  out.reset(reinterpret_cast<Platform*>(produced));
  return result;
}

// A VARIANT that a call fills. It is cleared only once the call has succeeded: after a failed
// call its contents are not the caller's to free.
class ReceivedVariant {
 public:
  ReceivedVariant() noexcept { VariantInit(&value_); }
  ~ReceivedVariant() {
    if (filled_) VariantClear(&value_);
  }
  ReceivedVariant(const ReceivedVariant&) = delete;
  ReceivedVariant& operator=(const ReceivedVariant&) = delete;

  VARIANT* receive() noexcept { return &value_; }
  void markFilled() noexcept { filled_ = true; }
  const VARIANT& value() const noexcept { return value_; }

 private:
  VARIANT value_;
  bool filled_ = false;
};

}  // namespace

void CimReleaser::operator()(CimLocator* locator) const noexcept {
  native(*locator)->Release();
}
void CimReleaser::operator()(CimServices* services) const noexcept {
  native(*services)->Release();
}
void CimReleaser::operator()(CimObject* object) const noexcept {
  native(*object)->Release();
}

HResult createCimLocator(CimLocatorPtr& out) noexcept {
  IWbemLocator* locator = nullptr;
  const HResult result = CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER,
                                          IID_IWbemLocator, reinterpret_cast<void**>(&locator));
  return adopt(result, locator, out);
}

HResult connectServer(CimLocator& locator, const ComString& nameSpace,
                      CimServicesPtr& out) noexcept {
  IWbemServices* services = nullptr;
  const HResult result = native(locator)->ConnectServer(bstr(nameSpace), nullptr, nullptr, nullptr,
                                                        0, nullptr, nullptr, &services);
  return adopt(result, services, out);
}

HResult setProxyBlanket(CimServices& services, const ProxyBlanket& blanket) noexcept {
  return CoSetProxyBlanket(native(services), blanket.authenticationService,
                           blanket.authorizationService, nullptr, blanket.authenticationLevel,
                           blanket.impersonationLevel, nullptr, blanket.capabilities);
}

HResult getObject(CimServices& services, const ComString& path, CimObjectPtr& out) noexcept {
  IWbemClassObject* object = nullptr;
  const HResult result = native(services)->GetObject(bstr(path), 0, nullptr, &object, nullptr);
  return adopt(result, object, out);
}

HResult getProperty(CimObject& object, const ComString& name, PropertyValue& out) noexcept {
  ReceivedVariant variant;
  const HResult result =
      native(object)->Get(static_cast<LPCWSTR>(name.get()), 0, variant.receive(), nullptr, nullptr);
  if (FAILED(result)) return result;
  variant.markFilled();
  out.variantType = variant.value().vt;
  if (out.variantType == kVariantReal64) out.real64 = variant.value().dblVal;
  return result;
}

}  // namespace veltra::platform
