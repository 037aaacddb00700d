// Compiling a whole list into blocks of 100 entries: 1,000 entries, 5 repeats. A whole-list
// compilation was once announced as a 5-minute job; the target here is under 3 s. Reference, measured in the same
// run on the same files: the same joins made one append call at a time (open the source, open the
// block, append, close), which is how a compiled drill word is written.
#include "core/drill.h"
#include "core/clock.h"
#include "core/mp3_compile.h"
#include "support/run_pieces.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <random>

using ql::testing::RunPieces;

namespace {

void write_file(const QString& path, qsizetype size, std::mt19937& rng) {
    QDir().mkpath(path.left(path.lastIndexOf(u'/')));
    QByteArray b(size, '\0');
    for (auto& c : b) c = char(rng());
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(b);
}

// The joins one append call at a time.
double reference_seconds(ql::testing::RunPieces& m, int repeats, int silence) {
    QElapsedTimer t;
    t.start();
    const int n = m.shown_count();
    QString block;
    for (int i = 0; i < n; ++i) {
        if (i % 100 == 0) {
            block = m.working_folder + QStringLiteral("ref%1.mp3").arg(i / 100 + 1);
            QFile::remove(block);
        }
        const QString word = ql::installed_sound_path(m, m.shown_sound_numbers[i], m.current_language);
        const QString trans = ql::installed_sound_path(
            m, ql::translation_sound_number(m, m.shown_sound_numbers[i]), m.target_language);
        for (int r = 0; r < repeats; ++r) {
            ql::append_file_bytes(trans, block);
            ql::append_file_bytes(word, block);
            for (int k = 0; k < silence; ++k) ql::append_file_bytes(m.working_folder + "silence.mp3", block);
        }
        ql::append_file_bytes(m.working_folder + "beep.mp3", block);
    }
    return double(t.nsecsElapsed()) / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    ql::testing::RunPieces m;
    m.working_folder = dir.path() + u'/';
    m.languages_folder = m.working_folder + QStringLiteral("languages/");
    m.current_language = QStringLiteral("spanish");
    m.target_language = QStringLiteral("english");
    m.clock = &ql::qt_clock();
    std::mt19937 rng(1);

    // Sizes like the installed data: a spoken word of about a second, clips of a fifth of a second.
    const int n = 1000;
    for (int i = 0; i < n; ++i) {
        const QString s = QStringLiteral("%1").arg(10000 + i, 5, 10, QLatin1Char('0'));
        const QString t = QStringLiteral("%1").arg(20000 + i, 5, 10, QLatin1Char('0'));
        m.shown_words << QStringLiteral("w%1").arg(i);
        m.shown_translations << QStringLiteral("t%1").arg(i);
        m.shown_sound_numbers << s;
        m.target_sound_numbers[size_t(10000 + i)] = t;
        write_file(ql::installed_sound_path(m, s, m.current_language), 6000, rng);
        write_file(ql::installed_sound_path(m, t, m.target_language), 6000, rng);
    }
    m.shown_words << QString();
    m.shown_translations << QString();
    m.shown_sound_numbers << QString();
    write_file(m.working_folder + "silence.mp3", 1200, rng);
    write_file(m.working_folder + "beep.mp3", 2500, rng);

    std::printf("auto_mp3, %d entries, 5 repeats (target: under 3 s)\n", n);
    std::printf("%-14s %12s %14s %10s %8s\n", "silence", "blocks (s)", "reference (s)", "speed-up", "MB");
    for (const char* silence_answer : {"0.5", "5"}) {
        const int silence = ql::silence_clips(QString::fromLatin1(silence_answer).toDouble());
        QElapsedTimer t;
        t.start();
        // The event loop takes a turn every ten entries, as it does under the window.
        const auto result = QCoro::waitFor(ql::write_word_blocks(m, m.on_show(), 5, silence));
        const double ours = double(t.nsecsElapsed()) / 1e9;
        const double ref = reference_seconds(m, 5, silence);
        qint64 bytes = 0;
        for (int k = 1; k <= 10; ++k) bytes += QFile(ql::word_block_path(m, k)).size();
        const bool same = [&] {
            for (int k = 1; k <= 10; ++k) {
                QFile a(ql::word_block_path(m, k)), b(m.working_folder + QStringLiteral("ref%1.mp3").arg(k));
                if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly) || a.readAll() != b.readAll()) return false;
            }
            return true;
        }();
        std::printf("%-4s s (%2d clips) %10.3f %14.3f %9.1fx %8.1f %s%s\n", silence_answer, silence, ours, ref, ref / ours,
                    double(bytes) / 1e6, result.files_completed == 10 ? "" : "FILES MISSING ",
                    same ? "identical to reference" : "DIFFERS FROM REFERENCE");
    }
    return 0;
}
