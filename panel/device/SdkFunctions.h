#pragma once
// The 33 vendor SDK functions the panel calls, declared with the arguments the panel passes. Every
// SDK function uses the standard calling convention of Windows exports (WINAPI: arguments pushed
// right to left, the callee removes them) and returns a 32-bit integer, 0 on success. Bytes and
// 16-bit IDs occupy a full 32-bit argument slot; the virtual 7.1 scalar is a float passed by value.
// Functions ending in _ById take the device index (always 0) as their last argument.
//
// The panel never calls these declarations directly: it takes their types with decltype for its
// function table (SdkLibrary.h). The stand-in library defines them, so the compiler checks that
// its exports have exactly these signatures.

#include <windows.h>

// The button scan's callback: the device's IDs, the 5-byte scan report (byte 2 = GPIO 0-7, byte 3
// bits 0-1 = GPIO 8-9), the report's length (5) and the device index. Called on the SDK's own scan
// thread; returns 0.
using SdkScanCallback = int(WINAPI*)(WORD vendorId, WORD productId, BYTE* report, DWORD reportLength,
                                     DWORD deviceIndex);

// Size of the audio command block of DLLQZ_AudioCommand.
inline constexpr DWORD kSdkAudioCommandBlockSize = 234;

extern "C" {

// --- device selection ---
int WINAPI DLLQZ_SetActive_Device(WORD vendorId, WORD productId);

// --- audio command: the block is read and overwritten with the device's reply; *size holds 234 ---
int WINAPI DLLQZ_AudioCommand(BYTE* block, DWORD* size);

// --- virtual 7.1 ---
int WINAPI DLLQZ_SetVirtual7ch1_OnOff(DWORD enable);
int WINAPI DLLQZ_SetVirtual7ch1(const BYTE* parameterBlock68);
int WINAPI DLLQZ_SetVirtual7ch1_Scalar(float scalar);

// --- ENC: the 16-byte parameter record ---
int WINAPI DLLQZ_SetEnc_Parameters(const BYTE* parameterRecord16);

// --- equaliser and 3D ---
int WINAPI DLLQZ_ConfigEQ_ById(BYTE deviceIndex);
int WINAPI DLLQZ_IsEQ_Enable_ById(DWORD* enable, BYTE deviceIndex);
int WINAPI DLLQZ_SetEQ_OnOff_ById(DWORD enable, BYTE deviceIndex);
int WINAPI DLLQZ_Config3D_ById(BYTE deviceIndex);
int WINAPI DLLQZ_Is3D_Enable_ById(DWORD* enable, BYTE deviceIndex);
int WINAPI DLLQZ_Set3D_OnOff_ById(DWORD enable, BYTE deviceIndex);
int WINAPI DLLQZ_Read_I2C_ById(BYTE deviceAddress, BYTE byteAddress, BYTE* buffer, DWORD length, DWORD timeout,
                               BYTE deviceIndex);

// --- registers ---
int WINAPI DLLQZ_Write_Register_ById(WORD address, BYTE value, BYTE deviceIndex);
int WINAPI DLLQZ_Read_Register_ById(WORD address, BYTE* value, BYTE deviceIndex);

// --- GPIO and the button scan (enable 1 starts the scan with the callback, 0 stops it) ---
int WINAPI DLLQZ_ScanButton_ById(WORD vendorId, WORD productId, SdkScanCallback callback, DWORD enable,
                                 BYTE deviceIndex);
int WINAPI DLLQZ_SetGpioMode_ById(const BYTE* modes, DWORD count, BYTE deviceIndex);
int WINAPI DLLQZ_SetGpioModeEx_ById(BYTE gpio, BYTE mode, BYTE deviceIndex);
int WINAPI DLLQZ_GetGpioEx_ById(BYTE gpio, BYTE* level, BYTE deviceIndex);

// --- LED controller, "Master" form: controller ID first, timeout last ---
int WINAPI DLLQZ_SetRGB_Color(BYTE controllerId, BYTE led, BYTE slot, BYTE red, BYTE green, BYTE blue,
                              DWORD timeout);
int WINAPI DLLQZ_SetRGB_Mode(BYTE controllerId, BYTE led, BYTE mode, BYTE speed, DWORD timeout);
int WINAPI DLLQZ_SetRGB_Brightness(BYTE controllerId, BYTE led, BYTE level, DWORD timeout);
int WINAPI DLLQZ_SetRGB_Step(BYTE controllerId, BYTE count, DWORD timeout);
int WINAPI DLLQZ_SetRGB_SingleColor(BYTE controllerId, BYTE led, BYTE mode, BYTE red, BYTE green, BYTE blue,
                                    DWORD timeout);

// --- LED controller, _ById form: the LED argument is the group ---
int WINAPI DLLQZ_SetRGB_Color_ById(BYTE controllerId, BYTE group, BYTE slot, BYTE red, BYTE green, BYTE blue,
                                   DWORD timeout, BYTE deviceIndex);
int WINAPI DLLQZ_SetRGB_Mode_ById(BYTE controllerId, BYTE group, BYTE mode, BYTE speed, DWORD timeout,
                                  BYTE deviceIndex);
int WINAPI DLLQZ_SetRGB_Step_ById(BYTE controllerId, BYTE count, DWORD timeout, BYTE deviceIndex);
int WINAPI DLLQZ_SetRGB_SingleColor_ById(BYTE controllerId, BYTE group, BYTE mode, BYTE red, BYTE green, BYTE blue,
                                         DWORD timeout, BYTE deviceIndex);

// --- LED controller, USB HID slave ("Slave") form: no controller ID ---
int WINAPI DLLQZ_UsbHidSlave_SetRGB_Color_Ex(BYTE led, BYTE slot, BYTE red, BYTE green, BYTE blue, DWORD timeout);
int WINAPI DLLQZ_UsbHidSlave_SetRGB_Mode_Ex(BYTE led, BYTE mode, BYTE speed, DWORD timeout);
int WINAPI DLLQZ_UsbHidSlave_SetRGB_Brightness_Ex(BYTE led, BYTE level, DWORD timeout);
int WINAPI DLLQZ_UsbHidSlave_SetRGB_Step_Ex(BYTE count, DWORD timeout);
int WINAPI DLLQZ_UsbHidSlave_SetRGB_SingleColor_Ex(BYTE led, BYTE mode, BYTE red, BYTE green, BYTE blue,
                                                  DWORD timeout);

}  // extern "C"
