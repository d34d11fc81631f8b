#include "locator.h"

#include <cstdio>
#include <string>

#include "failure_switch.h"
#include "mofrepo/load.h"
#include "mofrepo/namespace_name.h"
#include "services.h"
#include "wbem_codes.h"

namespace testwmi {
namespace {

mofrepo::Repository loadConfiguredRepository() {
  char path[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableA("VELTRA_CIM_REPOSITORY", path, sizeof path);
  if (length == 0 || length >= sizeof path) return {};
  mofrepo::LoadResult loaded = mofrepo::loadRepositoryFile(path);
  if (!loaded.ok) {
    std::fprintf(stderr, "test WMI service: %s; serving no classes\n", loaded.error.c_str());
    return {};
  }
  return std::move(loaded.repository);
}

}  // namespace

HRESULT Locator::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IWbemLocator)) {
    return handOut<IWbemLocator>(this, out);
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT Locator::ConnectServer(const BSTR nameSpace, const BSTR, const BSTR, const BSTR, LONG,
                               const BSTR, IWbemContext*, IWbemServices** services) {
  if (services == nullptr) return wbem::kInvalidParameter;
  *services = nullptr;
  if (nameSpace == nullptr) return wbem::kInvalidParameter;
  if (mustFail("ConnectServer")) return wbem::kAccessDenied;
  return guarded([&]() -> HRESULT {
    std::u16string name(reinterpret_cast<const char16_t*>(nameSpace));
    if (!mofrepo::isServedNamespace(name)) return mofrepo::hresult::kInvalidNamespace;
    *services = new Services(std::move(name), loadConfiguredRepository());
    return WBEM_S_NO_ERROR;
  });
}

}  // namespace testwmi
