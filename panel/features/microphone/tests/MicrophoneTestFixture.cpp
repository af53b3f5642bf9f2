#include "panel/features/microphone/tests/MicrophoneTestFixture.h"

#include "panel/device/SdkLibrary.h"
#include "panel/device/virtual/PortSelection.h"

namespace vorma::test {
namespace {

constexpr wchar_t kMeterWindowClass[] = L"VormaMeterTestWindow";

LRESULT CALLBACK MeterWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == MM_WIM_DATA)
    if (auto* owner = reinterpret_cast<MeterWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA)); owner && owner->page)
      owner->page->OnMeterData(wParam, lParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

MeterWindow::MeterWindow() {
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = MeterWindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kMeterWindowClass;
  RegisterClassW(&windowClass);
  window_ = CreateWindowExW(0, kMeterWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                            nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

MeterWindow::~MeterWindow() {
  if (window_) DestroyWindow(window_);
}

void MicrophoneTest::SetUp() {
  VirtualDeviceTest::SetUp();
  ASSERT_TRUE(application.Initialize());
  ASSERT_EQ(LoadSdkLibrary(kSdkLibraryFileName, boxes), 0);
  device = Plug();
  ASSERT_EQ(Sdk().DLLQZ_SetActive_Device(0x1E4B, 0x7201), 0);
  TakeJournal(device);
  audio = CreateAudioEndpointPort();
  controls = std::make_unique<FormMainWindowControls>(application);
  context = std::make_unique<TestFeatureContext>(*controls, &ports);
  meterWindow = std::make_unique<MeterWindow>();
  host.window = meterWindow->Handle();
}

void MicrophoneTest::TearDown() {
  page.reset();
  meterWindow.reset();
  VirtualDeviceTest::TearDown();
}

features::CMicrophonePage& MicrophoneTest::MakePage(features::MicrophoneSettings settings) {
  page = std::make_unique<features::CMicrophonePage>(*context, host, *audio, settings);
  meterWindow->page = page.get();
  return *page;
}

std::vector<std::string> MicrophoneTest::SdkCalls() {
  std::vector<std::string> calls = TakeJournal(device, {"sdk DLLQZ_"});
  for (std::string& call : calls)
    if (const size_t out = call.find(" out "); out != std::string::npos) call.resize(out);
  return calls;
}

virtual72xx::CaptureState MicrophoneTest::Capture() {
  virtual72xx::CaptureState state;
  EXPECT_EQ(client.CaptureGet(device, state), virtual72xx::kOk);
  return state;
}

forms::Image& MicrophoneTest::Image(std::wstring_view name) {
  // The main window's resource has every image the page names.
  return *controls->ImageNamed(name);
}

}  // namespace vorma::test
