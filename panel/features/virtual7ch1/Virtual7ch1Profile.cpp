// The page's keys in the profiles (section Virtual7ch1): the speaker positions and 7ch1EN.

#include "panel/features/virtual7ch1/Virtual7ch1Page.h"

#include "foundation/DebugOutput.h"
#include "foundation/ProfileStrings.h"
#include "panel/features/virtual7ch1/SpeakerLayout.h"

#include <cwchar>

namespace vorma::features {

namespace {

constexpr wchar_t kSection[] = L"Virtual7ch1";
constexpr wchar_t kEnableKey[] = L"7ch1EN";
// A save writes the speakers in this order; loads read them in speaker order.
constexpr int kSaveOrder[kSpeakerCount] = {kSpeakerC, kSpeakerL, kSpeakerLS, kSpeakerLB,
                                           kSpeakerRB, kSpeakerRS, kSpeakerSUB, kSpeakerR};

// 7ch1EN as 0 or 1: on when its leading digits are a non-zero number; missing counts as off.
int ReadEnable(const std::wstring& path) {
  std::wstring value;
  ReadProfileString(path, kSection, kEnableKey, value);
  for (wchar_t c : value) {
    if (c < L'0' || c > L'9') break;
    if (c != L'0') return 1;
  }
  return 0;
}

}  // namespace

void CVirtual7ch1Page::ReadProfileSpeakers(const std::wstring& path,
                                           const std::array<PixelPoint, kSpeakerCount>* fallback) {
  for (int i = 0; i < kSpeakerCount; ++i) {
    std::wstring value;
    ReadProfileString(path, kSection, kSpeakers[i].profileKey, value);
    PixelPoint at;
    const bool read = ParseSpeakerPosition(value, at);
    if (!read) {
      DebugPrint(L"[CVirtual7ch1Page::ReadProfileSpeakers] %s = \"%s\" is not a position\n", kSpeakers[i].profileKey,
                 value.c_str());
      if (fallback) at = (*fallback)[i];
    }
    forms::Image* image = Speaker(i);
    if (image && (read || fallback)) image->SetBounds(at.x, at.y, image->Width(), image->Height());
    ShowEnableButton();
  }
}

void CVirtual7ch1Page::LoadProfile(const std::wstring& path, int threeDEnable) {
  enable_ = ReadEnable(path);
  if (settings_.exclusive3DV7ch1 == 1 && threeDEnable == 1) enable_ = 0;
  lastProfileEnable_ = enable_;
  ReadProfileSpeakers(path, nullptr);
  ComputeSpeakerPolar(polar_);
  ApplyVirtual7ch1();
}

bool CVirtual7ch1Page::SaveProfile(const std::wstring& path) const {
  bool written = true;
  for (int index : kSaveOrder) {
    const forms::Image* image = controls_.ImageNamed(kSpeakers[index].imageName);
    if (!image) continue;
    wchar_t text[32];
    std::swprintf(text, 32, L"%d,%d", image->Left(), image->Top());
    written = TryWriteProfileString(path, kSection, kSpeakers[index].profileKey, text) && written;
  }
  return TryWriteProfileString(path, kSection, kEnableKey, std::to_wstring(enable_)) && written;
}

void CVirtual7ch1Page::ReadDefaultEnable(const std::wstring& path) { defaultEnable_ = ReadEnable(path); }

void CVirtual7ch1Page::RescaleSpeakers() {
  const SpeakerCircle circle = controls_.VirtualCenter();
  // Without a previous radius there is nothing to scale from.
  if (circle.oldRadius <= 0) return;
  const double ratio = static_cast<double>(circle.radius) / circle.oldRadius;
  for (int i = 0; i < kSpeakerCount; ++i) {
    forms::Image* image = Speaker(i);
    if (!image) continue;
    polar_[i].distance *= ratio;
    PlaceSpeakerAtPolar(*image, polar_[i], 0);
  }
}

}  // namespace vorma::features
