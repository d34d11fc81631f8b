/* veltra: a plug-in module that publishes twelve measurements of an uninterruptible power supply
 * (UPS) as nodes under its root node "VELTRA". This header is for hosts that load it.
 *
 * Loading: load veltra.dll (veltra.so on Linux) and look up the eleven entry points below by
 * their plain names. The module needs the host's text library KALDOR32 beside it.
 *
 * Protocol: InitNodes; GetNodeList for the root; NodeConnect each node by its key; then, per
 * poll, NodeGetValue and NodePulse for the wait until the next poll; NodeDisconnect; TermNodes.
 * Calls may come from any thread; the module serialises them with one lock, held across a
 * whole WMI read. Every record the module returns belongs to the host until it is handed back
 * to its free function (which accepts null).
 *
 * Records: packed, little-endian, no alignment gaps; a 32-bit field may begin at an odd offset.
 * Texts inside records are in the host's encoding (what KALDOR32 produces and reads), placed by
 * an offset and a length. The readers at the end of this header decode every field a host
 * needs; no host should re-derive an offset by hand. */
#ifndef VELTRA_VELTRA_H
#define VELTRA_VELTRA_H

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#if defined(_WIN32)
#define VELTRA_CALL __cdecl
#define VELTRA_API
#else
#define VELTRA_CALL
#define VELTRA_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Codes -------------------------------------------------------------------------------- */

/* Handles name one node; they come from a counter that starts at 100 when the module is loaded
 * and is never reset, so the nodes of a re-initialised module get new handles (112 to 123 after
 * one re-initialisation) and old handles name nothing. -1 names no node. */
typedef int32_t veltra_handle;

/* Data type codes. */
#define VELTRA_TYPE_NONE 0
#define VELTRA_TYPE_DOUBLE 1 /* IEEE 754 64-bit: the only kind of value the module serves */

/* Status of a NodeValueRecord. */
#define VELTRA_STATUS_OK 0
#define VELTRA_INVALID_HANDLE 8    /* no node has this handle */
#define VELTRA_NODE_UNAVAILABLE 12 /* node not connected, or the reading failed */

/* Poll intervals NodePulse answers, in milliseconds. */
#define VELTRA_PULSE_ACTIVE_MS 4000
#define VELTRA_PULSE_IDLE_MS 3600000

/* ---- Entry points ------------------------------------------------------------------------- */

/* 1 on success, 0 when COM cannot be set up (final for the process) or the lock is missing.
 * Calling it again rebuilds the nodes with new handles. */
VELTRA_API int32_t VELTRA_CALL InitNodes(void);
/* Always 1. Harmless without InitNodes. */
VELTRA_API int32_t VELTRA_CALL TermNodes(void);

/* All nodes under the root, for any non-null QueryPath; null before InitNodes or for null. */
VELTRA_API unsigned char* VELTRA_CALL GetNodeList(const unsigned char* query_path);
VELTRA_API void VELTRA_CALL FreeNodeList(unsigned char* node_list);

/* Connects the node whose key is member 1 of a two-member QueryPath (letters A-Z match either
 * case). 1 with its handle and data type; 0 with -1 and 0 when no node has that key. */
VELTRA_API int32_t VELTRA_CALL NodeConnect(const unsigned char* query_path, veltra_handle* handle,
                                           uint8_t* data_type);
/* Always 1, also for a handle that names no node. */
VELTRA_API int32_t VELTRA_CALL NodeDisconnect(veltra_handle handle);

/* How to poll and show a node; null for a handle that names no node. */
VELTRA_API unsigned char* VELTRA_CALL GetNodeAttributes(veltra_handle handle);
VELTRA_API void VELTRA_CALL FreeNodeAttributes(unsigned char* node_attributes);

/* A fresh reading; null before InitNodes. The status inside says whether a value is present. */
VELTRA_API unsigned char* VELTRA_CALL NodeGetValue(veltra_handle handle);
VELTRA_API void VELTRA_CALL NodeFreeValue(unsigned char* node_value);

/* Milliseconds to wait before polling `handle` again: 4000 while it is connected, else 3600000.
 * `since_last` is informational only. */
VELTRA_API int32_t VELTRA_CALL NodePulse(veltra_handle handle, int32_t since_last);

/* Types of the entry points, for hosts that look them up at run time. */
typedef int32_t(VELTRA_CALL* veltra_InitNodes_fn)(void);
typedef int32_t(VELTRA_CALL* veltra_TermNodes_fn)(void);
typedef unsigned char*(VELTRA_CALL* veltra_GetNodeList_fn)(const unsigned char*);
typedef void(VELTRA_CALL* veltra_FreeNodeList_fn)(unsigned char*);
typedef int32_t(VELTRA_CALL* veltra_NodeConnect_fn)(const unsigned char*, veltra_handle*, uint8_t*);
typedef int32_t(VELTRA_CALL* veltra_NodeDisconnect_fn)(veltra_handle);
typedef unsigned char*(VELTRA_CALL* veltra_GetNodeAttributes_fn)(veltra_handle);
typedef void(VELTRA_CALL* veltra_FreeNodeAttributes_fn)(unsigned char*);
typedef unsigned char*(VELTRA_CALL* veltra_NodeGetValue_fn)(veltra_handle);
typedef void(VELTRA_CALL* veltra_NodeFreeValue_fn)(unsigned char*);
typedef int32_t(VELTRA_CALL* veltra_NodePulse_fn)(veltra_handle, int32_t);

/* ---- Records ------------------------------------------------------------------------------
 *
 * QueryPath (built by the host, only read by the module):
 *   0  11 bytes  not read by the module
 *   11 int32     members: 1 names the root, 2 names a node under it
 *   15 int32     offset of member 0's text, the root id ("VELTRA"); read when members is 1
 *   19 int32     offset of member 1's text, the node key; read when members is 2
 *   A member's offset must point past the fields read for it (19 or more for a root path, 23 or
 *   more for a node path); where its text ends is the text library's rule.
 *
 * NodeListRecord (from GetNodeList):
 *   0  int32  17, the header length        4  uint8  2, format
 *   5  int32  total length of the record   9  int32  number of entries (12)
 *   13 4 bytes zero
 *   then the entries, each beginning where the previous one ends, the first at 17:
 *   0  int32  entry length, 21 + N + K     4  uint8  1, format
 *   5  6 bytes "en_US" and a zero byte     11 uint8  1     12 uint8  8
 *   13 int32  21, offset of the display name    17 int32  21 + N, offset of the key
 *   21 N bytes display name (host text)    21 + N  K bytes key (host text)
 *
 * NodeAttributesRecord (from GetNodeAttributes), L1 = L2 = measured length of "%10.02f":
 *   0  int32  51 + L1 + L2, total length   4  uint8  2, format
 *   5  int32  0     9  int32  4000, the poll interval in ms     13 int32 1     17 int32 10
 *   21 16 bytes zero
 *   37 int32  offset of the first format text (49), 0 if it is empty
 *   41 int32  offset of the second format text (49 + L1), 0 if it is empty
 *   45 4 bytes zero    49 L1 bytes, L2 bytes: "%10.02f" twice (host text)    then 2 zero bytes
 *   The format text is printf-style: width 10, two decimals.
 *
 * NodeValueRecord (from NodeGetValue), always 18 bytes:
 *   0  int32  18      4  uint8  1, format
 *   5  int32  status: 0 value present, 8 VELTRA_INVALID_HANDLE, 12 VELTRA_NODE_UNAVAILABLE
 *   9  uint8  data type: 1 with status 0 or 12, 0 with status 8
 *   10 8 bytes the value, IEEE 754 double; 0 unless status is 0
 */

/* ---- Readers ------------------------------------------------------------------------------ */

/* The readers and the builder below are C; compiled as C++ their casts stay C casts. */
#if defined(__cplusplus) && defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wold-style-cast"
#endif

static inline int32_t veltra_read_int32(const unsigned char* record, size_t offset) {
  const unsigned char* p = record + offset;
  return (int32_t)((uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 |
                   (uint32_t)p[3] << 24);
}

static inline double veltra_read_double(const unsigned char* record, size_t offset) {
  uint64_t bits = 0;
  double value;
  int i;
  for (i = 7; i >= 0; --i)
    bits = bits << 8 | record[offset + (size_t)i];
  memcpy(&value, &bits, sizeof value);
  return value;
}

/* Every record the module returns begins with its length and a format byte. */
static inline int32_t veltra_record_length(const unsigned char* record) {
  return veltra_read_int32(record, 0);
}
static inline uint8_t veltra_record_format(const unsigned char* record) {
  return record[4];
}

/* NodeListRecord */
static inline int32_t veltra_node_list_total_length(const unsigned char* list) {
  return veltra_read_int32(list, 5);
}
static inline int32_t veltra_node_list_count(const unsigned char* list) {
  return veltra_read_int32(list, 9);
}
static inline const unsigned char* veltra_node_list_first(const unsigned char* list) {
  return list + veltra_read_int32(list, 0);
}
static inline const unsigned char* veltra_node_list_next(const unsigned char* entry) {
  return entry + veltra_read_int32(entry, 0);
}
/* The display name and key of an entry, as host text, with their lengths in bytes. */
static inline const unsigned char* veltra_entry_name(const unsigned char* entry, size_t* length) {
  const int32_t name = veltra_read_int32(entry, 13);
  if (length != NULL) *length = (size_t)(veltra_read_int32(entry, 17) - name);
  return entry + name;
}
static inline const unsigned char* veltra_entry_key(const unsigned char* entry, size_t* length) {
  const int32_t key = veltra_read_int32(entry, 17);
  if (length != NULL) *length = (size_t)(veltra_read_int32(entry, 0) - key);
  return entry + key;
}

/* NodeAttributesRecord */
static inline int32_t veltra_attributes_pulse_ms(const unsigned char* attributes) {
  return veltra_read_int32(attributes, 9);
}
/* The first format text (host text), or null when the record carries none. */
static inline const unsigned char* veltra_attributes_format(const unsigned char* attributes,
                                                            size_t* length) {
  const int32_t first = veltra_read_int32(attributes, 37);
  const int32_t second = veltra_read_int32(attributes, 41);
  if (first == 0) return NULL;
  if (length != NULL) {
    *length = (size_t)((second != 0 ? second : veltra_read_int32(attributes, 0) - 2) - first);
  }
  return attributes + first;
}

/* NodeValueRecord */
static inline int32_t veltra_value_status(const unsigned char* value) {
  return veltra_read_int32(value, 5);
}
static inline uint8_t veltra_value_type(const unsigned char* value) {
  return value[9];
}
static inline double veltra_value_double(const unsigned char* value) {
  return veltra_read_double(value, 10);
}

/* ---- Building a QueryPath ----------------------------------------------------------------- */

/* Bytes a QueryPath needs for a root id (and a node key, or null), each `*_length` bytes of host
 * text including whatever ends it. */
static inline size_t veltra_query_path_size(size_t root_length, size_t key_length) {
  return 23 + root_length + key_length;
}

/* Writes a QueryPath naming the root (key null) or a node under it into `path`, which must hold
 * veltra_query_path_size() bytes. The texts are copied as given, so they must already be host
 * text. */
static inline void veltra_query_path_build(unsigned char* path, const void* root,
                                           size_t root_length, const void* key, size_t key_length) {
  const uint32_t root_offset = 23;
  const uint32_t key_offset = (uint32_t)(23 + root_length);
  const uint32_t members = key != NULL ? 2u : 1u;
  int i;
  memset(path, 0, 23);
  for (i = 0; i < 4; ++i) {
    path[11 + i] = (unsigned char)(members >> (8 * i));
    path[15 + i] = (unsigned char)(root_offset >> (8 * i));
    path[19 + i] = (unsigned char)((key != NULL ? key_offset : 0u) >> (8 * i));
  }
  memcpy(path + root_offset, root, root_length);
  if (key != NULL) memcpy(path + key_offset, key, key_length);
}

#if defined(__cplusplus) && defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
#ifdef __cplusplus
}
#endif

#endif
