// The installer has no console, so the default terminate handler's message would reach nobody;
// replacing it keeps the demangler it needs (some 50 KB) out of the program.
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
} // namespace __gnu_cxx
