// The picture button's link to the maker's web site. The browser's path is quoted: unquoted,
// the system would try "C:\Program.exe" and "C:\Program Files\Internet.exe" first.
#include "runtime/launcher.h"
#include "schedule/handlers.h"

namespace kestrune {

void OpenWebLink(Window& window) {
  RunProgram(window.GetPlatform(),
             "\"C:\\Program Files\\Internet Explorer\\iexplore.exe\" http://www.kestrune.net/",
             false);
}

}  // namespace kestrune
