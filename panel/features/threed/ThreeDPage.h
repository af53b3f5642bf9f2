#pragma once
// 3D sound: the device's 3D processing switched by the 3D-EN button, the FBM flag, the four alpha
// and beta sliders of the 3D page with their link modes, and the synchronisation with the device.
// The main window owns one instance; it routes its Tags, the 3D slider drag, the construction and
// tear-down steps and device activation to the operations below. Everything runs on the window's
// thread.
//
// The device is reached through the SDK (Config3D, Set3D_OnOff, Is3D_Enable, device index 0) and
// through register transactions on the HID interface, each opened for the transaction, ended with
// the end-of-writes report and closed again. No failure is shown to the user; SDK results only
// decide the single retry, and a failed register access ends its operation.

#include "panel/device/DevicePorts.h"
#include "panel/features/FeatureContext.h"
#include "panel/features/MainWindowTags.h"
#include "panel/features/threed/ThreeDRecord.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace vorma::features {

// Configuration values of AudioConfig.cfg the feature keeps.
struct ThreeDSettings {
  int mutuallyExclusive = 0;  // [DefaultSet] 3DV7ch1MutuallyExclusive, 0 when empty
};

// The equaliser's device configuration image, read and written at 0xA1, 0xE7 and 0xE8 (for the
// window's features::DeviceConfigImage: its Byte and SetByte), and its fixed 256-byte factory table, read at
// the same offsets by the reset. The table must outlive the feature.
struct ThreeDConfigBytes {
  std::function<std::uint8_t(std::size_t offset)> imageByte;
  std::function<void(std::size_t offset, std::uint8_t value)> setImageByte;
  std::span<const std::uint8_t> factoryTable;
};

// The loaded skin, for the link buttons' pictures.
struct ThreeDSkinPictures {
  std::function<std::wstring()> skinDirectory;                      // SkinDir, ending in a backslash
  std::function<std::wstring(std::wstring_view key)> pictureName;  // the Name of a picture record, empty for none
};

// Results of the register operations.
enum Write3DEnableBitResult : int {
  kEnableBitDone = 0,
  kEnableBitNoDevice = 1,
  kEnableBitReadFailed = 2,
  kEnableBitWriteFailed = 3,
  kEnableBitTuningReadFailed = 4,
  kEnableBitTuningWriteFailed = 5,
  kEnableBitEndFailed = 6,
};
enum Write3DBlockResult : int {
  kBlockDone = 0,
  kBlockNoDevice = 1,
  kBlockReadFailed = 2,
  kBlockEnableWriteFailed = 3,
  kBlockRereadFailed = 4,
  kBlockFbmWriteFailed = 5,
  kBlockValuesFailed = 6,  // 0x18B or 0x18C refused or not written
  kBlockEndFailed = 7,
};
enum SetFbmResult : int {
  kFbmDone = 0,
  kFbmNoDevice = 1,
  kFbmReadFailed = 2,
  kFbmWriteFailed = 3,
  kFbmEndFailed = 4,
};
// Reset3D and the slider transactions.
enum RecordTransactionResult : int {
  kTransactionDone = 0,
  kTransactionNoFactoryTable = 1,  // reset only: the factory table is too short to hold the record
  kTransactionNoDevice = 2,
  kTransactionFlagsReadFailed = 3,
  kTransactionFlagsWriteFailed = 4,
  kTransactionValueRefused = 5,
  kTransactionValuesWriteFailed = 6,
  kTransactionEndFailed = 7,
};

class CThreeDPage {
public:
  // Slider and reset writes go to the device only while the context's device-sync flag is set.
  CThreeDPage(FeatureContext& context, ThreeDSettings settings, ThreeDConfigBytes config, ThreeDSkinPictures skin);
  CThreeDPage(const CThreeDPage&) = delete;
  CThreeDPage& operator=(const CThreeDPage&) = delete;

  // --- state the window's two-state buttons and the other features flip or read ---
  int ThreeDEnable() const { return m_n3DEnable; }  // 3D-EN (kTag3DEnable)
  void SetThreeDEnable(int enable) { m_n3DEnable = enable; }
  int Fbm() const { return m_nFBM; }  // FBM button (kTagFbm)
  void SetFbmState(int fbm) { m_nFBM = fbm; }
  int ThreeDFromEeprom() const { return m_n3DFromEeprom; }  // profile key 3DFromEEPROM
  void SetThreeDFromEeprom(int fromEeprom) { m_n3DFromEeprom = fromEeprom; }
  int Default3DEnable() const { return m_nDefault3DEnable; }  // DefaultProfile.ini key 3DEN
  void SetDefault3DEnable(int enable) { m_nDefault3DEnable = enable; }
  int Device3DState() const { return m_nDevice3DState; }  // last answer of Is3D_Enable
  int AlphaLinkMode() const { return m_nAlphaMode; }      // -1 until the first click, then 0, 1, 2
  int BetaLinkMode() const { return m_nBetaMode; }
  const ThreeDRecord& Record() const { return m_record; }
  bool MutuallyExclusive() const { return settings_.mutuallyExclusive == 1; }

  // --- construction and tear-down ---
  // Start-up, after the image was filled: the record from its 0xA1, 0xE7 and 0xE8, FBM on, link
  // modes not chosen.
  void InitThreeD();
  // Tear-down: Reset3D, SetFBM (1), Apply3DOnOff (0).
  void ShutDown();

  // --- device operations ---
  // SDK on/off, verified with the query and sent once more when the device disagrees.
  void Apply3DOnOff(int enable);
  // Register 0x100 bit 7; when enabling also the tuning bytes 0x1CD and 0x1CE.
  int Write3DEnableBit(int enable);
  // Register 0x18A bit 6; when enabling also the record's FBM, alpha and beta.
  int Write3DBlock(int enable);
  // The record's FBM into the image and register 0x18A bit 0.
  int SetFBM(int on);
  // The factory record, FBM on, written to the device while the device-sync flag is set.
  int Reset3D();
  // Device activation: takes the device's 3D state (never switching 3D off) or the EEPROM default
  // of the equaliser's bank read, then writes the block and applies it.
  void Sync3DFromDevice(int eepromDefault);
  // Shows FBM and 3D-EN in the given states while a device is active.
  void Show3DButtons(int fbm, int enable);

  // --- button and drag actions ---
  // kTag3DEnable after the window toggled 3D-EN and applied its exclusivity rule: Apply3DOnOff and
  // Write3DEnableBit with the new state.
  void ApplyThreeDEnable();
  // The exclusivity rule of the 7ch1-EN button: 3D enable := 0, applied off in the SDK and in
  // register 0x100. The window redraws and hides 3D-EN itself.
  void SwitchOffForVirtual7ch1();
  void FbmButton();         // kTagFbm: toggle FBM and its picture, then SetFBM
  void LinkButton(int tag); // kTagAlphaLink and kTagBetaLink: next mode and its picture
  void D3ResetImageClick() { Reset3D(); }
  // Drag mode 4: the named slider is at `top` (clamped to 105..225 again here); moves the linked
  // slider, recomputes the values and writes them in two transactions, left then right.
  void Update3DFromSlider(std::wstring_view sliderName, int top);

private:
  int WriteRecordTransaction();
  forms::Image* Slider(SliderIdentity identity);
  bool ReadImageRecord();
  void StoreRecord();

  FeatureContext& context_;
  MainWindowControls& window_;
  ThreeDSettings settings_;
  ThreeDConfigBytes config_;
  ThreeDSkinPictures skin_;

  ThreeDRecord m_record;
  int m_n3DEnable = 0;
  int m_nFBM = 0;
  int m_nAlphaMode = kLinkNotChosen;
  int m_nBetaMode = kLinkNotChosen;
  int m_nDevice3DState = 0;
  int m_n3DFromEeprom = 0;
  int m_nDefault3DEnable = 0;
};

}  // namespace vorma::features
