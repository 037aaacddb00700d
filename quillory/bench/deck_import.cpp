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
#include <ctime>
#include <optional>
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

// The whole process's processor time (every worker thread's), in milliseconds.
double process_cpu_ms() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

MadeDeck clip_deck() {
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
    return deck;
}

struct ImportRun {
    double decode = 0, convert = 0;    // the clips alone, one thread
    double import = 0, converted = 0;  // the whole import, and when its last clip was converted
    double import_cpu = 0;             // the import's processor time over all its threads
    qint64 frames = 0;
};

// One run: decoding and converting the clips alone, then the whole import into a fresh data tree.
// Nothing when a step fails (it says why).
std::optional<ImportRun> run_once(const MadeDeck& deck, const QString& apkg, const QString& languages, int threads) {
    ImportRun out;
    QElapsedTimer timer;
    timer.start();
    for (const auto& [name, bytes] : deck.media) {
        QString why;
        const auto s = decode_sound(bytes, &why);
        if (!s) return std::nullopt;
        out.frames += s->frames();
    }
    out.decode = timer.nsecsElapsed() / 1e6;
    timer.restart();
    for (const auto& [name, bytes] : deck.media) {
        QString why;
        if (!convert_to_recording(bytes, &why)) return std::nullopt;
    }
    out.convert = timer.nsecsElapsed() / 1e6;

    QDir().mkpath(languages + QStringLiteral("spanish"));
    const double cpu0 = process_cpu_ms();
    timer.restart();
    QString error;
    const auto read = read_anki_package(apkg, &error);
    if (!read) return std::nullopt;
    const auto plan = plan_deck_import(*read, collect_deck_pairs(*read, {}),
                                       {languages, QStringLiteral("spanish"), QString(), QStringLiteral("deck")}, &error);
    if (!plan) return std::nullopt;
    DeckImportProgress progress;
    // When the last clip is converted, the rest is writing through the file-change layer.
    std::atomic<bool> done{false};
    std::thread watch([&] {
        while (!done && progress.converted.load() < kNotes) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        out.converted = timer.nsecsElapsed() / 1e6;
    });
    const DeckImportOutcome r = run_deck_import(*read, *plan, progress, threads);
    out.import = timer.nsecsElapsed() / 1e6;
    out.import_cpu = process_cpu_ms() - cpu0;
    done = true;
    watch.join();
    if (!r.ok || r.recordings != kNotes) {
        std::printf("import failed: %s\n", qPrintable(r.message));
        return std::nullopt;
    }
    return out;
}

// Opening the preview of a big deck: reading it and collecting its pairs. Median milliseconds, or -1.
double preview_ms(const QString& root) {
    MadeDeck big;
    big.form = AnkiForm::Anki21b;
    big.types = {{1, QStringLiteral("Basic"), {QStringLiteral("Front"), QStringLiteral("Back")}}};
    for (int i = 0; i < kPreviewNotes; ++i)
        big.notes.push_back({1, {QStringLiteral("<b>palabra</b> %1[sound:w%1.mp3]").arg(i), QStringLiteral("word %1").arg(i)}});
    const QString big_apkg = root + QStringLiteral("big.apkg");
    write_apkg(big_apkg, big);
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        QString error;
        const auto read = read_anki_package(big_apkg, &error);
        if (!read || int(collect_deck_pairs(*read, {}).pairs.size()) != kPreviewNotes) return -1;
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    return median(times);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString root = dir.path() + u'/';
    const MadeDeck deck = clip_deck();
    const QString apkg = root + QStringLiteral("deck.apkg");
    write_apkg(apkg, deck);
    const int threads = int(std::max(1u, std::thread::hardware_concurrency()));

    std::vector<double> decode_ms, convert_ms, import_ms, converted_ms, cpu_ms;
    for (int run = 0; run < kRuns; ++run) {
        const auto r = run_once(deck, apkg, root + QStringLiteral("run%1/languages/").arg(run), threads);
        if (!r) return 1;
        decode_ms.push_back(r->decode);
        convert_ms.push_back(r->convert);
        import_ms.push_back(r->import);
        converted_ms.push_back(r->converted);
        cpu_ms.push_back(r->import_cpu);
        if (run == 0)
            std::printf("notes: %d, clips of %.1f s on average, %d worker threads\n", kNotes,
                        double(r->frames) / 44100.0 / kNotes, threads);
    }
    const double decode = median(decode_ms), import = median(import_ms), cpu = median(cpu_ms);
    std::printf("decoding the clips alone:  %8.1f ms (median of %d, one thread)\n", decode, kRuns);
    std::printf("converting them, one thread:%7.1f ms (decode, mono, resample, trim, encode)\n", median(convert_ms));
    std::printf("importing the deck:        %8.1f ms (median of %d)\n", import, kRuns);
    std::printf("  of which converting:     %8.1f ms; writing the list and %d recordings: %.1f ms\n",
                median(converted_ms), kNotes, import - median(converted_ms));
    std::printf("  processor time, all threads: %.1f ms (%.1f ms per core of %d)\n", cpu, cpu / threads, threads);
    std::printf("import / decode:           %8.2f x\n", import / decode);
    std::printf("import / 15 s target:      %8.3f (%s)\n", import / 15000.0, import < 15000.0 ? "under" : "OVER");

    const double preview = preview_ms(root);
    if (preview < 0) return 1;
    std::printf("preview of %d notes:    %8.1f ms (median of %d)\n", kPreviewNotes, preview, kRuns);
    std::printf("preview / import of %d: %8.3f x\n", kNotes, preview / import);
    std::printf("preview / 1 s target:      %8.3f (%s)\n", preview / 1000.0, preview < 1000.0 ? "under" : "OVER");
    return 0;
}
