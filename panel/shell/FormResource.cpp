#include "panel/shell/FormResource.h"

namespace vorma::shell {

const ControlDescriptor* FindControlDescriptor(const FormDescriptor& form, std::wstring_view name) {
  for (const ControlDescriptor& control : form.controls) {
    if (control.name == name) return &control;
  }
  return nullptr;
}

const ControlDescriptor* FindFirstControlWithTag(const FormDescriptor& form, ControlKind kind, int tag) {
  for (const ControlDescriptor& control : form.controls) {
    if (control.kind == kind && control.tag == tag) return &control;
  }
  return nullptr;
}

}  // namespace vorma::shell
