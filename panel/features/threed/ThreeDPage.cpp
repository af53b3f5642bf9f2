#include "panel/features/threed/ThreeDPage.h"

#include "foundation/DebugOutput.h"
#include "panel/device/HidRegisterTransport.h"
#include "panel/device/SdkLibrary.h"
#include "panel/features/threed/ThreeDRegisters.h"

#include <utility>

namespace vorma::features {
namespace {

constexpr BYTE kDeviceIndex = 0;

// Failures are only written to the debug output; a missing device is the normal state of a
// window without one and is not worth a line.
int Reported(const wchar_t* operation, int result, int noDeviceResult) {
  if (result != 0 && result != noDeviceResult) DebugPrint(L"***** %s FAIL! ret = %d *****\n", operation, result);
  return result;
}

bool SdkBound() {
  const SdkFunctionTable& sdk = Sdk();
  if (sdk.DLLQZ_Config3D_ById && sdk.DLLQZ_Set3D_OnOff_ById && sdk.DLLQZ_Is3D_Enable_ById) return true;
  DebugWrite(L"***** 3D: the SDK is not bound *****\n");
  return false;
}

}  // namespace

CThreeDPage::CThreeDPage(FeatureContext& context, ThreeDSettings settings, ThreeDConfigBytes config,
                           ThreeDSkinPictures skin)
    : context_(context),
      window_(context.Window()),
      settings_(settings),
      config_(config),
      skin_(std::move(skin)) {}

void CThreeDPage::InitThreeD() {
  if (!ReadImageRecord()) DebugWrite(L"***** InitThreeD: no configuration image to read the 3D record from *****\n");
  m_nFBM = 1;
  m_nAlphaMode = kLinkNotChosen;
  m_nBetaMode = kLinkNotChosen;
}

void CThreeDPage::ShutDown() {
  Reset3D();
  SetFBM(1);
  Apply3DOnOff(0);
}

void CThreeDPage::Apply3DOnOff(int enable) {
  if (!SdkBound()) return;
  const SdkFunctionTable& sdk = Sdk();
  const DWORD wanted = enable ? 1 : 0;
  sdk.DLLQZ_Config3D_ById(kDeviceIndex);
  sdk.DLLQZ_Set3D_OnOff_ById(wanted, kDeviceIndex);
  DWORD state = wanted ^ 1;  // a query that fails counts as a device that disagrees
  sdk.DLLQZ_Is3D_Enable_ById(&state, kDeviceIndex);
  if (state != wanted) sdk.DLLQZ_Set3D_OnOff_ById(wanted, kDeviceIndex);
}

int CThreeDPage::Write3DEnableBit(int enable) {
  std::unique_ptr<HidConnection> hid = context_.OpenHid();
  if (!hid) return kEnableBitNoDevice;
  int result = kEnableBitDone;
  switch (UpdateRegisterBits(*hid, kFeatureControlRegister, kThreeDEnableBit, enable != 0)) {
    case kBitUpdateReadFailed:
      result = kEnableBitReadFailed;
      break;
    case kBitUpdateWriteFailed:
      result = kEnableBitWriteFailed;
      break;
    default:
      if (enable) {
        const int tuning = TuneRegisters(*hid);
        if (tuning == kTuningReadFailed) result = kEnableBitTuningReadFailed;
        if (tuning == kTuningWriteFailed) result = kEnableBitTuningWriteFailed;
      }
      if (result == kEnableBitDone && EndRegisterWrites(*hid) != kEndWritesDone) result = kEnableBitEndFailed;
  }
  return Reported(L"Write3DEnableBit", result, kEnableBitNoDevice);
}

int CThreeDPage::Write3DBlock(int enable) {
  std::unique_ptr<HidConnection> hid = context_.OpenHid();
  if (!hid) return kBlockNoDevice;
  int result = kBlockDone;
  switch (UpdateRegisterBits(*hid, kBlockRegister, kBlockEnableBit, enable == 1)) {
    case kBitUpdateReadFailed:
      result = kBlockReadFailed;
      break;
    case kBitUpdateWriteFailed:
      result = kBlockEnableWriteFailed;
      break;
    default:
      if (enable == 1) {
        switch (WriteRecordRegisters(*hid, m_record)) {
          case kRecordFlagsReadFailed:
            result = kBlockRereadFailed;
            break;
          case kRecordFlagsWriteFailed:
            result = kBlockFbmWriteFailed;
            break;
          case kRecordValueRefused:
          case kRecordValuesWriteFailed:
            result = kBlockValuesFailed;
            break;
          default:
            break;
        }
      }
      if (result == kBlockDone && EndRegisterWrites(*hid) != kEndWritesDone) result = kBlockEndFailed;
  }
  return Reported(L"Write3DBlock", result, kBlockNoDevice);
}

int CThreeDPage::SetFBM(int on) {
  m_record.fbm = on ? 1 : 0;
  StoreRecord();
  std::unique_ptr<HidConnection> hid = context_.OpenHid();
  if (!hid) return kFbmNoDevice;
  int result = kFbmDone;
  switch (UpdateRegisterBits(*hid, kBlockRegister, kFbmBit, on != 0)) {
    case kBitUpdateReadFailed:
      result = kFbmReadFailed;
      break;
    case kBitUpdateWriteFailed:
      result = kFbmWriteFailed;
      break;
    default:
      if (EndRegisterWrites(*hid) != kEndWritesDone) result = kFbmEndFailed;
  }
  return Reported(L"SetFBM", result, kFbmNoDevice);
}

int CThreeDPage::Reset3D() {
  m_nFBM = 1;
  ThreeDImageBytes factory;
  if (!ReadImageBytes(config_.factoryTable, factory))
    return Reported(L"Reset3D", kTransactionNoFactoryTable, kTransactionNoDevice);
  m_record = RecordFromBytes(factory);
  return Reported(L"Reset3D", WriteRecordTransaction(), kTransactionNoDevice);
}

int CThreeDPage::WriteRecordTransaction() {
  std::unique_ptr<HidConnection> hid = context_.OpenHid();
  if (!hid) return kTransactionNoDevice;
  bool refused = false;
  if (context_.DeviceSync()) {
    switch (WriteRecordRegisters(*hid, m_record)) {
      case kRecordFlagsReadFailed:
        return kTransactionFlagsReadFailed;
      case kRecordFlagsWriteFailed:
        return kTransactionFlagsWriteFailed;
      case kRecordValueRefused:
        // The values are not written, but the FBM bit was: the writes still end.
        refused = true;
        break;
      case kRecordValuesWriteFailed:
        return kTransactionValuesWriteFailed;
      default:
        break;
    }
  }
  if (EndRegisterWrites(*hid) != kEndWritesDone) return kTransactionEndFailed;
  return refused ? kTransactionValueRefused : kTransactionDone;
}

void CThreeDPage::Sync3DFromDevice(int eepromDefault) {
  if (!SdkBound()) return;
  DWORD state = 0;
  if (Sdk().DLLQZ_Is3D_Enable_ById(&state, kDeviceIndex) != 0) {
    state = 0;
    if (Sdk().DLLQZ_Is3D_Enable_ById(&state, kDeviceIndex) != 0) state = 0;
  }
  m_nDevice3DState = static_cast<int>(state);
  // The device's answer can only switch 3D on; an "off" leaves the user's choice as it is.
  if (m_nDevice3DState == 1 || eepromDefault == 1) m_n3DEnable = 1;
  m_nFBM = 1;
  Write3DBlock(m_n3DEnable);
  Apply3DOnOff(m_n3DEnable);
  Show3DButtons(m_nFBM, m_n3DEnable);
  Apply3DOnOff(m_n3DEnable);
}

void CThreeDPage::Show3DButtons(int fbm, int enable) {
  if (!context_.DeviceActive()) return;
  // The two-state primitive flips what it is given: hand it the opposite to show the wanted state.
  int shown = fbm ? 0 : 1;
  window_.ToggleButtonState(kTagFbm, shown);
  shown = enable ? 0 : 1;
  window_.ToggleButtonState(kTag3DEnable, shown);
}

void CThreeDPage::ApplyThreeDEnable() {
  Apply3DOnOff(m_n3DEnable);
  Write3DEnableBit(m_n3DEnable);
}

void CThreeDPage::SwitchOffForVirtual7ch1() {
  m_n3DEnable = 0;
  Apply3DOnOff(0);
  Write3DEnableBit(0);
}

void CThreeDPage::FbmButton() {
  window_.ToggleButtonState(kTagFbm, m_nFBM);
  SetFBM(m_nFBM);
}

bool CThreeDPage::ReadImageRecord() {
  if (!config_.imageByte) return false;
  ThreeDImageBytes bytes;
  bytes.flags = config_.imageByte(kFlagsOffset);
  bytes.left = config_.imageByte(kLeftOffset);
  bytes.right = config_.imageByte(kRightOffset);
  m_record = RecordFromBytes(bytes);
  return true;
}

void CThreeDPage::StoreRecord() {
  if (!config_.imageByte || !config_.setImageByte) {
    DebugWrite(L"***** 3D: no configuration image to store the 3D record in *****\n");
    return;
  }
  const ThreeDImageBytes old{config_.imageByte(kFlagsOffset), config_.imageByte(kLeftOffset),
                             config_.imageByte(kRightOffset)};
  const ThreeDImageBytes bytes = BytesForRecord(m_record, old);
  config_.setImageByte(kFlagsOffset, bytes.flags);
  config_.setImageByte(kLeftOffset, bytes.left);
  config_.setImageByte(kRightOffset, bytes.right);
}

}  // namespace vorma::features
