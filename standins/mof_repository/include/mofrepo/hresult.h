// The result codes that the repository answers, the same numbers WMI answers for the same faults.
#pragma once

#include <cstdint>

namespace mofrepo {

using HResult = std::int32_t;

namespace hresult {
constexpr HResult kOk = 0;
constexpr HResult kNotFound = static_cast<HResult>(0x80041002);          // WBEM_E_NOT_FOUND
constexpr HResult kInvalidNamespace = static_cast<HResult>(0x8004100E);  // WBEM_E_INVALID_NAMESPACE
constexpr HResult kInvalidClass = static_cast<HResult>(0x80041010);      // WBEM_E_INVALID_CLASS
constexpr HResult kInvalidObjectPath =
    static_cast<HResult>(0x8004103A);  // WBEM_E_INVALID_OBJECT_PATH
}  // namespace hresult

}  // namespace mofrepo
