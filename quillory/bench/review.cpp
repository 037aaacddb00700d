// Building the list of due words for a student with 30,000 known words over 30 lists (what the
// main window does for its review button and the review window when it opens), against the 50 ms
// target and against just reading the same known files, measured in the same run.
#include "bench/bench_stats.h"
#include "support/run_pieces.h"
#include "core/review_schedule.h"
#include "core/text_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using ql::testing::RunPieces;

namespace {

struct FixedDay : ql::DateClock {
    QDate day{2026, 6, 1};
    QDate today() const override { return day; }
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    constexpr int kLists = 30, kPerList = 1000, kRuns = 15;

    QTemporaryDir dir;
    ql::testing::RunPieces m;
    FixedDay clock;
    m.date_clock = &clock;
    m.working_folder = dir.path() + u'/';
    m.user_folder = m.working_folder + QStringLiteral("users/bench/");
    m.current_language = QStringLiteral("spanish");
    const QString folder = ql::review_language_folder(m, m);
    QDir().mkpath(folder);
    QStringList known_files;
    for (int l = 0; l < kLists; ++l) {
        QStringList lines;
        for (int i = 0; i < kPerList; ++i) {
            const int n = l * kPerList + i;
            lines << ql::format_entry(QStringLiteral("palabra número %1").arg(n), QStringLiteral("word number %1").arg(n),
                                      QStringLiteral("%1").arg(n, 5, 10, QChar(u'0')));
        }
        known_files << folder + QStringLiteral("list%1-k.txt").arg(l, 2, 10, QChar(u'0'));
        ql::write_lines(known_files.back(), lines);
    }

    bool right = true;
    // The first time: no schedule yet, so it is made from the known files and written.
    const RunTimes first = time_run([&] { right = right && ql::review_due_count(m, m, ql::review_today(m.date_clock), m.prompter) == kLists * kPerList / 7 + 1; });
    // Then a schedule as months of use leave it: boxes and due dates all over the year.
    {
        auto s = ql::ReviewSchedule::open(folder, clock.day, false);
        std::vector<ql::ReviewItem> items = s.items();
        QStringList lines;
        for (size_t i = 0; i < items.size(); ++i) {
            items[i].box = int(i % 7) + 1;
            items[i].due = clock.day.addDays(qint64(i % 200) - 20);
            items[i].last_seen = clock.day.addDays(-qint64(i % 90));
            lines << ql::format_review_line(items[i]);
        }
        ql::write_lines(ql::review_file_path(folder), lines);
    }

    std::vector<double> read_wall, read_cpu, due_wall, due_cpu;
    size_t due = 0;
    for (int r = 0; r < kRuns; ++r) {
        const RunTimes read = time_run([&] {
            for (const QString& f : known_files) right = right && ql::read_lines(f).value_or(QStringList()).size() == kPerList;
        });
        const RunTimes built = time_run([&] { due = ql::review_due_items(m, m, ql::review_today(m.date_clock), m.prompter).size(); });
        read_wall.push_back(read.wall), read_cpu.push_back(read.cpu);
        due_wall.push_back(built.wall), due_cpu.push_back(built.cpu);
    }
    right = right && due == size_t(kLists * kPerList) * 21 / 200;

    std::printf("%d known words over %d lists, median of %d runs; wall ms / thread CPU ms\n", kLists * kPerList, kLists,
                kRuns);
    const double rw = median(read_wall), rc = median(read_cpu), dw = median(due_wall), dc = median(due_cpu);
    std::printf("  reference: reading the known files     %8.2f / %8.2f\n", rw, rc);
    std::printf("  due list (%zu due)                  %8.2f / %8.2f   %.2fx the read (CPU); %.2f of the 50 ms target "
                "(wall), %.2f (CPU)\n",
                due, dw, dc, dc / rc, dw / 50.0, dc / 50.0);
    std::printf("  first time, schedule made and written  %8.2f / %8.2f\n", first.wall, first.cpu);
    if (!right) {
        std::printf("WRONG RESULT\n");
        return 1;
    }
    return 0;
}
