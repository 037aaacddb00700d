// CPU used while a session waits (drill pauses, end-of-sound polling), against a wait that spins,
// delivering events on every turn, as a busy loop does, measured in the same run.
//
//   bench_wait_cpu [seconds]     (default 5)
//
// Target: the real wait under 2% of one core.
#include "bench_stats.h"
#include "core/clock.h"
#include "support/run_pieces.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sys/resource.h>

using ql::testing::RunPieces;

namespace {

double cpu_seconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

struct Measure {
    double wall = 0;
    double cpu = 0;
    double share() const { return wall > 0 ? cpu / wall : 0; }
};

Measure measure(const std::function<void()>& body) {
    QElapsedTimer wall;
    const double cpu0 = cpu_seconds();
    wall.start();
    body();
    return Measure{double(wall.nsecsElapsed()) / 1e9, cpu_seconds() - cpu0};
}

void report(const char* name, const Measure& m) {
    std::printf("%-44s wall %6.3f s  cpu %7.4f s  = %6.2f%% of a core\n", name, m.wall, m.cpu, 100.0 * m.share());
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 5.0;
    ql::testing::RunPieces m;
    m.clock = &ql::qt_clock();

    // Something for the event loop to deliver, as a window's repaints and timers would be.
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(100);

    const Measure spin = measure([&] { spin_delivering_events(seconds); });
    // A session's wait, run by the event loop as the program's main loop runs it.
    const Measure wait = measure([&] { QCoro::waitFor(ql::wait_seconds(m, float(seconds))); });
    // The end-of-sound poll of a long pause: back-to-back waits of 0.01 s in one session.
    const Measure poll = measure([&] {
        QCoro::waitFor([](ql::testing::RunPieces& m, int steps) -> QCoro::Task<> {
            for (int i = 0; i < steps; ++i) co_await ql::wait_seconds(m, 0.01f);
        }(m, int(seconds / 0.01)));
    });

    report("reference: spinning, delivering events", spin);
    report("wait_seconds(t) on the Qt clock", wait);
    report("wait_seconds(0.01) repeated (sound polling)", poll);
    const double ref = spin.share() > 0 ? spin.share() : 1e-9;
    std::printf("ratio wait/spin: %.4f   ratio poll/spin: %.4f   (timer ticks delivered: %d)\n",
                wait.share() / ref, poll.share() / ref, ticks);
    std::printf("target: wait under 2%% of a core: %s\n", wait.share() < 0.02 ? "met" : "NOT met");
    return 0;
}
