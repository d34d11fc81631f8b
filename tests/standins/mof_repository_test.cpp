// Reading MOF text: the sample file, each property type, what is rejected, and namespaces.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "mofrepo/load.h"

namespace {

using mofrepo::kVariantNull;
using mofrepo::hresult::kInvalidClass;
using mofrepo::hresult::kOk;

constexpr std::string_view kCimv2Pragma = "#pragma namespace(\"\\\\\\\\.\\\\root\\\\cimv2\")\n";

mofrepo::LoadResult parse(std::string_view body) {
  return mofrepo::parseRepository(std::string(kCimv2Pragma) + std::string(body), "test.mof");
}

// The value of `name` in the object at `path` of ROOT\CIMV2; a null value when either is missing.
mofrepo::Value valueOf(const mofrepo::Repository& repository, std::u16string_view path,
                       std::u16string_view name) {
  const mofrepo::ObjectResult found = repository.getObject(u"root\\cimv2", path);
  EXPECT_EQ(found.code, kOk) << "no object";
  if (!found.object) return {};
  const mofrepo::PropertyResult value = found.object->property(name);
  EXPECT_EQ(value.code, kOk) << "no property";
  return value.value;
}

TEST(SampleRepository, ServesTheTwelveReadingsOfInstanceZero) {
  const mofrepo::LoadResult loaded = mofrepo::loadRepositoryFile(VELTRA_SAMPLE_MOF);
  ASSERT_TRUE(loaded.ok) << loaded.error;
  const struct {
    std::u16string_view name;
    double value;
  } kReadings[] = {
      {u"UPSInputVolt", 230.5},  {u"UPSMinInputVolt", 228.0}, {u"UPSMaxInputVolt", 232.5},
      {u"UPSOutputVolt", 230.0}, {u"UPSOutputLoad", 37.0},    {u"UPSOutputFreq", 50.0},
      {u"UPSBatteryTemp", 31.5}, {u"UPSBatteryVolt", 27.3},   {u"MUPSProbe1Hum", 41.0},
      {u"MUPSProbe2Hum", 44.5},  {u"MUPSProbe1Temp", 22.5},   {u"MUPSProbe2Temp", 24.0},
      {u"upsinputvolt", 230.5},  // names are matched without regard to case
  };
  for (const auto& reading : kReadings) {
    const mofrepo::Value value =
        valueOf(loaded.repository, u"APC_UMSData.InstanceTag=0", reading.name);
    EXPECT_EQ(value.variantType(), mofrepo::kVariantReal64);
    EXPECT_EQ(value.scalar.real, reading.value);
  }
}

TEST(MofText, GivesEachTypeItsVariantTypeAndValue) {
  const mofrepo::LoadResult loaded = parse(R"(
    class AllTypes {
      [key] string Name;
      sint8 S8; uint8 U8; sint16 S16; uint16 U16; sint32 S32; uint32 U32; uint32 Hex;
      real32 R32; real64 R64; real64 WholeR64; string Text; boolean Yes; boolean No;
      sint32 GivenNull; real64 NotGiven; real64 Reals[]; string Texts[]; boolean Flags[];
      uint8 NoBytes[]; sint32 NullArray[];
    };
    instance of AllTypes {
      Name = "all";
      S8 = -128; U8 = 255; S16 = -32768; U16 = 65535; S32 = -2147483648; U32 = 4294967295;
      Hex = 0x7fFF; R32 = 0.1; R64 = -2.5e3; WholeR64 = 12;
      Text = "tab\there \"q\" \\ \x41\x00e9 caf)"
                                           "\xC3\xA9"
                                           R"(" /* joined */ "!";
      Yes = TRUE; No = false; GivenNull = NULL;
      Reals = {1, -2.5, 3e1}; Texts = {"a", "b"}; Flags = {true, FALSE}; NoBytes = {};
      NullArray = null;
    };
  )");
  ASSERT_TRUE(loaded.ok) << loaded.error;
  const mofrepo::Repository& repository = loaded.repository;
  const auto value = [&](std::u16string_view name) {
    return valueOf(repository, u"AllTypes.Name=\"all\"", name);
  };

  const struct {
    std::u16string_view name;
    std::uint16_t variantType;
    std::int64_t integer;
    double real;
  } kScalars[] = {
      {u"S8", 3, -128, 0},
      {u"U8", 3, 255, 0},
      {u"S16", 3, -32768, 0},
      {u"U16", 3, 65535, 0},
      {u"S32", 3, -2147483648LL, 0},
      {u"U32", 3, 4294967295LL, 0},  // the declared value; the service narrows it as WMI does
      {u"Hex", 3, 0x7FFF, 0},
      {u"R32", 4, 0, static_cast<double>(0.1f)},
      {u"R64", 5, 0, -2500.0},
      {u"WholeR64", 5, 0, 12.0},
      {u"GivenNull", kVariantNull, 0, 0},
      {u"NotGiven", kVariantNull, 0, 0},
      {u"NullArray", kVariantNull, 0, 0},
  };
  for (const auto& expected : kScalars) {
    SCOPED_TRACE(std::string(expected.name.begin(), expected.name.end()));
    const mofrepo::Value actual = value(expected.name);
    EXPECT_EQ(actual.variantType(), expected.variantType);
    EXPECT_EQ(actual.scalar.integer, expected.integer);
    EXPECT_EQ(actual.scalar.real, expected.real);
  }

  const mofrepo::Value text = value(u"Text");
  EXPECT_EQ(text.variantType(), 8);
  EXPECT_EQ(text.scalar.text, u"tab\there \"q\" \\ A\u00E9 caf\u00E9!");
  EXPECT_EQ(value(u"Yes").variantType(), 11);
  EXPECT_TRUE(value(u"Yes").scalar.boolean);
  EXPECT_FALSE(value(u"No").scalar.boolean);

  const mofrepo::Value reals = value(u"Reals");
  EXPECT_EQ(reals.variantType(), 0x2005);
  ASSERT_EQ(reals.elements.size(), 3u);
  EXPECT_EQ(reals.elements[1].real, -2.5);
  EXPECT_EQ(reals.elements[2].real, 30.0);
  const mofrepo::Value texts = value(u"Texts");
  EXPECT_EQ(texts.variantType(), 0x2008);
  ASSERT_EQ(texts.elements.size(), 2u);
  EXPECT_EQ(texts.elements[1].text, u"b");
  EXPECT_EQ(value(u"Flags").variantType(), 0x200B);
  EXPECT_EQ(value(u"NoBytes").variantType(), 0x2003);
  EXPECT_TRUE(value(u"NoBytes").elements.empty());
}

TEST(MofText, SkipsCommentsAndQualifiersAndIgnoresHarmlessPragmas) {
  const mofrepo::LoadResult loaded = parse(R"(
    #pragma classflags("forceupdate")
    #pragma autorecover
    // a line comment with "quotes" and { braces
    /* a block comment
       over lines */
    [Description("A UPS") : ToSubclass Amended, Locale(1033)]
    class Ups {
      [Description("tag"), key, read, ValueMap {"0", "1"}] uint32 Tag;
      [key(false)] real64 Volts;
    };
    instance of Ups { Tag = 1; Volts = 1.5; };
  )");
  ASSERT_TRUE(loaded.ok) << loaded.error;
  EXPECT_EQ(valueOf(loaded.repository, u"Ups.Tag=1", u"Volts").scalar.real, 1.5);
}

TEST(MofText, LaterInstanceWithTheSameKeyReplacesTheEarlier) {
  const mofrepo::LoadResult loaded = parse(R"(
    class Ups { [key] uint32 Tag; real64 Volts; real64 Amps; };
    instance of Ups { Tag = 0; Volts = 1; Amps = 2; };
    instance of Ups { Tag = 1; Volts = 5; };
    instance of Ups { Tag = 0x0; Volts = 3; };
  )");
  ASSERT_TRUE(loaded.ok) << loaded.error;
  EXPECT_EQ(loaded.repository.instanceCount(), 2u);
  EXPECT_EQ(valueOf(loaded.repository, u"Ups.Tag=0", u"Volts").scalar.real, 3.0);
  EXPECT_EQ(valueOf(loaded.repository, u"Ups.Tag=0", u"Amps").variantType(), kVariantNull);
  EXPECT_EQ(valueOf(loaded.repository, u"Ups.Tag=1", u"Volts").scalar.real, 5.0);
}

struct Rejection {
  const char* name;
  std::string_view body;  // follows the namespace pragma, which is line 1
  int line;
  std::string_view message;
};

class RejectedText : public testing::TestWithParam<Rejection> {};

TEST_P(RejectedText, NamesTheFileAndLineAndKeepsNoClasses) {
  const Rejection& rejection = GetParam();
  // Every case starts with a valid class and instance, which must not survive the rejection.
  const std::string body =
      "class Good { [key] uint32 Tag; uint8 Small; uint32 Big; sint32 Int; real64 Real;\n"
      "  string Text; boolean Flag; real64 Reals[]; };\n"
      "instance of Good { Tag = 1; };\n" +
      std::string(rejection.body);
  const mofrepo::LoadResult loaded = parse(body);
  EXPECT_FALSE(loaded.ok);
  EXPECT_TRUE(loaded.repository.empty());
  const std::string where = "test.mof:" + std::to_string(rejection.line) + ": ";
  EXPECT_EQ(loaded.error.rfind(where, 0), 0u) << loaded.error;
  EXPECT_NE(loaded.error.find(rejection.message), std::string::npos) << loaded.error;
}

// Lines 2 to 4 hold class Good and its instance; each case's text starts on line 5.
const Rejection kRejections[] = {
    {"UnknownClass", "instance of Foo { X = 1; };", 5, "unknown class 'Foo'"},
    {"UndeclaredProperty", "instance of Good { Tag = 2;\n Volts = 1; };", 6,
     "class 'Good' has no property 'Volts'"},
    {"PropertyGivenTwice", "instance of Good { Tag = 2; tag = 3; };", 5, "given twice"},
    {"TooLargeForUint8", "instance of Good { Tag = 2; Small = 300; };", 5,
     "value 300 does not fit type uint8"},
    {"NegativeUint32", "instance of Good { Tag = 2; Big = -1; };", 5, "does not fit type uint32"},
    {"TooLargeForUint32", "instance of Good { Tag = 2; Big = 4294967296; };", 5, "does not fit"},
    {"HugeInteger", "instance of Good { Tag = 2; Big = 123456789012345678901234567890; };", 5,
     "does not fit"},
    {"RealForSint32", "instance of Good { Tag = 2; Int = 2.5; };", 5, "does not fit type sint32"},
    {"TooLargeForReal64", "instance of Good { Tag = 2; Real = 1e400; };", 5,
     "does not fit type real64"},
    {"StringForReal64", "instance of Good { Tag = 2; Real = \"1\"; };", 5,
     "'Real' of type real64: expected a value of that type, found a string"},
    {"NumberForString", "instance of Good { Tag = 2; Text = 1; };", 5, "of type string"},
    {"NumberForBoolean", "instance of Good { Tag = 2; Flag = 1; };", 5, "of type boolean"},
    {"NotANumber", "instance of Good { Tag = 2; Real = 1.2.3; };", 5, "'1.2.3' is not a number"},
    {"OctalLooking", "instance of Good { Tag = 010; };", 5, "'010' is not a number"},
    {"ScalarForArray", "instance of Good { Tag = 2; Reals = 1; };", 5, "is an array"},
    {"ArrayForScalar", "instance of Good { Tag = 2; Real = {1}; };", 5, "is not an array"},
    {"NullInArray", "instance of Good { Tag = 2; Reals = {1, NULL}; };", 5, "of type real64"},
    {"TrailingComma", "instance of Good { Tag = 2; Reals = {1,}; };", 5, "of type real64"},
    {"NoKeyValue", "instance of Good { Real = 1; };", 5,
     "instance of 'Good' has no value for key 'Tag'"},
    {"NullKey", "\n\ninstance of Good {\n Tag = NULL; };", 7, "has no value for key 'Tag'"},
    {"InstanceOfKeylessClass", "class Bare { real64 V; };\ninstance of Bare { V = 1; };", 6,
     "has no key property"},
    {"ClassDeclaredTwice", "class GOOD { [key] uint32 Tag; };", 5,
     "class 'GOOD' is declared twice"},
    {"PropertyDeclaredTwice", "class Two { [key] uint32 Tag; real64 V; real64 v; };", 5,
     "property 'v' is declared twice"},
    {"TwoKeys", "class Two { [key] uint32 A; [key] uint32 B; };", 5, "more than one key"},
    {"RealKey", "class Two { [key] real64 A; };", 5, "must be an integer or a string"},
    {"Sint64", "class Wide {\n [key] uint32 Tag;\n sint64 Count; };", 7,
     "unsupported type 'sint64'"},
    {"Datetime", "class When { datetime At; };", 5, "unsupported type 'datetime'"},
    {"Reference", "class Link { Good ref Target; };", 5, "unsupported type 'Good'"},
    {"Superclass", "class Sub : Good { };", 5, "superclasses are not supported"},
    {"Method", "class M { uint32 Reset(); };", 5, "methods are not supported"},
    {"DefaultValue", "class D { real64 V = 1; };", 5, "default values are not supported"},
    {"SizedArray", "class S { real64 V[4]; };", 5, "only arrays without a size"},
    {"MissingSemicolon", "class S { real64 V }; ", 5, "expected ';' after property, found '}'"},
    {"MissingClosingSemicolon", "class S { real64 V; }\nclass T { };", 6,
     "expected ';' after class, found 'class'"},
    {"EndOfFile", "instance of Good { Tag = 2;", 5, "found the end of the file"},
    {"StrayCharacter", "$x", 5, "unexpected character '$'"},
    {"ControlByte", "\x01", 5, "unexpected byte 0x01"},
    {"StrayWord", "hello", 5, "expected 'class', 'instance' or '#pragma', found 'hello'"},
    {"UnclosedComment", "\n/* never\n closed", 6, "comment is not closed"},
    {"UnclosedString", "instance of Good { Tag = 2; Text = \"abc\n\"; };", 5, "not closed"},
    {"UnknownEscape", "instance of Good { Tag = 2; Text = \"a\\qb\"; };", 5, "unknown escape"},
    {"InvalidUtf8", "instance of Good { Tag = 2; Text = \"\xC3\x28\"; };", 5, "not UTF-8"},
    {"Include", "#pragma include(\"other.mof\")", 5, "#pragma include is not supported"},
    {"DeleteClass", "#pragma deleteclass(\"Good\", FAIL)", 5, "not supported"},
    {"UnknownPragma", "#pragma frobnicate(\"x\")", 5, "unknown #pragma 'frobnicate'"},
    {"EmptyNamespace", "#pragma namespace(\"\")", 5, "invalid namespace ''"},
    {"NamespaceNotAString", "#pragma namespace(root)", 5, "takes one string"},
    {"HashWithoutPragma", "#define X", 5, "expected 'pragma' after '#'"},
};

INSTANTIATE_TEST_SUITE_P(MofText, RejectedText, testing::ValuesIn(kRejections),
                         [](const testing::TestParamInfo<Rejection>& rejection) {
                           return std::string(rejection.param.name);
                         });

TEST(MofText, RejectsUtf16WithAnUnpairedSurrogate) {
  const mofrepo::LoadResult loaded =
      mofrepo::parseRepository(std::string("\xFF\xFE/\x00/\x00\x00\xD8", 8), "wide.mof");
  EXPECT_FALSE(loaded.ok);
  EXPECT_EQ(loaded.error, "wide.mof:1: the file is not valid UTF-16");
}

TEST(MofText, ReadsUtf16AndUtf8WithByteOrderMarks) {
  // Windows editors often save MOF files as UTF-16; mofcomp reads them, and so must we.
  const std::u16string text =
      u"// caf\u00E9\n#pragma namespace(\"root\\\\cimv2\")\n"
      u"class T { [key] string Name; };\ninstance of T { Name = \"\u00B0C \U0001F50B\"; };\n";
  const std::u16string_view path = u"T.Name=\"\u00B0C \U0001F50B\"";
  for (const bool bigEndian : {false, true}) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
      const char high = static_cast<char>(unit >> 8);
      const char low = static_cast<char>(unit & 0xFF);
      bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    const mofrepo::LoadResult loaded = mofrepo::parseRepository(bytes, "wide.mof");
    ASSERT_TRUE(loaded.ok) << loaded.error;
    EXPECT_EQ(loaded.repository.getObject(u"root\\cimv2", path).code, kOk);
  }
  const mofrepo::LoadResult loaded = mofrepo::parseRepository(
      "\xEF\xBB\xBF#pragma namespace(\"root\\\\cimv2\")\n"
      "class T { [key] string Name; };\ninstance of T { Name = \"\xC2\xB0"
      "C \xF0\x9F\x94\x8B\"; };",
      "bom.mof");
  ASSERT_TRUE(loaded.ok) << loaded.error;
  EXPECT_EQ(loaded.repository.getObject(u"root\\cimv2", path).code, kOk);
}

// Which namespace pragmas put a class where ROOT\CIMV2 serves it.
TEST(MofText, ServesOnlyClassesDeclaredUnderRootCimv2) {
  const struct {
    std::string_view pragma;  // empty: none, so the class goes to root\default
    bool served;
  } kCases[] = {
      {R"(#pragma namespace("\\\\.\\root\\cimv2"))", true},
      {R"(#pragma namespace("root\\cimv2"))", true},
      {R"(#pragma namespace("\\\\MACHINE\\ROOT\\CIMV2"))", true},
      {R"(#pragma namespace("//./Root/CimV2"))", true},
      {"", false},
      {R"(#pragma namespace("\\\\.\\root\\default"))", false},
      {R"(#pragma namespace("root\\cimv2\\sub"))", false},
      {R"(#pragma namespace("cimv2"))", false},
  };
  for (const auto& testCase : kCases) {
    SCOPED_TRACE(testCase.pragma);
    const mofrepo::LoadResult loaded = mofrepo::parseRepository(
        std::string(testCase.pragma) +
            "\nclass Ups { [key] uint32 Tag; };\ninstance of Ups { Tag = 0; };",
        "ns.mof");
    ASSERT_TRUE(loaded.ok) << loaded.error;
    EXPECT_EQ(loaded.repository.getObject(u"root\\cimv2", u"Ups.Tag=0").code,
              testCase.served ? kOk : kInvalidClass);
  }
}

TEST(MofText, KeepsClassesOfEachNamespaceApart) {
  const mofrepo::LoadResult loaded = mofrepo::parseRepository(R"(
    class Ups { [key] uint32 Tag; real64 Volts; };
    instance of Ups { Tag = 0; Volts = 1; };
    #pragma namespace("root\\cimv2")
    class Ups { [key] uint32 Tag; real64 Amps; };
    instance of Ups { Tag = 0; Amps = 2; };
  )",
                                                              "two.mof");
  ASSERT_TRUE(loaded.ok) << loaded.error;
  ASSERT_NE(loaded.repository.findClass(u"root\\default", "UPS"), nullptr);
  EXPECT_EQ(loaded.repository.classes(u"root\\cimv2").size(), 1u);
  EXPECT_EQ(valueOf(loaded.repository, u"Ups.Tag=0", u"Amps").scalar.real, 2.0);
  EXPECT_EQ(
      loaded.repository.getObject(u"root\\cimv2", u"Ups.Tag=0").object->property(u"Volts").code,
      mofrepo::hresult::kNotFound);

  // An instance refers to a class of the namespace it is in.
  const mofrepo::LoadResult crossed = mofrepo::parseRepository(
      "class Ups { [key] uint32 Tag; };\n#pragma namespace(\"root\\\\cimv2\")\n"
      "instance of Ups { Tag = 0; };",
      "crossed.mof");
  EXPECT_EQ(crossed.error, "crossed.mof:3: unknown class 'Ups'");
}

TEST(RepositoryFile, MissingFileIsEmptyButADirectoryIsAnError) {
  const mofrepo::LoadResult missing = mofrepo::loadRepositoryFile("/nonexistent/veltra/ups.mof");
  EXPECT_TRUE(missing.ok);
  EXPECT_TRUE(missing.repository.empty());
  EXPECT_EQ(missing.repository.getObject(u"root\\cimv2", u"APC_UMSData.InstanceTag=0").code,
            kInvalidClass);

  const mofrepo::LoadResult directory = mofrepo::loadRepositoryFile(".");
  EXPECT_FALSE(directory.ok);
  EXPECT_EQ(directory.error.rfind(".: ", 0), 0u) << directory.error;
}

}  // namespace
