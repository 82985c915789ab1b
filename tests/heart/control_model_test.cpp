// The control model on the simulated window system: properties, timers, event delivery,
// suppression and the fatal report, with memory running out for real.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/convert.h"
#include "runtime/launcher.h"
#include "runtime/properties.h"
#include "runtime/sim/sim_platform.h"
#include "runtime/window.h"
#include "tests/heart/allocation_limit.h"

namespace kestrune {
namespace {

// What the bound handlers saw, in order, with the virtual time of each call.
struct Record {
  std::string event;
  int64_t time;
};

class ControlModelTest;
ControlModelTest* running = nullptr;  // the test whose window the handlers belong to

constexpr FontSpec kFont{nullptr, 0, 0};
// clang-format off
constexpr ControlTemplate kControls[] = {
    {"按钮1", UnitType::Button, {0, 0, 80, 30}, "启动程序", kFont, kBlack, kButtonFace, true,
     true, 0, 0},
    {"编辑框1", UnitType::EditBox, {0, 40, 80, 30}, "", kFont, kBlack, kWhite, true, true, 0, 0},
    {"时钟1", UnitType::Timer, {0, 0, 0, 0}, nullptr, kFont, kBlack, kBlack, false, false, 0, 0},
    {"时钟2", UnitType::Timer, {0, 0, 0, 0}, nullptr, kFont, kBlack, kBlack, false, false, 0, 0},
};
// clang-format on

void OnClicked(Window& window);
void OnTimer1(Window& window);
void OnTimer2(Window& window);
void OnChanged(Window& window);
void OnCreated(Window& window);

constexpr Binding kBindings[] = {
    {"按钮1", Event::Clicked, OnClicked},      {"时钟1", Event::PeriodicEvent, OnTimer1},
    {"时钟2", Event::PeriodicEvent, OnTimer2}, {"编辑框1", Event::Changed, OnChanged},
    {nullptr, Event::Created, OnCreated},
};
constexpr WindowTemplate kTestWindow{"test", 200, 100, kControls, kBindings};

class ControlModelTest : public ::testing::Test {
 public:
  void SetUp() override {
    running = this;
    ASSERT_TRUE(window.Build());
  }
  void TearDown() override { running = nullptr; }

  void Note(const std::string& event) { records.push_back({event, sim.Now()}); }
  int32_t Period(const char* timer) { return ReadProperty(window, timer, IntegerProperty::Period); }
  void SetPeriod(const char* timer, int32_t ms) {
    WriteProperty(window, timer, IntegerProperty::Period, ms);
  }
  std::vector<int64_t> TimesOf(const std::string& event) const {
    std::vector<int64_t> times;
    for (const Record& r : records) {
      if (r.event == event) times.push_back(r.time);
    }
    return times;
  }

  sim::SimPlatform sim;
  Runtime runtime{sim};
  Window window{runtime, kTestWindow};
  std::vector<Record> records;
  std::function<void(Window&)> clickAction;  // what the button's handler does besides noting
};

void OnClicked(Window& window) {
  running->Note("click");
  if (running->clickAction) running->clickAction(window);
}
void OnTimer1(Window&) { running->Note("tick1"); }
void OnTimer2(Window&) { running->Note("tick2"); }
void OnChanged(Window&) { running->Note("changed"); }
void OnCreated(Window&) { running->Note(running->sim.Shown() ? "created shown" : "created"); }

TEST_F(ControlModelTest, CreatedIsRaisedOnceBeforeTheWindowShows) {
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].event, "created");
  EXPECT_TRUE(sim.Shown());
}

TEST_F(ControlModelTest, PeriodWritesFollowTheTimerStateTable) {
  struct Step {
    int32_t written;
    int32_t stored;
    bool timerSet;
  };
  const Step steps[] = {
      {0, 0, false},    {-5, 0, false}, {1000, 1000, true}, {1000, 1000, true},
      {500, 500, true}, {-5, 0, false}, {7, 7, true},       {0, 0, false},
  };
  for (const Step& step : steps) {
    SetPeriod("时钟1", step.written);
    EXPECT_EQ(Period("时钟1"), step.stored) << "after writing " << step.written;
    EXPECT_EQ(sim.TimerSet("时钟1"), step.timerSet) << "after writing " << step.written;
  }
}

TEST_F(ControlModelTest, AnEqualPeriodKeepsThePhaseAndANewOneRestarts) {
  SetPeriod("时钟1", 1000);
  sim.RunFor(300);
  SetPeriod("时钟1", 1000);  // same value: no restart
  sim.RunFor(1000);
  SetPeriod("时钟1", 500);  // new value at 1300: restart
  sim.RunFor(1000);
  EXPECT_EQ(TimesOf("tick1"), (std::vector<int64_t>{1000, 1800, 2300}));
}

TEST_F(ControlModelTest, ABlockingHandlerIsFollowedByOneExpiryNotSeveral) {
  SetPeriod("时钟1", 1000);
  clickAction = [this](Window&) { sim.Spend(3500); };
  sim.ClickAt(200, "按钮1");
  sim.RunFor(4200);
  EXPECT_EQ(TimesOf("tick1"), (std::vector<int64_t>{3700, 4000}));
}

TEST_F(ControlModelTest, InputGoesBeforeAPendingExpiryAndAStopRemovesIt) {
  SetPeriod("时钟1", 1000);
  clickAction = [this](Window&) { SetPeriod("时钟1", 0); };
  sim.Spend(1500);  // the expiry is pending when the click arrives
  sim.Click("按钮1");
  sim.RunFor(3000);
  EXPECT_EQ(TimesOf("click"), (std::vector<int64_t>{1500}));
  EXPECT_TRUE(TimesOf("tick1").empty());
}

TEST_F(ControlModelTest, AClickDuringAHandlerIsDeliveredAfterIt) {
  SetPeriod("时钟2", 1000);
  int clicks = 0;
  clickAction = [&](Window&) {
    if (++clicks == 1) sim.Spend(2000);
  };
  sim.ClickAt(100, "按钮1");
  sim.ClickAt(600, "按钮1");  // arrives while the first click's handler blocks
  sim.RunFor(2500);
  EXPECT_EQ(TimesOf("click"), (std::vector<int64_t>{100, 2100}));
  EXPECT_EQ(TimesOf("tick2"), (std::vector<int64_t>{2100}));  // after the input, once
}

TEST_F(ControlModelTest, ContentIsReadFromTheFieldAndEmptyComesBackAbsent) {
  EXPECT_EQ(ReadProperty(window, "编辑框1", TextProperty::Content), std::nullopt);
  sim.Type("编辑框1", "12");
  sim.RunFor(0);
  EXPECT_EQ(ReadProperty(window, "编辑框1", TextProperty::Content), "12");
  EXPECT_EQ(TimesOf("changed").size(), 1u);  // the typed change
}

TEST_F(ControlModelTest, AContentWriteShowsAtOnceAndRaisesChangedOnce) {
  WriteProperty(window, "编辑框1", TextProperty::Content, "59");
  EXPECT_EQ(sim.FieldText("编辑框1"), "59");
  EXPECT_EQ(TimesOf("changed").size(), 1u);
  WriteProperty(window, "编辑框1", TextProperty::Content, std::nullopt);
  EXPECT_EQ(sim.FieldText("编辑框1"), "");
  EXPECT_EQ(TimesOf("changed").size(), 2u);
}

TEST_F(ControlModelTest, ACaptionWriteShowsAtOnceAndReadsBack) {
  WriteProperty(window, "按钮1", TextProperty::Caption, "停止程序");
  EXPECT_EQ(sim.FieldText("按钮1"), "停止程序");
  EXPECT_EQ(ReadProperty(window, "按钮1", TextProperty::Caption), "停止程序");
  EXPECT_EQ(records.size(), 1u);  // no event besides Created
}

TEST_F(ControlModelTest, SuppressedEventsAreDroppedNotReplayed) {
  SetPeriod("时钟1", 1000);
  runtime.SuppressEvents();
  sim.Click("按钮1");
  sim.RunFor(1000);
  runtime.ResumeEvents();
  sim.RunFor(500);
  EXPECT_TRUE(TimesOf("click").empty());
  EXPECT_TRUE(TimesOf("tick1").empty());
  sim.RunFor(500);
  EXPECT_EQ(TimesOf("tick1"), (std::vector<int64_t>{2000}));
}

constexpr std::size_t kLarge = std::size_t{1} << 20;

struct FatalCase {
  const char* what;
  std::function<void(Window&)> action;
  const char* message;
};

TEST_F(ControlModelTest, FatalErrorsShowTheReportAndEndWithMinusOne) {
  const FatalCase cases[] = {
      {"unknown control", [](Window& w) { ReadProperty(w, "按钮9", TextProperty::Caption); },
       "找不到控件 按钮9"},
      {"wrong unit type", [](Window& w) { ReadProperty(w, "时钟1", TextProperty::Content); },
       "找不到控件 时钟1"},
      {"no memory for a text copy",
       [](Window& w) {
         const Text large = std::string(kLarge, '5');
         testing::AllocationLimit limit(kLarge);
         WriteProperty(w, "编辑框1", TextProperty::Content, large);
       },
       "分配 1048577 字节内存失败!"},
      {"no memory for the platform's copy of a field",
       [](Window& w) {
         WriteProperty(w, "编辑框1", TextProperty::Content, std::string(kLarge, '5'));
         testing::AllocationLimit limit(kLarge);
         ReadProperty(w, "编辑框1", TextProperty::Content);
       },
       "分配内存失败!"},
      {"no memory for a conversion",
       [](Window&) {
         const Text large = std::string(kLarge, '5');
         testing::AllocationLimit limit(kLarge);
         ToInteger(large);
       },
       "分配内存失败!"},
      {"no memory for a command line",
       [](Window& w) {
         const std::string command(kLarge, 'x');
         testing::AllocationLimit limit(kLarge);
         RunProgram(w.GetPlatform(), command, false);
       },
       "分配内存失败!"},
  };
  for (const FatalCase& c : cases) {
    sim::SimPlatform platform;
    Runtime fatalRuntime(platform);
    Window fatalWindow(fatalRuntime, kTestWindow);
    ASSERT_TRUE(fatalWindow.Build());
    clickAction = [&](Window& w) {
      WriteProperty(w, "时钟2", IntegerProperty::Period, 10);
      platform.Spend(50);  // an expiry waits while the report shows
      c.action(w);
    };
    records.clear();
    platform.Click("按钮1");
    EXPECT_THROW(platform.RunFor(100), sim::ProcessEnded) << c.what;
    EXPECT_EQ(platform.ExitCode(), -1) << c.what;
    ASSERT_EQ(platform.ErrorBoxes().size(), 1u) << c.what;
    EXPECT_EQ(platform.ErrorBoxes()[0].caption, "错误");
    EXPECT_EQ(platform.ErrorBoxes()[0].text,
              std::string("运行时出错!\r\n\r\n错误信息：") + c.message + "\r\n");
    EXPECT_TRUE(TimesOf("tick2").empty()) << c.what;  // nothing reached a handler meanwhile
  }
}

}  // namespace
}  // namespace kestrune
