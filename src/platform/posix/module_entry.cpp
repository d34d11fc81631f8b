// Loading and unloading the shared object stand in for process attach and detach.
#include "plugin/library_entry.h"

namespace {

__attribute__((constructor)) void onLoad() {
  veltra::plugin::libraryEntry(veltra::plugin::LoadReason::kProcessAttach);
}

__attribute__((destructor)) void onUnload() {
  veltra::plugin::libraryEntry(veltra::plugin::LoadReason::kProcessDetach);
}

}  // namespace
