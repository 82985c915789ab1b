// The shutdown schedule on the real main window template, driven by simulated input and time.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "app/main_window_template.h"
#include "runtime/properties.h"
#include "runtime/sim/sim_platform.h"
#include "runtime/window.h"

namespace kestrune {
namespace {

constexpr const char* kShutdownCommand = "\"C:\\windows\\system32\\shutdown.exe\" -s -t 1";

class ScheduleTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(window.Build()); }

  // Types the two fields and clicks the start/stop button, all handled at once.
  void Start(const char* minutes, const char* seconds) {
    sim.Type("编辑框1", minutes);
    sim.Type("编辑框2", seconds);
    sim.Click("按钮1");
    sim.RunFor(0);
  }
  void Toggle() {
    sim.Click("按钮1");
    sim.RunFor(0);
  }
  // Lets the clock run up to that many milliseconds after the start.
  void RunUntil(int64_t time) { sim.RunFor(time - sim.Now()); }

  int32_t Period(const char* timer) { return ReadProperty(window, timer, IntegerProperty::Period); }
  std::string Caption() {
    return ReadProperty(window, "按钮1", TextProperty::Caption).value_or("");
  }
  std::string Fields() { return sim.FieldText("编辑框1") + ":" + sim.FieldText("编辑框2"); }

  sim::SimPlatform sim;
  Runtime runtime{sim};
  Window window{runtime, kMainWindowTemplate};
};

struct DelayCase {
  const char* minutes;
  const char* seconds;
  int32_t shutdownPeriod;
};

TEST_F(ScheduleTest, StartArmsTheDelayAndTheCountdown) {
  const DelayCase cases[] = {
      {"1", "30", 90000},
      {"", "90", 61000},  // seconds above 60 count as 61 here
      {"0", "60", 60000},
      {"-1", "30", 0},  // a negative delay leaves the shutdown timer stopped
      {"", "", 0},
      {"35791", "23", 2147483000},
      {"35791", "24", INT32_MAX},  // beyond the timer's range: the longest delay, not a wrap
      {"99999999", "", INT32_MAX},
      {"-99999999", "", 0},
      {"1a", "3x0", 90000},  // typed letters never reach the fields
      {"007", "60", 480000},
  };
  for (const DelayCase& c : cases) {
    sim::SimPlatform platform;
    Runtime caseRuntime(platform);
    Window caseWindow(caseRuntime, kMainWindowTemplate);
    ASSERT_TRUE(caseWindow.Build());
    platform.Type("编辑框1", c.minutes);
    platform.Type("编辑框2", c.seconds);
    platform.Click("按钮1");
    platform.RunFor(0);
    EXPECT_EQ(ReadProperty(caseWindow, "时钟1", IntegerProperty::Period), c.shutdownPeriod)
        << c.minutes << ":" << c.seconds;
    EXPECT_EQ(ReadProperty(caseWindow, "时钟2", IntegerProperty::Period), 1000);
    EXPECT_EQ(ReadProperty(caseWindow, "按钮1", TextProperty::Caption), "停止程序");
  }
}

TEST_F(ScheduleTest, NinetySecondsCountDownToTheShutdown) {
  Start("1", "30");
  RunUntil(1000);
  EXPECT_EQ(Fields(), "1:29");
  RunUntil(30000);
  EXPECT_EQ(Fields(), "1:0");
  RunUntil(31000);
  EXPECT_EQ(Fields(), "0:59");
  RunUntil(89999);
  EXPECT_TRUE(sim.Launches().empty());
  RunUntil(90000);
  EXPECT_EQ(Fields(), "0:0");
  ASSERT_EQ(sim.Launches().size(), 1u);
  EXPECT_EQ(sim.Launches()[0].commandLine, kShutdownCommand);
  EXPECT_EQ(sim.Launches()[0].time, 90000);
  EXPECT_FALSE(sim.Launches()[0].waitForExit);
  EXPECT_EQ(sim.Launches()[0].show, ShowState::Hidden);
  EXPECT_EQ(Period("时钟1"), 0);
  EXPECT_EQ(Period("时钟2"), 1000);
  RunUntil(91000);
  EXPECT_EQ(Period("时钟2"), 0);
  EXPECT_EQ(Fields(), "0:0");
  EXPECT_EQ(Caption(), "停止程序");  // neither the trigger nor the countdown's end changes it
  RunUntil(200000);
  EXPECT_EQ(sim.Launches().size(), 1u);
}

TEST_F(ScheduleTest, SecondsAboveSixtyReachZeroOneSecondBeforeTheShutdown) {
  Start("", "90");
  RunUntil(1000);
  EXPECT_EQ(Fields(), ":59");  // no borrow while the minutes are 0, so that field stays empty
  RunUntil(60000);
  EXPECT_EQ(Fields(), ":0");
  EXPECT_TRUE(sim.Launches().empty());
  EXPECT_EQ(Period("时钟2"), 1000);
  RunUntil(61000);
  EXPECT_EQ(sim.Launches().size(), 1u);
  EXPECT_EQ(Period("时钟2"), 0);  // the 61st event ended the countdown
}

TEST_F(ScheduleTest, AFullMinuteIsBorrowedAtTheFirstTick) {
  Start("2", "0");
  RunUntil(1000);
  EXPECT_EQ(Fields(), "1:59");
}

TEST_F(ScheduleTest, NegativeFieldsCountOnWithoutEnd) {
  Start("", "-5");
  RunUntil(2000);
  EXPECT_EQ(Fields(), ":-7");
  RunUntil(100000);
  EXPECT_EQ(Period("时钟2"), 1000);

  Toggle();
  Start("-1", "2");
  EXPECT_EQ(Period("时钟1"), 0);
  RunUntil(sim.Now() + 4000);
  EXPECT_EQ(Fields(), "-1:-2");  // negative minutes lend nothing
  EXPECT_EQ(Period("时钟2"), 1000);
  EXPECT_TRUE(sim.Launches().empty());
}

TEST_F(ScheduleTest, TheBoxLeftForTheButtonIsNormalizedBeforeTheHandlerReadsIt) {
  sim.Type("编辑框2", "0");
  sim.Type("编辑框1", "007");
  sim.Click("按钮1");
  sim.RunFor(0);
  EXPECT_EQ(Fields(), "7:");  // the seconds box emptied as the minutes box took the focus
  RunUntil(1000);
  EXPECT_EQ(Fields(), "6:59");
}

TEST_F(ScheduleTest, TheSecondsBoxTakesTwoCharactersFromTheUser) {
  Start("", "123");
  EXPECT_EQ(sim.FieldText("编辑框2"), "12");
  EXPECT_EQ(Period("时钟1"), 12000);
}

TEST_F(ScheduleTest, PastedTextIsReadByTheNextTickAndRewrittenPlainly) {
  Start("2", "");
  RunUntil(1000);              // 1:59
  sim.Paste("编辑框2", "９");  // a full-width 9 in the box that has the focus
  RunUntil(2000);
  EXPECT_EQ(Fields(), "1:8");

  Toggle();
  Start("", "1");
  RunUntil(sim.Now() + 1000);  // :0
  sim.Paste("编辑框1", "5分");
  RunUntil(sim.Now() + 1000);
  EXPECT_EQ(Fields(), "4:59");  // the borrow writes the plain number
}

TEST_F(ScheduleTest, EmptyFieldsEndTheCountdownAtItsFirstEvent) {
  Start("", "");
  RunUntil(1000);
  EXPECT_EQ(Fields(), ":");
  EXPECT_EQ(Period("时钟2"), 0);
  EXPECT_EQ(Caption(), "停止程序");
}

TEST_F(ScheduleTest, StopKeepsTheFieldsAndPreventsTheLaunch) {
  Start("0", "10");
  RunUntil(4000);
  Toggle();
  EXPECT_EQ(Period("时钟1"), 0);
  EXPECT_EQ(Period("时钟2"), 0);
  EXPECT_EQ(Caption(), "启动程序");
  EXPECT_EQ(Fields(), ":6");  // the typed 0 left its box empty
  RunUntil(60000);
  EXPECT_TRUE(sim.Launches().empty());
  EXPECT_EQ(Fields(), ":6");
}

// Within the first second the fields still hold what was typed, so the second start writes
// the same periods: only the stop's zeros make both timers start afresh.
TEST_F(ScheduleTest, ASecondStartArmsAfreshWithTheFullDelay) {
  Start("", "5");
  RunUntil(600);
  Toggle();
  Toggle();
  EXPECT_EQ(Period("时钟1"), 5000);
  RunUntil(1000);
  EXPECT_EQ(Fields(), ":5");  // the countdown was restarted too
  RunUntil(1600);
  EXPECT_EQ(Fields(), ":4");
  RunUntil(5599);
  EXPECT_TRUE(sim.Launches().empty());
  RunUntil(5600);
  ASSERT_EQ(sim.Launches().size(), 1u);
  EXPECT_EQ(sim.Launches()[0].time, 600 + 5000);
}

TEST_F(ScheduleTest, TheShutdownIsRequestedOnceEvenWhenTheLaunchOutlastsTheDelay) {
  sim.SetLaunchWait(5000);  // never ready for input: the launcher gives up after 1 000 ms
  Start("", "1");
  RunUntil(10000);
  ASSERT_EQ(sim.Launches().size(), 1u);
  EXPECT_EQ(sim.Launches()[0].time, 1000);
  EXPECT_EQ(Period("时钟1"), 0);
}

TEST_F(ScheduleTest, AFailedLaunchStillStopsTheShutdownTimer) {
  sim.SetLaunchFails(true);
  Start("", "1");
  RunUntil(5000);
  EXPECT_EQ(sim.Launches().size(), 1u);
  EXPECT_EQ(Period("时钟1"), 0);
  EXPECT_EQ(Caption(), "停止程序");
  EXPECT_TRUE(sim.ErrorBoxes().empty());
}

TEST_F(ScheduleTest, WithoutTheSystemFolderNothingIsStarted) {
  sim.SetSystemDirectory("");
  Start("", "1");
  RunUntil(5000);
  EXPECT_TRUE(sim.Launches().empty());  // never "\\shutdown.exe" at the root of the drive
  EXPECT_EQ(Period("时钟1"), 0);
  EXPECT_EQ(Caption(), "停止程序");
  EXPECT_TRUE(sim.ErrorBoxes().empty());
}

TEST_F(ScheduleTest, EachWebLinkClickStartsTheBrowserAndLeavesTheScheduleAlone) {
  sim.SetLaunchWait(1000);
  Start("", "30");
  sim.ClickAt(2500, "图形按钮1");
  sim.ClickAt(2600, "图形按钮1");
  RunUntil(10000);
  ASSERT_EQ(sim.Launches().size(), 2u);
  for (const sim::Launch& launch : sim.Launches()) {
    EXPECT_EQ(launch.commandLine,
              "\"C:\\Program Files\\Internet Explorer\\iexplore.exe\" http://www.kestrune.net/");
    EXPECT_FALSE(launch.waitForExit);
    EXPECT_EQ(launch.show, ShowState::Normal);
  }
  EXPECT_EQ(Period("时钟1"), 30000);
  EXPECT_EQ(Period("时钟2"), 1000);
  EXPECT_EQ(Fields(), ":21");  // the ticks due at 3 s and 4 s came as one, late
}

}  // namespace
}  // namespace kestrune
