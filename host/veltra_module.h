// The module as a host sees it: loaded by file name, its eleven entry points looked up by their
// plain names, and the records it hands out owned until they go back to its free functions.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host_platform.h"
#include "veltra/veltra.h"

namespace veltra::host {

// A record from the module, handed back to the module's matching free function when dropped.
class Record {
 public:
  using FreeFunction = void(VELTRA_CALL*)(unsigned char*);

  Record() = default;
  Record(unsigned char* bytes, FreeFunction free) noexcept : bytes_(bytes), free_(free) {}
  Record(Record&& other) noexcept : bytes_(other.bytes_), free_(other.free_) {
    other.bytes_ = nullptr;
  }
  Record& operator=(Record&& other) noexcept;
  ~Record() { reset(); }

  const unsigned char* get() const noexcept { return bytes_; }
  explicit operator bool() const noexcept { return bytes_ != nullptr; }
  void reset() noexcept;

 private:
  unsigned char* bytes_ = nullptr;
  FreeFunction free_ = nullptr;
};

// One node as the module lists it.
struct ListedNode {
  std::string key;
  std::string displayName;

  bool operator==(const ListedNode& other) const {
    return key == other.key && displayName == other.displayName;
  }
};

class VeltraModule {
 public:
  // Loads the module at `path` and looks up all eleven entry points. Null, with `error` saying
  // what failed, if the file cannot be loaded or an entry point is missing.
  static std::unique_ptr<VeltraModule> load(const std::string& path, std::string& error);

  // The module built beside this program.
  static std::string defaultPath();

  std::int32_t InitNodes() const { return init_(); }
  std::int32_t TermNodes() const { return term_(); }
  Record GetNodeList(const unsigned char* path) const { return {getList_(path), freeList_}; }
  std::int32_t NodeConnect(const unsigned char* path, veltra_handle* handle,
                           std::uint8_t* type) const {
    return connect_(path, handle, type);
  }
  std::int32_t NodeDisconnect(veltra_handle handle) const { return disconnect_(handle); }
  Record GetNodeAttributes(veltra_handle handle) const {
    return {getAttributes_(handle), freeAttributes_};
  }
  Record NodeGetValue(veltra_handle handle) const { return {getValue_(handle), freeValue_}; }
  std::int32_t NodePulse(veltra_handle handle, std::int32_t sinceLast) const {
    return pulse_(handle, sinceLast);
  }

  // The free functions themselves, for calls with null.
  void FreeNodeList(unsigned char* record) const { freeList_(record); }
  void FreeNodeAttributes(unsigned char* record) const { freeAttributes_(record); }
  void NodeFreeValue(unsigned char* record) const { freeValue_(record); }

 private:
  explicit VeltraModule(const std::string& path) : library_(path) {}

  SharedLibrary library_;
  veltra_InitNodes_fn init_ = nullptr;
  veltra_TermNodes_fn term_ = nullptr;
  veltra_GetNodeList_fn getList_ = nullptr;
  veltra_FreeNodeList_fn freeList_ = nullptr;
  veltra_NodeConnect_fn connect_ = nullptr;
  veltra_NodeDisconnect_fn disconnect_ = nullptr;
  veltra_GetNodeAttributes_fn getAttributes_ = nullptr;
  veltra_FreeNodeAttributes_fn freeAttributes_ = nullptr;
  veltra_NodeGetValue_fn getValue_ = nullptr;
  veltra_NodeFreeValue_fn freeValue_ = nullptr;
  veltra_NodePulse_fn pulse_ = nullptr;
};

// Host text as this host reads it: the stand-in text library's 8-bit text, its terminating zero
// byte dropped.
std::string hostText(const unsigned char* text, std::size_t length);

// The entries of a NodeListRecord, in order.
std::vector<ListedNode> listedNodes(const unsigned char* nodeList);

// A QueryPath for the root (`key` empty) or for a node under it, texts in host text.
std::vector<unsigned char> queryPath(const std::string& rootId, const std::string& key = {});

}  // namespace veltra::host
