#include "scoped_environment.h"

#include <cstdlib>

#include "host_platform.h"

namespace veltra::testing {

ScopedEnvironment::ScopedEnvironment(const char* name, const char* value) : name_(name) {
  if (const char* previous = std::getenv(name)) previous_ = previous;
  host::setEnvironment(name, value);
}

ScopedEnvironment::~ScopedEnvironment() {
  host::setEnvironment(name_.c_str(), previous_ ? previous_->c_str() : nullptr);
}

}  // namespace veltra::testing
