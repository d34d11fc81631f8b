// The WMI result codes the service answers, as HRESULTs (wbemcli.h has them only as enumerators
// of an unsigned enum).
#pragma once

#include "wmi_headers.h"

namespace testwmi::wbem {

constexpr HRESULT kAccessDenied = static_cast<HRESULT>(WBEM_E_ACCESS_DENIED);
constexpr HRESULT kInvalidParameter = static_cast<HRESULT>(WBEM_E_INVALID_PARAMETER);
constexpr HRESULT kNotSupported = static_cast<HRESULT>(WBEM_E_NOT_SUPPORTED);
constexpr HRESULT kTypeMismatch = static_cast<HRESULT>(WBEM_E_TYPE_MISMATCH);

}  // namespace testwmi::wbem
