// The picture button's link to the maker's web site.
#include "schedule/handlers.h"

namespace kestrune {

void OpenWebLink(Window& window) { window.GetPlatform().OpenWebPage("http://www.kestrune.net/"); }

}  // namespace kestrune
