// What a host needs from its platform: loading a shared library by file name and looking its
// symbols up (dlopen on POSIX, LoadLibrary on Windows), where the program lives, and its
// environment. One implementation per platform, chosen by the build.
#pragma once

#include <memory>
#include <string>

namespace veltra::host {

class SharedLibrary {
 public:
  // Loads `path`. On failure the library is not open and error() says why.
  explicit SharedLibrary(const std::string& path);
  ~SharedLibrary();
  SharedLibrary(const SharedLibrary&) = delete;
  SharedLibrary& operator=(const SharedLibrary&) = delete;

  bool isOpen() const noexcept { return handle_ != nullptr; }
  const std::string& error() const noexcept { return error_; }

  // The address of `name`, or null (and error() says why).
  void* symbol(const char* name);

 private:
  void* handle_ = nullptr;
  std::string error_;
};

// The file name the platform gives a module called `stem` ("veltra" → "veltra.so"/"veltra.dll").
std::string moduleFileName(const std::string& stem);

// The folder of the running program, with a trailing separator.
std::string programDirectory();

// Sets (or, with null, removes) an environment variable of this process, where both the C
// runtime and libraries loaded into the process see it.
void setEnvironment(const char* name, const char* value);

}  // namespace veltra::host
