// The shipped content, read the way the programs read it: profile strings through the Windows
// profile functions, device-ID lists through the device-ID manager, pictures through GDI+ and the
// outline through the region API. The content is copied next to this test program by the build.

#include "foundation/DeviceIdManager.h"
#include "foundation/ProfileStrings.h"
#include "panel/features/virtual7ch1/SpeakerLayout.h"

#include <gtest/gtest.h>
#include <windows.h>
// GDI+ needs the COM declarations that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>
#include <gdiplus.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

std::wstring Config() { return ProgramFolder() + L"AudioConfig.cfg"; }

std::wstring Read(const std::wstring& file, const wchar_t* section, const wchar_t* key) {
  std::wstring value;
  vorma::ReadProfileString(file, section, key, value);
  return value;
}

bool IsDecimal(const std::wstring& text) {
  if (text.empty()) return false;
  size_t start = text[0] == L'-' ? 1 : 0;
  return start < text.size() && text.find_first_not_of(L"0123456789", start) == std::wstring::npos;
}

std::vector<std::wstring> Split(const std::wstring& text) {
  std::vector<std::wstring> items;
  size_t start = 0;
  for (;;) {
    size_t comma = text.find(L',', start);
    items.push_back(text.substr(start, comma - start));
    if (comma == std::wstring::npos) return items;
    start = comma + 1;
  }
}

// The keys of one section with their values, in file order.
std::vector<std::pair<std::wstring, std::wstring>> Section(const std::wstring& file, const wchar_t* section) {
  std::vector<wchar_t> buffer(65536);
  DWORD length = GetPrivateProfileSectionW(section, buffer.data(), static_cast<DWORD>(buffer.size()), file.c_str());
  std::vector<std::pair<std::wstring, std::wstring>> entries;
  for (const wchar_t* p = buffer.data(); p < buffer.data() + length && *p; p += wcslen(p) + 1) {
    std::wstring line(p);
    size_t equals = line.find(L'=');
    entries.emplace_back(line.substr(0, equals), equals == std::wstring::npos ? L"" : line.substr(equals + 1));
  }
  return entries;
}

std::vector<std::wstring> SectionNames(const std::wstring& file) {
  std::vector<wchar_t> buffer(65536);
  DWORD length = GetPrivateProfileSectionNamesW(buffer.data(), static_cast<DWORD>(buffer.size()), file.c_str());
  std::vector<std::wstring> names;
  for (const wchar_t* p = buffer.data(); p < buffer.data() + length && *p; p += wcslen(p) + 1) names.emplace_back(p);
  return names;
}

std::vector<std::wstring> SubFolders(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    std::wstring name = data.cFileName;
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != L"." && name != L"..") names.push_back(name);
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return names;
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string Bytes(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t Le32(const std::string& bytes, size_t offset) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[offset + i]);
  return value;
}

class GdiplusSession {
public:
  GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token_, &input, nullptr);
  }
  ~GdiplusSession() { Gdiplus::GdiplusShutdown(token_); }

private:
  ULONG_PTR token_ = 0;
};

TEST(ProductConfiguration, StrictlyConvertedValuesAreNumbersAndFoldersExist) {
  const std::wstring config = Config();
  EXPECT_TRUE(IsDecimal(Read(config, L"Skin", L"RegionCut")));
  EXPECT_TRUE(IsDecimal(Read(config, L"GPIO", L"MODE")));
  for (int pin = 0; pin < 10; ++pin) {
    EXPECT_TRUE(IsDecimal(Read(config, L"GPIOActive", std::to_wstring(pin).c_str()))) << "GPIOActive " << pin;
  }
  for (const wchar_t* key : {L"ENABLE", L"DIRECTION"}) {
    std::vector<std::wstring> items = Split(Read(config, L"GPIO", key));
    EXPECT_EQ(items.size(), 10u) << key;
    for (const std::wstring& item : items) EXPECT_TRUE(IsDecimal(item)) << key;
  }
  const std::wstring skins = ProgramFolder() + Read(config, L"Skin", L"SkinFolderName");
  const std::wstring languages = ProgramFolder() + Read(config, L"Language", L"LanguageFolderName");
  EXPECT_TRUE(FileExists(skins + L"\\" + Read(config, L"Skin", L"DefaultSkin") + L"\\SkinSetting.ini"));
  EXPECT_TRUE(FileExists(languages + L"\\" + Read(config, L"Language", L"DefaultLanguage") + L"\\Language.ini"));
  EXPECT_FALSE(Read(config, L"Install", L"InstallFolderName").empty());
}

TEST(ProductConfiguration, IconFilesLoadAsIcons) {
  const std::pair<const wchar_t*, const wchar_t*> keys[] = {{L"Install", L"InstallIconFileName"},
                                                            {L"Uninstall", L"UninstallIconFileName"}};
  for (const auto& [section, key] : keys) {
    const std::wstring path = ProgramFolder() + Read(Config(), section, key);
    for (int size : {16, 32}) {
      HANDLE icon = LoadImageW(nullptr, path.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE);
      EXPECT_NE(icon, nullptr) << std::string(key, key + wcslen(key)) << " at " << size;
      if (icon) DestroyIcon(static_cast<HICON>(icon));
    }
  }
}

TEST(ProductConfiguration, DeviceIdEntriesAcceptTheVirtualDeviceOnly) {
  struct Case {
    const wchar_t* section;
    const wchar_t* ownId;
    const wchar_t* foreignId;
  };
  for (const Case& c : {Case{L"USB_VID_PID", L"USB\\VID_1E4B&PID_7201&REV_0100&MI_00", L"USB\\VID_16C0&PID_05DF&REV_0100&MI_00"},
                        Case{L"HID_VID_PID", L"HID\\VID_1E4B&PID_7201&REV_0100&MI_03", L"HID\\VID_16C0&PID_05DF&REV_0100"}}) {
    vorma::CDeviceIdMgr ids;
    ASSERT_EQ(ids.LoadFromConfig(Config(), c.section), 0) << c.section;
    EXPECT_TRUE(ids.Matches(c.ownId)) << c.section;
    EXPECT_FALSE(ids.Matches(c.foreignId)) << c.section;
  }
}

TEST(ProductLanguages, EveryFolderIsMappedAndHasTheKeysOfEnglish) {
  const std::wstring config = Config();
  const std::wstring root = ProgramFolder() + Read(config, L"Language", L"LanguageFolderName") + L"\\";
  const std::wstring english = root + L"English\\Language.ini";
  std::vector<std::wstring> folders = SubFolders(root);
  ASSERT_GE(folders.size(), 3u);
  size_t labelKeys = 0;
  for (const std::wstring& section : SectionNames(english)) {
    if (section != L"Setup" && section != L"GlobalFont") labelKeys += Section(english, section.c_str()).size();
  }
  EXPECT_EQ(labelKeys, 80u);
  EXPECT_EQ(Section(english, L"GlobalFont").size(), 4u);
  EXPECT_EQ(Section(english, L"Setup").size(), 18u);
  for (const std::wstring& folder : folders) {
    SCOPED_TRACE(folder);
    EXPECT_LE(folder.size(), 15u);
    EXPECT_FALSE(Read(config, L"MultiLanguageFolderMap", folder.c_str()).empty());
    const std::wstring file = root + folder + L"\\Language.ini";
    ASSERT_EQ(SectionNames(file), SectionNames(english));
    for (const std::wstring& section : SectionNames(english)) {
      std::set<std::wstring> own, reference;
      for (const auto& entry : Section(file, section.c_str())) own.insert(entry.first);
      for (const auto& entry : Section(english, section.c_str())) reference.insert(entry.first);
      EXPECT_EQ(own, reference) << "section " << std::string(section.begin(), section.end());
    }
  }
}

TEST(ProductLanguages, NonLatinTextsReadBackUnchanged) {
  const std::wstring root = ProgramFolder() + Read(Config(), L"Language", L"LanguageFolderName") + L"\\";
  EXPECT_EQ(Read(root + L"SChinese\\Language.ini", L"Main", L"LabelPageMic").substr(0, 3), L"\x9EA6\x514B\x98CE");
  EXPECT_EQ(Read(root + L"German\\Language.ini", L"Main", L"LabelActive").substr(0, 15), L"Ger\x00E4t verbunden");
  EXPECT_EQ(Read(Config(), L"MultiLanguageFolderMap", L"SChinese"), L"\x7B80\x4F53\x4E2D\x6587");
}

TEST(ProductSkins, EveryPictureKeyNamesAPictureOfItsSize) {
  GdiplusSession gdiplus;
  const std::wstring root = ProgramFolder() + Read(Config(), L"Skin", L"SkinFolderName") + L"\\";
  std::vector<std::wstring> skins = SubFolders(root);
  ASSERT_GE(skins.size(), 2u);
  for (const std::wstring& skin : skins) {
    SCOPED_TRACE(skin);
    const std::wstring folder = root + skin + L"\\";
    size_t pictureKeys = 0;
    for (const std::wstring& section : SectionNames(folder + L"SkinSetting.ini")) {
      for (const auto& [key, value] : Section(folder + L"SkinSetting.ini", section.c_str())) {
        std::vector<std::wstring> items = Split(value);
        if (items[0].size() < 4 || items[0].substr(items[0].size() - 4) != L".png") continue;
        ++pictureKeys;
        std::string name(key.begin(), key.end());
        std::unique_ptr<Gdiplus::Bitmap> picture(Gdiplus::Bitmap::FromFile((folder + items[0]).c_str()));
        ASSERT_TRUE(picture && picture->GetLastStatus() == Gdiplus::Ok) << name;
        if (items.size() >= 5) {
          EXPECT_EQ(std::to_wstring(picture->GetWidth()), items[3]) << name;
          EXPECT_EQ(std::to_wstring(picture->GetHeight()), items[4]) << name;
        }
      }
    }
    EXPECT_EQ(pictureKeys, 203u);
  }
}

// The speakers as the 7.1 page measures them, by their icons' top-left corners: the skins' icon
// places, the default profile's (what RESET restores) and the circle they are dragged in.
TEST(ProductSkins, DefaultSpeakersLieInsideTheCircleAndGiveAnEvenArrangement) {
  using namespace vorma::features;
  const std::wstring root = ProgramFolder() + Read(Config(), L"Skin", L"SkinFolderName") + L"\\";
  const std::wstring defaultSkin = Read(Config(), L"Skin", L"DefaultSkin");
  const std::wstring profile = ProgramFolder() + L"DefaultProfile.ini";
  for (const std::wstring& skin : SubFolders(root)) {
    SCOPED_TRACE(skin);
    const std::wstring setting = root + skin + L"\\SkinSetting.ini";
    const std::vector<std::wstring> circle = Split(Read(setting, L"Virtual7ch1", L"VirtualCenter"));
    ASSERT_EQ(circle.size(), 3u);
    const PixelPoint centre{std::stoi(circle[0]), std::stoi(circle[1])};
    const int radius = std::stoi(circle[2]);
    const auto arrangement = DefaultSpeakerArrangement(centre, radius);

    std::array<float, kSpeakerCount> level{}, angle{};
    for (int i = 0; i < kSpeakerCount; ++i) {
      const std::string name(kSpeakers[i].imageName, kSpeakers[i].imageName + wcslen(kSpeakers[i].imageName));
      // The skin places each icon where RESET puts it without a default profile.
      const std::vector<std::wstring> icon = Split(Read(setting, L"Virtual7ch1", kSpeakers[i].imageName));
      ASSERT_GE(icon.size(), 3u) << name;
      EXPECT_EQ((PixelPoint{std::stoi(icon[1]), std::stoi(icon[2])}), arrangement[i]) << name;

      PixelPoint reset;
      ASSERT_TRUE(ParseSpeakerPosition(Read(profile, L"Virtual7ch1", kSpeakers[i].profileKey), reset)) << name;
      if (skin == defaultSkin) {
        EXPECT_EQ(reset, arrangement[i]) << name;
      }
      const SpeakerPolar polar = PolarOfPosition(reset, centre);
      // Inside the circle a drag may move it in, and far enough from both ends that Narrow and
      // Enlarge each have room to run.
      EXPECT_LE(polar.distance, radius) << name;
      EXPECT_GE(polar.distance, 10.0) << name;
      EXPECT_LT(polar.distance, 111.0) << name;
      level[i] = SpeakerLevel(static_cast<float>(polar.distance), radius);
      angle[i] = polar.angle;
      EXPECT_LT(level[i], kMaxLevel) << name;  // no level at the clamp
    }
    // Left and right mirror each other about the line through the centre and the front, up to the
    // pixel the arrangement truncates.
    const std::pair<int, int> mirrored[] = {{kSpeakerL, kSpeakerR}, {kSpeakerLS, kSpeakerRS}, {kSpeakerLB, kSpeakerRB}};
    for (const auto& [left, right] : mirrored) {
      EXPECT_NEAR(level[left], level[right], 0.03) << left;
      EXPECT_NEAR(angle[left] + angle[right], left == kSpeakerLB ? 3 * kPi : kPi, 0.03) << left;
    }
    EXPECT_NEAR(angle[kSpeakerC], kPi / 2, 1e-6);
    EXPECT_NEAR(angle[kSpeakerSUB], kPi / 2, 1e-6);
    EXPECT_NEAR(angle[kSpeakerL], 3 * kPi / 4, 0.03);
  }
}

TEST(ProductSkins, RegionFileOutlinesTheWindowWithRoundCorners) {
  const std::wstring root = ProgramFolder() + Read(Config(), L"Skin", L"SkinFolderName") + L"\\";
  for (const std::wstring& skin : SubFolders(root)) {
    SCOPED_TRACE(skin);
    std::string data = Bytes(root + skin + L"\\MainForm_Frame.rgn");
    ASSERT_GE(data.size(), 32u);
    EXPECT_EQ(Le32(data, 0), 32u);
    EXPECT_EQ(Le32(data, 4), 1u);
    EXPECT_EQ(data.size(), 32u + 16u * Le32(data, 8));
    EXPECT_EQ(Le32(data, 12), 16u * Le32(data, 8));
    HRGN region = ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<const RGNDATA*>(data.data()));
    ASSERT_NE(region, nullptr);
    RECT box{};
    GetRgnBox(region, &box);
    EXPECT_EQ(box.right - box.left, 819);
    EXPECT_EQ(box.bottom - box.top, 513);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_FALSE(PtInRegion(region, 818, 512));
    EXPECT_TRUE(PtInRegion(region, 409, 0));
    EXPECT_TRUE(PtInRegion(region, 0, 256));
    DeleteObject(region);
  }
}

TEST(ProductSound, TestToneIsLoopablePcm) {
  std::string wav = Bytes(ProgramFolder() + L"bee.wav");
  ASSERT_GE(wav.size(), 44u);
  EXPECT_EQ(wav.substr(0, 4), "RIFF");
  EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
  EXPECT_EQ(Le32(wav, 4), wav.size() - 8);
  EXPECT_EQ(Le32(wav, 20) & 0xFFFF, 1u);              // PCM
  EXPECT_EQ(Le32(wav, 32) >> 16, 16u);                // bits per sample
  EXPECT_EQ(wav.substr(36, 4), "data");
  EXPECT_EQ(Le32(wav, 40), wav.size() - 44);
  // The loop restarts at the end: the last sample runs into the first without a jump.
  auto sample = [&](size_t offset) { return static_cast<int16_t>(static_cast<unsigned char>(wav[offset]) |
                                                                 static_cast<unsigned char>(wav[offset + 1]) << 8); };
  EXPECT_LT(std::abs(sample(wav.size() - 2) - sample(44)), 3000);
}

}  // namespace
