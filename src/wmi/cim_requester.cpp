#include "wmi/cim_requester.h"

#include "support/trace.h"
#include "wmi/com_setup.h"

namespace veltra::wmi {
namespace {

using namespace platform;
using support::traceObject;
using support::traceObjectFormat;

constexpr char16_t kNamespace[] = u"ROOT\\CIMV2";
constexpr char16_t kObjectPath[] = u"APC_UMSData.InstanceTag=0";

constexpr ProxyBlanket kBlanket = {
    10,  // RPC_C_AUTHN_WINNT
    0,   // RPC_C_AUTHZ_NONE
    3,   // RPC_C_AUTHN_LEVEL_CALL
    3,   // RPC_C_IMP_LEVEL_IMPERSONATE
    0,   // EOAC_NONE
};

// Makes `text` a COM string for the one call that needs it and frees it when the call returns.
// A string that cannot be made fails the call it was made for, with the out-of-memory code.
template <typename Call>
HResult withComString(const char16_t* text, Call call) noexcept {
  ComString string;
  const HResult result = string.assign(text);
  return failed(result) ? result : call(string);
}

}  // namespace

CimRequester::CimRequester() noexcept {
  traceObject(this, "Constructor");
}

CimRequester::~CimRequester() {
  traceObject(this, "Destructor");
  closeConnection();
}

void CimRequester::traceFailure(const char* operation, const char* message, HResult code) noexcept {
  traceObjectFormat(this, "%s%s%s0x%x", operation, message, "Error code = ", code);
}

std::int32_t CimRequester::openConnection() noexcept {
  traceObject(this, "openConnection");
  if (!comReady()) return REQ_NO_COM;

  HResult result = createCimLocator(locator_);
  if (failed(result)) {
    traceFailure("openConnection: ", "Failed to create IWbemLocator object. ", result);
    return REQ_NO_LOCATOR;
  }

  result = withComString(kNamespace, [this](const ComString& nameSpace) {
    return connectServer(*locator_, nameSpace, services_);
  });
  if (failed(result)) {
    traceFailure("openConnection: ", "Could not connect to namespace. ", result);
    return REQ_NO_NAMESPACE;
  }

  result = setProxyBlanket(*services_, kBlanket);
  if (failed(result)) {
    traceFailure("openConnection: ", "Could not set proxy security blanket. ", result);
    return REQ_NO_BLANKET;
  }
  return REQ_OK;
}

void CimRequester::closeConnection() noexcept {
  traceObject(this, "closeConnection");
  services_.reset();
  locator_.reset();
}

std::int32_t CimRequester::getInstance(const char16_t* path, CimObjectPtr& object) noexcept {
  traceObject(this, "getInstance ");
  const HResult result = withComString(path, [this, &object](const ComString& objectPath) {
    return getObject(*services_, objectPath, object);
  });
  if (failed(result)) {
    traceFailure("getInstance: ", "Could not get instance. ", result);
    return 0;
  }
  return 1;
}

std::int32_t CimRequester::getPropertyValue(const char16_t* name, CimObject& object,
                                            double& value) noexcept {
  traceObject(this, "getPropertyValue ");
  PropertyValue property;
  const HResult result = withComString(name, [&object, &property](const ComString& propertyName) {
    return getProperty(object, propertyName, property);
  });
  if (failed(result)) {
    traceObjectFormat(this, "%s%s%S%s0x%x", "getPropertyValue: ", "Could not get property . ", name,
                      "Error code = ", result);
    return 0;
  }
  // Only a true double is accepted; the type is compared whole, so a double inside an array or
  // behind a reference is another type.
  if (property.variantType == kVariantReal64) {
    value = property.real64;
    return 1;
  }
  if (property.variantType == kVariantNull) {
    traceObject(this, "getPropertyValue: variant is NULL");
  } else {
    traceObjectFormat(this, "getPropertyValue: unexpected type returned (%d)",
                      property.variantType);
  }
  return 0;
}

std::int32_t CimRequester::GetPropertyValue(const char16_t* name, double& value) noexcept {
  if (name == nullptr) {
    traceObject(this, "GetPropertyValue IN=NULL property");
    return REQ_NULL_PROPERTY;
  }
  traceObjectFormat(this, "GetPropertyValue IN=%S", name);

  std::int32_t result = openConnection();
  if (result == REQ_OK) {
    CimObjectPtr object;
    if (!getInstance(kObjectPath, object)) {
      result = REQ_NO_INSTANCE;
    } else if (!getPropertyValue(name, *object, value)) {
      result = REQ_NO_PROPERTY;
    }
  }
  closeConnection();  // also releases what a failed openConnection acquired

  traceObjectFormat(this, "GetPropertyValue OUT=%S return=%d", name, result);
  return result;
}

}  // namespace veltra::wmi
