// The loader's entry into veltra.dll: process and thread attach and detach, passed on as they are.
#include "platform/win/windows_headers.h"
#include "plugin/library_entry.h"

namespace {

veltra::plugin::LoadReason loadReason(DWORD reason) {
  using veltra::plugin::LoadReason;
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      return LoadReason::kProcessAttach;
    case DLL_PROCESS_DETACH:
      return LoadReason::kProcessDetach;
    case DLL_THREAD_ATTACH:
      return LoadReason::kThreadAttach;
    case DLL_THREAD_DETACH:
      return LoadReason::kThreadDetach;
    default:
      return LoadReason::kOther;
  }
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  veltra::plugin::libraryEntry(loadReason(reason));
  return TRUE;
}
