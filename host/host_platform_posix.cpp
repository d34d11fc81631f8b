#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "host_platform.h"

namespace veltra::host {

SharedLibrary::SharedLibrary(const std::string& path) {
  // RTLD_LOCAL: the module's symbols stay its own, as they would in a Windows host.
  handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) error_ = dlerror();
}

SharedLibrary::~SharedLibrary() {
  if (handle_ != nullptr) dlclose(handle_);
}

void* SharedLibrary::symbol(const char* name) {
  dlerror();
  void* address = dlsym(handle_, name);
  if (address == nullptr) {
    const char* why = dlerror();
    error_ = why != nullptr ? why : std::string(name) + " is null";
  }
  return address;
}

std::string moduleFileName(const std::string& stem) {
  return stem + ".so";
}

std::string programDirectory() {
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return "./";
  std::string program(path, static_cast<std::size_t>(length));
  return program.substr(0, program.find_last_of('/') + 1);
}

void setEnvironment(const char* name, const char* value) {
  if (value != nullptr) {
    setenv(name, value, 1);
  } else {
    unsetenv(name);
  }
}

}  // namespace veltra::host
