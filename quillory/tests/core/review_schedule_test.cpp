#include "support/run_pieces.h"
#include "core/review_schedule.h"
#include "core/text_file.h"
#include "support/data_tree.h"
#include "support/fake_date_clock.h"
#include "support/fake_prompter.h"

#include <QFile>
#include <gtest/gtest.h>

using ql::testing::RunPieces;

using namespace ql;
using namespace ql::testing;

namespace {

const QString kCasa = QStringLiteral("casa|house|00412");
const QString kNino = QStringLiteral("niño|child|00413");
const QString kPerro = QStringLiteral("perro|dog|00414");
const QString kGato = QStringLiteral("gato|cat|00415");

class ReviewTest : public ::testing::Test {
protected:
    ReviewTest() {
        tree.attach(m);
        m.prompter = &prompter;
        m.date_clock = &clock;
        m.current_language = QStringLiteral("spanish");
    }
    QString folder() const { return review_language_folder(m, m); }
    QString student(const QString& name) const { return QStringLiteral("users/ann/spanish/") + name; }
    QStringList schedule_lines() const {
        return read_lines(tree.path(student(QStringLiteral("review.txt")))).value_or(QStringList());
    }
    // Marks an entry known as a double-click in the unknown view does: the entry is added to the
    // list's unknown file, shown, and moved.
    void mark_known(const QString& list, const QString& entry) {
        m.current_list = list;
        generate_unknowns_file(m, m, m.prompter);
        const QString u = student(list + QStringLiteral("-u.txt"));
        if (!read_lines(tree.path(u)).value_or(QStringList()).contains(entry)) tree.write(u, tree.read(u) + crlf({entry}));
        m.shown_file = m.unknown_file;
        create_array_of_words(m, m.shown_file);
        ASSERT_TRUE(mark_word_known(m.prompter, m, m, review_today(m.date_clock), int(m.shown_words.indexOf(entry.section(u'|', 0, 0)))));
    }
    DataTree tree;
    RunPieces m;
    FakePrompter prompter;
    FakeDateClock clock;
};

}  // namespace

TEST(ReviewLines, IntervalsGrowByBoxAndLinesRoundTrip) {
    const int days[] = {1, 3, 7, 14, 30, 60, 120};
    for (int box = 1; box <= kReviewBoxes; ++box) EXPECT_EQ(review_interval_days(box), days[box - 1]);
    const ReviewItem item{"colors", "casa|house|00412", 3, QDate(2026, 3, 9), QDate(2026, 3, 2)};
    const QString line = format_review_line(item);
    EXPECT_EQ(line, u"colors\t00412\tcasa|house|00412\t3\t2026-03-09\t2026-03-02");
    const auto back = parse_review_line(line);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->entry, item.entry);
    EXPECT_EQ(back->box, 3);
    EXPECT_EQ(back->due, item.due);
    EXPECT_EQ(back->last_seen, item.last_seen);
}

TEST_F(ReviewTest, AWordKnownTodayIsDueTomorrow) {
    mark_known("colors", kCasa);
    EXPECT_EQ(schedule_lines(), QStringList{QStringLiteral("colors\t00412\tcasa|house|00412\t1\t2026-03-03\t2026-03-02")});
    EXPECT_EQ(review_due_count(m, m, review_today(m.date_clock), m.prompter), 0);
    clock.advance(1);
    EXPECT_EQ(review_due_count(m, m, review_today(m.date_clock), m.prompter), 1);
}

TEST_F(ReviewTest, KeptThreeTimesLandsInBoxFourDueFourteenDaysLaterAndTheLastBoxHolds) {
    mark_known("colors", kCasa);
    const int waits[] = {1, 3, 7};  // days until each review that is kept
    for (int wait : waits) {
        clock.advance(wait);
        ReviewSession s(m, m, m);
        ASSERT_EQ(s.total(), 1);
        ASSERT_TRUE(s.knew_it());
        EXPECT_TRUE(s.finished());
    }
    auto item = parse_review_line(schedule_lines().value(0));
    ASSERT_TRUE(item);
    EXPECT_EQ(item->box, 4);
    EXPECT_EQ(item->due, clock.day.addDays(14));
    EXPECT_EQ(item->last_seen, clock.day);
    EXPECT_EQ(review_due_count(m, m, review_today(m.date_clock), m.prompter), 0);

    for (int i = 0; i < 5; ++i) {
        clock.day = item->due;
        ReviewSession s(m, m, m);
        ASSERT_TRUE(s.knew_it());
        item = parse_review_line(schedule_lines().value(0));
    }
    EXPECT_EQ(item->box, 7);
    EXPECT_EQ(item->due, clock.day.addDays(120));
}

TEST_F(ReviewTest, ForgotMovesTheLineFromKnownToUnknownByteForByteAndOutOfTheSchedule) {
    tree.write(student("colors-u.txt"), crlf({kGato}));
    for (const QString& e : {kCasa, kNino, kPerro}) mark_known("colors", e);
    clock.advance(1);
    ReviewSession s(m, m, m);
    ASSERT_EQ(s.total(), 3);
    ASSERT_TRUE(s.knew_it());
    ASSERT_EQ(s.current().entry, kNino);
    ASSERT_TRUE(s.forgot());
    EXPECT_EQ(s.kept(), 1);
    EXPECT_EQ(s.forgotten(), 1);
    EXPECT_EQ(s.position(), 2);

    EXPECT_EQ(tree.read(student("colors-k.txt")), crlf({kCasa, kPerro}));
    EXPECT_EQ(tree.read(student("colors-u.txt")), crlf({kGato, kNino}));
    const QStringList lines = schedule_lines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("colors\t00412\t")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("colors\t00414\t")));
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(ReviewTest, ForgotIntoAMissingUnknownFileKeepsTheRestOfTheList) {
    // A student whose unknown file was deleted: appending one word would leave it the only one.
    tree.write("languages/spanish/colors.txt", crlf({kCasa, kNino, kGato}));
    mark_known("colors", kCasa);
    ASSERT_TRUE(QFile::remove(tree.path(student("colors-u.txt"))));
    clock.advance(1);
    ReviewSession s(m, m, m);
    ASSERT_TRUE(s.forgot());
    EXPECT_EQ(tree.read(student("colors-u.txt")), crlf({kNino, kGato, kCasa}));
    EXPECT_EQ(tree.read(student("colors-k.txt")), QByteArray());
    EXPECT_TRUE(schedule_lines().isEmpty());
}

TEST_F(ReviewTest, AMissingScheduleIsRebuiltFromTheKnownFilesAndSpreadOverAWeek) {
    EXPECT_EQ(review_due_count(m, m, review_today(m.date_clock), m.prompter), 0);
    EXPECT_FALSE(tree.exists(student("review.txt"))) << "no known words: nothing is written";

    QStringList animals, colors;
    for (int i = 0; i < 8; ++i) animals << QStringLiteral("a%1|animal %1|%2").arg(i).arg(100 + i, 5, 10, QChar('0'));
    for (int i = 0; i < 6; ++i) colors << QStringLiteral("c%1|colour %1|%2").arg(i).arg(200 + i, 5, 10, QChar('0'));
    tree.write(student("animals-k.txt"), crlf(animals));
    tree.write(student("colors-k.txt"), crlf(colors));
    tree.write(student("empty-k.txt"), "\r");

    EXPECT_EQ(review_due_count(m, m, review_today(m.date_clock), m.prompter), 2);
    const QStringList lines = schedule_lines();
    ASSERT_EQ(lines.size(), 14);
    int per_day[7] = {};
    for (const QString& line : lines) {
        const auto item = parse_review_line(line);
        ASSERT_TRUE(item) << line.toStdString();
        EXPECT_EQ(item->box, 1);
        const qint64 d = clock.day.daysTo(item->due);
        ASSERT_TRUE(d >= 0 && d < 7) << line.toStdString();
        ++per_day[d];
    }
    for (int n : per_day) EXPECT_EQ(n, 2);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("animals\t00100\ta0|animal 0|00100\t1\t")));
    clock.advance(6);
    EXPECT_EQ(review_due_count(m, m, review_today(m.date_clock), m.prompter), 14);
}

TEST_F(ReviewTest, BadLinesAreSkippedAndKeptOutWhileTheKnownFilesStayTheTruth) {
    tree.write(student("colors-k.txt"), crlf({kCasa, kNino, kPerro}));
    const QStringList good{
        QStringLiteral("colors\t00412\tcasa|house|00412\t2\t2026-03-01\t2026-02-26"),
        QStringLiteral("colors\t00413\tniño|child|00413\t5\t2026-04-01\t"),
    };
    const QStringList bad{
        QStringLiteral("colors\t00414\tperro|dog|00414\t9\t2026-03-01\t"),           // box outside 1-7
        QStringLiteral("colors\t00414\tperro|dog|00414\t1\t2026-02-30\t"),           // no such day
        QStringLiteral("colors\t00414\tperro|dog|00414\t1\t2026-03-01"),             // a field short
        QStringLiteral("colors\t99999\tperro|dog|00414\t1\t2026-03-01\t"),           // sound number differs
        QStringLiteral("colors\t00414\tperro|dog\t1\t2026-03-01\t"),                 // not an entry
        QStringLiteral("colors\t00412\tcasa|house|00412\t1\t2026-03-01\t"),          // second line for casa
        QStringLiteral("gone\t00415\tgato|cat|00415\t1\t2026-03-01\t"),              // no longer known
        QStringLiteral("just some words"),
    };
    tree.write(student("review.txt"), crlf(QStringList{good[0], bad[0], bad[1], good[1]} + bad.mid(2)));

    const auto opened = ReviewSchedule::open(folder(), clock.day, false);
    EXPECT_EQ(opened.bad_lines(), 7);
    const auto due = review_due_items(m, m, review_today(m.date_clock), m.prompter);
    ASSERT_EQ(due.size(), 2u);
    EXPECT_EQ(due[0].entry, kCasa);
    EXPECT_EQ(due[0].box, 2);
    EXPECT_EQ(due[1].entry, kPerro) << "a known word the schedule lacked joins it";
    EXPECT_EQ(due[1].box, 1);
    const QStringList lines = schedule_lines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines.mid(0, 2), good);
}

TEST_F(ReviewTest, MovesBackToUnknownLeaveTheScheduleAndAMissedTestWordIsDueToday) {
    mark_known("colors", kCasa);
    mark_known("animals", kPerro);
    mark_known("colors", kNino);
    review_missed_in_test(m, m, review_today(m.date_clock), m.prompter, kPerro);
    review_missed_in_test(m, m, review_today(m.date_clock), m.prompter, kGato);  // not known: nothing changes
    auto due = review_due_items(m, m, review_today(m.date_clock), m.prompter);
    ASSERT_EQ(due.size(), 1u);
    EXPECT_EQ(due[0].entry, kPerro);

    m.current_list = QStringLiteral("colors");
    m.shown_file = m.known_file;
    create_array_of_words(m, m.shown_file);
    ASSERT_TRUE(mark_word_unknown(m.prompter, m, m, review_today(m.date_clock), 0));
    EXPECT_EQ(tree.read(student("colors-k.txt")), crlf({kNino}));
    const QStringList lines = schedule_lines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_FALSE(lines.join(u'\n').contains(QStringLiteral("casa")));
}
