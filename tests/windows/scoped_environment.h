// Sets an environment variable of this process for one scope, for the C runtime and for
// libraries that read the Windows environment (the test WMI service does), and restores it after.
#pragma once

#include <optional>
#include <string>

namespace veltra::testing {

class ScopedEnvironment {
 public:
  // With null, removes the variable for the scope.
  ScopedEnvironment(const char* name, const char* value);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::string name_;
  std::optional<std::string> previous_;
};

}  // namespace veltra::testing
