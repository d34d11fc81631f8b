// The floor of each entry point: what any implementation of its contract has to do, done with the
// same platform pieces as the module and nothing else. That is the data lock's mutex taken and
// released; the record's one zero-filled block allocated and, as the host hands it back, freed;
// and each text that crosses to or from the host measured and then converted by the host's text
// library. A reading adds the whole WMI exchange.
#pragma once

#include <string>
#include <vector>

#include "platform/mutex.h"
#include "veltra_module.h"

namespace veltra::bench {

class Floors {
 public:
  // `nodes` are the nodes as the module lists them; `rootPath` and `nodePath` are the QueryPaths
  // that the module's benchmarks pass.
  Floors(std::vector<host::ListedNode> nodes, std::vector<unsigned char> rootPath,
         std::vector<unsigned char> nodePath);

  bool ready() const noexcept { return lock_ != nullptr; }

  // GetNodeList + FreeNodeList: the root id read from the path into a zero-filled copy and
  // dropped again, as the listing must look at it; then the record with every display name and
  // key converted into it.
  void nodeList() noexcept;
  // NodeConnect by key: the key read from the path into a zero-filled copy.
  void nodeConnect() noexcept;
  // GetNodeAttributes + FreeNodeAttributes: the record with its two number formats.
  void nodeAttributes() noexcept;
  // NodeGetValue + NodeFreeValue for a node that is not read: the 18-byte record alone.
  void valueRecord() noexcept;
  // NodeGetValue + NodeFreeValue for a connected node: the record and one whole WMI exchange.
  void valueReading(const char16_t* property) noexcept;
  // NodePulse: the lock alone.
  void pulse() noexcept;
  // InitNodes + TermNodes: the requester, the attribute list and its twelve attributes created
  // and destroyed, each display name loaded from the string table into its own zero-filled copy.
  void initAndTerm() noexcept;

 private:
  class Held;

  platform::MutexHandle lock_;
  std::vector<host::ListedNode> nodes_;
  std::vector<unsigned char> rootPath_;
  std::vector<unsigned char> nodePath_;
};

}  // namespace veltra::bench
