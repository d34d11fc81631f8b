// Reads one numeric property of the UPS data object from the local WMI service.
//
// Nothing is cached: every read creates a locator, connects to the namespace, sets the proxy
// security, fetches the object, reads the property and releases everything again. The requester
// holds interfaces only during a read. Used only under the data lock.
#pragma once

#include <cstdint>

#include "platform/cim.h"

namespace veltra::wmi {

// Outcome of a read.
enum RequestResult : std::int32_t {
  REQ_OK = 0,
  REQ_NULL_PROPERTY = 1,  // no property name was passed
  REQ_NO_COM = 2,         // COM is not ready
  REQ_NO_LOCATOR = 3,     // creating the WMI locator failed
  REQ_NO_NAMESPACE = 4,   // the namespace connection failed
  REQ_NO_BLANKET = 5,     // setting the proxy security failed
  REQ_NO_INSTANCE = 6,    // fetching the UPS data object failed
  REQ_NO_PROPERTY = 7,    // reading the property failed, or it held no double
};

class CimRequester {
 public:
  CimRequester() noexcept;
  ~CimRequester();

  CimRequester(const CimRequester&) = delete;
  CimRequester& operator=(const CimRequester&) = delete;

  // Reads property `name` of the UPS data object. `value` is written only with REQ_OK.
  std::int32_t GetPropertyValue(const char16_t* name, double& value) noexcept;

  // Whether any interface is held; false outside a read.
  bool holdsInterfaces() const noexcept { return locator_ || services_; }

 private:
  std::int32_t openConnection() noexcept;
  void closeConnection() noexcept;
  std::int32_t getInstance(const char16_t* path, platform::CimObjectPtr& object) noexcept;
  std::int32_t getPropertyValue(const char16_t* name, platform::CimObject& object,
                                double& value) noexcept;
  void traceFailure(const char* operation, const char* message, platform::HResult code) noexcept;

  platform::CimLocatorPtr locator_;
  platform::CimServicesPtr services_;
};

}  // namespace veltra::wmi
