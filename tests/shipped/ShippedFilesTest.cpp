// Every shipped file of both trees is the Windows software it claims to be: its version record
// carries the project's version and its own file name, release builds are stripped, and every
// program carries a manifest that the system accepts, with the execution level the program needs,
// the supported systems, common controls 6 and no DPI awareness.

#include "foundation/FileVersion.h"
#include "tests/shipped/ShippedManifest.h"
#include "tests/support/BuildTreePaths.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace vorma {
namespace {

struct BuiltFile {
  const wchar_t* name;
  const char* path;      // in this (x86_64) tree
  const char* i686Path;  // the same file in the i686 tree
};
constexpr BuiltFile kBuilt[] = {
#include "ShippedFiles.inc"
};

enum class Manifest { None, AsInvoker, RequireAdministrator };
struct Expected {
  const wchar_t* name;
  Manifest manifest;
};
// Setup and the uninstaller change the machine; everything else runs with the rights it is given.
constexpr Expected kExpected[] = {
    {L"Vormapanel.exe", Manifest::AsInvoker},          {L"Vormasetup.exe", Manifest::RequireAdministrator},
    {L"Halvorn.exe", Manifest::AsInvoker},             {L"VormaUninstall.exe", Manifest::RequireAdministrator},
    {L"VormaEffect.exe", Manifest::AsInvoker},         {L"VormaSoundEffect.exe", Manifest::AsInvoker},
    {L"DLLQZ_UsbAudio72xx_x32.dll", Manifest::None},   {L"Xafilt.sys", Manifest::None},
};

// Windows Vista, 7, 8, 8.1 and 10 (which 11 shares).
constexpr GUID kSupportedOs[] = {
    {0xe2011457, 0x1546, 0x43c5, {0xa5, 0xfe, 0x00, 0x8d, 0xee, 0xe3, 0xd3, 0xf0}},
    {0x35138b9a, 0x5d96, 0x4fbd, {0x8e, 0x2d, 0xa2, 0x44, 0x02, 0x25, 0xf9, 0x3a}},
    {0x4a2f28e3, 0x53b9, 0x4441, {0xba, 0x9c, 0xd6, 0x9d, 0x4a, 0x4a, 0x6e, 0x38}},
    {0x1f676c76, 0x80e1, 0x4239, {0x95, 0xbb, 0x83, 0xd0, 0xf6, 0xd0, 0xda, 0x78}},
    {0x8e0f7a12, 0xbfb3, 0x4fe8, {0xb9, 0xa5, 0x48, 0xfd, 0x50, 0xa1, 0x5a, 0x9a}},
};

struct Tree {
  const char* name;
  WORD machine;
  const char* BuiltFile::*path;
};
constexpr Tree kTrees[] = {{"x86_64", IMAGE_FILE_MACHINE_AMD64, &BuiltFile::path},
                           {"i686", IMAGE_FILE_MACHINE_I386, &BuiltFile::i686Path}};

const Expected* ExpectedFor(const wchar_t* name) {
  for (const Expected& expected : kExpected)
    if (std::wcscmp(expected.name, name) == 0) return &expected;
  return nullptr;
}

std::wstring VersionString(const std::wstring& path, const wchar_t* name) {
  DWORD handle = 0;
  std::string block(GetFileVersionInfoSizeW(path.c_str(), &handle), '\0');
  if (block.empty() || !GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data())) return L"";
  void* value = nullptr;
  UINT length = 0;
  const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
  if (!VerQueryValueW(block.data(), query.c_str(), &value, &length) || length == 0) return L"";
  return static_cast<const wchar_t*>(value);
}

// The machine and the symbol count of the image's file header.
struct ImageHeader {
  WORD machine = 0;
  DWORD symbolCount = 0xffffffff;
  DWORD symbolTable = 0xffffffff;
};
ImageHeader ReadImageHeader(const std::wstring& path) {
  const std::string bytes = test::ReadFileBytes(path);
  ImageHeader header;
  LONG peOffset = 0;
  if (bytes.size() < 0x40) return header;
  std::memcpy(&peOffset, bytes.data() + 0x3c, sizeof(peOffset));
  IMAGE_FILE_HEADER file{};
  if (peOffset < 0 || bytes.size() < static_cast<size_t>(peOffset) + 4 + sizeof(file)) return header;
  if (bytes.compare(static_cast<size_t>(peOffset), 4, std::string("PE\0\0", 4)) != 0) return header;
  std::memcpy(&file, bytes.data() + peOffset + 4, sizeof(file));
  return {file.Machine, file.NumberOfSymbols, file.PointerToSymbolTable};
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST(ShippedFiles, EveryShippedFileHasItsExpectations) {
  std::set<std::wstring> built;
  for (const BuiltFile& file : kBuilt) {
    built.insert(file.name);
    EXPECT_NE(ExpectedFor(file.name), nullptr) << "shipped but not listed here: " << testing::PrintToString(std::wstring(file.name));
  }
  for (const Expected& expected : kExpected)
    EXPECT_EQ(built.count(expected.name), 1u) << "listed here but not shipped: " << testing::PrintToString(std::wstring(expected.name));
}

TEST(ShippedFiles, CarryTheProjectVersionAndAreStripped) {
  for (const Tree& tree : kTrees) {
    for (const BuiltFile& file : kBuilt) {
      const std::wstring path = test::HostPathToWindows(file.*tree.path);
      SCOPED_TRACE(std::string(tree.name) + " " + file.*tree.path);
      ASSERT_TRUE(Exists(path)) << "not built; scripts/test.sh builds both trees before the tests";
      std::wstring version;
      EXPECT_EQ(GetFileVersionText(path, version), kFileVersionDone);
      EXPECT_EQ(version, VORMA_PROJECT_VERSION);
      EXPECT_EQ(VersionString(path, L"ProductVersion"), VORMA_PROJECT_VERSION);
      EXPECT_EQ(VersionString(path, L"OriginalFilename"), file.name);
      EXPECT_FALSE(VersionString(path, L"FileDescription").empty());
      const ImageHeader header = ReadImageHeader(path);
      EXPECT_EQ(header.machine, tree.machine);
#ifdef VORMA_RELEASE_BUILD
      EXPECT_EQ(header.symbolCount, 0u);
      EXPECT_EQ(header.symbolTable, 0u);
#endif
    }
  }
}

TEST(ShippedFiles, ProgramsCarryAManifestTheSystemAccepts) {
  test::TempFolder folder;
  for (const Tree& tree : kTrees) {
    for (const BuiltFile& file : kBuilt) {
      const Expected* expected = ExpectedFor(file.name);
      if (!expected || expected->manifest == Manifest::None) continue;
      const std::wstring path = test::HostPathToWindows(file.*tree.path);
      SCOPED_TRACE(std::string(tree.name) + " " + file.*tree.path);
      const std::optional<std::string> manifest = test::ReadManifestResource(path);
      ASSERT_TRUE(manifest.has_value());
      const test::ManifestFacts facts = test::ParseManifestFile(folder.WriteBytes(L"program.manifest", *manifest));
      ASSERT_EQ(facts.createError, static_cast<DWORD>(ERROR_SUCCESS));
      EXPECT_EQ(facts.runLevel, expected->manifest == Manifest::RequireAdministrator ? ACTCTX_RUN_LEVEL_REQUIRE_ADMIN
                                                                                      : ACTCTX_RUN_LEVEL_AS_INVOKER);
      for (const GUID& os : kSupportedOs) {
        bool listed = false;
        for (const GUID& id : facts.supportedOs) listed = listed || IsEqualGUID(id, os);
        EXPECT_TRUE(listed) << "supportedOS {" << std::hex << os.Data1 << "...} missing";
      }
      bool commonControls6 = false;
      for (const std::wstring& identity : facts.assemblies)
        commonControls6 = commonControls6 || (identity.find(L"Microsoft.Windows.Common-Controls") != std::wstring::npos &&
                                              identity.find(L"version=\"6.") != std::wstring::npos);
      EXPECT_TRUE(commonControls6) << testing::PrintToString(facts.assemblies);
      EXPECT_EQ(facts.dpiAware, L"false");
      EXPECT_EQ(facts.dpiAwareness, L"unaware");
    }
  }
}

}  // namespace
}  // namespace vorma
