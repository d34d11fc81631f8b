#include "live_resources.h"

#include "cim_service.h"

namespace veltra::testing {

using platform::LiveResource;

LiveResources LiveResources::now() {
  LiveResources live;
  for (unsigned i = 0; i < live.module.size(); ++i)
    live.module[i] = platform::liveCount(static_cast<LiveResource>(i));
  live.cimObjects = cim_live_objects();
  return live;
}

std::string LiveResources::describe() const {
  std::string text;
  for (unsigned i = 0; i < module.size(); ++i) {
    text += platform::liveResourceName(static_cast<LiveResource>(i));
    text += " " + std::to_string(module[i]) + ", ";
  }
  return text + "CIM objects " + std::to_string(cimObjects);
}

}  // namespace veltra::testing
