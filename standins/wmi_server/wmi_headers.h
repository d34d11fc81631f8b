// COM and WMI headers for the test WMI service. wingdi.h's GetObject macro is undone before
// wbemcli.h declares IWbemServices::GetObject.
#pragma once

#include <objbase.h>
#include <oleauto.h>
#include <windows.h>

#undef GetObject
#include <wbemcli.h>
