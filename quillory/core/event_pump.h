#pragma once

namespace ql {

// The clock and the delivery of window events during long activities. The program has one thread:
// drills, tests and recording runs are loops inside click handlers, and their waits let other clicks
// run through this interface.
class EventPump {
public:
    virtual ~EventPump() = default;
    // Monotonic seconds.
    virtual double now() = 0;
    // Delivers pending events; when there are none, sleeps until the next event or until the clock
    // reaches `deadline`, whichever comes first. Never spins.
    virtual void wait_for_events(double deadline) = 0;
    // Delivers what is pending without waiting.
    virtual void process_events() = 0;
    // Lets the clock reach `deadline` without delivering any event: a sound still being heard to its
    // end while a skip is pending. Sleeps; never spins.
    virtual void sleep_until(double deadline) = 0;
};

// The program's pump over the Qt event loop (needs a QCoreApplication).
EventPump& qt_event_pump();

}  // namespace ql
