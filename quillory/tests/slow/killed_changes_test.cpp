// Real processes killed with SIGKILL in the middle of their changes, many times over: slow, so run
// under the ctest label "slow". The step-by-step kills of every change are in the core tests.
#include "core/review_schedule.h"
#include "support/run_pieces.h"
#include "core/text_file.h"
#include "support/data_tree.h"

#include <QDir>
#include <QDirIterator>
#include <QHash>
#include <QRandomGenerator>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using ql::testing::RunPieces;

using namespace ql;
using ql::testing::crlf;
using ql::testing::DataTree;

namespace {

// Hidden files anywhere under the folder: a journal or the temporary files of a change.
QStringList hidden_files(const QString& root) {
    QStringList found;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        if (it.fileName().startsWith(u'.')) found << QDir(root).relativeFilePath(p);
    }
    return found;
}

// Runs `work` in a child process until it reports its first piece of work done, then kills it some
// random part of `span_us` later.
void kill_while(const std::function<void(int report_fd)>& work, qint64 span_us) {
    int pipe_fds[2];
    ASSERT_EQ(::pipe(pipe_fds), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::close(pipe_fds[0]);
        work(pipe_fds[1]);
        ::_exit(1);
    }
    ::close(pipe_fds[1]);
    char done = 0;
    // A child's first piece of work is slow (its memory is copied as it is touched) and would use up
    // every kill before any change began; the kill goes into the pieces after it.
    ASSERT_EQ(::read(pipe_fds[0], &done, 1), 1) << "the child ended before its first piece of work";
    ::usleep(useconds_t(QRandomGenerator::global()->bounded(span_us + 1)));
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ::close(pipe_fds[0]);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended on its own";
}

template <typename F>
qint64 mean_us(int times, F&& f) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < times; ++i) f(i);
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count() / times;
}

}  // namespace

TEST(KilledChanges, AKilledRewriteLeavesTheOldOrTheNewList) {
    DataTree t;
    const QString list = t.path("list.txt");
    QStringList versions[2];
    for (int i = 0; i < 30000; ++i)
        for (int v = 0; v < 2; ++v)
            versions[v] << QStringLiteral("palabra%1%2|word %1|%3").arg(i).arg(QLatin1Char('a' + v)).arg(i % 100000, 5, 10, QChar(u'0'));
    const QByteArray a = crlf(versions[0]), b = crlf(versions[1]);
    t.write("list.txt", a);
    const qint64 rewrite_us = mean_us(3, [&](int i) { ASSERT_TRUE(write_lines(t.path("scratch.txt"), versions[i % 2])); });
    QFile::remove(t.path("scratch.txt"));

    int mid_rewrite = 0;
    for (int kill = 0; kill < 200; ++kill) {
        kill_while(
            [&](int report) {
                for (unsigned i = 1;; ++i)
                    if (!write_lines(list, versions[i % 2]) || (i == 1 && ::write(report, "x", 1) != 1)) return;
            },
            rewrite_us);
        const QByteArray now = t.read("list.txt");
        ASSERT_TRUE(now == a || now == b) << "kill " << kill << " left " << now.size() << " bytes";
        // What a killed rewrite leaves is a hidden temporary file beside the list, never the list.
        if (!hidden_files(t.root()).isEmpty()) ++mid_rewrite;
        ASSERT_EQ(recover_interrupted_changes(t.root()), QString());
        ASSERT_EQ(hidden_files(t.root()), QStringList()) << "kill " << kill;
    }
    std::printf("one rewrite takes %lld us; %d of 200 kills fell inside a rewrite\n", (long long)rewrite_us, mid_rewrite);
    EXPECT_GT(mid_rewrite, 0);
}

// A student moving words both ways on a list of 30,001 entries, killed 200 times: after the next
// start's recovery every entry of the list is in exactly one of the two files, once.
TEST(KilledChanges, KilledMovesLeaveEveryEntryInExactlyOneFile) {
    DataTree t;
    QStringList list;
    for (int i = 0; i < 30001; ++i)
        list << QStringLiteral("palabra%1|word %1|%2").arg(i).arg(i % 100000, 5, 10, QChar(u'0'));
    t.write("languages/spanish/grande.txt", crlf(list));
    t.write("languages/spanish/master_spanish.txt", crlf(list));
    RunPieces m;
    t.attach(m);
    static_cast<LanguageSession&>(m) = choose_language(m, "spanish").session;
    m.current_list = "grande";
    generate_unknowns_file(m, m, m.prompter);
    ASSERT_EQ(t.read("users/ann/spanish/grande-u.txt"), crlf(list));

    // Mostly into the known file, every third move back, from rows spread over the list.
    auto move = [&m](unsigned i) {
        const bool back = i % 3 == 2 && file_size(m.known_file) > 0;
        m.shown_file = back ? m.known_file : m.unknown_file;
        create_array_of_words(m, m.shown_file);
        if (m.shown_count() == 0) return true;
        const int row = int(QRandomGenerator::global()->bounded(quint32(m.shown_count())));
        return back ? mark_word_unknown(m.prompter, m, m, review_today(m.date_clock), row) : mark_word_known(m.prompter, m, m, review_today(m.date_clock), row);
    };
    const qint64 move_us = mean_us(3, [&](int i) { ASSERT_TRUE(move(unsigned(i))); });

    int inside = 0, journaled = 0;
    for (int kill = 0; kill < 200; ++kill) {
        kill_while(
            [&](int report) {
                for (unsigned i = QRandomGenerator::global()->generate(), first = i;; ++i)
                    if (!move(i) || (i == first && ::write(report, "x", 1) != 1)) return;
            },
            move_us);
        const QStringList left = hidden_files(t.root());
        if (!left.isEmpty()) ++inside;
        if (left.filter(QStringLiteral(".quillory-journal")).size() > 0) ++journaled;
        ASSERT_EQ(recover_interrupted_changes(t.root()), QString()) << "kill " << kill;
        ASSERT_EQ(hidden_files(t.root()), QStringList()) << "kill " << kill;

        QHash<QString, int> seen;
        for (const char* file : {"users/ann/spanish/grande-u.txt", "users/ann/spanish/grande-k.txt"})
            for (const QString& line : read_lines(t.path(QString::fromLatin1(file))).value_or(QStringList()))
                ++seen[line];
        ASSERT_EQ(seen.size(), list.size()) << "kill " << kill << ": entries lost or foreign ones added";
        for (const QString& entry : list)
            ASSERT_EQ(seen.value(entry), 1) << "kill " << kill << ": " << entry.toStdString();
    }
    std::printf("one move takes %lld us; of 200 kills %d fell inside a change, %d of them with its journal "
                "written (rolled back)\n",
                (long long)move_us, inside, journaled);
    EXPECT_GT(inside, 0);
}
