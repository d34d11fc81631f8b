// One object fetched from the repository (an instance, or a class with every property null), as
// an IWbemClassObject. Only Get is served; the rest of the interface answers WBEM_E_NOT_SUPPORTED.
#pragma once

#include "com_object.h"
#include "mofrepo/repository.h"
#include "wmi_headers.h"

namespace testwmi {

class ClassObject final : public IWbemClassObject, public RefCounted<ClassObject> {
 public:
  explicit ClassObject(mofrepo::Object object) : object_(std::move(object)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return addRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return release(); }

  // A property's value as WMI hands it out: VT_NULL for null, VT_R8 for a real64, VT_R4 for a
  // real32, VT_I4 for every integer type, VT_BSTR, VT_BOOL, and a SAFEARRAY (VT_ARRAY | element
  // type) for an array, which VariantClear frees. A property the class lacks is WBEM_E_NOT_FOUND.
  HRESULT STDMETHODCALLTYPE Get(LPCWSTR name, LONG flags, VARIANT* value, CIMTYPE* type,
                                LONG* flavor) override;

  HRESULT STDMETHODCALLTYPE GetQualifierSet(IWbemQualifierSet**) override;
  HRESULT STDMETHODCALLTYPE Put(LPCWSTR, LONG, VARIANT*, CIMTYPE) override;
  HRESULT STDMETHODCALLTYPE Delete(LPCWSTR) override;
  HRESULT STDMETHODCALLTYPE GetNames(LPCWSTR, LONG, VARIANT*, SAFEARRAY**) override;
  HRESULT STDMETHODCALLTYPE BeginEnumeration(LONG) override;
  HRESULT STDMETHODCALLTYPE Next(LONG, BSTR*, VARIANT*, CIMTYPE*, LONG*) override;
  HRESULT STDMETHODCALLTYPE EndEnumeration() override;
  HRESULT STDMETHODCALLTYPE GetPropertyQualifierSet(LPCWSTR, IWbemQualifierSet**) override;
  HRESULT STDMETHODCALLTYPE Clone(IWbemClassObject**) override;
  HRESULT STDMETHODCALLTYPE GetObjectText(LONG, BSTR*) override;
  HRESULT STDMETHODCALLTYPE SpawnDerivedClass(LONG, IWbemClassObject**) override;
  HRESULT STDMETHODCALLTYPE SpawnInstance(LONG, IWbemClassObject**) override;
  HRESULT STDMETHODCALLTYPE CompareTo(LONG, IWbemClassObject*) override;
  HRESULT STDMETHODCALLTYPE GetPropertyOrigin(LPCWSTR, BSTR*) override;
  HRESULT STDMETHODCALLTYPE InheritsFrom(LPCWSTR) override;
  HRESULT STDMETHODCALLTYPE GetMethod(LPCWSTR, LONG, IWbemClassObject**,
                                      IWbemClassObject**) override;
  HRESULT STDMETHODCALLTYPE PutMethod(LPCWSTR, LONG, IWbemClassObject*, IWbemClassObject*) override;
  HRESULT STDMETHODCALLTYPE DeleteMethod(LPCWSTR) override;
  HRESULT STDMETHODCALLTYPE BeginMethodEnumeration(LONG) override;
  HRESULT STDMETHODCALLTYPE NextMethod(LONG, BSTR*, IWbemClassObject**,
                                       IWbemClassObject**) override;
  HRESULT STDMETHODCALLTYPE EndMethodEnumeration() override;
  HRESULT STDMETHODCALLTYPE GetMethodQualifierSet(LPCWSTR, IWbemQualifierSet**) override;
  HRESULT STDMETHODCALLTYPE GetMethodOrigin(LPCWSTR, BSTR*) override;

 private:
  friend class RefCounted<ClassObject>;
  ~ClassObject() = default;

  mofrepo::Object object_;
};

}  // namespace testwmi
