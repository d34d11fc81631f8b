#include "services.h"

#include <new>

#include "class_object.h"
#include "failure_switch.h"
#include "wbem_codes.h"

namespace testwmi {

HRESULT Services::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IWbemServices)) {
    return handOut<IWbemServices>(this, out);
  }
  if (IsEqualIID(iid, IID_IClientSecurity)) return handOut<IClientSecurity>(this, out);
  *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT Services::QueryBlanket(IUnknown*, DWORD*, DWORD*, OLECHAR**, DWORD*, DWORD*, void**,
                               DWORD*) {
  return E_NOTIMPL;
}

HRESULT Services::SetBlanket(IUnknown*, DWORD, DWORD, OLECHAR*, DWORD, DWORD, void*, DWORD) {
  // The connection is in-process: there is no proxy whose security could change.
  return mustFail("SetBlanket") ? E_ACCESSDENIED : S_OK;
}

HRESULT Services::CopyProxy(IUnknown*, IUnknown**) {
  return E_NOTIMPL;
}

HRESULT Services::GetObject(const BSTR path, LONG flags, IWbemContext*, IWbemClassObject** object,
                            IWbemCallResult** callResult) {
  if (object == nullptr) return wbem::kInvalidParameter;
  *object = nullptr;
  if (callResult != nullptr) *callResult = nullptr;
  if (path == nullptr || flags != 0) return wbem::kInvalidParameter;
  return guarded([&]() -> HRESULT {
    mofrepo::ObjectResult found =
        repository_.getObject(nameSpace_, reinterpret_cast<const char16_t*>(path));
    if (found.code != mofrepo::hresult::kOk) return found.code;
    *object = new ClassObject(std::move(*found.object));
    return WBEM_S_NO_ERROR;
  });
}

// The rest of the interface is not needed by a reader of one object.
HRESULT Services::OpenNamespace(const BSTR, LONG, IWbemContext*, IWbemServices**,
                                IWbemCallResult**) {
  return wbem::kNotSupported;
}
HRESULT Services::CancelAsyncCall(IWbemObjectSink*) {
  return wbem::kNotSupported;
}
HRESULT Services::QueryObjectSink(LONG, IWbemObjectSink**) {
  return wbem::kNotSupported;
}
HRESULT Services::GetObjectAsync(const BSTR, LONG, IWbemContext*, IWbemObjectSink*) {
  return wbem::kNotSupported;
}
HRESULT Services::PutClass(IWbemClassObject*, LONG, IWbemContext*, IWbemCallResult**) {
  return wbem::kNotSupported;
}
HRESULT Services::PutClassAsync(IWbemClassObject*, LONG, IWbemContext*, IWbemObjectSink*) {
  return wbem::kNotSupported;
}
HRESULT Services::DeleteClass(const BSTR, LONG, IWbemContext*, IWbemCallResult**) {
  return wbem::kNotSupported;
}
HRESULT Services::DeleteClassAsync(const BSTR, LONG, IWbemContext*, IWbemObjectSink*) {
  return wbem::kNotSupported;
}
HRESULT Services::CreateClassEnum(const BSTR, LONG, IWbemContext*, IEnumWbemClassObject**) {
  return wbem::kNotSupported;
}
HRESULT Services::CreateClassEnumAsync(const BSTR, LONG, IWbemContext*, IWbemObjectSink*) {
  return wbem::kNotSupported;
}
HRESULT Services::PutInstance(IWbemClassObject*, LONG, IWbemContext*, IWbemCallResult**) {
  return wbem::kNotSupported;
}
HRESULT Services::PutInstanceAsync(IWbemClassObject*, LONG, IWbemContext*, IWbemObjectSink*) {
  return wbem::kNotSupported;
}
HRESULT Services::DeleteInstance(const BSTR, LONG, IWbemContext*, IWbemCallResult**) {
  return wbem::kNotSupported;
}
HRESULT Services::DeleteInstanceAsync(const BSTR, LONG, IWbemContext*, IWbemObjectSink*) {
  return wbem::kNotSupported;
}
HRESULT Services::CreateInstanceEnum(const BSTR, LONG, IWbemContext*, IEnumWbemClassObject**) {
  return wbem::kNotSupported;
}
HRESULT Services::CreateInstanceEnumAsync(const BSTR, LONG, IWbemContext*, IWbemObjectSink*) {
  return wbem::kNotSupported;
}
HRESULT Services::ExecQuery(const BSTR, const BSTR, LONG, IWbemContext*, IEnumWbemClassObject**) {
  return wbem::kNotSupported;
}
HRESULT Services::ExecQueryAsync(const BSTR, const BSTR, LONG, IWbemContext*, IWbemObjectSink*) {
  return wbem::kNotSupported;
}
HRESULT Services::ExecNotificationQuery(const BSTR, const BSTR, LONG, IWbemContext*,
                                        IEnumWbemClassObject**) {
  return wbem::kNotSupported;
}
HRESULT Services::ExecNotificationQueryAsync(const BSTR, const BSTR, LONG, IWbemContext*,
                                             IWbemObjectSink*) {
  return wbem::kNotSupported;
}
HRESULT Services::ExecMethod(const BSTR, const BSTR, LONG, IWbemContext*, IWbemClassObject*,
                             IWbemClassObject**, IWbemCallResult**) {
  return wbem::kNotSupported;
}
HRESULT Services::ExecMethodAsync(const BSTR, const BSTR, LONG, IWbemContext*, IWbemClassObject*,
                                  IWbemObjectSink*) {
  return wbem::kNotSupported;
}

}  // namespace testwmi
