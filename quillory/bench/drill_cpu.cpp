// Processor time of a drill while it waits between plays, with the Qt clock and the real
// audio engine on SDL's dummy driver (target: under 2% of a core). Reference, measured in the same
// run over the same span: a wait that keeps asking for events without sleeping, as a busy
// loop waits.
#include "audio/sdl_audio_engine.h"
#include "drill_bench_support.h"
#include "bench_stats.h"
#include "core/drill.h"
#include "core/clock.h"
#include "core/prompter.h"
#include "support/run_pieces.h"
#include "core/wav_header.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <memory>

using ql::testing::RunPieces;

namespace {

double cpu_seconds() { return double(std::clock()) / CLOCKS_PER_SEC; }

}  // namespace

int main(int argc, char** argv) {
    qputenv("SDL_AUDIODRIVER", "dummy");
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    ql::testing::RunPieces m;
    bench::PrintingPrompter prompter;
    ql::SdlAudioEngine audio;
    if (!audio.open()) {
        std::fprintf(stderr, "audio engine did not start\n");
        return 1;
    }
    m.audio = &audio;
    m.prompter = &prompter;
    m.clock = &ql::qt_clock();
    // 0.6 s recordings.
    bench::lay_drill_list(m, dir.path(), 20, [](int) { return int(0.6 * 22050); });
    m.repeat_count = 4;

    const double span = argc > 1 ? std::atof(argv[1]) : 8.0;
    std::printf("CPU while drilling for %.0f s of wall time (target: under 2%% of a core)\n", span);
    std::printf("%-44s %10s\n", "what", "CPU/core");
    double drill_share[2] = {0, 0};
    const float pauses[2] = {0.8f, 2.0f};  // below 1.5 s the sound is not polled; from 1.5 s it is
    for (int p = 0; p < 2; ++p) {
        bench::SilentView view;
        auto drill = std::make_shared<ql::Drill>(m, m, m, m, ql::DrillKind::Large, &view);
        m.pause_seconds = pauses[p];
        QTimer::singleShot(int(span * 1000), &app, [&] { drill->pause(); });
        QElapsedTimer wall;
        wall.start();
        const double c0 = cpu_seconds();
        QCoro::waitFor(drill->playwords());
        drill_share[p] = (cpu_seconds() - c0) / (double(wall.nsecsElapsed()) / 1e9);
        std::printf("drill, pause %.1f s%-27s %9.2f%%\n", pauses[p], pauses[p] >= 1.5f ? " (polls the sound)" : "",
                    100 * drill_share[p]);
    }

    // The reference: the same span waited by spinning, delivering events on every turn.
    QElapsedTimer wall;
    wall.start();
    const double c0 = cpu_seconds();
    spin_delivering_events(std::min(span, 3.0));
    const double spin_share = (cpu_seconds() - c0) / (double(wall.nsecsElapsed()) / 1e9);
    std::printf("%-44s %9.2f%%\n", "reference: a wait that spins, delivering events", 100 * spin_share);
    for (int p = 0; p < 2; ++p)
        std::printf("ratio drill (pause %.1f s) / spinning wait: %.4f\n", pauses[p], drill_share[p] / spin_share);
    audio.close();
    return 0;
}
