#include "panel/led/tests/LedPageFixture.h"

namespace vorma::test {

forms::Shape* TestLedHost::FindShapeByTag(int tag) {
  const auto& all = controls_.Form().Controls();
  for (auto it = all.rbegin(); it != all.rend(); ++it)
    if ((*it)->Kind() == forms::ControlKind::Shape && (*it)->Tag() == tag) return static_cast<forms::Shape*>(it->get());
  return nullptr;
}

bool TestLedHost::ChooseColour(COLORREF& colour) {
  colourStarts.push_back(colour);
  if (colourAnswers.empty()) return false;
  const std::optional<COLORREF> answer = colourAnswers.front();
  colourAnswers.pop_front();
  if (!answer) return false;
  colour = *answer;
  return true;
}

void LedPageTest::SetUp() {
  SdkHostFixture::SetUp();
  ASSERT_TRUE(application.Initialize());
  controls = std::make_unique<FormMainWindowControls>(application);
  context = std::make_unique<TestFeatureContext>(*controls);
  host = std::make_unique<TestLedHost>(*controls);
  page = std::make_unique<led::CLedPage>(*context, *host);
}

Lines LedPageTest::SdkCalls() {
  Lines calls;
  for (std::string line : TakeJournal()) {
    if (!line.starts_with("sdk ")) continue;
    if (line.ends_with(" -> 0")) line.resize(line.size() - 5);
    calls.push_back(line);
  }
  return calls;
}

std::string LedPageTest::Mode(int mode, int speed) {
  return "sdk DLLQZ_SetRGB_Mode_ById 58 0 " + std::to_string(mode) + " " + std::to_string(speed) + " 50 0";
}

std::string LedPageTest::Colour(int index, int r, int g, int b) {
  return "sdk DLLQZ_SetRGB_Color_ById 58 1 " + std::to_string(index) + " " + std::to_string(r) + " " +
         std::to_string(g) + " " + std::to_string(b) + " 50 0";
}

std::string LedPageTest::ModeColour(int mode, int r, int g, int b) {
  return "sdk DLLQZ_SetRGB_SingleColor_ById 58 1 " + std::to_string(mode) + " " + std::to_string(r) + " " +
         std::to_string(g) + " " + std::to_string(b) + " 50 0";
}

}  // namespace vorma::test
