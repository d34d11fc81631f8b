#include <windows.h>

#include <cstdlib>

#include "host_platform.h"

namespace veltra::host {
namespace {

std::string lastErrorText() {
  const DWORD code = GetLastError();
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = length != 0 ? std::string(text, length) : std::string();
  if (text != nullptr) LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
    message.pop_back();
  return message + " (error " + std::to_string(code) + ")";
}

}  // namespace

SharedLibrary::SharedLibrary(const std::string& path) {
  handle_ = LoadLibraryA(path.c_str());
  if (handle_ == nullptr) error_ = path + ": " + lastErrorText();
}

SharedLibrary::~SharedLibrary() {
  if (handle_ != nullptr) FreeLibrary(static_cast<HMODULE>(handle_));
}

void* SharedLibrary::symbol(const char* name) {
  FARPROC address = GetProcAddress(static_cast<HMODULE>(handle_), name);
  if (address == nullptr) error_ = std::string(name) + ": " + lastErrorText();
  return reinterpret_cast<void*>(address);
}

std::string moduleFileName(const std::string& stem) {
  return stem + ".dll";
}

std::string programDirectory() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string program(path, length);
  return program.substr(0, program.find_last_of("\\/") + 1);
}

void setEnvironment(const char* name, const char* value) {
  // The C runtime keeps its own copy of the environment; a COM server may read either.
  _putenv_s(name, value != nullptr ? value : "");
  SetEnvironmentVariableA(name, value);
}

}  // namespace veltra::host
