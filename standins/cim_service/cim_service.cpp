// The stand-in WMI service: each connection reads the repository file afresh and answers lookups
// from that snapshot. Objects copy what they serve, so any of them may outlive the others.
#include "cim_service.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <new>
#include <set>
#include <string>
#include <utility>

#include "mofrepo/load.h"
#include "mofrepo/namespace_name.h"
#include "mofrepo/repository.h"

struct cim_locator {};

struct cim_services {
  std::u16string nameSpace;
  mofrepo::Repository repository;
  // Recorded as a real connection would keep them; nothing here depends on them.
  uint32_t authnService = 0;
  uint32_t authzService = 0;
  uint32_t authnLevel = 0;
  uint32_t impLevel = 0;
  uint32_t capabilities = 0;
};

struct cim_object {
  mofrepo::Object object;
};

namespace {

constexpr int32_t kInvalidArgument = static_cast<int32_t>(0x80070057);  // E_INVALIDARG
constexpr int32_t kPointer = static_cast<int32_t>(0x80004003);          // E_POINTER
constexpr int32_t kOutOfMemory = static_cast<int32_t>(0x8007000E);      // E_OUTOFMEMORY
constexpr int32_t kFail = static_cast<int32_t>(0x80004005);             // E_FAIL
constexpr uint16_t kVariantEmpty = 0;
constexpr int64_t kVariantTrue = -1;  // a variant's boolean true has every bit set

std::atomic<long> liveObjects{0};

std::u16string fromC(const uint16_t* text) {
  std::u16string out;
  for (; *text != 0; ++text)
    out.push_back(static_cast<char16_t>(*text));
  return out;
}

// The probe polls every few seconds; each distinct complaint about the file is printed once. A
// file rewritten with ever new faults could grow the record without end, so it starts over once
// it holds kMaxReported messages.
constexpr std::size_t kMaxReported = 256;

void reportOnce(const std::string& message) {
  static std::mutex mutex;
  static std::set<std::string> reported;
  const std::lock_guard<std::mutex> lock(mutex);
  if (reported.count(message) != 0) return;
  if (reported.size() >= kMaxReported) reported.clear();
  reported.insert(message);
  std::fprintf(stderr, "cimservice: %s; serving no classes\n", message.c_str());
}

mofrepo::Repository loadConfiguredRepository() {
  const char* path = std::getenv("VELTRA_CIM_REPOSITORY");
  if (path == nullptr || *path == '\0') return {};
  mofrepo::LoadResult loaded = mofrepo::loadRepositoryFile(path);
  if (!loaded.ok) {
    reportOnce(loaded.error);
    return {};
  }
  return std::move(loaded.repository);
}

// Runs `work`, turning anything it throws into a code: nothing may leave through the C boundary.
template <typename Work>
int32_t guarded(Work&& work) noexcept {
  try {
    return work();
  } catch (const std::bad_alloc&) {
    return kOutOfMemory;
  } catch (...) {
    return kFail;
  }
}

}  // namespace

extern "C" {

int32_t cim_create_locator(cim_locator** out) {
  if (out == nullptr) return kPointer;
  *out = nullptr;
  return guarded([&] {
    *out = new cim_locator();
    ++liveObjects;
    return mofrepo::hresult::kOk;
  });
}

int32_t cim_connect_server(cim_locator* locator, const uint16_t* name_space, cim_services** out) {
  if (out == nullptr) return kPointer;
  *out = nullptr;
  if (locator == nullptr || name_space == nullptr) return kInvalidArgument;
  return guarded([&] {
    std::u16string nameSpace = fromC(name_space);
    if (!mofrepo::isServedNamespace(nameSpace)) return mofrepo::hresult::kInvalidNamespace;
    auto services = new cim_services{std::move(nameSpace), loadConfiguredRepository()};
    *out = services;
    ++liveObjects;
    return mofrepo::hresult::kOk;
  });
}

int32_t cim_set_proxy_blanket(cim_services* services, uint32_t authn_service,
                              uint32_t authz_service, uint32_t authn_level, uint32_t imp_level,
                              uint32_t capabilities) {
  if (services == nullptr) return kInvalidArgument;
  services->authnService = authn_service;
  services->authzService = authz_service;
  services->authnLevel = authn_level;
  services->impLevel = imp_level;
  services->capabilities = capabilities;
  return mofrepo::hresult::kOk;
}

int32_t cim_get_object(cim_services* services, const uint16_t* object_path, cim_object** out) {
  if (out == nullptr) return kPointer;
  *out = nullptr;
  if (services == nullptr || object_path == nullptr) return kInvalidArgument;
  return guarded([&] {
    mofrepo::ObjectResult found =
        services->repository.getObject(services->nameSpace, fromC(object_path));
    if (found.code != mofrepo::hresult::kOk) return found.code;
    *out = new cim_object{std::move(*found.object)};
    ++liveObjects;
    return mofrepo::hresult::kOk;
  });
}

int32_t cim_get_property(cim_object* object, const uint16_t* name, cim_value* out) {
  if (out == nullptr) return kPointer;
  *out = cim_value{kVariantEmpty, 0.0, 0};
  if (object == nullptr || name == nullptr) return kInvalidArgument;
  return guarded([&] {
    const mofrepo::PropertyResult found = object->object.property(fromC(name));
    if (found.code != mofrepo::hresult::kOk) return found.code;
    const mofrepo::Value& value = found.value;
    out->type = value.variantType();
    if (value.isNull || value.isArray) return mofrepo::hresult::kOk;
    if (mofrepo::isRealType(value.type)) {
      out->real64 = value.scalar.real;  // a real32 too, widened
    } else if (value.type == mofrepo::CimType::Boolean) {
      out->integer = value.scalar.boolean ? kVariantTrue : 0;
    } else if (mofrepo::isIntegerType(value.type)) {
      // As a 32-bit variant integer carries it: a uint32 above 0x7FFFFFFF reads negative.
      out->integer = static_cast<int32_t>(static_cast<uint32_t>(value.scalar.integer));
    }
    return mofrepo::hresult::kOk;
  });
}

void cim_release_locator(cim_locator* locator) {
  if (locator == nullptr) return;
  delete locator;
  --liveObjects;
}

void cim_release_services(cim_services* services) {
  if (services == nullptr) return;
  delete services;
  --liveObjects;
}

void cim_release_object(cim_object* object) {
  if (object == nullptr) return;
  delete object;
  --liveObjects;
}

long cim_live_objects(void) {
  return liveObjects.load();
}

}  // extern "C"
