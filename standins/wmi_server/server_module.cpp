// The test WMI service as an in-process COM server: its class factory makes WbemLocator objects,
// and COM may unload the DLL once none of its objects is alive.
#include "com_object.h"
#include "locator.h"
#include "wmi_headers.h"

namespace testwmi {

std::atomic<long>& liveObjects() {
  static std::atomic<long> count{0};
  return count;
}

namespace {

class LocatorFactory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
      *out = static_cast<IClassFactory*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  // One factory lives as long as the DLL; its count never frees it.
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    return guarded([&]() -> HRESULT {
      Locator* locator = new Locator();
      const HRESULT result = locator->QueryInterface(iid, out);
      locator->Release();  // the creator's reference; `out` holds its own
      return result;
    });
  }

  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    if (lock) {
      ++liveObjects();
    } else {
      --liveObjects();
    }
    return S_OK;
  }
};

LocatorFactory factory;

}  // namespace
}  // namespace testwmi

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (!IsEqualCLSID(clsid, CLSID_WbemLocator)) return CLASS_E_CLASSNOTAVAILABLE;
  return testwmi::factory.QueryInterface(iid, out);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
  return testwmi::liveObjects() == 0 ? S_OK : S_FALSE;
}
