#include "panel/device/DeviceActivation.h"

#include "foundation/DebugOutput.h"
#include "foundation/DeviceIdManager.h"
#include "foundation/ScopedFlag.h"
#include "panel/device/AudioCommand.h"
#include "panel/device/DeviceDiscovery.h"
#include "panel/device/DeviceIdentifiers.h"
#include "panel/device/FilterControl.h"
#include "panel/device/SdkLibrary.h"

#include <cstddef>
#include <cwchar>

namespace vorma {
namespace {

constexpr BYTE kEncCommand = 4;
// A device that has just appeared may not answer the SDK yet; the readiness probe (ENC off) is
// tried this often before the arrival or the poll gives up.
constexpr int kArrivalReadinessAttempts = 5;
constexpr int kPollReadinessAttempts = 10;

// The broadcast's device name, bounded by the broadcast's own size.
std::wstring_view BroadcastName(const DEV_BROADCAST_DEVICEINTERFACE_W& broadcast) {
  const size_t nameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
  if (broadcast.dbcc_size <= nameOffset) return {};
  const size_t capacity = (broadcast.dbcc_size - nameOffset) / sizeof(wchar_t);
  return std::wstring_view(broadcast.dbcc_name, wcsnlen(broadcast.dbcc_name, capacity));
}

}  // namespace

DeviceActivation::DeviceActivation(DevicePorts& ports, DeviceEvents& events, std::wstring configPath)
    : ports_(ports), events_(events), configPath_(std::move(configPath)) {}

bool DeviceActivation::FindConfiguredDevice(std::wstring& hardwareId) {
  CDeviceIdMgr deviceIds;
  deviceIds.LoadFromConfig(configPath_, kUsbDeviceIdSection);  // an empty list simply finds nothing
  return SearchDevicePresent(*ports_.enumeration, deviceIds, hardwareId);
}

void DeviceActivation::ActivateAtStartup() {
  CDeviceIdMgr deviceIds;
  deviceIds.LoadFromConfig(configPath_, kUsbDeviceIdSection);
  std::wstring hardwareId;
  if (!SearchDevicePresent(*ports_.enumeration, deviceIds, hardwareId))
    SearchDevicePresent(*ports_.enumeration, deviceIds, hardwareId);
  ParseVidPid(hardwareId, m_wVendorId, m_wProductId);

  if (const int ret = Sdk().DLLQZ_SetActive_Device(m_wVendorId, m_wProductId); ret != 0) {
    DebugPrint(L"***** fnDLLQZ_SetActive_Device, ret = %d *****", ret);
    Sleep(10);
    Sdk().DLLQZ_SetActive_Device(m_wVendorId, m_wProductId);
  }

  m_hDevice = OpenHidDevice(*ports_.hid, m_wVendorId, m_wProductId);
  DeviceLabelKind label = DeviceLabelKind::NoDevice;
  m_bDeviceActive = false;
  if (m_hDevice) {
    m_bDeviceActive = KVX_Set_DEVICE_SYMBOLIC_NAME(*ports_.filter, m_wVendorId, m_wProductId) == 0;
    label = m_bDeviceActive ? DeviceLabelKind::Active : DeviceLabelKind::DriverMissing;
  }
  m_bDeviceSync = m_bDeviceActive;
  events_.ShowDeviceLabel(label);
  events_.ShowDeviceIndicators(m_bDeviceActive);
  if (!m_bDeviceActive) events_.SetPollRunning(true);
}

bool DeviceActivation::RegisterDeviceNotifications(HWND window) {
  m_hDeviceNotify = ports_.notifications->Register(window, kAudioInterfaceClass, DEVICE_NOTIFY_ALL_INTERFACE_CLASSES);
  return m_hDeviceNotify != nullptr;
}

void DeviceActivation::OnDeviceChange(WPARAM event, LPARAM data) {
  // Only arrival and removal carry a broadcast; other events' data is not a pointer.
  if ((event == DBT_DEVICEARRIVAL || event == DBT_DEVICEREMOVECOMPLETE) && data != 0) {
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
    if (header->dbch_devicetype == DBT_DEVTYP_DEVICEINTERFACE) {
      const auto& broadcast = *reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(data);
      if (event == DBT_DEVICEARRIVAL)
        DeviceArrival1(broadcast);
      else
        DeviceRemoval(broadcast);
    }
  }
  events_.ProcessPendingMessages();
}

void DeviceActivation::DeviceArrival1(const DEV_BROADCAST_DEVICEINTERFACE_W&) {
  DebugWrite(L"DeviceArrival1");
  Sleep(10);
  events_.InterfaceArrived();
  // The device found at start-up stays held; further interfaces of it change nothing.
  if (m_hDevice) {
    DebugWrite(L"m_hDevice != NULL");
    return;
  }
  std::wstring hardwareId;
  if (!FindConfiguredDevice(hardwareId)) {
    DebugWrite(L"bResult = 0");
    return;
  }
  ParseVidPid(hardwareId, m_wVendorId, m_wProductId);
  if (const int ret = Sdk().DLLQZ_SetActive_Device(m_wVendorId, m_wProductId); ret != 0)
    DebugPrint(L"***** fnDLLQZ_SetActive_Device, ret = %d *****", ret);

  // Any arrival comes here, also one of an unrelated device while ours is active: only a device
  // that has just become ready is re-synchronised.
  if (!ActivateFoundDevice(ActivationPath::Arrival)) {
    if (!m_bDeviceActive) events_.SetPollRunning(true);
    return;
  }
  Activated(ActivationPath::Arrival);
}

void DeviceActivation::Timer1Timer() {
  // The re-synchronisation lets pending messages run; a tick arriving then must not start a second
  // activation inside the first.
  if (m_bInTimer1) return;
  const ScopedFlag inTimer1(m_bInTimer1);
  DebugWrite(L"DeviceArrivalforTimer1");
  std::wstring hardwareId;
  if (!FindConfiguredDevice(hardwareId)) {
    DebugWrite(L"SearchDevicePresent = 0");
    return;
  }
  ParseVidPid(hardwareId, m_wVendorId, m_wProductId);
  if (Sdk().DLLQZ_SetActive_Device(m_wVendorId, m_wProductId) != 0)
    Sdk().DLLQZ_SetActive_Device(m_wVendorId, m_wProductId);

  // Only an activation of this tick may end the poll.
  if (!ActivateFoundDevice(ActivationPath::Poll)) {
    if (!m_bDeviceActive) events_.SetPollRunning(true);
  } else {
    Activated(ActivationPath::Poll);
    events_.SetPollRunning(false);
  }
}

bool DeviceActivation::ActivateFoundDevice(ActivationPath path) {
  if (!OpenHidDevice(*ports_.hid, m_wVendorId, m_wProductId)) {
    events_.SetPollRunning(true);
    MarkNoDevice();
    return false;
  }
  // Only the start-up device is held open; the interface was opened to see that it is there.
  m_hDevice.reset();
  const int attempts = path == ActivationPath::Arrival ? kArrivalReadinessAttempts : kPollReadinessAttempts;
  for (int attempt = 0; attempt < attempts; ++attempt) {
    if (KVX_AudioSetOnOff(kEncCommand, 0, 0) != 0) continue;
    // The poll keeps the control-device name an earlier activation left.
    if (path == ActivationPath::Arrival && KVX_Set_DEVICE_SYMBOLIC_NAME(*ports_.filter, m_wVendorId, m_wProductId) == 0)
      DebugWrite(L"***** KVX_Set_DEVICE_SYMBOLIC_NAME Success *****");
    m_bDeviceActive = true;
    m_bDeviceSync = true;
    events_.ShowDeviceIndicators(true);
    events_.RefreshPage();
    return true;
  }
  return false;
}

void DeviceActivation::Activated(ActivationPath path) {
  events_.DeviceActivated(path, m_wVendorId, m_wProductId);
  events_.ShowDeviceLabel(DeviceLabelKind::Active);
}

void DeviceActivation::MarkNoDevice() {
  events_.ShowDeviceLabel(DeviceLabelKind::NoDevice);
  m_bDeviceActive = false;
  m_bDeviceSync = false;
  events_.ShowDeviceIndicators(false);
  events_.RefreshPage();
}

void DeviceActivation::DeviceRemoval(const DEV_BROADCAST_DEVICEINTERFACE_W& broadcast) {
  // The device counts as gone when its HID interface goes; its audio interface alone does not.
  if (!IsEqualGUID(broadcast.dbcc_classguid, kHidInterfaceClass)) return;
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
  ParseVidPid(BroadcastName(broadcast), vendorId, productId);
  if (vendorId != m_wVendorId || productId != m_wProductId) return;

  events_.ShowDeviceLabel(DeviceLabelKind::NoDevice);
  m_bDeviceActive = false;
  m_bDeviceSync = false;
  events_.DeviceRemoved();
  if (m_hDevice) {
    m_hDevice.reset();
    events_.StartupInterfaceClosed();
  }
}

}  // namespace vorma
