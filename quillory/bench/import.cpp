// Importing a card tutor's export of 30,000 pairs into a language whose master already holds 30,000
// entries (a third of the file's pairs among them): reading and checking the file, numbering the new
// pairs and writing the list, the master and the counter. Measured against just reading the same
// file in the same run, and against the 2 s a user should wait at most.
#include "bench/bench_stats.h"
#include "core/list_import.h"
#include "support/run_pieces.h"
#include "core/text_file.h"
#include "core/word_formats.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using ql::testing::RunPieces;

namespace {

constexpr int kPairs = 30000;
constexpr int kRuns = 5;

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString root = dir.path() + u'/';
    const QString folder = root + QStringLiteral("languages/spanish/");
    QDir().mkpath(folder);

    std::vector<ql::WordPair> pairs;
    QStringList master;
    for (int i = 0; i < kPairs; ++i) {
        // Some fields need quoting, as real exports do.
        const QString word = (i % 7 == 0) ? QStringLiteral("el \"número\" %1").arg(i) : QStringLiteral("palabra %1").arg(i);
        const QString translation = QStringLiteral("word, number %1").arg(i);
        pairs.push_back({word, translation});
        if (i % 3 == 0) master << ql::format_entry(word, translation, QStringLiteral("%1").arg(i, 5, 10, QChar(u'0')));
        else master << ql::format_entry(QStringLiteral("otra %1").arg(i), QStringLiteral("other %1").arg(i),
                                        QStringLiteral("%1").arg(i, 5, 10, QChar(u'0')));
    }
    const QString source = root + QStringLiteral("deck.txt");
    ql::write_bytes(source, ql::export_tsv(pairs));
    const QString master_path = folder + QStringLiteral("master_spanish.txt");

    ql::testing::RunPieces m;
    m.working_folder = root;
    m.languages_folder = root + QStringLiteral("languages/");

    std::vector<double> read_ms, import_ms;
    for (int run = 0; run < kRuns; ++run) {
        ql::write_lines(master_path, master);
        QFile::remove(folder + QStringLiteral("highest_num.dat"));

        QElapsedTimer timer;
        timer.start();
        {
            QFile f(source);
            f.open(QIODevice::ReadOnly);
            const QString text = ql::decode_text(f.readAll());
            if (text.isEmpty()) return 1;
        }
        read_ms.push_back(timer.nsecsElapsed() / 1e6);

        timer.restart();
        ql::WordTable table = ql::read_word_file(source);
        ql::propose_columns(table, QStringLiteral("spanish"), QStringLiteral("english"));
        const ql::ImportPairs chosen = ql::collect_pairs(table, table.word_column, table.translation_column);
        const ql::ImportOutcome r =
            ql::import_word_pairs(m, QStringLiteral("spanish"), QStringLiteral("deck%1").arg(run), chosen.pairs);
        import_ms.push_back(timer.nsecsElapsed() / 1e6);
        if (!r.ok || r.added + r.reused != kPairs) {
            std::printf("import failed: %s\n", qPrintable(r.message));
            return 1;
        }
        if (run == 0) std::printf("pairs: %d (%d new, %d already in the master)\n", kPairs, r.added, r.reused);
    }
    const double read = median(read_ms), import = median(import_ms);
    std::printf("reading the file:        %8.1f ms (median of %d)\n", read, kRuns);
    std::printf("importing the file:      %8.1f ms (median of %d)\n", import, kRuns);
    std::printf("import / read:           %8.1f x\n", import / read);
    std::printf("import / 2 s target:     %8.3f (%s)\n", import / 2000.0, import < 2000.0 ? "under" : "OVER");
    return 0;
}
