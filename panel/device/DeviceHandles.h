#pragma once
// The owners of SetupAPI device lists, HID preparsed data and device-interface notifications.

#include "foundation/UniqueHandles.h"

#include <setupapi.h>
// MinGW's hid.dll headers lack C linkage.
extern "C" {
#include <hidsdi.h>
}

namespace vorma {

struct DevInfoListTraits {
  using Handle = HDEVINFO;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(Handle h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
  static void Close(Handle h) { SetupDiDestroyDeviceInfoList(h); }
};

struct DevNotifyTraits {
  using Handle = HDEVNOTIFY;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { UnregisterDeviceNotification(h); }
};

struct HidPreparsedDataTraits {
  using Handle = PHIDP_PREPARSED_DATA;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { HidD_FreePreparsedData(h); }
};

using UniqueDevInfoList = UniqueResource<DevInfoListTraits>;  // links setupapi
using UniqueDevNotify = UniqueResource<DevNotifyTraits>;
using UniqueHidPreparsedData = UniqueResource<HidPreparsedDataTraits>;  // links hid

}  // namespace vorma
