#include "wipe.h"

#include <string.h>

namespace korvex {

void secure_wipe(void* p, size_t n) {
    if (p == nullptr || n == 0) return;
    explicit_bzero(p, n);
#ifdef KORVEX_TEST_HOOKS
    testing::notify(testing::kWipe, reinterpret_cast<uintptr_t>(p), n);
#endif
}

#ifdef KORVEX_TEST_HOOKS
namespace testing {
namespace {
Observer g_observer = nullptr;
}
void set_observer(Observer observer) { g_observer = observer; }
void notify(Event event, uintptr_t address, size_t n) {
    if (g_observer != nullptr) g_observer(event, address, n);
}
}  // namespace testing
#endif

}  // namespace korvex
