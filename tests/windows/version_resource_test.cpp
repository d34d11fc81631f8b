// veltra.dll's version resource, as Windows shows it on the file's Details tab.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host_platform.h"
#include "veltra_module.h"

namespace veltra::testing {
namespace {

TEST(VersionResource, NamesTheReleaseAndTheModule) {
  const std::string path = host::VeltraModule::defaultPath();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  ASSERT_GT(size, 0u) << path;
  std::vector<char> info(size);
  ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, info.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(VELTRA_VERSION_MINOR, VELTRA_VERSION_MAJOR));
  EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_DLL));

  const auto text = [&](const char* name) {
    char* value = nullptr;
    const std::string query = std::string("\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueA(info.data(), query.c_str(), reinterpret_cast<void**>(&value), &length)) {
      return std::string("(none)");
    }
    return std::string(value);
  };
  EXPECT_EQ(text("FileVersion"), VELTRA_VERSION);
  EXPECT_EQ(text("ProductVersion"), VELTRA_VERSION);
  EXPECT_EQ(text("OriginalFilename"), "veltra.dll");
  EXPECT_NE(text("FileDescription").find("UPS"), std::string::npos);
}

}  // namespace
}  // namespace veltra::testing
