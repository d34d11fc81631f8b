#include "repository_file.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "host_platform.h"

namespace veltra::testing {
namespace {

constexpr char kVariable[] = "VELTRA_CIM_REPOSITORY";

std::optional<std::string> currentValue() {
  const char* value = std::getenv(kVariable);
  return value ? std::optional<std::string>(value) : std::nullopt;
}

std::string temporaryPath() {
  static std::mt19937_64 random{std::random_device{}()};
  const auto name = "veltra-repository-" + std::to_string(random()) + ".mof";
  return (std::filesystem::temp_directory_path() / name).string();
}

}  // namespace

void RepositoryFile::pointAt(const std::optional<std::string>& path) {
  host::setEnvironment(kVariable, path ? path->c_str() : nullptr);
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
