// Importing an Anki deck of 1,000 notes, each with a 1-2 s MP3 clip (44.1 kHz stereo, as decks ship
// them): reading the package, converting every clip into a recording on both cores and writing the
// list, the master, the counter and the recordings in one change. Measured against decoding the same
// clips alone in the same run (the least any import must do), and against the 15 s a user should wait
// at most. Then the preview of a 10,000-note deck: reading it and collecting its pairs, against 1 s.
#include "bench/bench_stats.h"
#include "core/anki/anki_package.h"
#include "core/anki/deck_import.h"
#include "core/sound_convert.h"
#include "support/anki_deck_maker.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

using namespace ql;
using namespace ql::testing;

namespace {

constexpr int kNotes = 1000;
constexpr int kClips = 20;  // distinct clips, each file its own copy as in a real deck
constexpr int kPreviewNotes = 10000;
constexpr int kRuns = 3;

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString root = dir.path() + u'/';

    std::vector<QByteArray> clips;
    for (int k = 0; k < kClips; ++k) clips.push_back(mp3_clip(44100, 2, 0.2, 0.6 + 1.0 * k / (kClips - 1)));
    MadeDeck deck;
    deck.form = AnkiForm::Anki21b;
    deck.types = {{1, QStringLiteral("Basic"), {QStringLiteral("Front"), QStringLiteral("Back")}}};
    for (int i = 0; i < kNotes; ++i) {
        const QString sound = QStringLiteral("w%1.mp3").arg(i);
        deck.notes.push_back({1, {QStringLiteral("palabra %1[sound:%2]").arg(i).arg(sound), QStringLiteral("word %1").arg(i)}});
        deck.media.emplace_back(sound, clips[size_t(i % kClips)]);
    }
    const QString apkg = root + QStringLiteral("deck.apkg");
    write_apkg(apkg, deck);
    const int threads = int(std::max(1u, std::thread::hardware_concurrency()));

    std::vector<double> decode_ms, convert_ms, import_ms, converted_ms;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        qint64 frames = 0;
        for (const auto& [name, bytes] : deck.media) {
            QString why;
            const auto s = decode_sound(bytes, &why);
            if (!s) return 1;
            frames += s->frames();
        }
        decode_ms.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        for (const auto& [name, bytes] : deck.media) {
            QString why;
            if (!convert_to_recording(bytes, &why)) return 1;
        }
        convert_ms.push_back(timer.nsecsElapsed() / 1e6);

        const QString languages = root + QStringLiteral("run%1/languages/").arg(run);
        QDir().mkpath(languages + QStringLiteral("spanish"));
        timer.restart();
        QString error;
        const auto read = read_anki_package(apkg, &error);
        if (!read) return 1;
        const DeckPairs pairs = collect_deck_pairs(*read, {});
        const auto plan = plan_deck_import(*read, pairs, {languages, QStringLiteral("spanish"), QString(),
                                                          QStringLiteral("deck")}, &error);
        if (!plan) return 1;
        DeckImportProgress progress;
        // When the last clip is converted, the rest is writing through the file-change layer.
        std::atomic<bool> done{false};
        double converted_at = 0;
        std::thread watch([&] {
            while (!done && progress.converted.load() < kNotes) std::this_thread::sleep_for(std::chrono::milliseconds(5));
            converted_at = timer.nsecsElapsed() / 1e6;
        });
        const DeckImportOutcome r = run_deck_import(*read, *plan, progress, threads);
        import_ms.push_back(timer.nsecsElapsed() / 1e6);
        done = true;
        watch.join();
        converted_ms.push_back(converted_at);
        if (!r.ok || r.recordings != kNotes) {
            std::printf("import failed: %s\n", qPrintable(r.message));
            return 1;
        }
        if (run == 0)
            std::printf("notes: %d, clips of %.1f s on average, %d worker threads\n", kNotes,
                        double(frames) / 44100.0 / kNotes, threads);
    }
    const double decode = median(decode_ms), import = median(import_ms);
    std::printf("decoding the clips alone:  %8.1f ms (median of %d, one thread)\n", decode, kRuns);
    std::printf("converting them, one thread:%7.1f ms (decode, mono, resample, trim, encode)\n", median(convert_ms));
    std::printf("importing the deck:        %8.1f ms (median of %d)\n", import, kRuns);
    std::printf("  of which converting:     %8.1f ms; writing the list and %d recordings: %.1f ms\n",
                median(converted_ms), kNotes, import - median(converted_ms));
    std::printf("import / decode:           %8.2f x\n", import / decode);
    std::printf("import / 15 s target:      %8.3f (%s)\n", import / 15000.0, import < 15000.0 ? "under" : "OVER");

    MadeDeck big;
    big.form = AnkiForm::Anki21b;
    big.types = deck.types;
    for (int i = 0; i < kPreviewNotes; ++i)
        big.notes.push_back({1, {QStringLiteral("<b>palabra</b> %1[sound:w%1.mp3]").arg(i), QStringLiteral("word %1").arg(i)}});
    const QString big_apkg = root + QStringLiteral("big.apkg");
    write_apkg(big_apkg, big);
    std::vector<double> preview_ms;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        QString error;
        const auto read = read_anki_package(big_apkg, &error);
        if (!read) return 1;
        const DeckPairs pairs = collect_deck_pairs(*read, {});
        if (int(pairs.pairs.size()) != kPreviewNotes) return 1;
        preview_ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    const double preview = median(preview_ms);
    std::printf("preview of %d notes:    %8.1f ms (median of %d)\n", kPreviewNotes, preview, kRuns);
    std::printf("preview / import of %d: %8.3f x\n", kNotes, preview / import);
    std::printf("preview / 1 s target:      %8.3f (%s)\n", preview / 1000.0, preview < 1000.0 ? "under" : "OVER");
    return 0;
}
