// A MOF repository file for the stand-in WMI service, named by VELTRA_CIM_REPOSITORY while the
// object lives. The previous value of the variable comes back afterwards.
#pragma once

#include <optional>
#include <string>

namespace veltra::testing {

class RepositoryFile {
 public:
  // Writes `text` to a fresh temporary file and points the service at it.
  explicit RepositoryFile(const std::string& text);
  ~RepositoryFile();
  RepositoryFile(const RepositoryFile&) = delete;
  RepositoryFile& operator=(const RepositoryFile&) = delete;

  const std::string& path() const { return path_; }
  void rewrite(const std::string& text) const;

  // Points the service at a file that does not exist, or unsets the variable.
  static void pointAt(const std::optional<std::string>& path);

 private:
  std::string path_;
  std::optional<std::string> previous_;
};

// The class and one instance as the UPS provider publishes them, with `properties` as the body
// of the instance (for example "UPSInputVolt = 230.5;"). Besides the twelve readings the class
// has an array of doubles, Samples, and an integer, Counter.
std::string upsRepository(const std::string& properties, int instanceTag = 0);

}  // namespace veltra::testing
