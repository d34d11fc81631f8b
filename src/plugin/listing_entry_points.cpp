// Listing, connecting and describing nodes, and taking back the records handed out for them.
#include "platform/heap.h"
#include "plugin/data_lock.h"
#include "plugin/module_state.h"
#include "support/trace.h"
#include "veltra/veltra.h"

using veltra::support::trace;
using namespace veltra::plugin;

extern "C" VELTRA_API unsigned char* VELTRA_CALL GetNodeList(const unsigned char* query_path) {
  trace("GetNodeList ");
  DataLockGuard lock;
  if (!lock.held()) return nullptr;
  veltra::catalogue::AttributeList* list = attributeList();
  if (query_path == nullptr || list == nullptr) return nullptr;
  // The root id is looked at, but any path gets the whole list.
  list->SetRoot(query_path);
  return list->BuildNodeList();
}

extern "C" VELTRA_API void VELTRA_CALL FreeNodeList(unsigned char* node_list) {
  trace("FreeNodeList");
  veltra::platform::heapFree(node_list);
}

extern "C" VELTRA_API int32_t VELTRA_CALL NodeConnect(const unsigned char* query_path,
                                                      veltra_handle* handle, uint8_t* data_type) {
  trace("NodeConnect");
  DataLockGuard lock;
  if (!lock.held()) return 0;

  veltra_handle found = -1;
  uint8_t type = VELTRA_TYPE_NONE;
  int32_t connected = 0;
  if (veltra::catalogue::AttributeList* list = attributeList(); query_path != nullptr && list) {
    found = list->GetHandle(query_path);
    connected = list->Activate(found);
    type = list->GetDataType(found);
  }
  // The host always passes both locations; a null one is skipped rather than written through.
  if (handle != nullptr) *handle = found;
  if (data_type != nullptr) *data_type = type;
  return connected;
}

extern "C" VELTRA_API int32_t VELTRA_CALL NodeDisconnect(veltra_handle handle) {
  trace("NodeDisconnect");
  DataLockGuard lock;
  if (!lock.held()) return 1;
  if (veltra::catalogue::AttributeList* list = attributeList()) list->Deactivate(handle);
  return 1;
}

extern "C" VELTRA_API unsigned char* VELTRA_CALL GetNodeAttributes(veltra_handle handle) {
  trace("GetNodeAttributes");
  DataLockGuard lock;
  if (!lock.held()) return nullptr;
  veltra::catalogue::AttributeList* list = attributeList();
  return list != nullptr ? list->GetMetaData(handle) : nullptr;
}

extern "C" VELTRA_API void VELTRA_CALL FreeNodeAttributes(unsigned char* node_attributes) {
  trace("FreeNodeAttributes");
  veltra::platform::heapFree(node_attributes);
}
