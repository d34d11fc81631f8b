#include "catalogue/attribute.h"

#include <cstring>
#include <limits>

#include "catalogue/record_layout.h"
#include "platform/string_table.h"
#include "support/trace.h"

namespace veltra::catalogue {
namespace {

using support::traceObject;

// Guarded by the data lock: attributes are built only inside InitNodes.
std::int32_t nextHandle = kFirstHandle;

std::int32_t takeHandle() noexcept {
  const std::int32_t handle = nextHandle;
  // After some 178 million re-initialisations the counter would overflow; start again rather
  // than ever hand out -1, which means "no attribute".
  nextHandle = handle == std::numeric_limits<std::int32_t>::max() ? kFirstHandle : handle + 1;
  return handle;
}

constexpr std::size_t kNameBufferSize = 1024;

}  // namespace

void resetHandleCounterForTesting() noexcept {
  nextHandle = kFirstHandle;
}

Attribute::Attribute(const char* key, const char16_t* code, unsigned stringId) noexcept
    : key_(key), code_(code), handle_(takeHandle()), dataType_(kDataTypeDouble) {
  traceObject(this, "Constructor");

  char buffer[kNameBufferSize];
  std::size_t length = platform::loadModuleString(stringId, buffer, sizeof buffer);
  if (length == 0) {
    length = std::strlen(key);
    if (length >= sizeof buffer) length = sizeof buffer - 1;
    std::memcpy(buffer, key, length);
    buffer[length] = '\0';
  }
  name_ = platform::heapAllocate<char>(length + 1);
  if (name_) std::memcpy(name_.get(), buffer, length + 1);
}

Attribute::~Attribute() {
  traceObject(this, "Destructor IN");
  if (name_) {
    traceObject(this, "Destructor:HeapFree Name");
    support::traceObjectFormat(this, "Destructor:Name=%s", name_.get());
    name_.reset();
    traceObject(this, "Destructor: Name HeapFree()d");
  }
  traceObject(this, "Destructor OUT");
}

}  // namespace veltra::catalogue
