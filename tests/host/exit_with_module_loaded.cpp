// A host that ends its process with the module still loaded, as many hosts do: it never unloads
// the module first. The process must still end cleanly when the C runtime's exit handlers and
// then the loader's unloading of the module run. Exit status 0 is the pass.
#include <cstdio>
#include <string>

#include "veltra_module.h"

namespace {

// Never deleted: deleting it would unload the module. Held here, so it stays reachable.
veltra::host::VeltraModule* loadedModule = nullptr;

}  // namespace

int main() {
  std::string error;
  loadedModule =
      veltra::host::VeltraModule::load(veltra::host::VeltraModule::defaultPath(), error).release();
  if (loadedModule == nullptr) {
    std::fprintf(stderr, "cannot load the module: %s\n", error.c_str());
    return 2;
  }
  if (loadedModule->InitNodes() != 1) {
    std::fprintf(stderr, "InitNodes failed\n");
    return 3;
  }
  veltra_handle handle = -1;
  std::uint8_t type = 0;
  loadedModule->NodeConnect(veltra::host::queryPath("VELTRA", "InputVoltage").data(), &handle,
                            &type);
  loadedModule->NodeGetValue(handle);  // read or not, the record goes straight back
  return 0;
}
