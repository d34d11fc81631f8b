#include "floors.h"

#include <array>
#include <cstring>
#include <memory>
#include <new>

#include "catalogue/attribute.h"
#include "catalogue/attribute_list.h"
#include "catalogue/catalogue_table.h"
#include "cim_exchange.h"
#include "kaldor32.h"
#include "platform/heap.h"
#include "platform/string_table.h"
#include "wmi/cim_requester.h"

namespace veltra::bench {
namespace {

using platform::heapAllocate;
using platform::HeapPtr;

// The text library's conversion, as the module asks for it.
constexpr std::int32_t kSelector = 42;
constexpr std::int32_t kFlag = 0;

std::uint32_t measureHost(const char* text) noexcept {
  return ::toHostText(text, nullptr, 0, kSelector, kFlag);
}
void convertHost(const char* text, unsigned char* into, std::uint32_t length) noexcept {
  ::toHostText(text, into, length, kSelector, kFlag);
}

// A path member's text, read into a zero-filled copy of its measured length and dropped again.
void readMember(const std::vector<unsigned char>& path, std::size_t offsetField) noexcept {
  const unsigned char* text = path.data() + veltra_read_int32(path.data(), offsetField);
  const std::uint32_t length = ::toLocalText(text, nullptr, 0, kSelector, kFlag);
  const HeapPtr<char> copy = heapAllocate<char>(std::size_t{length} + 1);
  if (copy) ::toLocalText(text, copy.get(), length, kSelector, kFlag);
}

constexpr std::size_t kRootIdOffsetField = 15;
constexpr std::size_t kKeyOffsetField = 19;
constexpr std::size_t kValueRecordLength = 18;
constexpr char kNumberFormat[] = "%10.02f";

// A block the size of one of the module's objects, from ordinary dynamic allocation.
template <typename Object>
std::unique_ptr<unsigned char[]> objectBlock() noexcept {
  return std::unique_ptr<unsigned char[]>(new (std::nothrow) unsigned char[sizeof(Object)]);
}

}  // namespace

// Holds the floor's lock from construction to destruction.
class Floors::Held {
 public:
  explicit Held(platform::Mutex& mutex) noexcept : mutex_(mutex) { platform::waitForMutex(mutex_); }
  ~Held() { platform::releaseMutex(mutex_); }
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;

 private:
  platform::Mutex& mutex_;
};

Floors::Floors(std::vector<host::ListedNode> nodes, std::vector<unsigned char> rootPath,
               std::vector<unsigned char> nodePath)
    : lock_(platform::createMutex()),
      nodes_(std::move(nodes)),
      rootPath_(std::move(rootPath)),
      nodePath_(std::move(nodePath)) {
  if (nodes_.size() > catalogue::kNodeCount) nodes_.resize(catalogue::kNodeCount);
}

void Floors::nodeList() noexcept {
  HeapPtr<> record;
  {
    const Held held(*lock_);
    readMember(rootPath_, kRootIdOffsetField);

    std::array<std::uint32_t, 2 * catalogue::kNodeCount> lengths{};
    std::size_t total = 17;
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
      lengths[2 * i] = measureHost(nodes_[i].displayName.c_str());
      lengths[2 * i + 1] = measureHost(nodes_[i].key.c_str());
      total += 21 + lengths[2 * i] + lengths[2 * i + 1];
    }
    record = heapAllocate(total);
    if (!record) return;
    unsigned char* entry = record.get() + 17;
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
      convertHost(nodes_[i].displayName.c_str(), entry + 21, lengths[2 * i]);
      convertHost(nodes_[i].key.c_str(), entry + 21 + lengths[2 * i], lengths[2 * i + 1]);
      entry += 21 + lengths[2 * i] + lengths[2 * i + 1];
    }
  }
}

void Floors::nodeConnect() noexcept {
  const Held held(*lock_);
  readMember(nodePath_, kKeyOffsetField);
}

void Floors::nodeAttributes() noexcept {
  HeapPtr<> record;
  {
    const Held held(*lock_);
    const std::uint32_t first = measureHost(kNumberFormat);
    const std::uint32_t second = measureHost(kNumberFormat);
    record = heapAllocate(std::size_t{51} + first + second);
    if (!record) return;
    convertHost(kNumberFormat, record.get() + 49, first);
    convertHost(kNumberFormat, record.get() + 49 + first, second);
  }
}

void Floors::valueRecord() noexcept {
  HeapPtr<> record;
  {
    const Held held(*lock_);
    record = heapAllocate(kValueRecordLength);
  }
}

void Floors::valueReading(const char16_t* property) noexcept {
  HeapPtr<> record;
  {
    const Held held(*lock_);
    record = heapAllocate(kValueRecordLength);
    double value = 0.0;
    if (record && readFromStandInService(property, value)) {
      std::memcpy(record.get() + 10, &value, sizeof value);
    }
  }
}

void Floors::pulse() noexcept {
  const Held held(*lock_);
}

void Floors::initAndTerm() noexcept {
  struct Built {
    std::unique_ptr<unsigned char[]> object;
    HeapPtr<char> name;
  };
  std::unique_ptr<unsigned char[]> requester;
  std::unique_ptr<unsigned char[]> list;
  std::array<Built, catalogue::kNodeCount> attributes;
  {
    const Held held(*lock_);
    requester = objectBlock<wmi::CimRequester>();
    list = objectBlock<catalogue::AttributeList>();
    for (std::size_t i = 0; i < attributes.size(); ++i) {
      attributes[i].object = objectBlock<catalogue::Attribute>();
      char buffer[1024];
      const std::size_t length =
          platform::loadModuleString(catalogue::kCatalogue[i].stringId, buffer, sizeof buffer);
      attributes[i].name = heapAllocate<char>(length + 1);
      if (attributes[i].name) std::memcpy(attributes[i].name.get(), buffer, length + 1);
    }
  }
  {
    const Held held(*lock_);
    for (Built& attribute : attributes)
      attribute = Built{};
    list.reset();
    requester.reset();
  }
}

}  // namespace veltra::bench
