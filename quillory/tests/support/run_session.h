#pragma once
#include "core/clock.h"
#include "support/fake_clock.h"

#ifndef Q_MOC_RUN  // moc cannot parse the coroutine headers
#include <qcoro/qcorotask.h>
#endif

namespace ql::testing {

// Runs a session coroutine to its end: on a fake clock by driving that clock, on the program's
// clock by running the event loop until it has finished.
template <typename T>
T run_session(Clock* clock, QCoro::Task<T>&& task) {
    if (auto* fake = dynamic_cast<FakeClock*>(clock)) return fake->run(std::move(task));
    return QCoro::waitFor(std::move(task));
}

}  // namespace ql::testing
