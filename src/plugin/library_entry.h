// What the module does when the operating system loads or unloads it, or a thread of the host
// starts or ends. Called by each platform's loader hook (DllMain on Windows; the shared object's
// constructor and destructor on Linux, which stand in for process attach and detach).
#pragma once

namespace veltra::plugin {

enum class LoadReason { kProcessAttach, kProcessDetach, kThreadAttach, kThreadDetach, kOther };

// Creates the data lock on attach and closes it on detach; nothing else. The working objects
// are left as they are at detach: their destroy steps are not safe from inside the loader.
void libraryEntry(LoadReason reason) noexcept;

}  // namespace veltra::plugin
