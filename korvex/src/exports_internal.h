// Library-internal view of the exports' private state, for the test build.
#pragma once

#include "blowfish.h"

namespace korvex::internal {
BlowfishState* streaming_context();
}  // namespace korvex::internal
