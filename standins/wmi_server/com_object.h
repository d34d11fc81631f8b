// Reference counting shared by the test WMI service's COM objects, and the count of live objects
// that tells COM whether the DLL may be unloaded.
#pragma once

#include <windows.h>

#include <atomic>
#include <new>

namespace testwmi {

// Objects and class factory locks alive in this DLL.
std::atomic<long>& liveObjects();

// Implements AddRef and Release for `Base` (one or more COM interfaces); the object deletes
// itself when the last reference goes. Objects start with one reference, the creator's.
template <typename Derived>
class RefCounted {
 public:
  RefCounted() { ++liveObjects(); }
  RefCounted(const RefCounted&) = delete;
  RefCounted& operator=(const RefCounted&) = delete;

  ULONG addRef() { return static_cast<ULONG>(++references_); }
  ULONG release() {
    const long left = --references_;
    if (left == 0) delete static_cast<Derived*>(this);
    return static_cast<ULONG>(left);
  }

 protected:
  ~RefCounted() { --liveObjects(); }

 private:
  std::atomic<long> references_{1};
};

// Hands `object` out through `out` as interface `Interface`, with a new reference.
template <typename Interface, typename Object>
HRESULT handOut(Object* object, void** out) {
  *out = static_cast<Interface*>(object);
  object->addRef();
  return S_OK;
}

// Runs `work`, turning anything it throws into a result code: nothing may leave through COM.
template <typename Work>
HRESULT guarded(Work&& work) noexcept {
  try {
    return work();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_FAIL;
  }
}

}  // namespace testwmi
