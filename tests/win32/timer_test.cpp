// Timers and edit fields of the control model on real windows and WM_TIMER. Real time is noisy
// here, so each bound leaves generous slack; the exact timing rules are tested on the simulated
// clock.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "runtime/properties.h"
#include "runtime/runtime.h"
#include "runtime/win32/win32_platform.h"
#include "runtime/window.h"
#include "tests/win32/pump.h"

namespace kestrune::win32 {
namespace {

struct Calls {
  std::vector<DWORD> ticks;  // GetTickCount at each PeriodicEvent
  int changes = 0;
  DWORD clickBlocksMs = 0;
};
Calls* calls = nullptr;

void OnTick(Window&) { calls->ticks.push_back(GetTickCount()); }
void OnChanged(Window&) { ++calls->changes; }
void OnClicked(Window&) { Sleep(calls->clickBlocksMs); }

constexpr FontSpec kFont{nullptr, 0, 0};
// clang-format off
constexpr ControlTemplate kControls[] = {
    {"按钮1", UnitType::Button, {0, 0, 80, 30}, "启动程序", kFont, kBlack, kButtonFace, true,
     true, 0, 0},
    {"编辑框1", UnitType::EditBox, {0, 40, 80, 30}, "", kFont, kBlack, kWhite, true, true, 0, 0},
    {"时钟1", UnitType::Timer, {0, 0, 0, 0}, nullptr, kFont, kBlack, kBlack, true, false, 0, 0},
};
// clang-format on
constexpr Binding kBindings[] = {{"时钟1", Event::PeriodicEvent, OnTick},
                                 {"编辑框1", Event::Changed, OnChanged},
                                 {"按钮1", Event::Clicked, OnClicked}};
constexpr WindowTemplate kTestWindow{"timers", 200, 120, kControls, kBindings};

class TimerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    calls = &seen;
    ASSERT_TRUE(window.Build());
  }
  void TearDown() override { calls = nullptr; }
  void SetPeriod(int32_t ms) { WriteProperty(window, "时钟1", IntegerProperty::Period, ms); }
  DWORD FirstTickAfter(DWORD start) const { return seen.ticks.at(0) - start; }

  Calls seen;
  Win32Platform platform{GetModuleHandleW(nullptr)};
  Runtime runtime{platform};
  Window window{runtime, kTestWindow};
};

TEST_F(TimerTest, ATimerIsNeverVisibleEvenWhenItsTemplateSaysSo) {
  EXPECT_FALSE(IsWindowVisible(platform.ControlWindow(2)));
}

TEST_F(TimerTest, AnEqualPeriodDoesNotRestartTheTimer) {
  const DWORD start = GetTickCount();
  SetPeriod(1000);
  PumpFor(platform, 600);
  SetPeriod(1000);
  PumpFor(platform, 900);
  ASSERT_FALSE(seen.ticks.empty());
  EXPECT_LT(FirstTickAfter(start), 1450u);  // a restart would have put it at 1 600 ms
}

TEST_F(TimerTest, ANewPeriodRestartsTheTimerFromTheWrite) {
  SetPeriod(1000);
  PumpFor(platform, 600);
  const DWORD write = GetTickCount();
  SetPeriod(700);
  PumpFor(platform, 1200);
  ASSERT_FALSE(seen.ticks.empty());
  EXPECT_GE(FirstTickAfter(write), 650u);  // not at the old 1 000 ms mark
}

TEST_F(TimerTest, ABlockingHandlerIsFollowedByOnePeriodicEventNotSeveral) {
  SetPeriod(1000);
  seen.clickBlocksMs = 3500;
  SendMessageW(platform.ControlWindow(0), BM_CLICK, 0, 0);  // blocks for 3.5 s
  const std::size_t before = seen.ticks.size();
  PumpFor(platform, 300);
  EXPECT_EQ(seen.ticks.size() - before, 1u);
}

TEST_F(TimerTest, APeriodOfZeroStopsTheTimerWithItsPendingExpiry) {
  SetPeriod(200);
  Sleep(500);  // an expiry is due but not delivered
  SetPeriod(0);
  PumpFor(platform, 600);
  EXPECT_TRUE(seen.ticks.empty());
}

TEST_F(TimerTest, AContentWriteRaisesTheChangeEventOnceAndTypingToo) {
  WriteProperty(window, "编辑框1", TextProperty::Content, "59");
  EXPECT_EQ(seen.changes, 1);
  wchar_t text[8];
  GetWindowTextW(platform.ControlWindow(1), text, 8);
  EXPECT_STREQ(text, L"59");
  SendMessageW(platform.ControlWindow(1), EM_SETSEL, 2, 2);
  SendMessageW(platform.ControlWindow(1), WM_CHAR, L'7', 0);
  EXPECT_EQ(seen.changes, 2);
  EXPECT_EQ(ReadProperty(window, "编辑框1", TextProperty::Content), "597");
}

}  // namespace
}  // namespace kestrune::win32
