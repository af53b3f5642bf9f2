#pragma once
// Turns a form resource table into framework controls and timers. Handlers are looked up by the
// names the table binds, through the window that owns the form; a name the window does not supply
// yet stays unbound and is reported, so a half-built window still shows and routes what it can.

#include <functional>
#include <string_view>
#include <vector>

#include "forms/Form.h"
#include "forms/PopupMenu.h"
#include "panel/shell/FormResource.h"

namespace vorma::shell {

class FormEventSource {
public:
  virtual ~FormEventSource() = default;
  // The callback for a handler name; an empty function when the window has no such handler.
  virtual forms::MouseHandler MouseHandlerNamed(std::wstring_view name) = 0;
  virtual forms::NotifyHandler NotifyHandlerNamed(std::wstring_view name) = 0;
  virtual std::function<void(forms::Timer&)> TimerHandlerNamed(std::wstring_view name) = 0;
  virtual std::function<void(forms::MenuItem&)> MenuHandlerNamed(std::wstring_view name) = 0;
};

// Binds no handler: for forms whose handlers come later (the dialogs until their windows are
// built) and for tests that call the code under test directly.
class NoFormHandlers final : public FormEventSource {
public:
  forms::MouseHandler MouseHandlerNamed(std::wstring_view) override { return {}; }
  forms::NotifyHandler NotifyHandlerNamed(std::wstring_view) override { return {}; }
  std::function<void(forms::Timer&)> TimerHandlerNamed(std::wstring_view) override { return {}; }
  std::function<void(forms::MenuItem&)> MenuHandlerNamed(std::wstring_view) override { return {}; }
};

struct FormBuildReport {
  // Controls of kinds the builder does not make yet (list boxes, radio groups); they are left out
  // of the form.
  std::vector<std::wstring_view> skippedControls;
  // Handler names the event source did not supply.
  std::vector<std::wstring_view> unboundHandlers;
};

// The window arguments of a resource: name, caption, client size, border and centring.
forms::FormArgs FormArgsFor(const FormDescriptor& resource);

// Adds the resource's controls (in declaration order, bounds made relative to the form's client
// area) and timers to the form. Radio buttons in one container form one group; a track bar's
// change handler is a notify handler with the bar as sender.
FormBuildReport AddResourceToForm(const FormDescriptor& resource, forms::Form& form, FormEventSource& events);

// Adds the resource's items of the named popup menu (and their sub-items) to a framework menu.
FormBuildReport AddMenuToPopup(const FormDescriptor& resource, std::wstring_view menuName, forms::PopupMenu& menu,
                               FormEventSource& events);

}  // namespace vorma::shell
