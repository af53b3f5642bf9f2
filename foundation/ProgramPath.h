#pragma once
// Where the running program lives.

#include <string>

namespace vorma {

// The full path of the running program's executable, however long; empty when it cannot be had.
std::wstring ThisProgramPath();

// The folder of the running program's executable with its trailing backslash
// ("C:\Program Files\Vorma\"); empty when the path cannot be had.
std::wstring ThisProgramFolder();

}  // namespace vorma
