// InitNodes and TermNodes: the two entry points that bracket the module's useful life.
#include "platform/new_object.h"
#include "plugin/data_lock.h"
#include "plugin/module_state.h"
#include "support/trace.h"
#include "veltra/veltra.h"
#include "wmi/com_setup.h"

using veltra::catalogue::AttributeList;
using veltra::platform::newObject;
using veltra::support::trace;
using veltra::wmi::CimRequester;
using namespace veltra::plugin;

extern "C" VELTRA_API int32_t VELTRA_CALL InitNodes(void) {
  trace("InitNodes ");
  DataLockGuard lock;
  if (!lock.held()) return 0;
  if (!veltra::wmi::ensureComReady()) return 0;

  // Either object may fail to allocate; the module then works without it, as far as it can.
  replaceRequester(nullptr);
  replaceRequester(newObject<CimRequester>());
  replaceAttributeList(nullptr);
  replaceAttributeList(newObject<AttributeList>());
  return 1;
}

extern "C" VELTRA_API int32_t VELTRA_CALL TermNodes(void) {
  trace("TermNodes IN");
  DataLockGuard lock;
  if (lock.held()) {
    if (attributeList() != nullptr) {
      trace("TermNodes-delete attribute list");
      replaceAttributeList(nullptr);
      trace("TermNodes-attribute list deleted");
    }
    if (requester() != nullptr) {
      trace("TermNodes-delete cim requester");
      replaceRequester(nullptr);
      trace("TermNodes-cim requester deleted");
    }
    lock.release();
  }
  trace("TermNodes OUT");
  return 1;
}
