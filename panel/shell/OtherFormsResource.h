#pragma once
// The form resources of the panel's dialogs: TAboutForm, TSimpleForm, TLEDForm and TLEDColorForm,
// and the order in which the application creates all five forms.

#include <span>

#include "panel/shell/FormResource.h"

namespace vorma::shell {

const FormDescriptor& AboutFormResource();
const FormDescriptor& SimpleFormResource();
const FormDescriptor& LEDFormResource();
const FormDescriptor& LEDColorFormResource();

// The main window first, then the dialogs, in the order the application creates them.
std::span<const FormDescriptor* const> FormCreationOrder();

}  // namespace vorma::shell
