// A quiet terminate handler. libstdc++'s default one prints the demangled type of an
// uncaught exception to stderr, which a GUI program does not have; defining it here keeps
// the demangler (about 45 KB) out of the program file.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler();
void __verbose_terminate_handler() {
  std::abort();
}

}  // namespace __gnu_cxx
