#include "wmi_registration.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

namespace veltra::testing {
namespace {

constexpr char kInprocServerKey[] =
    "Software\\Classes\\CLSID\\{4590F811-1D3A-11D0-891F-00AA004B2E24}\\InprocServer32";

// The registered server's path, lower-cased; empty when the class has none.
std::string registeredServer() {
  char path[MAX_PATH] = {};
  DWORD size = sizeof path;
  if (RegGetValueA(HKEY_LOCAL_MACHINE, kInprocServerKey, nullptr, RRF_RT_REG_SZ, nullptr, path,
                   &size) != ERROR_SUCCESS) {
    return {};
  }
  std::string server(path);
  std::transform(server.begin(), server.end(), server.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return server;
}

bool endsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

WmiRegistration currentWmiRegistration() {
  const std::string server = registeredServer();
  if (server.empty()) return WmiRegistration::kNone;
  if (endsWith(server, "\\veltra_test_wmi.dll")) return WmiRegistration::kTestService;
  if (endsWith(server, "\\wbemprox.dll")) return WmiRegistration::kWineService;
  return WmiRegistration::kOther;
}

std::string describeWmiRegistration() {
  const std::string server = registeredServer();
  return server.empty() ? "no server registered for WbemLocator"
                        : "WbemLocator is served by " + server;
}

}  // namespace veltra::testing
