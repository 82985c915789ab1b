// The fatal runtime error report.
#include "runtime/runtime.h"

#include <cstdlib>
#include <string>

namespace kestrune {

void Runtime::Fatal(std::string_view message) {
  SuppressEvents();  // the error box runs a message loop of its own; nothing may reach a handler
  std::string text = "运行时出错!\r\n\r\n错误信息：";
  text.append(message);
  text.append("\r\n");
  platform_.ShowErrorBox("错误", text);
  platform_.EndProcess(-1);
  std::abort();  // EndProcess does not return; the compiler cannot see that through the call
}

}  // namespace kestrune
