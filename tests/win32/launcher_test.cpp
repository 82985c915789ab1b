// The launcher against a probe program that records how it was started.
#include "runtime/launcher.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "runtime/win32/gbk.h"
#include "runtime/win32/win32_platform.h"

namespace kestrune::win32 {
namespace {

// The folder of this test program, where the build puts the probe too.
std::string TestFolder() {
  wchar_t path[MAX_PATH];
  std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
  return GbkFromWide(self.substr(0, self.rfind(L'\\')));
}

class LauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    log = TestFolder() + "\\probe-launcher.log";
    SetEnvironmentVariableW(L"PROBE_LOG", WideFromGbk(log).c_str());
    DeleteFileW(WideFromGbk(log).c_str());
  }
  std::string Probe() const { return "\"" + TestFolder() + "\\probe.exe\""; }
  std::string Log() const {
    std::ifstream in(log, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  Win32Platform platform{GetModuleHandleW(nullptr)};
  std::string log;
};

TEST_F(LauncherTest, TheShowModeReachesTheProgramClampedToItsRange) {
  const std::pair<int, const char*> cases[] = {
      {1, "show=0 "}, {2, "show=1 "}, {3, "show=2 "}, {4, "show=3 "},
      {5, "show=4 "}, {6, "show=6 "}, {0, "show=0 "}, {9, "show=6 "},
  };
  for (const auto& [mode, expected] : cases) {
    SetUp();
    ASSERT_TRUE(RunProgram(platform, Probe() + " -s -t 1", true, mode)) << mode;
    const std::string line = Log();
    EXPECT_NE(line.find(expected), std::string::npos) << mode << ": " << line;
    EXPECT_NE(line.find("flags=1 "), std::string::npos) << line;  // STARTF_USESHOWWINDOW only
    EXPECT_NE(line.find("probe.exe\" -s -t 1"), std::string::npos) << line;
  }
}

TEST_F(LauncherTest, TheDefaultShowModeIsNormalAndActivated) {
  ASSERT_TRUE(RunProgram(platform, Probe(), true));
  EXPECT_NE(Log().find("show=1 "), std::string::npos) << Log();
}

TEST_F(LauncherTest, AMissingProgramGivesFalseAndNothingElse) {
  EXPECT_FALSE(RunProgram(platform, "C:\\no\\such\\program.exe -s", false, 1));
  EXPECT_FALSE(RunProgram(platform, "", false));
}

TEST_F(LauncherTest, WithoutWaitingItReturnsAtMostAboutASecondAfterTheStart) {
  const DWORD start = GetTickCount();
  ASSERT_TRUE(RunProgram(platform, Probe() + " --hang", false, 1));
  // The program itself stays for 5 s; the wait gives up after 1 000 ms, with slack for a
  // busy machine.
  EXPECT_LT(GetTickCount() - start, 2500u);
}

}  // namespace
}  // namespace kestrune::win32
