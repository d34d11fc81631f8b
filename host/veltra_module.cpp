#include "veltra_module.h"

#include <cstring>

namespace veltra::host {
namespace {

template <typename Function>
bool lookUp(SharedLibrary& library, const char* name, Function& out, std::string& error) {
  void* address = library.symbol(name);
  if (address == nullptr) {
    error = "the module has no entry point " + std::string(name) + ": " + library.error();
    return false;
  }
  // Object and function pointers share a representation on every platform this runs on.
  std::memcpy(&out, &address, sizeof out);
  return true;
}

}  // namespace

Record& Record::operator=(Record&& other) noexcept {
  if (this != &other) {
    reset();
    bytes_ = other.bytes_;
    free_ = other.free_;
    other.bytes_ = nullptr;
  }
  return *this;
}

void Record::reset() noexcept {
  if (bytes_ != nullptr) free_(bytes_);
  bytes_ = nullptr;
}

std::unique_ptr<VeltraModule> VeltraModule::load(const std::string& path, std::string& error) {
  std::unique_ptr<VeltraModule> module(new VeltraModule(path));
  if (!module->library_.isOpen()) {
    error = "cannot load " + path + ": " + module->library_.error();
    return nullptr;
  }
  SharedLibrary& library = module->library_;
  const bool complete = lookUp(library, "InitNodes", module->init_, error) &&
                        lookUp(library, "TermNodes", module->term_, error) &&
                        lookUp(library, "GetNodeList", module->getList_, error) &&
                        lookUp(library, "FreeNodeList", module->freeList_, error) &&
                        lookUp(library, "NodeConnect", module->connect_, error) &&
                        lookUp(library, "NodeDisconnect", module->disconnect_, error) &&
                        lookUp(library, "GetNodeAttributes", module->getAttributes_, error) &&
                        lookUp(library, "FreeNodeAttributes", module->freeAttributes_, error) &&
                        lookUp(library, "NodeGetValue", module->getValue_, error) &&
                        lookUp(library, "NodeFreeValue", module->freeValue_, error) &&
                        lookUp(library, "NodePulse", module->pulse_, error);
  return complete ? std::move(module) : nullptr;
}

std::string VeltraModule::defaultPath() {
  return programDirectory() + moduleFileName("veltra");
}

std::string hostText(const unsigned char* text, std::size_t length) {
  std::string result(reinterpret_cast<const char*>(text), length);
  while (!result.empty() && result.back() == '\0')
    result.pop_back();
  return result;
}

std::vector<ListedNode> listedNodes(const unsigned char* nodeList) {
  std::vector<ListedNode> nodes;
  const unsigned char* entry = veltra_node_list_first(nodeList);
  for (int32_t i = 0; i < veltra_node_list_count(nodeList); ++i) {
    std::size_t nameLength = 0;
    std::size_t keyLength = 0;
    const unsigned char* name = veltra_entry_name(entry, &nameLength);
    const unsigned char* key = veltra_entry_key(entry, &keyLength);
    nodes.push_back({hostText(key, keyLength), hostText(name, nameLength)});
    entry = veltra_node_list_next(entry);
  }
  return nodes;
}

std::vector<unsigned char> queryPath(const std::string& rootId, const std::string& key) {
  const std::size_t rootLength = rootId.size() + 1;
  const std::size_t keyLength = key.empty() ? 0 : key.size() + 1;
  std::vector<unsigned char> path(veltra_query_path_size(rootLength, keyLength));
  veltra_query_path_build(path.data(), rootId.c_str(), rootLength,
                          key.empty() ? nullptr : key.c_str(), keyLength);
  return path;
}

}  // namespace veltra::host
