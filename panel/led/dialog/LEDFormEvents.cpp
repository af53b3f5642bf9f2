#include "panel/led/dialog/LEDFormEvents.h"

#include "panel/led/dialog/LEDColorForm.h"
#include "panel/led/dialog/LEDForm.h"

#include <array>
#include <utility>

namespace vorma::led {
namespace {

template <typename FormT, size_t N>
forms::MouseHandler Lookup(FormT& form, std::wstring_view name,
                           const std::array<std::pair<std::wstring_view, void (FormT::*)(forms::Control&)>, N>& table) {
  for (const auto& [key, member] : table)
    if (key == name) return [&form, member](forms::Control& sender, const forms::MouseEventArgs&) { (form.*member)(sender); };
  return {};
}

}  // namespace

forms::MouseHandler TLEDFormEvents::MouseHandlerNamed(std::wstring_view name) {
  // The handlers outlive this source: they hold the form, never the source.
  TLEDForm& form = form_;
  if (name == L"RadioButtonOffMouseDown")
    return [&form](forms::Control&, const forms::MouseEventArgs&) { form.RadioButtonOffMouseDown(); };
  if (name == L"RadioButtonOnMouseDown")
    return [&form](forms::Control&, const forms::MouseEventArgs&) { form.RadioButtonOnMouseDown(); };
  using Member = void (TLEDForm::*)(forms::Control&);
  static constexpr std::array<std::pair<std::wstring_view, Member>, 3> kTable{{
      {L"ShapeMouseDown", &TLEDForm::ShapeMouseDown},
      {L"SingleColorShapeMouseDown", &TLEDForm::SingleColorShapeMouseDown},
      {L"RadioButtonMouseDown", &TLEDForm::RadioButtonMouseDown},
  }};
  return Lookup(form_, name, kTable);
}

forms::NotifyHandler TLEDFormEvents::NotifyHandlerNamed(std::wstring_view name) {
  using Plain = void (TLEDForm::*)();
  static constexpr std::array<std::pair<std::wstring_view, Plain>, 5> kPlain{{
      {L"ButtonSetColorClick", &TLEDForm::ButtonSetColorClick},
      {L"RadioButtonLED1Click", &TLEDForm::RadioButtonLED1Click},
      {L"RadioButtonLED2Click", &TLEDForm::RadioButtonLED2Click},
      {L"RadioButtonAllLEDClick", &TLEDForm::RadioButtonAllLEDClick},
      {L"ButtonCloseClick", &TLEDForm::ButtonCloseClick},
  }};
  TLEDForm& form = form_;
  for (const auto& [key, member] : kPlain)
    if (key == name) return [&form, member](forms::Control&) { (form.*member)(); };
  using WithSender = void (TLEDForm::*)(forms::Control&);
  static constexpr std::array<std::pair<std::wstring_view, WithSender>, 2> kWithSender{{
      {L"TrackBarEffectChange", &TLEDForm::TrackBarEffectChange},
      {L"TrackBarBrightnessChange", &TLEDForm::TrackBarBrightnessChange},
  }};
  for (const auto& [key, member] : kWithSender)
    if (key == name) return [&form, member](forms::Control& sender) { (form.*member)(sender); };
  return {};
}

forms::MouseHandler TLEDColorFormEvents::MouseHandlerNamed(std::wstring_view name) {
  TLEDColorForm& form = form_;
  if (name == L"ShapeMouseDown")
    return [&form](forms::Control& sender, const forms::MouseEventArgs&) { form.ShapeMouseDown(sender); };
  return {};
}

forms::NotifyHandler TLEDColorFormEvents::NotifyHandlerNamed(std::wstring_view name) {
  TLEDColorForm& form = form_;
  if (name == L"ButtonOKClick") return [&form](forms::Control&) { form.ButtonOKClick(); };
  if (name == L"ButtonCancelClick") return [&form](forms::Control&) { form.ButtonCancelClick(); };
  return {};
}

}  // namespace vorma::led
