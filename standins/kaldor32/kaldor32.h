/* Stand-in for the host's companion text library KALDOR32: a test and demo fixture.
 *
 * A real host brings its own KALDOR32. This one speaks the simplest host encoding: 8-bit text
 * ending with a zero byte, copied unchanged. A measured length counts that zero byte.
 *
 * Both calls take (source, destination or null, capacity in bytes, selector, flag). With a null
 * destination they measure; otherwise they copy at most `capacity` bytes and answer how many they
 * wrote. Only selector 42 with flag 0 is known; any other pair answers 0. On Windows the library
 * exports the calls by ordinal only: 5 is toLocalText, 8 is toHostText. */
#ifndef VELTRA_STANDINS_KALDOR32_H
#define VELTRA_STANDINS_KALDOR32_H

#include <stdint.h>

#if defined(_WIN32)
#define KALDOR_CALL __stdcall
#define KALDOR_API
#else
#define KALDOR_CALL
#define KALDOR_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Host text to module text. */
KALDOR_API uint32_t KALDOR_CALL toLocalText(const void* source, char* destination,
                                            uint32_t capacity, int32_t selector, int32_t flag);

/* Module text to host text. */
KALDOR_API uint32_t KALDOR_CALL toHostText(const char* source, void* destination, uint32_t capacity,
                                           int32_t selector, int32_t flag);

#ifdef __cplusplus
}
#endif

#endif
