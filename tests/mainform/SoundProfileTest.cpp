// Sound profiles through the main window built in the test process, on a virtual device: what a
// load puts into the window and the device, what a save writes, the dialogs, and the last profile
// across a restart.

#include "foundation/ProfileStrings.h"
#include "tests/mainform/MainFormFixture.h"
#include "tests/support/TestWindows.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace vorma::shell {
namespace {

constexpr const wchar_t* kSpeakerKeys[] = {L"C", L"L", L"LS", L"LB", L"RB", L"RS", L"SUB", L"R"};
constexpr const wchar_t* kSpeakerImages[] = {L"VirtualCImage",  L"VirtualLImage",  L"VirtualLSImage",
                                             L"VirtualLBImage", L"VirtualRBImage", L"VirtualRSImage",
                                             L"VirtualSUBImage", L"VirtualRImage"};

std::wstring Value(const std::wstring& path, const wchar_t* section, const wchar_t* key) {
  std::wstring value;
  ReadProfileString(path, section, key, value);
  return value;
}

class SoundProfileTest : public MainFormTest {
protected:
  void StartWithDevice() {
    device_ = Plug("72xx", 0x7201);
    Start();
    ASSERT_TRUE(test::PumpMessagesUntil([&] { return form_->DeviceActive(); }, 10000));
  }

  std::string DeviceState(const char* key) {
    std::string value;
    EXPECT_EQ(client.StateValue(device_, key, value), virtual72xx::kOk) << key;
    return value;
  }

  // The device state a profile decides: the equaliser's switch and curve, 3D and 7.1.
  std::map<std::string, std::string> SoundState() {
    std::map<std::string, std::string> state;
    for (const char* key : {"eq.enable", "3d.enable", "v71.enable", "v71.block", "reg.0x0120", "reg.0x0121",
                            "reg.0x0122", "reg.0x0123", "reg.0x0124", "reg.0x0125", "reg.0x0126", "reg.0x0127",
                            "reg.0x0128", "reg.0x0129", "led.master.1.mode", "led.master.1.speed",
                            "led.master.1.modecolor.2", "led.master.1.color.3"})
      state[key] = DeviceState(key);
    return state;
  }

  // A profile of the current state with the presets, EQ, effect and speakers of our own.
  std::wstring WriteOwnProfile(const wchar_t* name, int shift) {
    const std::wstring path = files_.File(name);
    EXPECT_TRUE(form_->Profiles().SaveProfile(path));
    const wchar_t* presets[] = {L"0x400,0x500,0x600,0x700,0x800,1", L"0x300,0x400,0x500,0x600,0x700,1",
                                L"0x200,0x300,0x400,0x500,0x600,1", L"0x100,0x200,0x300,0x400,0x500,1"};
    for (int i = 0; i < 4; ++i)
      WriteProfileString(path, L"EQ", (L"S" + std::to_wstring(i + 1)).c_str(), presets[(i + shift) % 4]);
    WriteProfileString(path, L"EQ", L"EQEN", L"1");
    WriteProfileString(path, L"3D", L"3DEN", L"0");
    WriteProfileString(path, L"Effect", L"CurrentEffect", std::to_wstring(1 + (2 + shift) % 5));
    for (int i = 0; i < 8; ++i) {
      const forms::Image& speaker = Image(kSpeakerImages[i]);
      WriteProfileString(path, L"Virtual7ch1", kSpeakerKeys[i],
                         std::to_wstring(speaker.Left() + 2 + shift) + L"," + std::to_wstring(speaker.Top() - 2));
    }
    WriteProfileString(path, L"Virtual7ch1", L"7ch1EN", L"1");
    // Breathe in a colour of our own at a speed of our own, and a palette colour.
    WriteProfileString(path, L"LED", L"LEDOff", L"0");
    WriteProfileString(path, L"LED", L"LEDSingleColor", L"0");
    WriteProfileString(path, L"LED", L"LEDEffectMode", L"1");
    WriteProfileString(path, L"LED", L"LEDBreatheSpeed", std::to_wstring(20 + shift));
    WriteProfileString(path, L"LED", L"LEDBreatheColorRGB", std::to_wstring(0x00A000 + shift));
    WriteProfileString(path, L"LED", L"LEDColor3RGB", std::to_wstring(0x3000C0 + shift));
    return path;
  }

  static void ExpectSameKeys(const std::wstring& expected, const std::wstring& actual) {
    for (const wchar_t* key : {L"S1", L"S2", L"S3", L"S4", L"EQEN"})
      EXPECT_EQ(Value(actual, L"EQ", key), Value(expected, L"EQ", key)) << std::wstring(key).size();
    EXPECT_EQ(Value(actual, L"Effect", L"CurrentEffect"), Value(expected, L"Effect", L"CurrentEffect"));
    for (const wchar_t* key : kSpeakerKeys)
      EXPECT_EQ(Value(actual, L"Virtual7ch1", key), Value(expected, L"Virtual7ch1", key));
    EXPECT_EQ(Value(actual, L"Virtual7ch1", L"7ch1EN"), Value(expected, L"Virtual7ch1", L"7ch1EN"));
    for (const wchar_t* key : {L"LEDEffectMode", L"LEDBreatheSpeed", L"LEDBreatheColorRGB", L"LEDColor3RGB"})
      EXPECT_EQ(Value(actual, L"LED", key), Value(expected, L"LED", key));
  }

  test::DeviceNumber device_ = 0;
  test::TempFolder files_;
};

// Load a profile, save it again: the same keys; load another and then the first again: the window
// and the device are back where the first left them. Closing writes LastProfile.ini, and the next
// start takes it up.
TEST_F(SoundProfileTest, AProfileComesBackIntoTheWindowAndTheDeviceAndAcrossARestart) {
  StartWithDevice();
  const std::wstring first = WriteOwnProfile(L"First.ini", 0);
  const std::wstring second = WriteOwnProfile(L"Second.ini", 1);

  form_->Profiles().LoadProfile(first);
  EXPECT_EQ(form_->Effect(), 3);
  EXPECT_EQ(form_->FeatureState(7), 1);
  EXPECT_EQ(form_->FeatureState(47), 1);
  EXPECT_EQ(DeviceState("eq.enable"), "1");
  EXPECT_EQ(DeviceState("v71.enable"), "1");
  const std::map<std::string, std::string> firstState = SoundState();
  const std::wstring saved = files_.File(L"Saved.ini");
  ASSERT_TRUE(form_->Profiles().SaveProfile(saved));
  ExpectSameKeys(first, saved);
  // Four different presets, each line ending with the one EQ enable.
  std::vector<std::wstring> lines;
  for (const wchar_t* key : {L"S1", L"S2", L"S3", L"S4"}) lines.push_back(Value(saved, L"EQ", key));
  for (size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].back(), L'1');
    for (size_t j = i + 1; j < lines.size(); ++j) EXPECT_NE(lines[i], lines[j]);
  }

  form_->Profiles().LoadProfile(second);
  EXPECT_EQ(form_->Effect(), 4);
  EXPECT_NE(SoundState(), firstState);
  form_->Profiles().LoadProfile(saved);
  EXPECT_EQ(SoundState(), firstState);

  form_.reset();  // the window's destruction saves the last profile first
  const std::wstring last = appData_.File(L"Vorma\\LastProfile.ini");
  ExpectSameKeys(saved, last);
  Start();
  EXPECT_EQ(form_->Effect(), 3);
  EXPECT_EQ(Image(L"VirtualLImage").Left(), std::stoi(Value(saved, L"Virtual7ch1", L"L")));
}

// 3D and virtual 7.1 exclude each other in the shipped configuration: a profile with both on
// loads 3D only. The 3D values are a record of the save, never read back.
TEST_F(SoundProfileTest, ALoadWithThreeDAndSurroundOnKeepsSurroundOffAndNeverRestoresThe3DValues) {
  StartWithDevice();
  const std::wstring path = WriteOwnProfile(L"Both.ini", 0);
  WriteProfileString(path, L"3D", L"3DEN", L"1");
  const std::wstring leftAlpha = Value(path, L"3D", L"LeftAlpha");
  WriteProfileString(path, L"3D", L"LeftAlpha", leftAlpha == L"9" ? L"3" : L"9");
  form_->Profiles().LoadProfile(path);
  EXPECT_EQ(form_->FeatureState(8), 1);
  EXPECT_EQ(form_->FeatureState(47), 0);
  EXPECT_EQ(DeviceState("v71.enable"), "0");
  const std::wstring saved = files_.File(L"Saved.ini");
  ASSERT_TRUE(form_->Profiles().SaveProfile(saved));
  EXPECT_EQ(Value(saved, L"3D", L"LeftAlpha"), leftAlpha);
  EXPECT_EQ(Value(saved, L"Virtual7ch1", L"7ch1EN"), L"0");
}

// Values that are missing or broken keep what the window has.
TEST_F(SoundProfileTest, BrokenValuesKeepTheCurrentOnes) {
  StartWithDevice();
  form_->Profiles().LoadProfile(WriteOwnProfile(L"Good.ini", 0));
  const std::wstring before = files_.File(L"Before.ini");
  ASSERT_TRUE(form_->Profiles().SaveProfile(before));
  struct Case {
    const wchar_t* section;
    const wchar_t* key;
    const wchar_t* value;  // nullptr: the key is missing
  };
  const Case cases[] = {
      {L"Effect", L"CurrentEffect", L"abc"}, {L"Effect", L"CurrentEffect", L"9"},
      {L"Effect", L"CurrentEffect", nullptr}, {L"EQ", L"S2", L"0x100,zz,0x300,0x400,0x500,1"},
      {L"EQ", L"S3", L"0x100,0x200"},          {L"EQ", L"S4", nullptr},
      {L"Virtual7ch1", L"L", L"abc"},          {L"Virtual7ch1", L"R", L"12"},
      {L"Virtual7ch1", L"C", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.key).size() * 100 + (c.value ? std::wstring(c.value).size() : 0));
    const std::wstring broken = files_.WriteBytes(L"Broken.ini", test::ReadFileBytes(before));
    WritePrivateProfileStringW(c.section, c.key, c.value, broken.c_str());
    form_->Profiles().LoadProfile(broken);
    const std::wstring after = files_.File(L"After.ini");
    DeleteFileW(after.c_str());
    ASSERT_TRUE(form_->Profiles().SaveProfile(after));
    ExpectSameKeys(before, after);
  }
}

// Save appends ".ini" only to a name without it anywhere; the open dialog then starts in the
// folder of the last save, which AudioConfig.cfg remembers. Without a device neither dialog opens.
TEST_F(SoundProfileTest, DialogsNameTheFileAndStartWhereTheLastSaveWent) {
  Start();
  form_->Profiles().SaveProfileDialog(form_->Hwnd());
  form_->Profiles().LoadProfileDialog(form_->Hwnd());
  EXPECT_TRUE(dialogs_.shown.empty());
  form_.reset();

  StartWithDevice();
  test::TempFolder chosen;
  dialogs_.AnswerFile(chosen.File(L"Mine"));
  dialogs_.AnswerFile(chosen.File(L"Club.ini.old"));
  dialogs_.AnswerFile(std::nullopt);
  form_->Profiles().SaveProfileDialog(form_->Hwnd());
  ASSERT_EQ(dialogs_.shown.size(), 1u);
  EXPECT_EQ(dialogs_.shown[0].kind, test::ScriptedDialogs::Kind::SaveFile);
  EXPECT_EQ(dialogs_.shown[0].fileName, L"AudioSetting.ini");
  EXPECT_EQ(dialogs_.shown[0].initialFolder, userProfile_.File(L"Vorma"));
  EXPECT_NE(GetFileAttributesW(userProfile_.File(L"Vorma").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_FALSE(Value(chosen.File(L"Mine.ini"), L"EQ", L"S1").empty());
  form_->Profiles().SaveProfileDialog(form_->Hwnd());
  EXPECT_FALSE(Value(chosen.File(L"Club.ini.old"), L"EQ", L"S1").empty());
  EXPECT_EQ(Value(ConfigPath(), L"LastINI", L"Path"), chosen.File(L"Club.ini.old"));

  form_->Profiles().LoadProfileDialog(form_->Hwnd());  // cancelled
  ASSERT_EQ(dialogs_.shown.size(), 3u);
  EXPECT_EQ(dialogs_.shown[2].kind, test::ScriptedDialogs::Kind::OpenFile);
  EXPECT_EQ(dialogs_.shown[2].initialFolder + L"\\", chosen.Path());
}

}  // namespace
}  // namespace vorma::shell
