// Windows' shutdown tool and browser, named by their full paths so that a program of the same
// name in the current directory (the program's own) is never run in their place. The browser's
// path is quoted: unquoted, the system would try "C:\Program.exe" and
// "C:\Program Files\Internet.exe" first.
#include "runtime/windows_requests.h"

#include <string>

#include "runtime/launcher.h"

namespace kestrune {

void StartShutdownTool(Platform& platform, std::string_view systemDirectory) {
  if (systemDirectory.empty()) return;
  std::string command = "\"";
  command.append(systemDirectory).append("\\shutdown.exe\" -s -t 1");
  constexpr int kHidden = 1;
  RunProgram(platform, command, false, kHidden);
}

void StartInternetExplorer(Platform& platform, std::string_view address) {
  std::string command = "\"C:\\Program Files\\Internet Explorer\\iexplore.exe\" ";
  command.append(address);
  RunProgram(platform, command, false);
}

}  // namespace kestrune
