// The 7.1 page on a form built from the main window's resource, talking through the SDK stand-in
// to a virtual 72xx device: what reaches the device (journal and state) for start-up, reset,
// the enable button, rotation, narrowing, enlarging, speaker drag, profiles and shutdown.

#include "panel/features/virtual7ch1/Virtual7ch1Page.h"
#include "panel/features/virtual7ch1/tests/TestWindowControls.h"

#include "panel/device/SdkLibrary.h"
#include "panel/device/tests/VirtualDeviceEnvironment.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tests/support/TestFeatureContext.h"

#include <algorithm>
#include <functional>
#include <memory>

namespace vorma::test {
namespace {

using features::CVirtual7ch1Page;
using features::kSpeakerCount;
using features::kSpeakers;
using features::Virtual7ch1Settings;
using Lines = std::vector<std::string>;

// The block of the default arrangement around (560, 251) with radius 110, switched on, as an
// independent float32 computation gave it: levels 1.377 1.366 1.36 0.85 1.36 1.36 1.366 1.355,
// angles 2.356 0.7934 1.571 1.571 3.142 0 3.919 5.498.
constexpr char kDefaultArrangementBlock[] =
    "01 00 00 00 3c 3f b0 3f 94 da ae 3f 7b 14 ae 3f 9a 99 59 3f 7b 14 ae 3f 7b 14 ae 3f 94 da ae 3f "
    "0f 73 ad 3f e4 cb 16 40 21 1c 4b 3f db 0f c9 3f db 0f c9 3f db 0f 49 40 00 00 00 00 c0 d0 7a 40 "
    "df ed af 40";

constexpr char kOnOff0[] = "sdk DLLQZ_SetVirtual7ch1_OnOff 0 -> 0";
constexpr char kOnOff1[] = "sdk DLLQZ_SetVirtual7ch1_OnOff 1 -> 0";

class Virtual7ch1PageTest : public VirtualDeviceTest {
protected:
  void SetUp() override {
    VirtualDeviceTest::SetUp();
    ASSERT_TRUE(application.Initialize());
    ASSERT_EQ(LoadSdkLibrary(kSdkLibraryFileName, boxes), 0);
    device = Plug("72xx", 0x7201);
    ASSERT_EQ(Sdk().DLLQZ_SetActive_Device(0x1E4B, 0x7201), 0);
    TakeJournal(device);
    controls = std::make_unique<TestWindowControls>(application);
    context = std::make_unique<TestFeatureContext>(*controls, &ports);
  }

  CVirtual7ch1Page& MakePage(Virtual7ch1Settings settings = {}) {
    page = std::make_unique<CVirtual7ch1Page>(*context, host, std::move(settings));
    return *page;
  }

  forms::Image& SpeakerImage(int index) { return controls->Image(kSpeakers[index].imageName); }
  void Move(int index, int left, int top) {
    forms::Image& image = SpeakerImage(index);
    image.SetBounds(left, top, image.Width(), image.Height());
  }
  features::PixelPoint At(int index) { return {SpeakerImage(index).Left(), SpeakerImage(index).Top()}; }

  // The SDK calls the device saw since the last look, with the block's figures cut off.
  Lines SdkCalls() {
    Lines calls = TakeJournal(device, {"sdk"});
    for (std::string& call : calls)
      if (const size_t level = call.find(" level "); level != std::string::npos) call = call.substr(0, level);
    return calls;
  }

  std::string State(const std::string& key) {
    std::vector<virtual72xx::StateEntry> state;
    EXPECT_EQ(client.DumpState(device, state), virtual72xx::kOk);
    for (const auto& entry : state)
      if (entry.key == key) return entry.value;
    ADD_FAILURE() << "no state " << key;
    return {};
  }

  forms::Application application{GetModuleHandleW(nullptr)};
  RecordingMessageBoxes boxes;
  DeviceNumber device = 0;
  std::unique_ptr<TestWindowControls> controls;
  std::unique_ptr<TestFeatureContext> context;
  TestPageHost host;
  std::unique_ptr<CVirtual7ch1Page> page;
};

TEST_F(Virtual7ch1PageTest, SpeakerAtTheCentreSendsLevelAndAngleZeroAndFarOnesAreClamped) {
  CVirtual7ch1Page& v71 = MakePage();
  Move(features::kSpeakerC, 560, 251);
  Move(features::kSpeakerL, 300, 251);   // 260 pixels out: far beyond the radius
  Move(features::kSpeakerRB, 560, 370);  // 119 pixels: just beyond it
  v71.ComputeSpeakerPolar();
  EXPECT_EQ(v71.SendVirtual7ch1(1), 0);
  EXPECT_EQ(State("v71.level.2"), "0");
  EXPECT_EQ(State("v71.angle.2"), "0");
  EXPECT_EQ(State("v71.level.0"), "1.7");
  EXPECT_EQ(State("v71.level.7"), "1.7");
  EXPECT_EQ(State("v71.angle.0"), "3.14159");
  EXPECT_EQ(State("v71.block.enable"), "1");

  // A refused block is reported as result 1; without a device nothing is sent and nothing fails.
  ASSERT_EQ(client.InjectFault(device, "DLLQZ_SetVirtual7ch1", 1), virtual72xx::kOk);
  EXPECT_EQ(v71.SendVirtual7ch1(0), 1);
  EXPECT_EQ(State("v71.block.enable"), "1");
  context->deviceActive = false;
  SdkCalls();
  EXPECT_EQ(v71.SendVirtual7ch1(0), 0);
  EXPECT_EQ(SdkCalls(), Lines{});
}

TEST_F(Virtual7ch1PageTest, OldLayoutNudgesItsOneSpotUnlessTheCentreIsThere) {
  struct Case {
    int oldVersion;
    features::PixelPoint centre;
    features::PixelPoint after;
    const char* level;
  };
  const Case cases[] = {
      {1, {560, 251}, {665, 356}, "1.7"},  // the old layout's spot moves one pixel right and down
      {0, {560, 251}, {664, 355}, "1.7"},
      {1, {664, 355}, {664, 355}, "0"},    // the centre is tested first: it stays the centre
  };
  for (const Case& c : cases) {
    Virtual7ch1Settings settings;
    settings.oldVersion = c.oldVersion;
    CVirtual7ch1Page& v71 = MakePage(settings);
    controls->circle = {c.centre.x, c.centre.y, 110, 110};
    Move(features::kSpeakerSUB, 664, 355);
    v71.ComputeSpeakerPolar();
    EXPECT_EQ(At(features::kSpeakerSUB), c.after) << c.oldVersion << " " << c.centre.x;
    ASSERT_EQ(v71.SendVirtual7ch1(1), 0);
    EXPECT_EQ(State("v71.level.3"), c.level) << c.oldVersion << " " << c.centre.x;
  }
}

TEST_F(Virtual7ch1PageTest, ResetPlacesTheDefaultArrangementAndSendsItsBlock) {
  CVirtual7ch1Page& v71 = MakePage();
  v71.EnableClick();
  EXPECT_EQ(v71.Virtual7ch1Enable(), 1);
  SdkCalls();
  v71.ResetClick();
  const features::PixelPoint expected[kSpeakerCount] = {{497, 188}, {622, 188}, {560, 163}, {560, 196},
                                                        {472, 251}, {648, 251}, {497, 313}, {622, 313}};
  for (int i = 0; i < kSpeakerCount; ++i) EXPECT_EQ(At(i), expected[i]) << i;
  EXPECT_EQ(SdkCalls(), (Lines{kOnOff1, "sdk DLLQZ_SetVirtual7ch1 1"}));
  EXPECT_EQ(State("v71.block"), kDefaultArrangementBlock);
  EXPECT_EQ(State("v71.enable"), "1");
}

TEST_F(Virtual7ch1PageTest, ResetIsIgnoredForTheTestToneAndALockedSwitch) {
  Virtual7ch1Settings settings;
  settings.switchMode = true;
  CVirtual7ch1Page& v71 = MakePage(settings);
  Move(features::kSpeakerC, 600, 200);
  controls->TakeRequests();
  host.testTone = true;
  v71.ResetMouseDown();
  v71.ResetMouseUp();
  v71.ResetClick();
  EXPECT_EQ(controls->TakeRequests(), std::vector<std::wstring>{});
  host.testTone = false;
  host.gpioOnOff = 0;
  v71.ResetClick();
  EXPECT_EQ(At(features::kSpeakerC), (features::PixelPoint{600, 200}));
  EXPECT_EQ(SdkCalls(), Lines{});
  host.gpioOnOff = 1;
  v71.ResetMouseDown();
  v71.ResetMouseUp();
  v71.ResetClick();
  EXPECT_EQ(At(features::kSpeakerC), (features::PixelPoint{560, 163}));
  EXPECT_EQ(controls->TakeRequests(),
            (std::vector<std::wstring>{L"VirtualResetImage=VirtualResetDownImage", L"VirtualResetLabel:Label7ch1Reset:down",
                                       L"VirtualResetImage=VirtualResetUpImage", L"VirtualResetLabel:Label7ch1Reset:up"}));
}

TEST_F(Virtual7ch1PageTest, ResetFromTheDefaultProfileFallsBackPerSpeaker) {
  TempFolder folder;
  Virtual7ch1Settings settings;
  settings.defaultIni = 1;
  settings.defaultProfilePath = folder.WriteBytes(
      L"DefaultProfile.ini", "[Virtual7ch1]\r\nL=500,200\r\nR=x,1\r\nSUB=560,240\r\nLS=470,250\r\nRS=650,250\r\n"
                             "LB=490,310\r\nRB=630,310\r\n");
  CVirtual7ch1Page& v71 = MakePage(settings);
  controls->TakeRequests();
  v71.ResetVirtual7ch1();
  EXPECT_EQ(At(features::kSpeakerL), (features::PixelPoint{500, 200}));
  EXPECT_EQ(At(features::kSpeakerR), (features::PixelPoint{622, 188}));  // malformed: the default spot
  EXPECT_EQ(At(features::kSpeakerC), (features::PixelPoint{560, 163}));  // missing: the default spot
  EXPECT_EQ(At(features::kSpeakerRB), (features::PixelPoint{630, 310}));
  // The enable button is shown after every key.
  const auto applied = controls->TakeRequests();
  EXPECT_EQ(std::count(applied.begin(), applied.end(), L"VirtualEnableImage=VirtualEnableImageUp"), kSpeakerCount);
  EXPECT_EQ(SdkCalls(), (Lines{kOnOff0, "sdk DLLQZ_SetVirtual7ch1 0"}));
  EXPECT_EQ(State("v71.level.0"), "1.21699");  // (500, 200) is 78.75 pixels out
}

TEST_F(Virtual7ch1PageTest, NarrowingStopsBelowTenPixelsAndEnlargingAt111) {
  CVirtual7ch1Page& v71 = MakePage();
  v71.ResetVirtual7ch1();
  Move(features::kSpeakerC, 560, 239);  // 12 pixels above the centre; the others are farther
  v71.ComputeSpeakerPolar();
  SdkCalls();
  v71.NarrowClick();
  std::vector<double> centre;
  for (int tick = 0; tick < 5; ++tick) {
    v71.TimerTimer();
    centre.push_back(v71.SpeakerPolars()[features::kSpeakerC].distance);
  }
  EXPECT_EQ(centre, (std::vector<double>{11, 10, 9, 9, 9}));
  EXPECT_DOUBLE_EQ(v71.SpeakerPolars()[features::kSpeakerLS].distance, 85.0);  // moved with it, then stopped
  EXPECT_EQ(At(features::kSpeakerLS), (features::PixelPoint{475, 251}));
  // Every tick with a flag on sends, moved or not.
  EXPECT_EQ(SdkCalls().size(), 10u);

  Move(features::kSpeakerC, 560, 163);
  Move(features::kSpeakerLS, 451, 251);  // 109 pixels left of the centre; the others are closer
  v71.ComputeSpeakerPolar();
  v71.EnlargeClick();
  EXPECT_EQ(v71.NarrowOn(), 0);
  std::vector<double> left;
  for (int tick = 0; tick < 4; ++tick) {
    v71.TimerTimer();
    left.push_back(v71.SpeakerPolars()[features::kSpeakerLS].distance);
  }
  EXPECT_EQ(left, (std::vector<double>{110, 111, 111, 111}));
  EXPECT_EQ(At(features::kSpeakerLS), (features::PixelPoint{449, 251}));

  // Without a device the timer does nothing at all.
  context->deviceActive = false;
  SdkCalls();
  v71.TimerTimer();
  EXPECT_EQ(SdkCalls(), Lines{});
  EXPECT_EQ(v71.SpeakerPolars()[features::kSpeakerLS].distance, 111.0);
}

TEST_F(Virtual7ch1PageTest, RotationMovesTheSpeakersAndSendsABlockPerTick) {
  CVirtual7ch1Page& v71 = MakePage();
  v71.ClockwiseClick();  // 7.1 is off: ignored
  EXPECT_EQ(v71.ClockwiseOn(), 0);
  v71.EnableClick();
  v71.ResetVirtual7ch1();
  const features::PixelPoint left = At(features::kSpeakerL);
  const float angle = v71.SpeakerPolars()[features::kSpeakerL].angle;
  v71.NarrowClick();
  controls->TakeRequests();
  SdkCalls();

  v71.ClockwiseClick();
  EXPECT_EQ(v71.ClockwiseOn(), 1);
  EXPECT_EQ(v71.NarrowOn(), 0);
  EXPECT_EQ(controls->TakeRequests(),
            (std::vector<std::wstring>{L"VirtualClockwiseImage=VirtualClockwiseDownImage",
                                       L"VirtualClockwiseLabel:LabelVirtualClockwise:down",
                                       L"VirtualNarrowImage=VirtualNarrowUpImage",
                                       L"VirtualNarrowLabel:LabelVirtualNarrow:up"}));
  for (int tick = 0; tick < 10; ++tick) v71.TimerTimer();
  // The angle grows by a degree per tick, which turns the icons counter-clockwise on the screen:
  // the front left speaker goes left and down.
  EXPECT_NEAR(v71.SpeakerPolars()[features::kSpeakerL].angle, angle + 10 * 0.0174532925, 1e-5);
  EXPECT_LT(At(features::kSpeakerL).x, left.x);
  EXPECT_GT(At(features::kSpeakerL).y, left.y);
  Lines calls = SdkCalls();
  ASSERT_EQ(calls.size(), 20u);
  EXPECT_EQ(calls[0], kOnOff1);
  EXPECT_EQ(calls[1], "sdk DLLQZ_SetVirtual7ch1 1");

  v71.CounterclockwiseClick();
  EXPECT_EQ(v71.ClockwiseOn(), 0);
  for (int tick = 0; tick < 10; ++tick) v71.TimerTimer();
  EXPECT_NEAR(v71.SpeakerPolars()[features::kSpeakerL].angle, angle, 1e-5);

  // Switching 7.1 off switches the rotation off and sends the off state.
  SdkCalls();
  v71.EnableClick();
  EXPECT_EQ(v71.CounterclockwiseOn(), 0);
  EXPECT_EQ(SdkCalls(), (Lines{kOnOff0, "sdk DLLQZ_SetVirtual7ch1 0"}));
  v71.TimerTimer();
  EXPECT_EQ(SdkCalls(), Lines{});
}

// The 20 ms timer wakes the panel only while rotation, narrowing or enlarging is on.
TEST_F(Virtual7ch1PageTest, TheAnimationTimerRunsOnlyWhileTheSpeakersMove) {
  CVirtual7ch1Page& v71 = MakePage();
  struct Step {
    const char* what;
    std::function<void()> act;
    bool running;
  };
  const Step steps[] = {
      {"narrow on", [&] { v71.NarrowClick(); }, true},
      {"narrow off", [&] { v71.NarrowClick(); }, false},
      {"enlarge on", [&] { v71.EnlargeClick(); }, true},
      {"7.1 on", [&] { v71.EnableClick(); }, true},
      {"clockwise instead of enlarge", [&] { v71.ClockwiseClick(); }, true},
      {"7.1 off stops the rotation", [&] { v71.EnableClick(); }, false},
      {"7.1 on again", [&] { v71.EnableClick(); }, false},
      {"counter-clockwise on", [&] { v71.CounterclockwiseClick(); }, true},
      {"3D switches 7.1 and its rotation off", [&] { v71.SwitchOffFor3D(); }, false},
      {"a speaker released while nothing moves", [&] { v71.SpeakerMouseUp(); }, false},
  };
  for (const Step& step : steps) {
    step.act();
    EXPECT_EQ(host.timerEnabled, step.running) << step.what;
    EXPECT_EQ(v71.MotionOn(), step.running) << step.what;
  }
}

TEST_F(Virtual7ch1PageTest, SpeakerDragStaysInsideTheCircleAndThePicture) {
  CVirtual7ch1Page& v71 = MakePage();
  v71.ResetVirtual7ch1();
  SdkCalls();
  forms::Image& right = SpeakerImage(features::kSpeakerR);
  const features::PixelPoint start = At(features::kSpeakerR);

  v71.NarrowClick();  // something moves: the timer runs
  ASSERT_TRUE(host.timerEnabled);
  v71.DragSpeaker(right, 560 + 111, 251);  // outside the circle of radius 110
  EXPECT_EQ(At(features::kSpeakerR), start);
  EXPECT_TRUE(host.timerEnabled);
  EXPECT_EQ(SdkCalls(), Lines{});

  // Inside the circle, but its right edge would come within 10 pixels of the picture's (690):
  // only the vertical move is taken.
  v71.DragSpeaker(right, 660, 251);
  EXPECT_EQ(At(features::kSpeakerR), (features::PixelPoint{start.x, 251}));
  EXPECT_FALSE(host.timerEnabled);
  EXPECT_EQ(SdkCalls(), (Lines{kOnOff0, "sdk DLLQZ_SetVirtual7ch1 0"}));
  EXPECT_EQ(State("v71.angle.1"), "0");  // now level with the centre, to its right

  v71.DragSpeaker(right, 600, 200);
  EXPECT_EQ(At(features::kSpeakerR), (features::PixelPoint{600, 200}));
  EXPECT_FLOAT_EQ(v71.SpeakerPolars()[features::kSpeakerR].angle, 0.90569365f);  // atan2(51, 40)
  v71.SpeakerMouseUp();
  EXPECT_TRUE(host.timerEnabled);
  v71.NarrowClick();
  EXPECT_FALSE(host.timerEnabled);

  // A locked hardware switch keeps the speakers where they are.
  host.gpioOnOff = 0;
  v71.DragSpeaker(right, 580, 220);
  EXPECT_EQ(At(features::kSpeakerR), (features::PixelPoint{600, 200}));
}

TEST_F(Virtual7ch1PageTest, EnableButtonExcludes3DAndFollowsTheSwitch) {
  Virtual7ch1Settings settings;
  settings.exclusive3DV7ch1 = 1;
  CVirtual7ch1Page& v71 = MakePage(settings);
  controls->Image(L"EQ3DENImage").SetVisible(true);
  v71.EnableClick();
  EXPECT_EQ(v71.Virtual7ch1Enable(), 1);
  EXPECT_EQ(host.threeDSwitchedOff, 1);
  EXPECT_FALSE(controls->Image(L"EQ3DENImage").Visible());
  const auto applied = controls->TakeRequests();
  EXPECT_NE(std::find(applied.begin(), applied.end(), L"EQ3DENImage=EQ3DENImageUp"), applied.end());
  EXPECT_EQ(SdkCalls(), (Lines{kOnOff1, "sdk DLLQZ_SetVirtual7ch1 1"}));

  // Switching 7.1 off does not touch 3D.
  v71.EnableClick();
  EXPECT_EQ(host.threeDSwitchedOff, 1);

  // 3D switched on the other way round turns 7.1 and its rotation off and hides their buttons.
  v71.EnableClick();
  v71.ClockwiseClick();
  SdkCalls();
  v71.SwitchOffFor3D();
  EXPECT_EQ(v71.Virtual7ch1Enable(), 0);
  EXPECT_EQ(v71.ClockwiseOn(), 0);
  EXPECT_FALSE(controls->Image(L"VirtualEnableImage").Visible());
  EXPECT_FALSE(controls->Image(L"VirtualClockwiseImage").Visible());
  EXPECT_EQ(SdkCalls(), (Lines{kOnOff0, "sdk DLLQZ_SetVirtual7ch1 0", "sdk DLLQZ_SetVirtual7ch1_Scalar 2 -> 0"}));

  // In switch mode only the hardware switch's own press counts, and it sets 7.1 from the switch.
  Virtual7ch1Settings switchMode;
  switchMode.switchMode = true;
  CVirtual7ch1Page& switched = MakePage(switchMode);
  controls->TakeRequests();
  switched.EnableClick();
  EXPECT_EQ(switched.Virtual7ch1Enable(), 0);
  EXPECT_EQ(controls->TakeRequests(), std::vector<std::wstring>{});
  host.gpioScanMode = true;
  switched.EnableClick();
  EXPECT_EQ(switched.Virtual7ch1Enable(), 1);
  EXPECT_EQ(controls->TakeRequests(), (std::vector<std::wstring>{L"VirtualEnableImage=VirtualDisableImageDown",
                                                                L"VirtualENLabel:Label7ch1Enable:up"}));
}

TEST_F(Virtual7ch1PageTest, StartUpSendsTheOffStateAndTheScalarAndShutdownResets) {
  struct Case {
    const wchar_t* configured;
    const char* scalar;
  };
  for (const Case& c : {Case{L"15", "1.5"}, Case{L"", "2"}}) {
    Virtual7ch1Settings settings;
    settings.scalar = features::Virtual7ch1ScalarFromConfig(c.configured);
    CVirtual7ch1Page& v71 = MakePage(settings);
    v71.ComputeInitialLayout();
    v71.SendStartupOff();
    v71.SendScalar();
    v71.LoadProfileValues();
    EXPECT_EQ(State("v71.scalar"), c.scalar);
    EXPECT_EQ(SdkCalls(), (Lines{kOnOff0, "sdk DLLQZ_SetVirtual7ch1 0",
                                 std::string("sdk DLLQZ_SetVirtual7ch1_Scalar ") + c.scalar + " -> 0", kOnOff0,
                                 "sdk DLLQZ_SetVirtual7ch1 0"}));
    EXPECT_EQ(At(features::kSpeakerL), (features::PixelPoint{497, 188}));
  }

  CVirtual7ch1Page& v71 = MakePage();
  v71.EnableClick();
  Move(features::kSpeakerC, 600, 200);
  SdkCalls();
  v71.Shutdown();
  EXPECT_EQ(v71.Virtual7ch1Enable(), 0);
  EXPECT_EQ(At(features::kSpeakerC), (features::PixelPoint{560, 163}));
  EXPECT_EQ(SdkCalls(), (Lines{kOnOff0, "sdk DLLQZ_SetVirtual7ch1 0"}));
  EXPECT_EQ(State("v71.enable"), "0");

  // Without a device nothing is sent at all.
  context->deviceActive = false;
  v71.ComputeInitialLayout();
  v71.SendStartupOff();
  v71.SendScalar();
  v71.Shutdown();
  EXPECT_EQ(SdkCalls(), Lines{});
}

TEST_F(Virtual7ch1PageTest, ProfileKeepsPositionsAndEnableAndSkinSwitchScalesDistances) {
  TempFolder folder;
  const std::wstring profile = folder.File(L"Profile.ini");
  Virtual7ch1Settings settings;
  settings.exclusive3DV7ch1 = 1;
  CVirtual7ch1Page& v71 = MakePage(settings);
  v71.EnableClick();
  Move(features::kSpeakerSUB, 580, 270);
  v71.SaveProfile(profile);
  EXPECT_EQ(ReadFileBytes(profile), "[Virtual7ch1]\r\nC=560,163\r\nL=498,189\r\nLS=472,251\r\nLB=498,313\r\n"
                                    "RB=622,313\r\nRS=648,251\r\nSUB=580,270\r\nR=622,189\r\n7ch1EN=1\r\n");

  v71.ResetVirtual7ch1();
  v71.EnableClick();
  SdkCalls();
  v71.LoadProfile(profile, /*threeDEnable=*/0);
  EXPECT_EQ(At(features::kSpeakerSUB), (features::PixelPoint{580, 270}));
  EXPECT_EQ(v71.Virtual7ch1Enable(), 1);
  EXPECT_EQ(v71.LastProfileEnable(), 1);
  EXPECT_EQ(SdkCalls(), (Lines{kOnOff1, "sdk DLLQZ_SetVirtual7ch1 1"}));
  v71.LoadProfile(profile, /*threeDEnable=*/1);  // the two exclude each other
  EXPECT_EQ(v71.Virtual7ch1Enable(), 0);
  EXPECT_EQ(v71.LastProfileEnable(), 0);
  // A speaker key that is not a position leaves that speaker where it is.
  const std::wstring broken = folder.WriteBytes(L"Broken.ini", "[Virtual7ch1]\r\nSUB=580\r\nC=600,200\r\n7ch1EN=3\r\n");
  v71.LoadProfile(broken, /*threeDEnable=*/0);
  EXPECT_EQ(At(features::kSpeakerSUB), (features::PixelPoint{580, 270}));
  EXPECT_EQ(At(features::kSpeakerC), (features::PixelPoint{600, 200}));
  EXPECT_EQ(v71.Virtual7ch1Enable(), 1);
  v71.ReadDefaultEnable(profile);
  EXPECT_EQ(v71.DefaultEnable(), 1);
  v71.ReadDefaultEnable(folder.File(L"Missing.ini"));
  EXPECT_EQ(v71.DefaultEnable(), 0);

  // A skin with half the radius and another centre keeps the angles and halves the distances.
  v71.ResetVirtual7ch1();
  const auto before = v71.SpeakerPolars();
  controls->circle = {400, 300, 55, 110};
  v71.RescaleSpeakers();
  for (int i = 0; i < kSpeakerCount; ++i) {
    EXPECT_EQ(v71.SpeakerPolars()[i].angle, before[i].angle) << i;
    EXPECT_DOUBLE_EQ(v71.SpeakerPolars()[i].distance, before[i].distance / 2) << i;
  }
  EXPECT_EQ(At(features::kSpeakerLS), (features::PixelPoint{356, 300}));
}

}  // namespace
}  // namespace vorma::test
