#pragma once
// The virtual 7.1 surround page: eight speaker icons around the listener, turned into an angle
// and a level per speaker and sent with the on/off state to the device through the SDK. The page
// owns the 7.1 state (enable, the rotation and resize flags, the speakers' polar records and the
// parameter arrays); the main window routes its Tags, drag, timer, start-up and tear-down here.

#include "panel/features/FeatureContext.h"
#include "panel/features/MainWindowTags.h"
#include "panel/features/virtual7ch1/SpeakerLayout.h"
#include "panel/features/virtual7ch1/Virtual7ch1Host.h"

#include <string>

namespace vorma::features {

struct Virtual7ch1Settings {
  int oldVersion = 0;                // [Version] OldVersion: the old layout
  int defaultIni = 0;                // [Version] DefaultIni: RESET takes DefaultProfile.ini
  std::wstring defaultProfilePath;   // %APPDATA%\<InstallFolderName>\DefaultProfile.ini
  float scalar = 2.0f;               // [DefaultSet] V7ch1Scalar, Virtual7ch1ScalarFromConfig
  int exclusive3DV7ch1 = 0;          // [DefaultSet] 3DV7ch1MutuallyExclusive
  bool switchMode = false;           // [GPIO] MODE = 1
};

class CVirtual7ch1Page {
public:
  CVirtual7ch1Page(FeatureContext& context, Virtual7ch1Host& host, Virtual7ch1Settings settings);

  // The states of the page's two-state buttons; the window sets them through the setters, the
  // page's own buttons flip them.
  int Virtual7ch1Enable() const { return enable_; }
  int ClockwiseOn() const { return clockwise_; }
  int CounterclockwiseOn() const { return counterclockwise_; }
  int NarrowOn() const { return narrow_; }
  int EnlargeOn() const { return enlarge_; }
  void SetVirtual7ch1Enable(int enable) { enable_ = enable; }
  void SetClockwiseOn(int on) { clockwise_ = on; }
  void SetCounterclockwiseOn(int on) { counterclockwise_ = on; }
  void SetNarrowOn(int on) { narrow_ = on; }
  void SetEnlargeOn(int on) { enlarge_ = on; }
  const SpeakerPolarRecord& SpeakerPolars() const { return polar_; }
  // The test tone parks the speakers on its own orbit and gives them their entries back after.
  SpeakerPolarRecord& SpeakerPolarEntries() { return polar_; }
  float Scalar() const { return settings_.scalar; }
  // 7ch1EN of DefaultProfile.ini, read at creation; used at every device activation.
  int DefaultEnable() const { return defaultEnable_; }
  // 7ch1EN of the profile loaded last (after the 3D exclusion); used at device activation.
  int LastProfileEnable() const { return lastProfileEnable_; }

  // --- the operations of the page ---
  // Icon positions to polar form: into `target` and, as floats, into the parameter arrays.
  void ComputeSpeakerPolar(SpeakerPolarRecord& target);
  void ComputeSpeakerPolar() { ComputeSpeakerPolar(polar_); }
  // The parameter block to the SDK when a device is active; 1 when the SDK refused it.
  int SendVirtual7ch1(int enable);
  // With a device active: on/off state, then the parameter block.
  void ApplyVirtual7ch1();
  // Places the icon at the polar entry, then turns the entry by +1, -1 or 0 degrees.
  void PlaceSpeakerAtPolar(forms::Image& image, SpeakerPolar& polar, int step);
  void ResetVirtual7ch1();
  // VirtualEnableImage and its label in the state of 7.1 enable; Update7ch1UI also traces.
  void Update7ch1UI();
  void ShowEnableButton();
  void SendScalar();

  // --- Tags, drag and timer ---
  void EnableClick();                // kTagVirtual7ch1Enable mouse-down
  void ResetMouseDown() { ShowResetButton(true); }   // kTagVirtualReset mouse-down picture
  void ResetMouseUp() { ShowResetButton(false); }    // kTagVirtualReset mouse-up picture
  void ResetClick();                 // VirtualResetImageClick / VirtualResetLabelClick
  void ClockwiseClick();             // kTagVirtualClockwise mouse-down
  void CounterclockwiseClick();      // kTagVirtualCounterclockwise mouse-down
  void NarrowClick();                // kTagVirtualNarrow mouse-down
  void EnlargeClick();               // kTagVirtualEnlarge mouse-down
  // Drag mode 3: the speaker's proposed top-left (position at the press plus the cursor's move).
  void DragSpeaker(forms::Image& speaker, int left, int top);
  void SpeakerMouseUp();             // a speaker's mouse-up: the timer runs again if anything moves
  // Rotation, narrowing or enlarging is on: the animation timer runs exactly then.
  bool MotionOn() const;
  // A speaker icon was moved by the drag: recompute the window's polar records and apply.
  void SpeakerDragged();
  void TimerTimer();                 // one 20 ms animation step: one of the four below, then apply
  // The single animation steps: place every speaker at its polar entry, then turn or resize it.
  void RotateClockwise();            // +1 degree (turns counter-clockwise as seen)
  void RotateCounterclockwise();     // -1 degree
  void NarrowSpeakers();             // one pixel in, unless one speaker is already under 10
  void EnlargeSpeakers();            // one pixel out, unless one speaker is already at 111
  // The polar form of the icons into a scratch record (the rotation keeps its own) and apply.
  void ApplySpeakerLayout();

  // --- start-up, profiles, skins, shutdown ---
  // Window creation, in this order: the layout of the icons' form positions; with a device active
  // 7.1 switched off in the SDK (the scalar follows at the end of the device start-up); then the
  // reset arrangement, placed twice.
  void ComputeInitialLayout();
  void SendStartupOff();
  void LoadProfileValues();
  // Loads 7ch1EN and the speaker keys of a profile file and re-sends; a key that is missing or
  // not a position leaves its speaker where it is.
  void LoadProfile(const std::wstring& path, int threeDEnable);
  // Writes the speaker keys and 7ch1EN in the order a profile save writes them; false when a key
  // could not be written.
  bool SaveProfile(const std::wstring& path) const;
  // Reads 7ch1EN of a profile as the default enable (missing: 0).
  void ReadDefaultEnable(const std::wstring& path);
  // A skin switch changed the circle: speakers keep their angles, distances scale with the radius.
  void RescaleSpeakers();
  // 3D was switched on while the two exclude each other: 7.1 and its rotation go off.
  void SwitchOffFor3D();
  void Shutdown();                   // window destruction: 7.1 off and the speakers reset

private:
  forms::Image* Speaker(int index);
  PixelPoint Centre();
  void PlaceResetArrangement();
  void ToggleOff(int tag, int& state);
  void SwitchRotationOff();
  void SwitchResizeOff();
  void FollowMotion();
  void PlaceAllSpeakers(int step);
  void ShowResetButton(bool down);
  // Sets each speaker from its profile key; a missing or malformed key takes `fallback` when given.
  void ReadProfileSpeakers(const std::wstring& path, const std::array<PixelPoint, kSpeakerCount>* fallback);

  FeatureContext& context_;
  MainWindowControls& controls_;
  Virtual7ch1Host& host_;
  Virtual7ch1Settings settings_;
  int enable_ = 0;
  int clockwise_ = 0;
  int counterclockwise_ = 0;
  int narrow_ = 0;
  int enlarge_ = 0;
  int defaultEnable_ = 0;
  int lastProfileEnable_ = 0;
  SpeakerPolarRecord polar_{};
  std::array<float, kSpeakerCount> distance_{};
  std::array<float, kSpeakerCount> angle_{};
};

}  // namespace vorma::features
