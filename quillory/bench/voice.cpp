// The voice for words without a recording.
// 1. Click to first sample: a word spoken by the voice (synthesis, then the engine's play) against
//    playing a recording of the same length (load and play), both through the real SDL engine in
//    this run. Target: the first sample of a spoken word within 150 ms of the click.
// 2. Compiling 250 entries none of which has a recording, into blocks of 100 (5 repeats, silence
//    0.5 s): cold clip cache (target under 20 s), warm cache, against the same list with every
//    entry recorded (target: warm within 1.5x of it).
#include "bench/bench_stats.h"
#include "audio/espeak_voice.h"
#include "audio/sdl_audio_engine.h"
#include "core/drill.h"
#include "core/clock.h"
#include "core/mp3_compile.h"
#include "core/mp3_encode.h"
#include "support/run_pieces.h"
#include "core/spoken_words.h"
#include "core/voice_clips.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

using ql::testing::RunPieces;

namespace {

const char* kWords[] = {"hola", "casa", "perro", "gato", "libro", "mesa", "agua", "ciudad", "ventana", "camino",
                        "manzana", "escuela", "hermano", "trabajo", "mañana", "cocina", "pregunta", "viernes",
                        "montaña", "bicicleta"};

// Seconds from the call until the engine reports the channel playing.
double until_playing(ql::SdlAudioEngine& engine, const std::function<ql::AudioResult<int>()>& load) {
    QElapsedTimer t;
    t.start();
    const ql::AudioResult<int> sound = load();
    const ql::AudioResult<int> played = sound ? engine.play(*sound) : sound;
    if (!played) return -1;
    const int channel = *played;
    while (!engine.is_playing(channel)) {
    }
    const double s = double(t.nsecsElapsed()) / 1e9;
    while (engine.is_playing(channel)) QThread::msleep(5);
    return s;
}

// 1. Click to first sample: spoken words against recordings of the same length.
int click_to_first_sample(ql::EspeakVoice& voice, const QString& root) {
    ql::SdlAudioEngine engine;
    if (const ql::AudioResult<> opened = engine.open(); !opened) {
        std::fprintf(stderr, "audio engine failed: %s\n", qPrintable(ql::audio_error_text(opened.error())));
        return 1;
    }

    std::printf("click to first sample, %zu Spanish words, median (target: spoken under 150 ms)\n", std::size(kWords));
    std::vector<double> spoken, recorded;
    double spoken_seconds = 0;
    for (const char* w : kWords) {
        const QString word = QString::fromUtf8(w);
        std::vector<int16_t> pcm;
        spoken.push_back(until_playing(engine, [&] {
            voice.synthesize(QStringLiteral("es"), word, pcm);
            return engine.load_samples(pcm);
        }));
        spoken_seconds += double(pcm.size()) / 22050.0;
        // The same word as a recording of the same length, in the recordings' format.
        const QString path = root + QStringLiteral("rec.mp3");
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(ql::encode_mp3(pcm));
        f.close();
        recorded.push_back(until_playing(engine, [&] { return engine.load_file(path); }));
    }
    const double s = median(spoken), r = median(recorded);
    std::printf("(words last %.2f s on average)\n", spoken_seconds / double(std::size(kWords)));
    std::printf("%-28s %10.1f ms (worst %.1f ms)\n", "spoken word", s * 1e3, *std::max_element(spoken.begin(), spoken.end()) * 1e3);
    std::printf("%-28s %10.1f ms\n", "recording of the same length", r * 1e3);
    std::printf("%-28s %10.2fx\n", "ratio spoken / recording", s / r);
    engine.close();
    return 0;
}

// A list of `n` entries none of which has a recording, with the silence and beep clips beside it.
void lay_list_without_recordings(ql::testing::RunPieces& m, int n) {
    QDir().mkpath(m.languages_folder);
    for (int i = 0; i < n; ++i) {
        m.shown_words << QString::fromUtf8(kWords[i % std::size(kWords)]) + QStringLiteral(" %1").arg(i);
        m.shown_translations << QStringLiteral("word %1").arg(i);
        m.shown_sound_numbers << QStringLiteral("%1").arg(10000 + i, 5, 10, QLatin1Char('0'));
        m.target_sound_numbers[size_t(10000 + i)] = QStringLiteral("%1").arg(20000 + i, 5, 10, QLatin1Char('0'));
    }
    m.shown_words << QString();
    m.shown_translations << QString();
    m.shown_sound_numbers << QString();
    std::vector<int16_t> quiet(4410);
    for (const char* name : {"silence.mp3", "beep.mp3"}) {
        QFile f(m.working_folder + QString::fromLatin1(name));
        f.open(QIODevice::WriteOnly);
        f.write(ql::encode_mp3(quiet));
    }
}

// The reference list: the very clips of the voice laid as the entries' recordings.
void lay_clips_as_recordings(ql::testing::RunPieces& m, int n, const ql::VoiceClipCache& clips, ql::EspeakVoice& voice) {
    for (int i = 0; i < n; ++i) {
        for (bool translation : {false, true}) {
            const QString lang = translation ? m.target_language : m.current_language;
            const QString text = translation ? m.shown_translations[i] : m.shown_words[i];
            const QString s = translation ? ql::translation_sound_number(m, m.shown_sound_numbers[i]) : m.shown_sound_numbers[i];
            const QString path = ql::installed_sound_path(m, s, lang);
            QDir().mkpath(path.left(path.lastIndexOf(u'/')));
            QFile::copy(clips.clip_path(lang, ql::voice_for_language(m.languages_folder, lang, voice), text), path);
        }
    }
}

// 2. Compiling a list without recordings: cold and warm clip cache against the same list recorded.
void compilation(ql::EspeakVoice& voice, const QString& root) {
    ql::testing::RunPieces m;
    m.working_folder = root + QStringLiteral("list/");
    m.languages_folder = m.working_folder + QStringLiteral("languages/");
    m.current_language = QStringLiteral("spanish");
    m.target_language = QStringLiteral("english");
    m.clock = &ql::qt_clock();
    ql::VoiceClipCache clips(root + QStringLiteral("cache/"));
    m.voice = &voice;
    m.voice_clips = &clips;
    m.speak_missing_words = true;
    const int n = 250;
    lay_list_without_recordings(m, n);
    const int silence = ql::silence_clips(0.5);
    auto compile = [&] {
        QElapsedTimer t;
        t.start();
        const auto result = QCoro::waitFor(ql::write_word_blocks(m, m.on_show(), 5, silence));
        if (result.files_completed != 3) std::printf("ONLY %d FILES\n", result.files_completed);
        return double(t.nsecsElapsed()) / 1e9;
    };
    const double cold = compile();  // the cache folder is new: every clip is synthesised
    const double warm = std::min({compile(), compile(), compile()});
    lay_clips_as_recordings(m, n, clips, voice);
    m.speak_missing_words = false;
    const double recorded_list = std::min({compile(), compile(), compile()});
    std::printf("\ncompiling %d entries without recordings (5 repeats, silence 0.5 s, 3 blocks)\n", n);
    std::printf("%-28s %10.2f s (target under 20 s)\n", "cold clip cache", cold);
    std::printf("%-28s %10.2f s\n", "warm clip cache", warm);
    std::printf("%-28s %10.2f s\n", "every entry recorded", recorded_list);
    std::printf("%-28s %10.2fx (target under 1.5x)\n", "ratio warm / recorded", warm / recorded_list);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (!qEnvironmentVariableIsSet("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
    QTemporaryDir dir;
    const QString root = dir.path() + u'/';
    ql::EspeakVoice voice;
    if (click_to_first_sample(voice, root) != 0) return 1;
    compilation(voice, root);
    return 0;
}
