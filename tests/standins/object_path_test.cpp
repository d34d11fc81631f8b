// Object paths as GetObject takes them, and the code each lookup answers.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "mofrepo/load.h"
#include "mofrepo/object_path.h"

namespace {

using namespace mofrepo::hresult;

const mofrepo::Repository& repository() {
  static const mofrepo::Repository loaded = [] {
    mofrepo::LoadResult result = mofrepo::parseRepository(R"(
      #pragma namespace("\\\\.\\root\\cimv2")
      class Num { [key] uint32 Tag; real64 Volts; };
      instance of Num { Tag = 0; Volts = 1; };
      instance of Num { Tag = 7; Volts = 7; };
      class Str { [key] string Name; real64 Volts; };
      instance of Str { Name = "x"; Volts = 1; };
      instance of Str { Name = "a\"b"; Volts = 2; };
      instance of Str { Name = "C:\\dir"; Volts = 3; };
      instance of Str { Name = "12"; Volts = 4; };
      instance of Str { Name = ""; Volts = 5; };
    )",
                                                          "paths.mof");
    EXPECT_TRUE(result.ok) << result.error;
    return std::move(result.repository);
  }();
  return loaded;
}

struct Lookup {
  std::u16string_view nameSpace;
  std::u16string_view path;
  mofrepo::HResult code;
  double volts;  // of the object found, when it is an instance
};

void PrintTo(const Lookup& lookup, std::ostream* out) {
  for (const std::u16string_view text :
       {lookup.nameSpace, std::u16string_view(u" "), lookup.path}) {
    for (const char16_t c : text)
      *out << (c < 0x80 ? static_cast<char>(c) : '?');
  }
}

class ObjectLookup : public testing::TestWithParam<Lookup> {};

TEST_P(ObjectLookup, AnswersTheCodeWmiWould) {
  const Lookup& lookup = GetParam();
  const mofrepo::ObjectResult found = repository().getObject(lookup.nameSpace, lookup.path);
  EXPECT_EQ(found.code, lookup.code);
  EXPECT_EQ(found.object.has_value(), lookup.code == kOk);
  if (found.object && lookup.volts != 0) {
    EXPECT_EQ(found.object->property(u"volts").value.scalar.real, lookup.volts);
  }
}

constexpr std::u16string_view kCimv2 = u"root\\cimv2";

INSTANTIATE_TEST_SUITE_P(
    Paths, ObjectLookup,
    testing::ValuesIn(std::vector<Lookup>{
        // Integer keys compare by value, and may be quoted.
        {kCimv2, u"Num.Tag=7", kOk, 7},
        {kCimv2, u"num.TAG=7", kOk, 7},
        {kCimv2, u"Num.Tag=+0007", kOk, 7},
        {kCimv2, u"Num.Tag=-0", kOk, 1},
        {kCimv2, u"Num.Tag=\"7\"", kOk, 7},
        {kCimv2, u"Num.Tag=1", kNotFound, 0},
        {kCimv2, u"Num.Tag=-7", kNotFound, 0},
        {kCimv2, u"Num.Tag=99999999999999999999", kNotFound, 0},
        {kCimv2, u"Num.Tag=abc", kInvalidObjectPath, 0},
        {kCimv2, u"Num.Tag=\"abc\"", kInvalidObjectPath, 0},
        {kCimv2, u"Num.Tag=\"+-7\"", kInvalidObjectPath, 0},
        {kCimv2, u"Num.Tag=7.0", kInvalidObjectPath, 0},
        {kCimv2, u"Num.Volts=1", kInvalidObjectPath, 0},  // not the key
        {kCimv2, u"Num.Nope=1", kInvalidObjectPath, 0},
        // String keys compare exactly; an unquoted number is taken as its text.
        {kCimv2, u"Str.Name=\"x\"", kOk, 1},
        {kCimv2, u"Str.Name=\"X\"", kNotFound, 0},
        {kCimv2, u"Str.Name=\"a\\\"b\"", kOk, 2},
        {kCimv2, u"Str.Name=\"C:\\\\dir\"", kOk, 3},
        {kCimv2, u"Str.Name=12", kOk, 4},
        {kCimv2, u"Str.Name=\"\"", kOk, 5},
        {kCimv2, u"Str.Name=\"x\"y", kInvalidObjectPath, 0},
        {kCimv2, u"Str.Name=\"x", kInvalidObjectPath, 0},
        {kCimv2, u"Str.Name=\"a\\qb\"", kInvalidObjectPath, 0},
        {kCimv2, u"Str.Name=x", kInvalidObjectPath, 0},
        // A class alone, a singleton, an unknown class.
        {kCimv2, u"Num", kOk, 0},
        {kCimv2, u"Num=@", kNotFound, 0},
        {kCimv2, u"Nope.Tag=0", kInvalidClass, 0},
        {kCimv2, u"Nope", kInvalidClass, 0},
        // Malformed paths.
        {kCimv2, u"", kInvalidObjectPath, 0},
        {kCimv2, u"Num.", kInvalidObjectPath, 0},
        {kCimv2, u"Num.Tag", kInvalidObjectPath, 0},
        {kCimv2, u"Num.Tag=", kInvalidObjectPath, 0},
        {kCimv2, u"Num.Tag==7", kInvalidObjectPath, 0},
        {kCimv2, u"Num.Tag=7 ", kInvalidObjectPath, 0},
        {kCimv2, u"Num.Tag=7,Other=1", kInvalidObjectPath, 0},
        {kCimv2, u".Tag=7", kInvalidObjectPath, 0},
        {kCimv2, u"1Num.Tag=7", kInvalidObjectPath, 0},
        {kCimv2, u"Num=7", kInvalidObjectPath, 0},
        {kCimv2, u":Num.Tag=7", kInvalidObjectPath, 0},
        // Namespaces: of the connection, and a path's own prefix.
        {u"ROOT\\CIMV2", u"Num.Tag=7", kOk, 7},
        {u"\\\\.\\root\\cimv2", u"Num.Tag=7", kOk, 7},
        {u"root\\default", u"Num.Tag=7", kInvalidNamespace, 0},
        {u"\\\\elsewhere\\root\\cimv2", u"Num.Tag=7", kInvalidNamespace, 0},
        {u"", u"Num.Tag=7", kInvalidNamespace, 0},
        {kCimv2, u"\\\\.\\ROOT\\cimv2:Num.Tag=7", kOk, 7},
        {kCimv2, u"root\\cimv2:Num.Tag=7", kOk, 7},
        {kCimv2, u"root\\default:Num.Tag=7", kInvalidNamespace, 0},
    }));

TEST(ObjectPath, SplitsIntoItsParts) {
  const std::optional<mofrepo::ObjectPath> path =
      mofrepo::parseObjectPath(u"\\\\.\\root\\cimv2:APC_UMSData.InstanceTag=\"0\"");
  ASSERT_TRUE(path);
  EXPECT_EQ(path->nameSpace, u"\\\\.\\root\\cimv2");
  EXPECT_EQ(path->className, "APC_UMSData");
  EXPECT_EQ(path->form, mofrepo::ObjectPath::Form::Keyed);
  EXPECT_EQ(path->keyName, "InstanceTag");
  EXPECT_EQ(path->keyValue, u"0");
  EXPECT_TRUE(path->keyQuoted);
}

TEST(ObjectLookup, ClassObjectHasEveryPropertyNull) {
  const mofrepo::ObjectResult found = repository().getObject(kCimv2, u"Num");
  ASSERT_TRUE(found.object);
  EXPECT_EQ(found.object->property(u"Tag").value.variantType(), mofrepo::kVariantNull);
  EXPECT_EQ(found.object->property(u"Volts").value.variantType(), mofrepo::kVariantNull);
}

TEST(ObjectLookup, UnknownPropertyIsNotFound) {
  const mofrepo::ObjectResult found = repository().getObject(kCimv2, u"Num.Tag=7");
  ASSERT_TRUE(found.object);
  for (const std::u16string_view name : {u"Amps", u"", u"Volts ", u"V\u00F6lts"}) {
    EXPECT_EQ(found.object->property(name).code, kNotFound);
  }
}

TEST(ObjectLookup, ObjectOutlivesItsRepository) {
  std::optional<mofrepo::Object> kept;
  {
    const mofrepo::LoadResult loaded = mofrepo::parseRepository(
        "#pragma namespace(\"root\\\\cimv2\")\nclass A { [key] string K; real64 V; };\n"
        "instance of A { K = \"k\"; V = 4.5; };",
        "short.mof");
    ASSERT_TRUE(loaded.ok) << loaded.error;
    kept = loaded.repository.getObject(kCimv2, u"A.K=\"k\"").object;
  }
  ASSERT_TRUE(kept);
  EXPECT_EQ(kept->property(u"V").value.scalar.real, 4.5);
  EXPECT_EQ(kept->objectClass().name(), "A");
}

}  // namespace
