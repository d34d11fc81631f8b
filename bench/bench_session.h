// The module as the benchmarks drive it: loaded by file name as a host loads it, initialised, one
// node connected and read from the MOF repository, one node listed but not connected. It also
// holds the floors, which work on the same texts and paths.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "floors.h"
#include "veltra_module.h"

namespace veltra::bench {

class BenchSession {
 public:
  // Loads the module beside this program (or the one VELTRA_BENCH_MODULE names) and points the
  // stand-in WMI service at the sample repository beside it, unless VELTRA_CIM_REPOSITORY names
  // another. Null, with `error` saying why, when the module cannot be loaded or read.
  static std::unique_ptr<BenchSession> open(std::string& error);
  ~BenchSession();  // terminates the module before it is unloaded

  BenchSession(const BenchSession&) = delete;
  BenchSession& operator=(const BenchSession&) = delete;

  // Initialises the module afresh and connects the node that is read. InitNodes + TermNodes leaves
  // the module terminated, so every benchmark of the module runs this first.
  bool prepare();

  const host::VeltraModule& module() const noexcept { return *module_; }
  Floors& floors() noexcept { return *floors_; }

  const unsigned char* rootPath() const noexcept { return rootPath_.data(); }
  const unsigned char* nodePath() const noexcept { return nodePath_.data(); }
  veltra_handle connected() const noexcept { return connected_; }
  veltra_handle disconnected() const noexcept { return disconnected_; }
  // A handle no generation of nodes ever carries: they start at 100.
  static constexpr veltra_handle kUnknownHandle = 99;
  // The WMI property of the connected node.
  static constexpr const char16_t* kConnectedProperty = u"UPSInputVolt";

 private:
  explicit BenchSession(std::unique_ptr<host::VeltraModule> module);

  std::unique_ptr<host::VeltraModule> module_;
  std::vector<unsigned char> rootPath_;
  std::vector<unsigned char> nodePath_;
  std::vector<unsigned char> disconnectedPath_;
  veltra_handle connected_ = -1;
  veltra_handle disconnected_ = -1;
  std::unique_ptr<Floors> floors_;
};

// The session of this program, opened by main before any benchmark runs.
BenchSession& session() noexcept;
void setSession(std::unique_ptr<BenchSession> session) noexcept;

}  // namespace veltra::bench
