#include "class_object.h"

#include <string>

#include "variant_value.h"
#include "wbem_codes.h"

namespace testwmi {

HRESULT ClassObject::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IWbemClassObject)) {
    return handOut<IWbemClassObject>(this, out);
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT ClassObject::Get(LPCWSTR name, LONG flags, VARIANT* value, CIMTYPE* type, LONG* flavor) {
  if (name == nullptr || flags != 0) return wbem::kInvalidParameter;
  return guarded([&]() -> HRESULT {
    const mofrepo::PropertyResult found =
        object_.property(std::u16string(reinterpret_cast<const char16_t*>(name)));
    if (found.code != mofrepo::hresult::kOk) return found.code;
    if (value != nullptr) {
      const HRESULT result = toVariant(found.value, *value);
      if (FAILED(result)) return result;
    }
    if (type != nullptr) *type = cimType(found.value);
    if (flavor != nullptr) *flavor = WBEM_FLAVOR_ORIGIN_PROPAGATED;
    return WBEM_S_NO_ERROR;
  });
}

// The rest of the interface is not needed by a reader of one property.
HRESULT ClassObject::GetQualifierSet(IWbemQualifierSet**) {
  return wbem::kNotSupported;
}
HRESULT ClassObject::Put(LPCWSTR, LONG, VARIANT*, CIMTYPE) {
  return wbem::kNotSupported;
}
HRESULT ClassObject::Delete(LPCWSTR) {
  return wbem::kNotSupported;
}
HRESULT ClassObject::GetNames(LPCWSTR, LONG, VARIANT*, SAFEARRAY**) {
  return wbem::kNotSupported;
}
HRESULT ClassObject::BeginEnumeration(LONG) {
  return wbem::kNotSupported;
}
HRESULT ClassObject::Next(LONG, BSTR*, VARIANT*, CIMTYPE*, LONG*) {
  return wbem::kNotSupported;
}
HRESULT ClassObject::EndEnumeration() {
  return wbem::kNotSupported;
}
HRESULT ClassObject::GetPropertyQualifierSet(LPCWSTR, IWbemQualifierSet**) {
  return wbem::kNotSupported;
}
HRESULT ClassObject::Clone(IWbemClassObject**) {
  return wbem::kNotSupported;
}
HRESULT ClassObject::GetObjectText(LONG, BSTR*) {
  return wbem::kNotSupported;
}
HRESULT ClassObject::SpawnDerivedClass(LONG, IWbemClassObject**) {
  return wbem::kNotSupported;
}
HRESULT ClassObject::SpawnInstance(LONG, IWbemClassObject**) {
  return wbem::kNotSupported;
}
HRESULT ClassObject::CompareTo(LONG, IWbemClassObject*) {
  return wbem::kNotSupported;
}
HRESULT ClassObject::GetPropertyOrigin(LPCWSTR, BSTR*) {
  return wbem::kNotSupported;
}
HRESULT ClassObject::InheritsFrom(LPCWSTR) {
  return wbem::kNotSupported;
}
HRESULT ClassObject::GetMethod(LPCWSTR, LONG, IWbemClassObject**, IWbemClassObject**) {
  return wbem::kNotSupported;
}
HRESULT ClassObject::PutMethod(LPCWSTR, LONG, IWbemClassObject*, IWbemClassObject*) {
  return wbem::kNotSupported;
}
HRESULT ClassObject::DeleteMethod(LPCWSTR) {
  return wbem::kNotSupported;
}
HRESULT ClassObject::BeginMethodEnumeration(LONG) {
  return wbem::kNotSupported;
}
HRESULT ClassObject::NextMethod(LONG, BSTR*, IWbemClassObject**, IWbemClassObject**) {
  return wbem::kNotSupported;
}
HRESULT ClassObject::EndMethodEnumeration() {
  return wbem::kNotSupported;
}
HRESULT ClassObject::GetMethodQualifierSet(LPCWSTR, IWbemQualifierSet**) {
  return wbem::kNotSupported;
}
HRESULT ClassObject::GetMethodOrigin(LPCWSTR, BSTR*) {
  return wbem::kNotSupported;
}

}  // namespace testwmi
