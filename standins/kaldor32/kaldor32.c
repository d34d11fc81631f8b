#include "kaldor32.h"

#include <stdint.h>
#include <string.h>

enum { kSelector = 42, kFlag = 0 };

/* Host text and module text are the same bytes here, so both directions share one copy. */
static uint32_t convert(const char* source, char* destination, uint32_t capacity, int32_t selector,
                        int32_t flag) {
  if (source == NULL || selector != kSelector || flag != kFlag) return 0;
  const size_t length = strlen(source) + 1; /* the terminator is part of the text */
#if SIZE_MAX > UINT32_MAX
  if (length > UINT32_MAX) return 0;
#endif
  if (destination == NULL) return (uint32_t)length;
  const uint32_t written = length < capacity ? (uint32_t)length : capacity;
  memcpy(destination, source, written);
  return written;
}

uint32_t KALDOR_CALL toLocalText(const void* source, char* destination, uint32_t capacity,
                                 int32_t selector, int32_t flag) {
  return convert((const char*)source, destination, capacity, selector, flag);
}

uint32_t KALDOR_CALL toHostText(const char* source, void* destination, uint32_t capacity,
                                int32_t selector, int32_t flag) {
  return convert(source, (char*)destination, capacity, selector, flag);
}
