#include "plugin/library_entry.h"

#include "plugin/data_lock.h"
#include "support/trace.h"

namespace veltra::plugin {

using support::trace;

void libraryEntry(LoadReason reason) noexcept {
  switch (reason) {
    case LoadReason::kProcessAttach:
      trace("DLLMain:ProcessAttach");
      createDataLock();  // a failure leaves no lock, and every locking entry point then fails
      break;
    case LoadReason::kProcessDetach:
      trace("DLLMain-ProcessDetach");
      closeDataLock();
      break;
    case LoadReason::kThreadAttach:
      trace("DLLMain-ThreadAttach");
      break;
    case LoadReason::kThreadDetach:
      trace("DLLMain-ThreadDetach");
      break;
    case LoadReason::kOther:
      trace("DLLMain-Unknown reason");
      break;
  }
}

}  // namespace veltra::plugin
