// The LED effect worker: started only for the page on the window, the seven colours loaded by
// exactly one side, signals collapsing into one more pass, removal and re-attach, and an ending
// after which the worker sends nothing.

#include "panel/led/tests/LedPageFixture.h"

#include "panel/led/LedCommands.h"
#include "panel/led/LedEffectWorker.h"
#include "tests/support/DebugLines.h"

#include <algorithm>
#include <thread>

namespace vorma::test {
namespace {

using led::LedEffect;

constexpr DWORD kWaitMs = 10000;

size_t CountLines(const Lines& lines, const std::string& prefix) {
  return static_cast<size_t>(
      std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.starts_with(prefix); }));
}

class LedWorkerTest : public LedPageTest {
protected:
  // Collects the journal until `done` holds for what was collected (or the time is up).
  template <typename Done>
  Lines CollectUntil(Done done) {
    Lines all;
    const ULONGLONG end = GetTickCount64() + kWaitMs;
    while (!done(all) && GetTickCount64() < end) {
      const Lines more = SdkCalls();
      all.insert(all.end(), more.begin(), more.end());
      if (more.empty()) Sleep(5);
    }
    return all;
  }
  static size_t Count(const std::vector<std::wstring>& lines, std::wstring_view text) {
    return static_cast<size_t>(std::count(lines.begin(), lines.end(), text));
  }
  bool WaitForDebugLine(const DebugLineRecorder& recorder, std::wstring_view text, size_t count) {
    const ULONGLONG end = GetTickCount64() + kWaitMs;
    while (Count(recorder.Lines(), text) < count) {
      if (GetTickCount64() > end) return false;
      Sleep(2);
    }
    return true;
  }
};

TEST_F(LedWorkerTest, WithTheSettingsInTheDialogNoWorkerStartsAndNoColoursAreLoaded) {
  for (int pageMode : {0, 2}) {
    page->TakeSkinValues(pageMode, 0);
    page->StartLEDWorker();
    EXPECT_FALSE(page->WorkerRunning());
    EXPECT_TRUE(page->ColourLoadPending());
    page->SignalWorker();
    page->ShutDown();  // nothing was started, so the lighting is not switched off either
  }
  EXPECT_EQ(SdkCalls(), Lines{});
}

TEST_F(LedWorkerTest, TheFirstStartSendsTheStepCountAndTheSevenColoursOnce) {
  UsePageOnWindow();
  page->StartLEDWorker();
  ASSERT_TRUE(page->WorkerRunning());
  Lines expected{"sdk DLLQZ_SetRGB_Step_ById 58 7 50 0"};
  const int defaults[7][3] = {{255, 0, 0}, {255, 255, 0}, {0, 128, 0}, {0, 0, 255}, {255, 0, 255}, {128, 0, 128}, {0, 255, 0}};
  for (int i = 0; i < 7; ++i) expected.push_back(Colour(i + 1, defaults[i][0], defaults[i][1], defaults[i][2]));
  // The worker's own pass (device mode 1) sends nothing; stopping it makes the record complete.
  page->CloseLEDWorkerHandle();
  EXPECT_EQ(SdkCalls(), expected);
  EXPECT_FALSE(page->ColourLoadPending());
  EXPECT_EQ(State("led.master.steps"), "7");
  EXPECT_EQ(State("led.master.1.color.4"), "0000ff");
}

TEST_F(LedWorkerTest, ExactlyOneSideLoadsTheColoursWhenBothRace) {
  // The worker takes the load 100 ms after its signal; the other side tries at about that moment.
  int workerWon = 0;
  DebugLineRecorder recorder;
  for (int round = 0; round < 60; ++round) {
    led::CLedEffectState state;
    led::CLedEffectWorker worker(state);
    ASSERT_TRUE(worker.Start());
    worker.Signal();
    const ULONGLONG start = GetTickCount64();
    while (GetTickCount64() - start < static_cast<ULONGLONG>(95 + round % 11)) std::this_thread::yield();
    const bool taken = state.TakeColourLoad();
    if (taken)
      for (int i = 1; i <= 7; ++i) led::LedPaletteColour(i, state.Colour(i));
    // The worker writes its line once its colours, if it took them, are out.
    ASSERT_TRUE(WaitForDebugLine(recorder, L"LEDEffectThread", static_cast<size_t>(round) + 1));
    worker.Stop();
    const size_t colours = CountLines(SdkCalls(), "sdk DLLQZ_SetRGB_Color_ById");
    EXPECT_EQ(colours, 7u) << "round " << round << (taken ? ", taken here" : ", taken by the worker");
    if (!taken) ++workerWon;
  }
  RecordProperty("worker_won", workerWon);
}

TEST_F(LedWorkerTest, QuickSignalsGiveOneMorePassWithTheSpeedOfThatMoment) {
  UsePageOnWindow();
  page->StartLEDWorker();
  page->ColorBreatheCheckImageClick();
  SdkCalls();
  DebugLineRecorder recorder;
  // Five slider releases in a row, the speed changing between them: the first wakes the worker,
  // the others fall into its settle time and give exactly one more pass.
  for (int speed : {10, 20, 30, 40, 50}) {
    Image(L"ColorBreatheSliderImage").SetLeft(400 + speed);
    page->RecomputeLEDSpeeds();
    page->SignalWorker();
  }
  const int speed = page->Values().breatheSpeed;
  const Lines passes = CollectUntil([](const Lines& l) { return CountLines(l, "sdk DLLQZ_SetRGB_Mode_ById") >= 2; });
  ASSERT_TRUE(WaitForDebugLine(recorder, L"WaitForSingleObject", 2));
  page->CloseLEDWorkerHandle();
  Lines all = passes;
  for (const std::string& line : SdkCalls()) all.push_back(line);
  // The second pass takes the speed of its own moment, the last one set; the first normally does
  // too, having settled 100 ms after the first signal.
  ASSERT_EQ(all.size(), 2u);
  EXPECT_TRUE(all[0].starts_with("sdk DLLQZ_SetRGB_Mode_ById 58 0 4 ")) << all[0];
  EXPECT_EQ(all[1], Mode(4, speed));
  EXPECT_EQ(Count(recorder.Lines(), L"LEDEffectThread"), 2u);
}

TEST_F(LedWorkerTest, AfterRemovalThePageStillSendsAndTheNextActivationBringsTheWorkerBack) {
  UsePageOnWindow();
  page->StartLEDWorker();
  page->CloseLEDWorkerHandle();
  EXPECT_FALSE(page->WorkerRunning());
  SdkCalls();
  page->ColorRainbowCheckImageClick();
  page->SignalWorker();  // goes nowhere
  const Lines direct = SdkCalls();
  ASSERT_FALSE(direct.empty());
  EXPECT_EQ(direct.back(), Mode(5, 1));

  DebugLineRecorder recorder;
  page->StartLEDWorker();
  EXPECT_TRUE(page->WorkerRunning());
  page->SignalWorker();
  const Lines resent = CollectUntil([](const Lines& l) { return !l.empty(); });
  page->CloseLEDWorkerHandle();
  // The colours were loaded once in the process; the worker that came back re-sends the effect.
  EXPECT_EQ(resent, Lines{Mode(5, 1)});
  EXPECT_EQ(SdkCalls(), Lines{});
}

TEST_F(LedWorkerTest, TheWindowsEndLeavesTheLightingOffWhateverTheWorkerWasDoing) {
  UsePageOnWindow();
  page->StartLEDWorker();
  page->ColorBreatheCheckImageClick();
  DebugLineRecorder recorder;
  for (int round = 0; round < 20; ++round) {
    page->StartLEDWorker();
    SdkCalls();
    // Catch the worker at different moments of its pass: waiting, settling, sending.
    page->SignalWorker();
    if (round % 2 == 1) {
      ASSERT_TRUE(WaitForDebugLine(recorder, L"LEDEffectThread", round / 2 + 1));
    }
    page->ShutDown();
    EXPECT_FALSE(page->WorkerRunning());
    const Lines calls = SdkCalls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back(), Mode(1, 1)) << "round " << round;
    EXPECT_EQ(State("led.master.1.mode"), "1");
    // Nothing follows once the worker is joined.
    Sleep(150);
    EXPECT_EQ(SdkCalls(), Lines{}) << "round " << round;
    page->ColorBreatheCheckImageClick();
  }
}

}  // namespace
}  // namespace vorma::test
