/* A stand-in for the local WMI service, for builds of the module without Windows.
 *
 * It serves the namespace ROOT\CIMV2 (matched without regard to case) from a repository file in
 * Managed Object Format, the format that WMI itself loads with mofcomp. The environment variable
 * VELTRA_CIM_REPOSITORY names the file, and each connection reads it afresh, so a changed file is
 * seen by the next read. With no variable, no such file, or a file that is rejected, the namespace
 * holds no classes.
 *
 * The calls mirror the steps of a WMI read. Results follow the Windows convention: 0 on success,
 * a negative HRESULT-style code on failure (the codes WMI itself answers). Texts are UTF-16. */
#ifndef VELTRA_STANDINS_CIM_SERVICE_H
#define VELTRA_STANDINS_CIM_SERVICE_H

#include <stdint.h>

#if defined(_WIN32)
#define CIM_SERVICE_API
#else
#define CIM_SERVICE_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef struct cim_locator cim_locator;
typedef struct cim_services cim_services;
typedef struct cim_object cim_object;

/* Variant type numbers, as WMI reports them: 1 null, 3 32-bit integer, 4 real32, 5 real64,
 * 8 string, 11 boolean; an array has 0x2000 added to its element's type. */
typedef struct cim_value {
  uint16_t type;
  double real64; /* the value when type is 5 */
  int64_t integer; /* the value when type is 3 or 11 */
} cim_value;

CIM_SERVICE_API int32_t cim_create_locator(cim_locator** out);
CIM_SERVICE_API int32_t cim_connect_server(cim_locator* locator, const uint16_t* name_space,
                                           cim_services** out);
CIM_SERVICE_API int32_t cim_set_proxy_blanket(cim_services* services, uint32_t authn_service,
                                              uint32_t authz_service, uint32_t authn_level,
                                              uint32_t imp_level, uint32_t capabilities);
CIM_SERVICE_API int32_t cim_get_object(cim_services* services, const uint16_t* object_path,
                                       cim_object** out);
CIM_SERVICE_API int32_t cim_get_property(cim_object* object, const uint16_t* name,
                                         cim_value* out);

CIM_SERVICE_API void cim_release_locator(cim_locator* locator);
CIM_SERVICE_API void cim_release_services(cim_services* services);
CIM_SERVICE_API void cim_release_object(cim_object* object);

/* For tests: how many locators, connections and objects are alive now. */
CIM_SERVICE_API long cim_live_objects(void);

#ifdef __cplusplus
}
#endif

#endif
