#pragma once
// WOW64 questions, answered through functions looked up by name so that the programs also run on
// systems that lack them.

namespace vorma {

// True when this process is a 32-bit process on 64-bit Windows; false when IsWow64Process is
// missing or says no.
bool IsWow64Process();

// Switch file-system redirection off for this thread and back on. When the kernel32 function is
// missing (32-bit Windows without WOW64) nothing happens and 0 is returned; otherwise the call's
// own result is returned.
int DisableFsRedirection(void** oldValue);
int RevertFsRedirection(void* oldValue);

}  // namespace vorma
