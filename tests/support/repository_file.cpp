#include "repository_file.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace veltra::testing {
namespace {

constexpr char kVariable[] = "VELTRA_CIM_REPOSITORY";

std::optional<std::string> currentValue() {
  const char* value = std::getenv(kVariable);
  return value ? std::optional<std::string>(value) : std::nullopt;
}

std::string temporaryPath() {
#if defined(_WIN32)
  char directory[MAX_PATH];
  char path[MAX_PATH];
  GetTempPathA(MAX_PATH, directory);
  GetTempFileNameA(directory, "vmo", 0, path);
  return path;
#else
  char path[] = "/tmp/veltra-repository-XXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) throw std::runtime_error("cannot make a temporary file");
  close(fd);
  return path;
#endif
}

}  // namespace

void RepositoryFile::pointAt(const std::optional<std::string>& path) {
#if defined(_WIN32)
  // Both the C runtime's copy and the process environment, which a COM server may read.
  _putenv_s(kVariable, path ? path->c_str() : "");
  SetEnvironmentVariableA(kVariable, path ? path->c_str() : nullptr);
#else
  if (path) {
    setenv(kVariable, path->c_str(), 1);
  } else {
    unsetenv(kVariable);
  }
#endif
}

RepositoryFile::RepositoryFile(const std::string& text)
    : path_(temporaryPath()), previous_(currentValue()) {
  rewrite(text);
  pointAt(path_);
}

RepositoryFile::~RepositoryFile() {
  pointAt(previous_);
  std::remove(path_.c_str());
}

void RepositoryFile::rewrite(const std::string& text) const {
  std::ofstream out(path_, std::ios::binary | std::ios::trunc);
  out << text;
}

std::string upsRepository(const std::string& properties, int instanceTag) {
  return R"(#pragma namespace("\\\\.\\root\\cimv2")
class APC_UMSData {
  [key] uint32 InstanceTag;
  real64 UPSInputVolt;
  real64 UPSMinInputVolt;
  real64 UPSMaxInputVolt;
  real64 UPSOutputVolt;
  real64 UPSOutputLoad;
  real64 UPSOutputFreq;
  real64 UPSBatteryTemp;
  real64 UPSBatteryVolt;
  real64 MUPSProbe1Hum;
  real64 MUPSProbe2Hum;
  real64 MUPSProbe1Temp;
  real64 MUPSProbe2Temp;
  real64 Samples[];
  sint32 Counter;
};
instance of APC_UMSData {
  InstanceTag = )" +
         std::to_string(instanceTag) + ";\n" + properties + "\n};\n";
}

}  // namespace veltra::testing
