#include "mofrepo/value.h"

namespace mofrepo {

std::uint16_t elementVariantType(CimType type) noexcept {
  switch (type) {
    case CimType::Real32:
      return kVariantReal32;
    case CimType::Real64:
      return kVariantReal64;
    case CimType::String:
      return kVariantString;
    case CimType::Boolean:
      return kVariantBoolean;
    case CimType::Sint8:
    case CimType::Uint8:
    case CimType::Sint16:
    case CimType::Uint16:
    case CimType::Sint32:
    case CimType::Uint32:
      break;
  }
  return kVariantInt32;
}

bool isIntegerType(CimType type) noexcept {
  return elementVariantType(type) == kVariantInt32;
}

bool isRealType(CimType type) noexcept {
  return type == CimType::Real32 || type == CimType::Real64;
}

const char* cimTypeName(CimType type) noexcept {
  switch (type) {
    case CimType::Sint8:
      return "sint8";
    case CimType::Uint8:
      return "uint8";
    case CimType::Sint16:
      return "sint16";
    case CimType::Uint16:
      return "uint16";
    case CimType::Sint32:
      return "sint32";
    case CimType::Uint32:
      return "uint32";
    case CimType::Real32:
      return "real32";
    case CimType::Real64:
      return "real64";
    case CimType::String:
      return "string";
    case CimType::Boolean:
      return "boolean";
  }
  return "?";
}

std::uint16_t Value::variantType() const noexcept {
  if (isNull) return kVariantNull;
  const std::uint16_t element = elementVariantType(type);
  return isArray ? static_cast<std::uint16_t>(kVariantArray | element) : element;
}

}  // namespace mofrepo
