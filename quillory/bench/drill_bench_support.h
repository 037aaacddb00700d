#pragma once
// What the drill benchmarks share: a view that draws nothing, a prompter that prints, recordings
// made on the spot, and a word list whose every entry has one.
#include "core/drill.h"
#include "core/prompter.h"
#include "support/run_pieces.h"
#include "core/wav_header.h"

#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdio>
#include <functional>

namespace bench {

// Draws nothing; `on_repeat` runs at every play of the word (the repeat label changes then).
struct SilentView : ql::DrillView {
    std::function<void()> on_repeat;
    void set_top_text(const QString&) override {}
    void set_bottom_text(const QString&) override {}
    void set_word_point_size(int) override {}
    void set_top_visible(bool) override {}
    void set_bottom_visible(bool) override {}
    void set_num_text(const QString&) override {}
    void set_repeat_text(const QString&) override {
        if (on_repeat) on_repeat();
    }
    void set_speed_text(const QString&) override {}
    void set_mp3_text(const QString&) override {}
    void set_progress(int, int) override {}
};

// Prints the first few messages (an engine failure shows one per word) and declines every question.
class PrintingPrompter : public ql::Prompter {
public:
    int messages = 0;
    void message(const QString& text, const QString&) override {
        if (++messages < 5) std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    bool ok_cancel(const QString&, const QString&) override { return false; }
    std::optional<QString> input(const QString&, const QString&, const QString&) override { return std::nullopt; }
};

// A recording of `samples` samples of a quiet square wave as a WAV file.
inline void write_recording(const QString& path, int samples, int period = 50) {
    QDir().mkpath(path.left(path.lastIndexOf(u'/')));
    QByteArray pcm(2 * samples, '\0');
    for (int k = 0; k < samples; ++k) pcm[2 * k + 1] = char((k / period) % 2 ? 8 : -8);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(ql::wav_header(std::uint32_t(pcm.size())) + pcm);
}

// Points the state at `folder` with a spanish list (target english) of `count` entries numbered from
// 10000, each recorded with `samples(i)` samples; with `translation_samples`, each translation
// (numbered from 20000) is recorded too.
inline void lay_drill_list(ql::testing::RunPieces& m, const QString& folder, int count, const std::function<int(int)>& samples,
                           const std::function<int(int)>& translation_samples = {}, int period = 50) {
    m.working_folder = folder + u'/';
    m.languages_folder = m.working_folder + QStringLiteral("languages/");
    m.current_language = QStringLiteral("spanish");
    m.target_language = QStringLiteral("english");
    for (int i = 0; i < count; ++i) {
        const QString s = QStringLiteral("%1").arg(10000 + i, 5, 10, QLatin1Char('0'));
        m.shown_words << QStringLiteral("w%1").arg(i);
        m.shown_translations << QStringLiteral("t%1").arg(i);
        m.shown_sound_numbers << s;
        write_recording(ql::installed_sound_path(m, s, m.current_language), samples(i), period);
        if (translation_samples) {
            const QString t = QStringLiteral("%1").arg(20000 + i, 5, 10, QLatin1Char('0'));
            m.target_sound_numbers[size_t(10000 + i)] = t;
            write_recording(ql::installed_sound_path(m, t, m.target_language), translation_samples(i), period);
        }
    }
    m.shown_words << QString();
    m.shown_translations << QString();
    m.shown_sound_numbers << QString();
}

}  // namespace bench
