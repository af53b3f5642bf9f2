#pragma once
// The equaliser page: five band sliders, four presets S1..S4, the EQ-EN switch and RESET. The
// curve lives in the device's band registers (0x120-0x129, written over the HID interface, one
// transaction per operation); the on/off switch goes through the SDK and is verified with its
// query; the factory curve comes from the device's EEPROM over I2C. The presets are kept packed
// in the window's DeviceConfigImage; the page shows one of them (the current record) on its
// sliders.
//
// The main window owns one CEqualizerPage and calls it from its Tag routing, its slider drag, its
// construction, device activation, profile load and save, and FormDestroy. Everything runs on the
// window's thread.

#include "panel/device/DevicePorts.h"
#include "panel/features/FeatureContext.h"
#include "panel/features/MainWindowTags.h"
#include "panel/features/equalizer/DeviceConfigImage.h"
#include "panel/features/equalizer/EqPresetRecord.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vorma::features {

// Configuration values the page reads.
struct EqualizerSettings {
  int defaultIni = 0;       // [Version] DefaultIni of AudioConfig.cfg
  std::wstring userFolder;  // %APPDATA%\<InstallFolderName>, the folder of DefaultProfile.ini
};

// What the page needs of the other pages.
struct EqualizerLinks {
  // The 3D page's Apply3DOnOff with its current 3D enable (the reset ends with it).
  std::function<void()> apply3DOnOff;
};

enum EqTransactionResult : int {
  kEqDone = 0,
  kEqNoSlotOrDevice = 1,  // the slot does not exist, or the HID interface did not open
  kEqWriteFailed = 2,
  kEqEndFailed = 3,
  kEqFlat = 5,  // ApplyEqPreset: all five codes flat, nothing written
};

enum ReadEqFromEepromResult : int {
  kEepromEqLoaded = 0,
  kEepromFlagsUnreadable = 1,
  kEepromNoCurve = 2,  // flags byte 0x00 or 0xFF (no curve stored), or a band byte unreadable
};

class CEqualizerPage {
public:
  CEqualizerPage(FeatureContext& context, DeviceConfigImage& image, EqualizerSettings settings, EqualizerLinks links);
  CEqualizerPage(const CEqualizerPage&) = delete;
  CEqualizerPage& operator=(const CEqualizerPage&) = delete;

  // --- state the window's buttons and the profiles reach ---
  int EqEnable() const { return m_nEqEnable; }  // EQ-EN (Tag kTagEqEnable)
  void SetEqEnable(int enable) { m_nEqEnable = enable; }
  int EqPreset() const { return m_nEQPreset; }  // current preset 1..4
  int EqFromEeprom() const { return m_nEqFromEeprom; }  // profile key EQFromEEPROM
  void SetEqFromEeprom(int fromEeprom) { m_nEqFromEeprom = fromEeprom; }
  int DefaultEqEnable() const { return m_nDefaultEqEnable; }  // DefaultProfile.ini EQEN
  void SetDefaultEqEnable(int enable) { m_nDefaultEqEnable = enable; }
  void SetSaving(bool saving) { m_bSaving = saving; }    // set by the profile writer
  bool Flat() const { return m_bFlat; }
  bool ThreeDFromEepromDefault() const { return m_b3DFromEepromDefault; }  // flag D of the EEPROM bank
  const EqPresetRecord& CurrentRecord() const { return m_current; }
  int SliderOffset(int slot, int band) const { return m_sliderOffsets.at(slot).at(band); }

  // --- operations ---
  void InitEqDefaults();
  // The band of slider `sliderTag` from its position; `write` sends it to the band registers.
  int SetEqBandFromSlider(int sliderTag, bool write);
  int StoreEqPreset(int slot);
  int ShowEqPreset(int slot);
  int ApplyEqPreset(int preset);
  void ApplyEqOnOff(int enable);
  void SelectEqPreset(int preset);
  // Six texts: five band codes (decimal, or hexadecimal after "0x") and the EQ enable. Values that
  // are missing or not numbers leave everything unchanged (result false).
  bool LoadEqPresetValues(const std::vector<std::wstring>& values, int slot, int currentSlot);
  void ResetEq();
  // Without an active device the device-sync flag is cleared (a reset from DefaultProfile.ini and
  // a profile load start so).
  void ClearDeviceSyncWithoutDevice();
  int ReadEqFromEeprom();
  void SyncEqFromDevice();
  int WriteEqEnableAndBands(int enable);

  // The EQ-EN button (kTagEqEnable): flips EQ enable and its picture, stores the current preset
  // and switches the equaliser; the band registers are left alone.
  void ToggleEqEnable();
  // Drag mode 1: the slider with `sliderTag` moved to `top` (window coordinates, clamped to the
  // track); the band follows, the current preset is stored and shown again.
  void MoveEqSlider(int sliderTag, int top);
  // A press on a band's bar or its lower bar at window y `clickY`: the
  // slider jumps so that its middle is at the press, then as MoveEqSlider.
  void JumpEqSlider(int barTag, int clickY);

private:
  bool DeviceActive() const { return context_.DeviceActive(); }
  bool DeviceSync() const { return context_.DeviceSync(); }
  std::unique_ptr<HidConnection> OpenHid() const { return context_.OpenHid(); }
  bool UnpackSlot(int slot);
  void ShowBand(int slot, int band, const SliderRange& track);
  void RedrawPresetButtons();
  bool LoadDefaultProfilePreset();
  void ApplyStoredEqFromEeprom(const std::array<std::uint16_t, kEqBandCount>& codes);

  FeatureContext& context_;
  MainWindowControls& window_;
  DeviceConfigImage& image_;
  EqualizerSettings settings_;
  EqualizerLinks links_;

  EqPresetRecord m_current;
  int m_nEQPreset = 1;
  int m_nEqEnable = 0;
  bool m_bFlat = false;
  std::array<std::array<int, kEqBandCount>, kEqPresetCount> m_sliderOffsets{};
  int m_nEqFromEeprom = 0;
  int m_nDefaultEqEnable = 0;
  bool m_b3DFromEepromDefault = false;
  bool m_bSaving = false;
};

}  // namespace vorma::features
