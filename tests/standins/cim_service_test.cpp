// The stand-in WMI service through its C API, reading repository files named by
// VELTRA_CIM_REPOSITORY.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "cim_service.h"

namespace {

constexpr int32_t kOk = 0;
constexpr int32_t kNotFound = static_cast<int32_t>(0x80041002);
constexpr int32_t kInvalidNamespace = static_cast<int32_t>(0x8004100E);
constexpr int32_t kInvalidClass = static_cast<int32_t>(0x80041010);
constexpr int32_t kInvalidArgument = static_cast<int32_t>(0x80070057);
constexpr int32_t kPointer = static_cast<int32_t>(0x80004003);

constexpr const char* kVariable = "VELTRA_CIM_REPOSITORY";

// A UTF-16 text with its terminator, as the C API takes it.
std::vector<uint16_t> wide(std::u16string_view text) {
  std::vector<uint16_t> out(text.begin(), text.end());
  out.push_back(0);
  return out;
}

std::string upsMof(double inputVolts) {
  return "#pragma namespace(\"\\\\\\\\.\\\\root\\\\cimv2\")\n"
         "class APC_UMSData { [key] uint32 InstanceTag; real64 UPSInputVolt; };\n"
         "instance of APC_UMSData { InstanceTag = 0; UPSInputVolt = " +
         std::to_string(inputVolts) + "; };\n";
}

// One read as the module makes it: locator, connection, blanket, object, property.
struct Read {
  int32_t code = kOk;  // of the first step that failed
  cim_value value{};
};

Read readProperty(std::u16string_view path, std::u16string_view name,
                  std::u16string_view nameSpace = u"ROOT\\CIMV2") {
  Read read;
  cim_locator* locator = nullptr;
  cim_services* services = nullptr;
  cim_object* object = nullptr;
  read.code = cim_create_locator(&locator);
  if (read.code == kOk) read.code = cim_connect_server(locator, wide(nameSpace).data(), &services);
  if (read.code == kOk) read.code = cim_set_proxy_blanket(services, 10, 0, 3, 3, 0);
  if (read.code == kOk) read.code = cim_get_object(services, wide(path).data(), &object);
  if (read.code == kOk) read.code = cim_get_property(object, wide(name).data(), &read.value);
  cim_release_object(object);
  cim_release_services(services);
  cim_release_locator(locator);
  return read;
}

Read readInputVolts() {
  return readProperty(u"APC_UMSData.InstanceTag=0", u"UPSInputVolt");
}

class CimService : public testing::Test {
 protected:
  void SetUp() override {
    liveBefore_ = cim_live_objects();
    directory_ = std::filesystem::temp_directory_path() /
                 ("veltra-cim-" + std::to_string(getpid()) + "-" +
                  testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(directory_);
    file_ = (directory_ / "ups.mof").string();
    setenv(kVariable, file_.c_str(), 1);
  }

  void TearDown() override {
    unsetenv(kVariable);
    std::filesystem::remove_all(directory_);
    EXPECT_EQ(cim_live_objects(), liveBefore_);
  }

  void write(const std::string& text) const { std::ofstream(file_, std::ios::binary) << text; }

  long liveBefore_ = 0;
  std::filesystem::path directory_;
  std::string file_;
};

TEST_F(CimService, ReadsTheSampleRepository) {
  setenv(kVariable, VELTRA_SAMPLE_MOF, 1);
  const Read read = readInputVolts();
  EXPECT_EQ(read.code, kOk);
  EXPECT_EQ(read.value.type, 5);
  EXPECT_EQ(read.value.real64, 230.5);
}

TEST_F(CimService, WithoutAVariableOrFileTheNamespaceIsEmpty) {
  unsetenv(kVariable);
  EXPECT_EQ(readInputVolts().code, kInvalidClass);
  setenv(kVariable, "", 1);
  EXPECT_EQ(readInputVolts().code, kInvalidClass);
  setenv(kVariable, (directory_ / "missing.mof").c_str(), 1);
  EXPECT_EQ(readInputVolts().code, kInvalidClass);
}

TEST_F(CimService, RejectedFileIsReportedOnceAndServesNothing) {
  write(upsMof(230.5) + "instance of Nope { X = 1; };\n");
  testing::internal::CaptureStderr();
  EXPECT_EQ(readInputVolts().code, kInvalidClass);
  EXPECT_EQ(readInputVolts().code, kInvalidClass);
  const std::string output = testing::internal::GetCapturedStderr();
  const std::string message = file_ + ":4: unknown class 'Nope'";
  const std::size_t first = output.find(message);
  ASSERT_NE(first, std::string::npos) << output;
  EXPECT_EQ(output.find(message, first + 1), std::string::npos) << output;

  write(upsMof(229.0));  // mended: served on the next connection
  EXPECT_EQ(readInputVolts().value.real64, 229.0);
}

TEST_F(CimService, EachConnectionReadsTheFileAfresh) {
  write(upsMof(230.5));
  cim_locator* locator = nullptr;
  cim_services* before = nullptr;
  ASSERT_EQ(cim_create_locator(&locator), kOk);
  ASSERT_EQ(cim_connect_server(locator, wide(u"root\\cimv2").data(), &before), kOk);

  write(upsMof(231.25));
  EXPECT_EQ(readInputVolts().value.real64, 231.25);

  // A connection keeps what it read when it was made.
  cim_object* object = nullptr;
  cim_value value{};
  ASSERT_EQ(cim_get_object(before, wide(u"APC_UMSData.InstanceTag=0").data(), &object), kOk);
  EXPECT_EQ(cim_get_property(object, wide(u"UPSInputVolt").data(), &value), kOk);
  EXPECT_EQ(value.real64, 230.5);
  cim_release_object(object);
  cim_release_services(before);
  cim_release_locator(locator);
}

TEST_F(CimService, ObjectOutlivesItsConnectionAndLocator) {
  write(upsMof(230.5));
  cim_locator* locator = nullptr;
  cim_services* services = nullptr;
  cim_object* object = nullptr;
  ASSERT_EQ(cim_create_locator(&locator), kOk);
  ASSERT_EQ(cim_connect_server(locator, wide(u"root\\cimv2").data(), &services), kOk);
  ASSERT_EQ(cim_get_object(services, wide(u"APC_UMSData.InstanceTag=0").data(), &object), kOk);
  EXPECT_EQ(cim_live_objects(), liveBefore_ + 3);
  cim_release_services(services);
  cim_release_locator(locator);
  cim_value value{};
  EXPECT_EQ(cim_get_property(object, wide(u"UPSInputVolt").data(), &value), kOk);
  EXPECT_EQ(value.real64, 230.5);
  cim_release_object(object);
}

TEST_F(CimService, ServesOnlyRootCimv2OnThisMachine) {
  write(upsMof(230.5));
  const struct {
    std::u16string_view nameSpace;
    int32_t code;
  } kCases[] = {
      {u"ROOT\\CIMV2", kOk},
      {u"root\\cimv2", kOk},
      {u"\\\\.\\Root\\CimV2", kOk},
      {u"root\\default", kInvalidNamespace},
      {u"root\\cimv2\\ms_409", kInvalidNamespace},
      {u"\\\\server\\root\\cimv2", kInvalidNamespace},
      {u"", kInvalidNamespace},
  };
  for (const auto& testCase : kCases) {
    EXPECT_EQ(readProperty(u"APC_UMSData.InstanceTag=0", u"UPSInputVolt", testCase.nameSpace).code,
              testCase.code);
  }
}

TEST_F(CimService, ReportsEachTypeAsAVariantWould) {
  write(
      "#pragma namespace(\"root\\\\cimv2\")\n"
      "class T { [key] string Name; uint32 Big; sint8 Small; boolean Yes; boolean No;\n"
      "  real32 Single; string Text; real64 Reals[]; real64 Missing; };\n"
      "instance of T { Name = \"t\"; Big = 4294967295; Small = -5; Yes = true; No = false;\n"
      "  Single = 0.5; Text = \"x\"; Reals = {1, 2}; };\n");
  const struct {
    std::u16string_view name;
    uint16_t type;
    int64_t integer;
    double real64;
  } kCases[] = {
      {u"Big", 3, -1, 0},  // a 32-bit variant integer: uint32 0xFFFFFFFF reads -1
      {u"Small", 3, -5, 0},     {u"Yes", 11, -1, 0},  // variant true has every bit set
      {u"No", 11, 0, 0},        {u"Single", 4, 0, 0.5}, {u"Text", 8, 0, 0},
      {u"Reals", 0x2005, 0, 0}, {u"Missing", 1, 0, 0},
  };
  for (const auto& testCase : kCases) {
    const Read read = readProperty(u"T.Name=\"t\"", testCase.name);
    EXPECT_EQ(read.code, kOk);
    EXPECT_EQ(read.value.type, testCase.type);
    EXPECT_EQ(read.value.integer, testCase.integer);
    EXPECT_EQ(read.value.real64, testCase.real64);
  }
  const Read unknown = readProperty(u"T.Name=\"t\"", u"Nope");
  EXPECT_EQ(unknown.code, kNotFound);
  EXPECT_EQ(unknown.value.type, 0);
  EXPECT_EQ(readProperty(u"T.Name=\"u\"", u"Big").code, kNotFound);
  EXPECT_EQ(readProperty(u"T.Name=", u"Big").code, static_cast<int32_t>(0x8004103A));
}

TEST_F(CimService, NullArgumentsAreRefused) {
  write(upsMof(230.5));
  cim_locator* locator = nullptr;
  cim_services* services = nullptr;
  cim_object* object = nullptr;
  ASSERT_EQ(cim_create_locator(&locator), kOk);
  ASSERT_EQ(cim_connect_server(locator, wide(u"root\\cimv2").data(), &services), kOk);
  ASSERT_EQ(cim_get_object(services, wide(u"APC_UMSData.InstanceTag=0").data(), &object), kOk);
  const auto nameSpace = wide(u"root\\cimv2");
  const auto path = wide(u"APC_UMSData.InstanceTag=0");
  const auto name = wide(u"UPSInputVolt");
  cim_services* noServices = services;  // must be cleared on failure
  cim_object* noObject = object;
  cim_value value{};

  EXPECT_EQ(cim_create_locator(nullptr), kPointer);
  EXPECT_EQ(cim_connect_server(nullptr, nameSpace.data(), &noServices), kInvalidArgument);
  EXPECT_EQ(noServices, nullptr);
  EXPECT_EQ(cim_connect_server(locator, nullptr, &noServices), kInvalidArgument);
  EXPECT_EQ(cim_connect_server(locator, nameSpace.data(), nullptr), kPointer);
  EXPECT_EQ(cim_set_proxy_blanket(nullptr, 10, 0, 3, 3, 0), kInvalidArgument);
  EXPECT_EQ(cim_get_object(nullptr, path.data(), &noObject), kInvalidArgument);
  EXPECT_EQ(noObject, nullptr);
  EXPECT_EQ(cim_get_object(services, nullptr, &noObject), kInvalidArgument);
  EXPECT_EQ(cim_get_object(services, path.data(), nullptr), kPointer);
  EXPECT_EQ(cim_get_property(nullptr, name.data(), &value), kInvalidArgument);
  EXPECT_EQ(cim_get_property(object, nullptr, &value), kInvalidArgument);
  EXPECT_EQ(cim_get_property(object, name.data(), nullptr), kPointer);
  cim_release_object(nullptr);
  cim_release_services(nullptr);
  cim_release_locator(nullptr);
  EXPECT_EQ(cim_live_objects(), liveBefore_ + 3);

  cim_release_object(object);
  cim_release_services(services);
  cim_release_locator(locator);
}

TEST_F(CimService, ThreadsReadAtOnce) {
  write(upsMof(230.5));
  constexpr int kThreads = 4;
  constexpr int kReads = 50;
  std::vector<int> good(kThreads, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&good, t] {
      for (int i = 0; i < kReads; ++i) {
        const Read read = readInputVolts();
        if (read.code == kOk && read.value.real64 == 230.5) ++good[static_cast<std::size_t>(t)];
      }
    });
  }
  for (std::thread& thread : threads)
    thread.join();
  for (const int count : good)
    EXPECT_EQ(count, kReads);
}

}  // namespace
