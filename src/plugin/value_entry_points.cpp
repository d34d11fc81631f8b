// Reading a node's current value, and telling the host when to read it again.
#include "catalogue/record_layout.h"
#include "catalogue/value_record.h"
#include "platform/heap.h"
#include "plugin/data_lock.h"
#include "plugin/module_state.h"
#include "support/trace.h"
#include "veltra/veltra.h"

using veltra::catalogue::kDataTypeDouble;
using veltra::catalogue::kDataTypeNone;
using veltra::catalogue::ValueStatus;
using veltra::support::trace;
using namespace veltra::plugin;

extern "C" VELTRA_API unsigned char* VELTRA_CALL NodeGetValue(veltra_handle handle) {
  trace("NodeGetValue");
  DataLockGuard lock;
  if (!lock.held()) {
    trace("NodeGetValue: lockData failed");
    return nullptr;
  }
  veltra::catalogue::AttributeList* list = attributeList();
  veltra::wmi::CimRequester* reader = requester();
  if (list == nullptr || reader == nullptr) {
    trace("NodeGetValue: Returning NULL");
    return nullptr;
  }

  unsigned char* record = veltra::catalogue::newValueRecord();
  if (record == nullptr) return nullptr;

  const char16_t* property = list->GetPropertyName(handle);
  double value = 0.0;
  if (property == nullptr) {
    veltra::catalogue::setValue(record, ValueStatus::kInvalidHandle, kDataTypeNone, 0.0);
    trace("NodeGetValue: Returning INVALID_HANDLE");
  } else if (list->IsActivated(handle) &&
             reader->GetPropertyValue(property, value) == veltra::wmi::REQ_OK) {
    veltra::catalogue::setValue(record, ValueStatus::kValuePresent, kDataTypeDouble, value);
    trace("NodeGetValue: Returning double value");
  } else {
    // Not connected (then WMI is not asked at all), or the read failed whatever its reason.
    veltra::catalogue::setValue(record, ValueStatus::kNodeUnavailable, kDataTypeDouble, 0.0);
    trace("NodeGetValue: Returning NODE_UNAVAILABLE");
  }
  return record;
}

extern "C" VELTRA_API void VELTRA_CALL NodeFreeValue(unsigned char* node_value) {
  trace("NodeFreeValue");
  veltra::platform::heapFree(node_value);
}

extern "C" VELTRA_API int32_t VELTRA_CALL NodePulse(veltra_handle handle, int32_t since_last) {
  veltra::support::traceFormat("NodePulse IN:time_since_last=%ld", since_last);
  int32_t next = VELTRA_PULSE_IDLE_MS;
  {
    DataLockGuard lock;
    if (lock.held()) {
      veltra::catalogue::AttributeList* list = attributeList();
      if (list != nullptr && list->IsActivated(handle)) next = VELTRA_PULSE_ACTIVE_MS;
    }
  }
  veltra::support::traceFormat("NodePulse OUT:next_time=%ld", next);
  return next;
}
