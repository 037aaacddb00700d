// Resident memory of a long drill with the real audio engine on SDL's dummy driver: after 10,000
// plays against after 100 (target: grows by under 2 MB). The drill's clock runs a thousand times
// faster than the wall clock so that ten thousand plays take seconds; every play still loads,
// plays and releases a real sample.
#include "audio/sdl_audio_engine.h"
#include "drill_bench_support.h"
#include "core/drill.h"
#include "core/clock.h"
#include "core/prompter.h"
#include "support/run_pieces.h"
#include "core/wav_header.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

using ql::testing::RunPieces;

namespace {

// The program's clock sped up: its timers fire `speed` times sooner.
class FastClock : public ql::Clock {
public:
    explicit FastClock(ql::Clock& real, double speed) : real_(real), speed_(speed) {}
    double now() override { return real_.now() * speed_; }
    std::unique_ptr<Timer> start_timer(double seconds, std::function<void()> fire) override {
        return real_.start_timer(seconds / speed_, std::move(fire));
    }

private:
    ql::Clock& real_;
    double speed_;
};

double resident_mb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

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
    FastClock fast_clock(ql::qt_clock(), 1000.0);
    m.audio = &audio;
    m.prompter = &prompter;
    m.clock = &fast_clock;
    bench::lay_drill_list(
        m, dir.path(), 50, [](int i) { return 300 + 11 * i; }, [](int i) { return 250 + 7 * i; }, 40);
    m.repeat_count = 5;
    m.pause_seconds = 0.8f;
    m.bottom_mode = ql::BottomMode::Interlace;
    m.interlace_every = 2;

    const long target = argc > 1 ? std::atol(argv[1]) : 10000;
    bench::SilentView view;
    auto drill = std::make_shared<ql::Drill>(m, m, m, m, ql::DrillKind::Large, &view);
    long plays = 0;
    double at_100 = 0, at_end = 0;
    view.on_repeat = [&] {
        ++plays;
        if (plays == 100) at_100 = resident_mb();
        if (plays == target) {
            at_end = resident_mb();
            drill->pause();
        }
    };
    QCoro::waitFor(drill->playwords());
    std::printf("resident memory of a drill on the real audio engine (target: grows by under 2 MB)\n");
    std::printf("after 100 word plays:  %8.2f MB\n", at_100);
    std::printf("after %ld word plays: %8.2f MB\n", target, at_end);
    std::printf("growth: %.2f MB (ratio %.4f of the resident size after 100); samples still held: %d; "
                "engine messages: %d\n",
                at_end - at_100, (at_end - at_100) / at_100, audio.held_samples(), prompter.messages);
    audio.close();
    return 0;
}
