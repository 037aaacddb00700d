// Slower speech with the pitch kept.
// 1. Stretching a 1 s spoken clip to 60 % (libsonic) against decoding the same clip (libmpg123), in
//    the same run. Target: the stretch under 20 ms.
// Before them, for the record: stretched length against length / speed and the pitch kept (aubio's
// YIN, median over voiced frames) for a tone and a spoken word, at 90 % down to 50 %.
// 2. Today's review as an MP3: 200 due words, each with its own recording and its translation's
//    (repeat 4, pause 0.4 s), at 60 % with a cold clip cache (target under 10 s), with that cache
//    warm, against the same review at the natural speed (clips joined as they are).
#include "bench/bench_stats.h"
#include "core/mp3_encode.h"
#include "core/review_mp3.h"
#include "core/speech_speed.h"
#include "core/text_file.h"
#include "support/pitch_track.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <random>
#include <vector>

namespace {

// A voiced, word-like clip: a pitch glide with harmonics and a little noise, different per seed.
std::vector<int16_t> word_like(int seed, double seconds) {
    std::mt19937 rng{unsigned(seed)};
    std::normal_distribution<double> noise(0.0, 300.0);
    const int n = int(seconds * 22050);
    std::vector<int16_t> pcm(static_cast<size_t>(n));
    const double f0 = 110.0 + (seed % 40) * 3.0;
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / n;
        phase += 2 * M_PI * f0 * (1.0 + 0.2 * t) / 22050.0;
        const double env = std::sin(M_PI * t);
        const double v = env * (6000 * std::sin(phase) + 3000 * std::sin(2 * phase) + 1500 * std::sin(3 * phase));
        pcm[size_t(i)] = int16_t(std::lround(std::clamp(v + noise(rng), -32000.0, 32000.0)));
    }
    return pcm;
}

// What the stretch keeps: length and pitch of a tone and a spoken word at each speed.
void print_what_the_stretch_keeps() {
    {
        ql::Pcm tone;
        tone.rate = 22050;
        for (int i = 0; i < 22050; ++i) tone.samples.push_back(int16_t(std::lround(9000 * std::sin(2 * M_PI * 196.0 * i / 22050))));
        QFile f(QStringLiteral(QL_TEST_DATA "/buenos_dias.mp3"));
        f.open(QIODevice::ReadOnly);
        const ql::Pcm word = ql::decode_mp3_pcm(f.readAll()).value_or(ql::Pcm{});
        std::printf("stretched length / (length / speed), and pitch after / before at the same point of the clip (aubio YIN)\n");
        for (const auto& [name, clip] : {std::pair<const char*, const ql::Pcm&>{"196 Hz tone", tone},
                                         std::pair<const char*, const ql::Pcm&>{"spoken \"buenos dias\"", word}}) {
            const double before = ql::testing::median_pitch(clip);
            std::printf("  %-22s %.3f s, pitch %.1f Hz\n", name, clip.seconds(), before);
            for (int percent : {90, 80, 70, 60, 50}) {
                const ql::Pcm out = ql::stretch_speech(clip, percent / 100.0);
                std::printf("    %d %%: length %.4f   pitch %.4f\n", percent,
                            double(out.samples.size()) / (double(clip.samples.size()) * 100.0 / percent),
                            ql::testing::aligned_pitch_ratio(clip, out, percent / 100.0));
            }
        }
    }

}

// One clip stretched, against decoding it.
void print_one_clip_figures() {
    const QByteArray clip = ql::encode_mp3(word_like(7, 1.0));
    std::vector<double> decode_ms, stretch_ms;
    size_t stretched_samples = 0;
    for (int i = 0; i < 15; ++i) {
        std::optional<ql::Pcm> pcm;
        decode_ms.push_back(time_run([&] { pcm = ql::decode_mp3_pcm(clip); }).wall);
        stretch_ms.push_back(time_run([&] { stretched_samples = ql::stretch_speech(*pcm, 0.6).samples.size(); }).wall);
    }
    const double d = median(decode_ms), s = median(stretch_ms);
    std::printf("stretching a 1 s clip to 60 %%, median of 15 runs (target: under 20 ms)\n");
    std::printf("  reference: decoding the clip      %7.2f ms\n", d);
    std::printf("  stretch (%zu samples, %.3f s)  %7.2f ms   %.2fx the decode; %.2f of the 20 ms target\n",
                stretched_samples, double(stretched_samples) / 22050.0, s, s / d, s / 20.0);

}

// Today's review of 200 words at 60 %, with a cold and a warm clip cache; false on a wrong result.
bool print_review_figures(const QString& root) {
    constexpr int kWords = 200;
    const QString languages = root + QStringLiteral("languages/");
    const QString student = root + QStringLiteral("users/ann/spanish/");
    QDir().mkpath(student);
    QStringList known, schedule;
    for (int i = 0; i < kWords; ++i) {
        const QString sound = QStringLiteral("%1").arg(100 + i, 5, 10, QLatin1Char('0'));
        const QString translation = QStringLiteral("%1").arg(500 + i, 5, 10, QLatin1Char('0'));
        QDir().mkpath(languages + QStringLiteral("spanish/") + sound.left(2));
        QDir().mkpath(languages + QStringLiteral("english/") + translation.left(2));
        ql::write_bytes(languages + QStringLiteral("spanish/") + sound.left(2) + u'/' + sound + QStringLiteral(".mp3"),
                        ql::encode_mp3(word_like(i, 0.7 + (i % 5) * 0.1)));
        ql::write_bytes(languages + QStringLiteral("english/") + translation.left(2) + u'/' + translation +
                            QStringLiteral(".mp3"),
                        ql::encode_mp3(word_like(1000 + i, 0.6 + (i % 4) * 0.1)));
        const QString entry = QStringLiteral("palabra%1|word%1|").arg(i) + sound;
        known << entry;
        schedule << QStringLiteral("bench\t") + sound + u'\t' + entry + QStringLiteral("\t1\t2026-06-01\t");
    }
    ql::write_lines(student + QStringLiteral("bench-k.txt"), known);
    ql::write_lines(student + QStringLiteral("review.txt"), schedule);

    ql::ReviewClipSources sources;
    sources.languages_folder = languages;
    sources.language = QStringLiteral("spanish");
    sources.target_language = QStringLiteral("english");
    sources.translation_sound = [](const QString& s) { return QStringLiteral("%1").arg(s.toInt() + 400, 5, 10, QLatin1Char('0')); };
    sources.silence = ql::encode_mp3(std::vector<int16_t>(4410, 0));
    sources.repeats = 4;
    sources.silence_clips = 2;
    const QDate day(2026, 6, 1);

    ql::ReviewMp3Outcome natural, cold, warm;
    const RunTimes natural_t = time_run([&] { natural = ql::write_review_mp3(student, day, sources); });
    const double natural_ms = natural_t.wall, natural_cpu = natural_t.cpu;
    ql::SpeedClipCache cold_cache(root + QStringLiteral("cache/speed/"));
    sources.cache = &cold_cache;
    sources.speed_percent = 60;
    const RunTimes cold_t = time_run([&] { cold = ql::write_review_mp3(student, day, sources); });
    const double cold_ms = cold_t.wall, cold_cpu = cold_t.cpu;
    ql::SpeedClipCache warm_cache(root + QStringLiteral("cache/speed/"));
    sources.cache = &warm_cache;
    const RunTimes warm_t = time_run([&] { warm = ql::write_review_mp3(student, day, sources); });
    const double warm_ms = warm_t.wall, warm_cpu = warm_t.cpu;

    std::printf("today's review as an MP3, %d due words with recorded translations, repeat 4 (target: cold 60 %% under 10 s)\n",
                kWords);
    std::printf("  wall ms / thread CPU ms\n");
    std::printf("  reference: natural speed          %8.1f / %8.1f  %d words, plays %s\n", natural_ms, natural_cpu,
                natural.words, qPrintable(ql::play_time_text(natural.seconds)));
    std::printf("  60 %%, cold cache (%d clips made)  %8.1f / %8.1f  %d words, plays %s   %.1fx the reference (CPU); "
                "%.2f (wall) %.2f (CPU) of the 10 s target\n",
                cold_cache.clips_made(), cold_ms, cold_cpu, cold.words, qPrintable(ql::play_time_text(cold.seconds)),
                cold_cpu / natural_cpu, cold_ms / 10000.0, cold_cpu / 10000.0);
    std::printf("  60 %%, warm cache (%d clips made)  %8.1f / %8.1f   %.1fx the reference (CPU)\n", warm_cache.clips_made(),
                warm_ms, warm_cpu, warm_cpu / natural_cpu);
    if (!natural.written || !cold.written || !warm.written || cold.words != kWords) {
        std::printf("WRONG RESULT\n");
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    print_what_the_stretch_keeps();
    print_one_clip_figures();
    return print_review_figures(dir.path() + u'/') ? 0 : 1;
}
