// The Windows headers for the platform side, in one place. wingdi.h turns GetObject into
// GetObjectA; undone before wbemcli.h declares IWbemServices::GetObject, so that the method keeps
// its own name.
#pragma once

#include <objbase.h>
#include <oleauto.h>
#include <windows.h>

#undef GetObject
#include <wbemcli.h>
