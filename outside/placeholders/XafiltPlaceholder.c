// Xafilt.sys as shipped by this build is a placeholder, not the audio extension filter driver: a
// valid kernel-mode image that loads, attaches to nothing and unloads. It lets setup carry and
// write a real file under the driver's name; it is never loaded on our machines.

#include <ddk/wdm.h>

static void NTAPI XafiltPlaceholderUnload(PDRIVER_OBJECT driver) { (void)driver; }

NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING registryPath) {
  (void)registryPath;
  driver->DriverUnload = XafiltPlaceholderUnload;
  return STATUS_SUCCESS;
}
