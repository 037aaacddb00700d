// Resident memory of a long drill with the real audio engine on SDL's dummy driver: after 10,000
// plays against after 100 (target: grows by under 2 MB). The drill's clock runs a thousand times
// faster than the wall clock so that ten thousand plays take seconds; every play still loads,
// plays and releases a real sample.
#include "audio/qlfmod.h"
#include "core/drill.h"
#include "core/event_pump.h"
#include "core/prompter.h"
#include "core/qlmod.h"
#include "core/wav_header.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

namespace {

struct CountingView : ql::DrillView {
    std::function<void()> on_play;
    void set_top_text(const QString&) override {}
    void set_bottom_text(const QString&) override {}
    void set_word_point_size(int) override {}
    void set_top_visible(bool) override {}
    void set_bottom_visible(bool) override {}
    void set_num_text(const QString&) override {}
    void set_repeat_text(const QString&) override {
        if (on_play) on_play();
    }
    void set_speed_text(const QString&) override {}
    void set_mp3_text(const QString&) override {}
    void set_progress(int, int) override {}
};

class PrintingPrompter : public ql::Prompter {
public:
    int messages = 0;
    void message(const QString& text, const QString&) override {
        if (++messages < 5) std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    bool ok_cancel(const QString&, const QString&) override { return false; }
    std::optional<QString> input(const QString&, const QString&, const QString&) override { return std::nullopt; }
};

// The real pump with its clock sped up.
class FastPump : public ql::EventPump {
public:
    explicit FastPump(ql::EventPump& real, double speed) : real_(real), speed_(speed) {}
    double now() override { return real_.now() * speed_; }
    void wait_for_events(double deadline) override { real_.wait_for_events(deadline / speed_); }
    void process_events() override { real_.process_events(); }
    void sleep_until(double deadline) override { real_.sleep_until(deadline / speed_); }

private:
    ql::EventPump& real_;
    double speed_;
};

double resident_mb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

void write_recording(const QString& path, int samples) {
    QDir().mkpath(path.left(path.lastIndexOf(u'/')));
    QByteArray pcm(2 * samples, '\0');
    for (int k = 0; k < samples; ++k) pcm[2 * k + 1] = char((k / 40) % 2 ? 6 : -6);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(ql::wav_header(std::uint32_t(pcm.size())) + pcm);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("SDL_AUDIODRIVER", "dummy");
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    ql::Qlmod m;
    m.working_folder = dir.path() + u'/';
    m.languages_folder = m.working_folder + QStringLiteral("languages/");
    m.current_language = QStringLiteral("spanish");
    m.target_language = QStringLiteral("english");
    PrintingPrompter prompter;
    ql::Qlfmod audio;
    if (!audio.init(22050, 64, 0)) {
        std::fprintf(stderr, "audio engine did not start\n");
        return 1;
    }
    FastPump pump(ql::qt_event_pump(), 1000.0);
    m.audio = &audio;
    m.prompter = &prompter;
    m.pump = &pump;
    for (int i = 0; i < 50; ++i) {
        const QString s = QStringLiteral("%1").arg(10000 + i, 5, 10, QLatin1Char('0'));
        const QString t = QStringLiteral("%1").arg(20000 + i, 5, 10, QLatin1Char('0'));
        m.shown_words << QStringLiteral("w%1").arg(i);
        m.shown_translations << QStringLiteral("t%1").arg(i);
        m.shown_sound_numbers << s;
        m.target_sound_numbers[size_t(10000 + i)] = t;
        write_recording(ql::installed_sound_path(m, s, m.current_language), 300 + 11 * i);
        write_recording(ql::installed_sound_path(m, t, m.target_language), 250 + 7 * i);
    }
    m.shown_words << QString();
    m.shown_translations << QString();
    m.shown_sound_numbers << QString();
    m.repeat_count = 5;
    m.pause_seconds = 0.8f;
    m.bottom_mode = QStringLiteral("interlace");
    m.interlace_every = 2;

    const long target = argc > 1 ? std::atol(argv[1]) : 10000;
    CountingView view;
    auto drill = std::make_shared<ql::Drill>(m, ql::DrillKind::Large, &view);
    long plays = 0;
    double at_100 = 0, at_end = 0;
    view.on_play = [&] {
        ++plays;
        if (plays == 100) at_100 = resident_mb();
        if (plays == target) {
            at_end = resident_mb();
            drill->pause();
        }
    };
    drill->playwords();
    std::printf("resident memory of a drill on the real audio engine (target: grows by under 2 MB)\n");
    std::printf("after 100 word plays:  %8.2f MB\n", at_100);
    std::printf("after %ld word plays: %8.2f MB\n", target, at_end);
    std::printf("growth: %.2f MB (ratio %.4f of the resident size after 100); samples still held: %d; "
                "engine messages: %d\n",
                at_end - at_100, (at_end - at_100) / at_100, audio.held_samples(), prompter.messages);
    audio.close();
    return 0;
}
