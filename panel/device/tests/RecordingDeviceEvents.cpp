#include "panel/device/tests/RecordingDeviceEvents.h"

#include "panel/device/DeviceIdentifiers.h"

#include <gtest/gtest.h>

namespace vorma::test {
namespace {

constexpr wchar_t kWindowClass[] = L"VormaDeviceActivationTestWindow";
constexpr UINT_PTR kTimer1Id = 1;

const char* LabelName(DeviceLabelKind kind) {
  switch (kind) {
    case DeviceLabelKind::Active: return "Active";
    case DeviceLabelKind::DriverMissing: return "DriverMissing";
    case DeviceLabelKind::NoDevice: return "NoDevice";
  }
  return "?";
}

}  // namespace

RecordingDeviceEvents::RecordingDeviceEvents(virtual72xx::Virtual72xxClient client) : client_(std::move(client)) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &WindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassW(&windowClass);  // fails harmlessly when an earlier test registered it
  window_.reset(CreateWindowExW(0, kWindowClass, L"device activation", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr));
  EXPECT_TRUE(window_);
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

RecordingDeviceEvents::~RecordingDeviceEvents() {
  if (window_) SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

LRESULT CALLBACK RecordingDeviceEvents::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* host = reinterpret_cast<RecordingDeviceEvents*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (host && host->activation_) {
    if (message == WM_DEVICECHANGE) {
      ++host->deviceChanges_;
      host->activation_->OnDeviceChange(wParam, lParam);
    } else if (message == WM_TIMER && wParam == kTimer1Id) {
      host->activation_->Timer1Timer();
      return 0;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

std::vector<std::string> RecordingDeviceEvents::TakeLog() {
  TakeJournal();
  return std::exchange(log_, {});
}

void RecordingDeviceEvents::TakeJournal() {
  if (followed_ == 0) return;
  std::vector<std::string> lines;
  client_.ReadJournal(followed_, lines, true);
  // Only what the device was asked to do; opening, closing and length queries are left out.
  for (const std::string& line : lines)
    if (line.starts_with("sdk ") || line.starts_with("hid.out") || line.starts_with("hid.in") ||
        line.starts_with("filter.ioctl"))
      log_.push_back("  " + line);
}

void RecordingDeviceEvents::Record(const std::string& event) {
  TakeJournal();
  log_.push_back(event);
}

void RecordingDeviceEvents::ShowDeviceLabel(DeviceLabelKind kind) {
  label = kind;
  Record(std::string("ShowDeviceLabel ") + LabelName(kind));
}

void RecordingDeviceEvents::ShowDeviceIndicators(bool active) {
  indicators = active;
  Record(std::string("ShowDeviceIndicators ") + (active ? "1" : "0"));
}

void RecordingDeviceEvents::ProcessPendingMessages() {
  Record("ProcessPendingMessages");
  if (whilePendingMessagesRun) whilePendingMessagesRun();
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void RecordingDeviceEvents::SetPollRunning(bool running) {
  if (running) {
    Record("StartTimer1");
    EXPECT_NE(SetTimer(window_.get(), kTimer1Id, kDevicePollIntervalMs, nullptr), 0u);
  } else {
    Record("StopTimer1");
    if (timer1Running_) {
      EXPECT_TRUE(KillTimer(window_.get(), kTimer1Id));
    }
  }
  timer1Running_ = running;
}

void RecordingDeviceEvents::DeviceActivated(ActivationPath path, std::uint16_t vendorId, std::uint16_t productId) {
  Record(std::string("DeviceActivated ") + (path == ActivationPath::Arrival ? "Arrival " : "Poll ") +
         std::to_string(vendorId) + " " + std::to_string(productId));
  if (whileActivated) whileActivated();
}

}  // namespace vorma::test
