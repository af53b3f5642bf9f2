#pragma once
// A form event source that binds no handler: tests that build a form from a resource call the code
// under test directly.

#include "panel/shell/FormBuilder.h"

namespace vorma::test {

using NoFormEvents = shell::NoFormHandlers;

}  // namespace vorma::test
