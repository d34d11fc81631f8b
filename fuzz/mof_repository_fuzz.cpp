// Feeds arbitrary bytes to the MOF reader. When a text is accepted, every class it serves is
// looked up as a class, by a few keys and by a path made of the input itself, and every property
// of what is found is read, so the lookups run over whatever the parser let through.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "mofrepo/load.h"
#include "mofrepo/namespace_name.h"

namespace {

void readAll(const mofrepo::ObjectResult& found) {
  if ((found.code == mofrepo::hresult::kOk) != found.object.has_value()) std::abort();
  if (!found.object) return;
  for (const mofrepo::Property& property : found.object->objectClass().properties()) {
    const std::u16string name(property.name.begin(), property.name.end());
    const mofrepo::PropertyResult value = found.object->property(name);
    if (value.code != mofrepo::hresult::kOk) std::abort();
    (void)value.value.variantType();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const mofrepo::LoadResult loaded = mofrepo::parseRepository(text, "fuzz.mof");
  if (!loaded.ok) {
    // A rejection always says where, and keeps nothing.
    if (loaded.error.rfind("fuzz.mof:", 0) != 0 || !loaded.repository.empty()) std::abort();
    return 0;
  }

  const mofrepo::Repository& repository = loaded.repository;
  const std::u16string_view cimv2 = mofrepo::kServedNamespace;
  for (const mofrepo::Class* declaration : repository.classes(cimv2)) {
    const std::u16string name(declaration->name().begin(), declaration->name().end());
    readAll(repository.getObject(cimv2, name));
    const std::optional<std::size_t> key = declaration->keyIndex();
    if (!key) continue;
    const std::string& keyName = declaration->properties()[*key].name;
    const std::u16string keyed = name + u"." + std::u16string(keyName.begin(), keyName.end());
    for (const std::u16string_view value : {u"=0", u"=1", u"=-1", u"=\"0\"", u"=\"x\""}) {
      readAll(repository.getObject(cimv2, keyed + std::u16string(value)));
    }
  }
  // The input's own bytes as a path, one code unit each.
  readAll(repository.getObject(cimv2, std::u16string(text.begin(), text.end())));
  readAll(repository.getObject(u"\\\\.\\root\\cimv2", u"APC_UMSData.InstanceTag=0"));
  return 0;
}
