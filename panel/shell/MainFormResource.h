#pragma once
// The form resource of the main window, TAudioMainForm.

#include "panel/shell/FormResource.h"

namespace vorma::shell {

inline constexpr int kMainFormClientWidth = 819;
inline constexpr int kMainFormClientHeight = 513;

const FormDescriptor& MainFormResource();

}  // namespace vorma::shell
