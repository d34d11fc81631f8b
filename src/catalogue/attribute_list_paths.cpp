// The attribute list's answers to a QueryPath: the root it names, and the node it names.
#include "catalogue/attribute_list.h"
#include "catalogue/query_path.h"
#include "catalogue/text_conversion.h"
#include "support/trace.h"

namespace veltra::catalogue {
namespace {

constexpr char kRootNodeId[] = "VELTRA";

}  // namespace

using support::trace;
using support::traceFormat;

void AttributeList::SetRoot(const unsigned char* path) noexcept {
  trace("SetRoot");
  if (path == nullptr) {
    trace("SetRoot=NULL QueryPath");
    return;
  }
  const unsigned char* rootId = queryPathMemberText(path, PathMember::kRootId);
  if (rootId == nullptr) {
    traceFormat("SetRoot=QueryPath members=%ld", queryPathMembers(path));
    return;
  }

  trace("SetRoot: get path size");
  rootIdLength_ = measureLocalText(rootId);
  traceFormat("SetRoot=HeapAlloc theRootNodeId[%ld]", std::uint64_t{rootIdLength_} + 1);
  theRootNodeId_ = allocateModuleText(rootIdLength_);
  if (!theRootNodeId_) {
    rootIdLength_ = 0;
    return;
  }
  trace("SetRoot: get root node string");
  readLocalText(rootId, theRootNodeId_.get(), rootIdLength_);
  traceFormat("SetRoot=%s", theRootNodeId_.get());

  // The root id is checked for the trace alone: the node list is the same whatever it names.
  trace(keysEqual(theRootNodeId_.get(), kRootNodeId) ? "SetRoot: RootNode Matches"
                                                     : "SetRoot: RootNode Does Not Match");
  clear();
}

std::int32_t AttributeList::findAttrIndex(const unsigned char* path) const noexcept {
  trace("findAttrIndex ");
  const unsigned char* key = queryPathMemberText(path, PathMember::kNodeKey);
  if (key == nullptr) return -1;

  const std::uint32_t length = measureLocalText(key);
  const platform::HeapPtr<char> wanted = allocateModuleText(length);
  if (!wanted) return -1;
  readLocalText(key, wanted.get(), length);
  for (std::size_t i = 0; i < kNodeCount; ++i) {
    if (slots_[i] && keysEqual(wanted.get(), slots_[i]->GetKey())) {
      return static_cast<std::int32_t>(i);
    }
  }
  return -1;
}

std::int32_t AttributeList::GetHandle(const unsigned char* path) const noexcept {
  trace("GetHandle ");
  const std::int32_t index = findAttrIndex(path);
  return index == -1 ? -1 : slots_[static_cast<std::size_t>(index)]->GetHandle();
}

}  // namespace veltra::catalogue
