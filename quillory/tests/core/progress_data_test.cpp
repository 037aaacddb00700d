#include "core/progress_data.h"
#include "core/text_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ql;

namespace {

QDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) { return QDateTime(QDate(y, mo, d), QTime(h, mi, s)); }

}  // namespace

TEST(ProgressData, ReadsTheUsDateFormsOfTheStartField) {
    EXPECT_EQ(parse_us_date_time(u"12/7/2026 2:30:05 PM"), at(2026, 12, 7, 14, 30, 5));
    EXPECT_EQ(parse_us_date_time(u"1/2/2026 12:05:00 AM"), at(2026, 1, 2, 0, 5));
    EXPECT_EQ(parse_us_date_time(u"1/2/2026 12:05:00 PM"), at(2026, 1, 2, 12, 5));
    EXPECT_EQ(parse_us_date_time(u"01/02/2026 9:15 am"), at(2026, 1, 2, 9, 15));
    EXPECT_EQ(parse_us_date_time(u"3/4/99 23:59:59"), at(1999, 3, 4, 23, 59, 59));
    EXPECT_EQ(parse_us_date_time(u"3/4/05"), at(2005, 3, 4));
    // Day before month, impossible dates and hours, and stray text are not dates.
    for (const char16_t* bad : {u"13/1/2026 1:00:00 PM", u"2/30/2026", u"2/3/2026 13:00:00 PM", u"2/3/2026 0:00:00 AM",
                                u"2/3/2026 24:00:00", u"2/3/2026 1:60:00 PM", u"2/3/202 1:00 PM", u"2-3-2026",
                                u"+2/3/2026", u"2/3/2026 noon", u""})
        EXPECT_FALSE(parse_us_date_time(bad).isValid()) << QString::fromUtf16(bad).toStdString();
}

TEST(ProgressData, BuildsTheStudentsHistoryFromAResultsFile) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/test_results.txt");
    // Written as older data folders hold it: Windows-1252, CR LF.
    const QByteArray bytes =
        "ann\tspanish\tcolores\t10\t80%\t01:10 \tMultiple Choice\tText Only\t12/7/2026 2:30:00 PM\r\n"
        "bo\tspanish\tcolores\t5\t20%\t01:00 \tSpelling\tSound Only\t12/1/2026 9:00:00 AM\r\n"
        "ann\tgerman\tfarben\t4\t50%\t00:40 \tFill In Blank\tText Only\t12/2/2026 9:00:00 AM\r\n"
        "ann\tspanish\tcolores (unknowns only)\t3\t67%\t00:20 \tSpelling\tSound Only\tyesterday\r\n"
        "ann\tspanish\tn\xfameros\t2\t100%\t00:10 \t\tText Only\t12/2/2026 9:00:00 AM\r\n"
        "ann\tspanish\tmaster\t6\t150%\t00:10 \tSpelling\tSound Only\t12/3/2026 9:00:00 AM\r\n"
        "bo\tbroken line\r\n"
        "\r\n"
        "annie\tgerman\tfarben\t1\t0%\t00:05 \tSpelling\tSound Only\t12/4/2026 9:00:00 AM\r\n"
        "ann\tgerman\tmaster\t0\t0%\t00:01 \tMultiple Choice\tText Only\t11/30/2026\r\n";
    ASSERT_TRUE(write_bytes(path, bytes));

    const ScoreHistory h = read_score_history(path, QStringLiteral("ann"));
    // The bad date and the score above 100% are the student's two unreadable lines; bo's broken one
    // is not the student's business.
    EXPECT_EQ(h.unreadable, 2);
    ASSERT_EQ(h.tests.size(), 4u);
    // Oldest first; the two tests begun at the same moment keep their file order.
    EXPECT_EQ(h.tests[0].word_source, u"master");
    EXPECT_EQ(h.tests[0].started, at(2026, 11, 30));
    EXPECT_EQ(h.tests[0].questions, 0);
    EXPECT_EQ(h.tests[1].language, u"german");
    EXPECT_EQ(h.tests[1].percent, 50);
    EXPECT_EQ(h.tests[1].kind, u"Fill In Blank");
    EXPECT_EQ(h.tests[2].word_source, u"n\u00fameros");
    EXPECT_EQ(h.tests[2].kind, u"");
    EXPECT_EQ(h.tests[3].word_source, u"colores");
    EXPECT_EQ(h.tests[3].questions, 10);
    EXPECT_EQ(h.tests[3].percent, 80);
    EXPECT_EQ(h.tests[3].started, at(2026, 12, 7, 14, 30));

    const auto all = score_series(h);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].language, u"german");
    EXPECT_EQ(all[0].tests, (std::vector<int>{0, 1}));
    EXPECT_EQ(all[1].language, u"spanish");
    EXPECT_EQ(all[1].tests, (std::vector<int>{2, 3}));
    const auto spanish = score_series(h, QStringLiteral("spanish"));
    ASSERT_EQ(spanish.size(), 1u);
    EXPECT_EQ(spanish[0].tests, (std::vector<int>{2, 3}));
    EXPECT_TRUE(score_series(h, QStringLiteral("french")).empty());

    EXPECT_EQ(unreadable_lines_text(h.unreadable), u"2 lines could not be read");
    EXPECT_EQ(unreadable_lines_text(1), u"1 line could not be read");
    EXPECT_EQ(unreadable_lines_text(0), u"");

    // A student without lines, and a file that is not there, give an empty history.
    EXPECT_TRUE(read_score_history(path, QStringLiteral("cy")).tests.empty());
    EXPECT_EQ(read_score_history(path + QStringLiteral(".none"), QStringLiteral("ann")).unreadable, 0);
}

TEST(ProgressData, CountsKnownAndUnknownEntriesPerList) {
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    ASSERT_TRUE(write_lines(folder + QStringLiteral("colores-k.txt"), {"rojo|red|00001", "azul|blue|00002"}));
    ASSERT_TRUE(write_lines(folder + QStringLiteral("colores-u.txt"), {"verde|green|00003", "not an entry"}));
    ASSERT_TRUE(write_lines(folder + QStringLiteral("Animales-u.txt"), {"gato|cat|00010"}));
    // A list name that itself ends in "-k" is its own list.
    ASSERT_TRUE(write_lines(folder + QStringLiteral("colores-k-k.txt"), {"negro|black|00004"}));
    ASSERT_TRUE(write_lines(folder + QStringLiteral("vacio-u.txt"), {}));
    ASSERT_TRUE(write_lines(folder + QStringLiteral("review.txt"), {"x"}));

    const auto lists = known_words_by_list(folder);
    ASSERT_EQ(lists.size(), 3u);
    EXPECT_EQ(lists[0].list, u"Animales");
    EXPECT_EQ(lists[0].known, 0);
    EXPECT_EQ(lists[0].unknown, 1);
    EXPECT_EQ(lists[1].list, u"colores-k");
    EXPECT_EQ(lists[1].known, 1);
    EXPECT_EQ(lists[2].list, u"colores");
    EXPECT_EQ(lists[2].known, 2);
    EXPECT_EQ(lists[2].unknown, 1);
    EXPECT_TRUE(known_words_by_list(folder + QStringLiteral("missing/")).empty());
}

TEST(ProgressData, CountsDueWordsPerDayAheadWithOverdueOnTheFirst) {
    const QDate today(2026, 12, 8);
    const auto days = due_per_day({today.addDays(-5), today, today.addDays(1), today.addDays(29), today.addDays(30), QDate()},
                                  today);
    ASSERT_EQ(days.size(), 30u);
    EXPECT_EQ(days[0], 2);
    EXPECT_EQ(days[1], 1);
    EXPECT_EQ(days[29], 1);
    int total = 0;
    for (int n : days) total += n;
    EXPECT_EQ(total, 4);
}
