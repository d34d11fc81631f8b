#include "variant_value.h"
#include "wbem_codes.h"

#include <memory>

namespace testwmi {
namespace {

struct BstrFree {
  void operator()(OLECHAR* text) const { SysFreeString(text); }
};
using OwnedBstr = std::unique_ptr<OLECHAR, BstrFree>;

struct ArrayDestroy {
  void operator()(SAFEARRAY* array) const { SafeArrayDestroy(array); }
};
using OwnedArray = std::unique_ptr<SAFEARRAY, ArrayDestroy>;

OwnedBstr makeBstr(const std::u16string& text) {
  return OwnedBstr(SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                                     static_cast<UINT>(text.size())));
}

VARTYPE elementType(const mofrepo::Value& value) {
  return static_cast<VARTYPE>(value.variantType() & ~mofrepo::kVariantArray);
}

// Stores one scalar as `type` in `out`.
HRESULT scalarVariant(VARTYPE type, const mofrepo::Element& element, VARIANT& out) {
  switch (type) {
    case VT_R8:
      out.dblVal = element.real;
      break;
    case VT_R4:
      out.fltVal = static_cast<float>(element.real);
      break;
    case VT_I4:
      // As a 32-bit variant integer carries it: a uint32 above 0x7FFFFFFF reads negative.
      out.lVal = static_cast<LONG>(static_cast<std::uint32_t>(element.integer));
      break;
    case VT_BOOL:
      out.boolVal = element.boolean ? VARIANT_TRUE : VARIANT_FALSE;
      break;
    case VT_BSTR: {
      OwnedBstr text = makeBstr(element.text);
      if (!text) return E_OUTOFMEMORY;
      out.bstrVal = text.release();
      break;
    }
    default:
      return wbem::kTypeMismatch;
  }
  out.vt = type;
  return S_OK;
}

// What SafeArrayPutElement takes for a scalar: the address of its value, or a BSTR itself.
void* elementData(VARIANT& scalar) {
  switch (scalar.vt) {
    case VT_BSTR:
      return scalar.bstrVal;
    case VT_R8:
      return &scalar.dblVal;
    case VT_R4:
      return &scalar.fltVal;
    case VT_BOOL:
      return &scalar.boolVal;
    default:
      return &scalar.lVal;
  }
}

// Copies one element into slot `index` of `array`, whose element type is `type`.
HRESULT putElement(SAFEARRAY* array, LONG index, VARTYPE type, const mofrepo::Element& element) {
  VARIANT scalar;
  VariantInit(&scalar);
  HRESULT result = scalarVariant(type, element, scalar);
  if (FAILED(result)) return result;
  result = SafeArrayPutElement(array, &index, elementData(scalar));  // copies it
  VariantClear(&scalar);
  return result;
}

}  // namespace

HRESULT toVariant(const mofrepo::Value& value, VARIANT& out) {
  VariantInit(&out);
  if (value.isNull) {
    out.vt = VT_NULL;
    return S_OK;
  }
  const VARTYPE type = elementType(value);
  if (!value.isArray) return scalarVariant(type, value.scalar, out);

  OwnedArray array(SafeArrayCreateVector(type, 0, static_cast<ULONG>(value.elements.size())));
  if (!array) return E_OUTOFMEMORY;
  for (std::size_t i = 0; i < value.elements.size(); ++i) {
    const HRESULT result = putElement(array.get(), static_cast<LONG>(i), type, value.elements[i]);
    if (FAILED(result)) return result;
  }
  out.vt = static_cast<VARTYPE>(VT_ARRAY | type);
  out.parray = array.release();
  return S_OK;
}

CIMTYPE cimType(const mofrepo::Value& value) {
  CIMTYPE type = CIM_EMPTY;
  switch (value.type) {
    case mofrepo::CimType::Sint8:
      type = CIM_SINT8;
      break;
    case mofrepo::CimType::Uint8:
      type = CIM_UINT8;
      break;
    case mofrepo::CimType::Sint16:
      type = CIM_SINT16;
      break;
    case mofrepo::CimType::Uint16:
      type = CIM_UINT16;
      break;
    case mofrepo::CimType::Sint32:
      type = CIM_SINT32;
      break;
    case mofrepo::CimType::Uint32:
      type = CIM_UINT32;
      break;
    case mofrepo::CimType::Real32:
      type = CIM_REAL32;
      break;
    case mofrepo::CimType::Real64:
      type = CIM_REAL64;
      break;
    case mofrepo::CimType::String:
      type = CIM_STRING;
      break;
    case mofrepo::CimType::Boolean:
      type = CIM_BOOLEAN;
      break;
  }
  return value.isArray ? (type | CIM_FLAG_ARRAY) : type;
}

}  // namespace testwmi
