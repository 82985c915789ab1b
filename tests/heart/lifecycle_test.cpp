// The program's life on the simulated window system: from building the main window to the end.
#include <gtest/gtest.h>

#include "app/application.h"
#include "app/main_window_template.h"
#include "runtime/sim/sim_platform.h"

namespace kestrune {
namespace {

TEST(Lifecycle, ClosingWhileArmedEndsWithZeroAndNoShutdown) {
  sim::SimPlatform sim;
  sim.TypeAt(100, "编辑框2", "3");
  sim.ClickAt(200, "按钮1");
  sim.CloseAt(2000);
  EXPECT_EQ(RunApplication(sim, kMainWindowTemplate), 0);
  EXPECT_EQ(sim.Now(), 2000);
  EXPECT_EQ(sim.FieldText("编辑框2"), "2");  // the countdown had run
  EXPECT_TRUE(sim.Launches().empty());
  EXPECT_TRUE(sim.ErrorBoxes().empty());
}

TEST(Lifecycle, ARefusedWindowEndsWithTheFatalReport) {
  sim::SimPlatform sim;
  sim.RefuseWindow();
  EXPECT_THROW(RunApplication(sim, kMainWindowTemplate), sim::ProcessEnded);
  EXPECT_EQ(sim.ExitCode(), -1);
  ASSERT_EQ(sim.ErrorBoxes().size(), 1u);
  EXPECT_EQ(sim.ErrorBoxes()[0].text, "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
}

}  // namespace
}  // namespace kestrune
