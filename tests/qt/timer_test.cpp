// Timers on the Qt platform keep the window system's rules: one expiry waiting at most, taken
// when nothing else waits; a stopped timer's waiting expiry is gone. And texts cross to Qt as
// GBK both ways.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QThread>

#include "runtime/qt/boot_timer.h"
#include "runtime/qt/gbk_qt.h"
#include "runtime/qt/qt_platform.h"
#include "tests/qt/main_window_fixture.h"

namespace kestrune::qt {
namespace {

class Ticks final : public EventSink {
 public:
  void OnClicked(int) override {}
  void OnTimer(int control) override { ticks.push_back(control); }
  void OnEditChanged(int) override {}
  std::vector<int> ticks;
};

constexpr FontSpec kFont{nullptr, 0, 0};
const ControlTemplate kTimers[] = {
    {"t1", UnitType::Timer, {0, 0, 0, 0}, nullptr, kFont, kBlack, kBlack, false, false, 0, 0},
    {"t2", UnitType::Timer, {0, 0, 0, 0}, nullptr, kFont, kBlack, kBlack, false, false, 0, 0},
};
const WindowTemplate kTimerWindow{"timers", 200, 100, kTimers, {}};

class QtTimerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(platform.CreateMainWindow(kTimerWindow, sink));
    platform.ShowMainWindow();
  }
  QtPlatform platform;
  Ticks sink;
};

// Five periods pass; a loaded machine may merge some of them, never add one.
TEST_F(QtTimerTest, ExpiriesComeOnTheirPeriod) {
  platform.StartTimer(0, 100);
  RunFor(550);
  EXPECT_GE(sink.ticks.size(), 3u);
  EXPECT_LE(sink.ticks.size(), 5u);
  const std::size_t beforeStop = sink.ticks.size();
  platform.StopTimer(0);
  RunFor(250);
  EXPECT_EQ(sink.ticks.size(), beforeStop);
}

TEST_F(QtTimerTest, ExpiriesDuringABusySpellComeOnceAfterIt) {
  platform.StartTimer(0, 300);
  QThread::msleep(1000);  // three periods pass while the program is busy
  RunFor(50);             // the next expiry is 200 ms away
  EXPECT_EQ(sink.ticks, std::vector<int>{0});
}

TEST_F(QtTimerTest, AStoppedTimersWaitingExpiryIsGone) {
  platform.StartTimer(1, 50);
  QThread::msleep(120);
  platform.StopTimer(1);
  RunFor(200);
  EXPECT_TRUE(sink.ticks.empty());
}

TEST_F(QtTimerTest, NothingComesOnceTheWindowHasClosed) {
  platform.StartTimer(0, 50);
  QThread::msleep(120);  // an expiry waits
  platform.MainWindow()->close();
  RunFor(200);
  EXPECT_TRUE(sink.ticks.empty());
}

// The timers whose clock is CLOCK_BOOTTIME (7), as the kernel describes the process's timerfds.
int BootTimeTimers() {
  int count = 0;
  for (const QFileInfo& entry : QDir("/proc/self/fdinfo").entryInfoList(QDir::Files)) {
    QFile info(entry.filePath());
    if (info.open(QIODevice::ReadOnly) && info.readAll().contains("clockid: 7\n")) ++count;
  }
  return count;
}

// The delay must be real time: on a clock that stops while the computer sleeps, every sleep
// would move the shutdown later.
TEST(QtBootTimer, CountsTheTimeTheComputerSleeps) {
  const int before = BootTimeTimers();
  BootTimer timer;
  EXPECT_EQ(BootTimeTimers(), before + 1);
  timer.Start(100);
  RunFor(150);
  EXPECT_TRUE(timer.TakeExpiry());
  EXPECT_FALSE(timer.TakeExpiry());
}

TEST(QtTexts, GbkCrossesBothWays) {
  EXPECT_EQ(FromGbk("\xC6\xF4\xB6\xAF\xB3\xCC\xD0\xF2"), QString::fromUtf8("启动程序"));
  EXPECT_EQ(ToGbk(QString::fromUtf8("停止程序")), "\xCD\xA3\xD6\xB9\xB3\xCC\xD0\xF2");
  EXPECT_EQ(ToGbk(QString::fromUtf8("a😀b")), "a?b");  // not in GBK
  EXPECT_EQ(FromGbk("7\xA3"), "7?");                  // a lead byte without its trail
  EXPECT_EQ(FromGbk(""), "");
}

}  // namespace
}  // namespace kestrune::qt
