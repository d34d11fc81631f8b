// The WbemLocator class of the test WMI service. ConnectServer serves ROOT\CIMV2 on the local
// machine from the MOF file named by VELTRA_CIM_REPOSITORY, read afresh for each connection; with
// no variable, no such file or a file with a mistake, the namespace holds no classes.
#pragma once

#include "com_object.h"
#include "wmi_headers.h"

namespace testwmi {

class Locator final : public IWbemLocator, public RefCounted<Locator> {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return addRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return release(); }

  // Fails with WBEM_E_ACCESS_DENIED when the tests ask it to.
  HRESULT STDMETHODCALLTYPE ConnectServer(const BSTR nameSpace, const BSTR user,
                                          const BSTR password, const BSTR locale, LONG flags,
                                          const BSTR authority, IWbemContext* context,
                                          IWbemServices** services) override;

 private:
  friend class RefCounted<Locator>;
  ~Locator() = default;
};

}  // namespace testwmi
