// Zero-filling of key material and working copies, in a form the optimiser
// may not drop because the memory is about to be released.
#pragma once

#include <cstddef>
#include <cstdint>

namespace korvex {

void secure_wipe(void* p, size_t n);

#ifdef KORVEX_TEST_HOOKS
namespace testing {
// Test builds report every sensitive region when it is made (kTrack) and
// every wipe (kWipe) so a test can prove that nothing is left unwiped.
enum Event { kTrack, kWipe };
using Observer = void (*)(Event event, uintptr_t address, size_t n);
void set_observer(Observer observer);
void notify(Event event, uintptr_t address, size_t n);
}  // namespace testing
#define KX_TRACK(p, n) \
    ::korvex::testing::notify(::korvex::testing::kTrack, reinterpret_cast<uintptr_t>(p), (n))
#else
#define KX_TRACK(p, n) ((void)0)
#endif

}  // namespace korvex
