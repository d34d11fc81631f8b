// A repository value as the VARIANT that WMI's IWbemClassObject::Get hands out.
#pragma once

#include "mofrepo/value.h"
#include "wmi_headers.h"

namespace testwmi {

// Fills `out` (which holds nothing) from `value`. E_OUTOFMEMORY when a string or an array cannot
// be made; `out` then holds nothing again.
HRESULT toVariant(const mofrepo::Value& value, VARIANT& out);

// The CIM type WMI reports beside the value, array flag included.
CIMTYPE cimType(const mofrepo::Value& value);

}  // namespace testwmi
