#include "module_model.h"

#include <cstring>
#include <limits>

#include "platform/hresult.h"

namespace veltra::testing {

using platform::FaultPoint;
namespace hresult = platform::hresult;

namespace {

constexpr std::uint32_t kUnfitLength = std::numeric_limits<std::uint32_t>::max();
constexpr std::int32_t kPulseActive = 4000;
constexpr std::int32_t kPulseIdle = 3600000;
constexpr char kNumberFormat[] = "%10.02f";

// The stand-in text library measures a text with its zero byte.
std::uint32_t hostLength(const char* text) {
  return static_cast<std::uint32_t>(std::strlen(text) + 1);
}

bool sameKey(const char* left, const char* right) {
  const auto fold = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
  for (;; ++left, ++right) {
    const auto l = static_cast<unsigned char>(*left);
    if (fold(l) != fold(static_cast<unsigned char>(*right))) return false;
    if (l == '\0') return true;
  }
}

}  // namespace

ModuleModel::ModuleModel(const ArmedFault& fault) : fault_(fault) {}

bool ModuleModel::fails(FaultPoint point) {
  const unsigned call = ++calls_[static_cast<unsigned>(point)];
  if (point != fault_.point) return false;
  return call == fault_.nth || (fault_.persistent && call > fault_.nth);
}

unsigned ModuleModel::calls(FaultPoint point) const {
  return calls_[static_cast<unsigned>(point)];
}

bool ModuleModel::lockData() {
  return lock_ && !fails(FaultPoint::kMutexWait);
}

std::uint32_t ModuleModel::measure(const char* text) {
  if (fails(FaultPoint::kHostTextLength)) return static_cast<std::uint32_t>(fault_.result);
  return hostLength(text);
}

ModuleModel::Slot* ModuleModel::slotFor(veltra_handle handle) {
  if (!list_ || handle == -1) return nullptr;
  for (Slot& slot : *list_) {
    if (slot.present && slot.handle == handle) return &slot;
  }
  return nullptr;
}

void ModuleModel::load() {
  lock_ = !fails(FaultPoint::kMutexCreate);
}

std::int32_t ModuleModel::initNodes() {
  if (!lockData()) return 0;
  if (!comAttempted_) {
    comAttempted_ = true;
    const std::int32_t joined = fails(FaultPoint::kComInitialize) ? fault_.result : hresult::kOk;
    if (platform::failed(joined) && joined != hresult::kChangedMode) return 0;
    const std::int32_t security =
        fails(FaultPoint::kProcessSecurity) ? fault_.result : hresult::kOk;
    if (platform::failed(security) && security != hresult::kTooLate) return 0;
    comReady_ = true;
  }
  if (!comReady_) return 0;

  // The requester first, then the list, then its attributes in slot order.
  requester_ = !fails(FaultPoint::kObjectAlloc);
  list_.reset();
  if (fails(FaultPoint::kObjectAlloc)) return 1;
  list_.emplace();
  for (Slot& slot : *list_) {
    if (fails(FaultPoint::kObjectAlloc)) continue;
    slot.present = true;
    slot.handle = nextHandle_++;
    const bool noString = fails(FaultPoint::kModuleStrings);
    const bool noCopy = fails(FaultPoint::kHeapAlloc);
    slot.nameIsKey = noString || noCopy;
  }
  return 1;
}

std::int32_t ModuleModel::termNodes() {
  if (lockData()) {
    list_.reset();
    requester_ = false;
  }
  return 1;
}

std::optional<std::vector<host::ListedNode>> ModuleModel::getNodeList() {
  if (!lockData() || !list_) return std::nullopt;

  // SetRoot: the root id is measured, and held only if it can be.
  if (measure("VELTRA") != kUnfitLength) fails(FaultPoint::kHeapAlloc);

  std::uint64_t total = 17;
  std::vector<host::ListedNode> nodes;
  for (std::size_t i = 0; i < list_->size(); ++i) {
    const Slot& slot = (*list_)[i];
    if (!slot.present) continue;
    const char* name = slot.nameIsKey ? kNodes[i].key : kNodes[i].displayName;
    const std::uint32_t nameLength = measure(name);
    const std::uint32_t keyLength = measure(kNodes[i].key);
    total += 21 + std::uint64_t{nameLength} + keyLength;
    // A text measured as empty travels empty.
    nodes.push_back({keyLength != 0 ? kNodes[i].key : "", nameLength != 0 ? name : ""});
  }
  if (total > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
    return std::nullopt;
  }
  if (fails(FaultPoint::kHeapAlloc)) return std::nullopt;
  return nodes;
}

ExpectedConnect ModuleModel::nodeConnect(const std::string& key) {
  if (!lockData()) return {0, std::nullopt, 0};
  if (!list_) return {0, -1, 0};

  const std::uint32_t length = measure(key.c_str());
  if (length == kUnfitLength || fails(FaultPoint::kHeapAlloc)) return {0, -1, 0};
  const std::string wanted = length != 0 ? key : "";
  for (std::size_t i = 0; i < list_->size(); ++i) {
    Slot& slot = (*list_)[i];
    if (slot.present && sameKey(wanted.c_str(), kNodes[i].key)) {
      slot.active = true;
      return {1, slot.handle, 1};
    }
  }
  return {0, -1, 0};
}

std::int32_t ModuleModel::nodeDisconnect(veltra_handle handle) {
  if (lockData()) {
    if (Slot* slot = slotFor(handle)) slot->active = false;
  }
  return 1;
}

std::optional<ExpectedAttributes> ModuleModel::getNodeAttributes(veltra_handle handle) {
  if (!lockData() || slotFor(handle) == nullptr) return std::nullopt;
  const std::uint32_t first = measure(kNumberFormat);
  const std::uint32_t second = measure(kNumberFormat);
  const std::uint64_t total = 51 + std::uint64_t{first} + second;
  if (total > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
    return std::nullopt;
  }
  if (fails(FaultPoint::kHeapAlloc)) return std::nullopt;
  return ExpectedAttributes{first, second};
}

bool ModuleModel::readSucceeds() {
  // Each COM string is made just before the call that takes it; one that cannot be made fails
  // that step, and the call is never made.
  if (fails(FaultPoint::kCreateLocator)) return false;
  if (fails(FaultPoint::kComString) || fails(FaultPoint::kConnectServer)) return false;
  if (fails(FaultPoint::kSetProxyBlanket)) return false;
  if (fails(FaultPoint::kComString) || fails(FaultPoint::kGetObject)) return false;
  if (fails(FaultPoint::kComString) || fails(FaultPoint::kGetProperty)) return false;
  return true;
}

std::optional<ExpectedValue> ModuleModel::nodeGetValue(veltra_handle handle) {
  if (!lockData() || !list_ || !requester_) return std::nullopt;
  if (fails(FaultPoint::kHeapAlloc)) return std::nullopt;
  const Slot* slot = slotFor(handle);
  if (slot == nullptr) return ExpectedValue{8, 0, 0.0};
  if (!slot->active || !readSucceeds()) return ExpectedValue{12, 1, 0.0};
  const auto index = static_cast<std::size_t>(slot - list_->data());
  return ExpectedValue{0, 1, kNodes[index].reading};
}

std::int32_t ModuleModel::nodePulse(veltra_handle handle) {
  if (!lockData()) return kPulseIdle;
  const Slot* slot = slotFor(handle);
  return slot != nullptr && slot->active ? kPulseActive : kPulseIdle;
}

}  // namespace veltra::testing
