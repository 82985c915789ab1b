// The program's own terminate handler. libstdc++'s default one prints the type of the exception
// that escaped, demangled, to a console that a window program does not have; its demangler
// alone is about 46 KB of the executable. Defining the handler here keeps it out of the link.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
