// One whole exchange with the stand-in WMI service, as a reading needs it, without the module:
// create a locator, connect to ROOT\CIMV2, set the proxy security, fetch the UPS data object, read
// one property and release everything. The COM strings are made just before the call that takes
// each one and freed as soon as it returns, as the module must.
#pragma once

namespace veltra::bench {

// The property's double, or false when the service has none to give.
bool readFromStandInService(const char16_t* property, double& value) noexcept;

}  // namespace veltra::bench
