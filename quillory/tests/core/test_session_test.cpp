#include "support/run_pieces.h"
#include "core/test_session.h"
#include "support/data_tree.h"

#include <QFile>
#include <gtest/gtest.h>

using ql::testing::RunPieces;

using namespace ql;
using ql::testing::DataTree;

namespace {

void expect_right(TestKind kind, const QString& answer, const QString& expected) {
    const Verdict v = judge_answer(kind, answer, expected);
    EXPECT_TRUE(v.right) << answer.toStdString() << " against " << expected.toStdString();
    EXPECT_EQ(v.message, answer + QStringLiteral(" found in ") + expected);
}

void expect_wrong(TestKind kind, const QString& answer, const QString& expected) {
    const Verdict v = judge_answer(kind, answer, expected);
    EXPECT_FALSE(v.right) << answer.toStdString() << " against " << expected.toStdString();
    EXPECT_TRUE(v.message.isEmpty());
}

}  // namespace

TEST(Judging, TypedAnswerIsRightWhenItIsOneSenseOfTheTranslation) {
    for (const char* expected : {"the house", "house", "house, home", "house/home", "house (building)", "a\\house\\b"})
        expect_right(TestKind::FillInBlank, QStringLiteral("house"), QString::fromUtf8(expected));
    // Whole words are not required: a prefix followed by a separator is enough.
    expect_right(TestKind::FillInBlank, QStringLiteral("hou"), QStringLiteral("hou, se"));
    // The containment tests ignore case; the whole-answer test does not need to.
    expect_right(TestKind::FillInBlank, QStringLiteral("House"), QStringLiteral("the house"));
    // A kind that was never chosen judges as a typed answer.
    expect_right(TestKind::None, QStringLiteral("house"), QStringLiteral("the house"));

    expect_wrong(TestKind::FillInBlank, QStringLiteral("house"), QStringLiteral("home"));
    expect_wrong(TestKind::FillInBlank, QStringLiteral("house"), QStringLiteral("houses"));
    expect_wrong(TestKind::FillInBlank, QStringLiteral("hou"), QStringLiteral("house"));
    expect_wrong(TestKind::FillInBlank, QStringLiteral("Home"), QStringLiteral("home"));
}

TEST(Judging, AnEmptyAnswerIsAlwaysWrong) {
    for (TestKind kind : {TestKind::FillInBlank, TestKind::Spelling, TestKind::None}) {
        expect_wrong(kind, QString(), QStringLiteral("house, home"));
        expect_wrong(kind, QString(), QString());
    }
    // A multiple-choice question left without a click is wrong too (its right choice is never empty).
    expect_wrong(TestKind::MultipleChoice, QString(), QStringLiteral("house"));
}

TEST(Judging, SpellingIsJudgedAgainstTheWordWithItsAccentsFolded) {
    EXPECT_EQ(fold_accents(QStringLiteral("café")), u"cafe");
    EXPECT_EQ(fold_accents(QStringLiteral("àáãèéìíñòóõö")), u"aaaeeiinoooo");
    // Only these lower-case letters fold; others stay as typed.
    EXPECT_EQ(fold_accents(QStringLiteral("ÉâüçÑ")), QStringLiteral("ÉâüçÑ"));
    const QString expected = fold_accents(QStringLiteral("café"));
    expect_wrong(TestKind::Spelling, QStringLiteral("café"), expected);
    expect_right(TestKind::Spelling, QStringLiteral("cafe"), expected);
}

TEST(Judging, MultipleChoiceMustMatchExactly) {
    const Verdict right = judge_answer(TestKind::MultipleChoice, QStringLiteral("house, home"), QStringLiteral("house, home"));
    EXPECT_TRUE(right.right);
    EXPECT_TRUE(right.message.isEmpty());  // no message box for a click
    EXPECT_FALSE(judge_answer(TestKind::MultipleChoice, QStringLiteral("House, home"), QStringLiteral("house, home")).right);
    EXPECT_FALSE(judge_answer(TestKind::MultipleChoice, QStringLiteral("house"), QStringLiteral("house, home")).right);
}

TEST(Results, PercentRoundsHalfUpAndIsZeroWithoutQuestions) {
    EXPECT_EQ(percent_right(0, 0), 0);
    EXPECT_EQ(percent_right(3, 0), 0);
    EXPECT_EQ(percent_right(2, 2), 100);
    EXPECT_EQ(percent_right(2, 3), 67);
    EXPECT_EQ(percent_right(1, 3), 33);
    EXPECT_EQ(percent_right(1, 8), 13);   // 12.5 rounds up
    EXPECT_EQ(percent_right(1, 40), 3);   // 2.5 rounds up
    EXPECT_EQ(percent_right(1, 200), 1);  // 0.5 rounds up
    EXPECT_EQ(percent_right(1, 201), 0);
    EXPECT_EQ(percent_right(32766, 32767), 100);
}

TEST(Results, ElapsedTimeKeepsMinutesAndSecondsEvenWhenTheyRead12) {
    EXPECT_EQ(elapsed_text(0), u"00:00 ");
    EXPECT_EQ(elapsed_text(205), u"03:25 ");
    // Removing every "12:" from a clock rendering lost these; minutes and seconds stay.
    EXPECT_EQ(elapsed_text(12 * 60 + 12), u"12:12 ");
    EXPECT_EQ(elapsed_text(12 * 60 + 5), u"12:05 ");
    EXPECT_EQ(elapsed_text(3600 + 125), u"1:02:05 ");
    EXPECT_EQ(elapsed_text(13 * 3600), u"13:00:00 ");
}

TEST(Results, DatesAreWrittenInUsEnglishWhateverTheLocale) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(us_date_time(QDateTime(QDate(2026, 12, 7), QTime(15, 4, 5))), u"12/7/2026 3:04:05 PM");
    EXPECT_EQ(us_date_time(QDateTime(QDate(2027, 1, 2), QTime(0, 30, 0))), u"1/2/2027 12:30:00 AM");
    EXPECT_EQ(us_date_time(QDateTime(QDate(2027, 1, 2), QTime(12, 0, 9))), u"1/2/2027 12:00:09 PM");
    QLocale::setDefault(before);
}

TEST(Results, LinesHaveNineTabSeparatedFieldsEndedByCrLf) {
    DataTree t;
    RunPieces m;
    t.attach(m, QStringLiteral("ann"));
    ResultsLine r;
    r.student = QStringLiteral("ann");
    r.language = QStringLiteral("spanish");
    r.word_source = QStringLiteral("animales (unknowns only)");
    r.asked_count = 3;
    r.percent = 67;
    r.elapsed_seconds = 205;
    r.kind = TestKind::FillInBlank;
    r.presentation = Presentation::TextAndSound;
    r.started = QDateTime(QDate(2026, 12, 7), QTime(9, 5, 0));
    ASSERT_TRUE(append_results_line(m, r));

    r.student.clear();  // a student may have no name
    r.word_source = QStringLiteral("master");
    r.asked_count = 0;
    r.percent = 0;
    r.elapsed_seconds = 3;
    r.kind = TestKind::Spelling;
    r.presentation = Presentation::TextOnly;  // spelling is always written as sound only
    ASSERT_TRUE(append_results_line(m, r));

    r.kind = TestKind::MultipleChoice;
    r.presentation = Presentation::TextOnly;
    EXPECT_EQ(format_results_line(r).section(u'\t', 6, 7), u"Multiple Choice\tText Only");
    r.kind = TestKind::None;
    EXPECT_EQ(format_results_line(r).section(u'\t', 6, 7), u"\tText Only");

    EXPECT_EQ(t.read("test_results.txt"),
              QByteArray("ann\tspanish\tanimales (unknowns only)\t3\t67%\t03:25 \tFill In Blank\tText and Sound\t12/7/2026 9:05:00 AM\r\n"
                         "\tspanish\tmaster\t0\t0%\t00:03 \tSpelling\tSound Only\t12/7/2026 9:05:00 AM\r\n"));
}

TEST(Results, AnUnwritableResultsFileIsReportedByName) {
    DataTree t;
    RunPieces m;
    t.attach(m);
    t.mkdir("test_results.txt");  // a folder where the file should be
    QString error;
    EXPECT_FALSE(append_results_line(m, ResultsLine{}, &error));
    EXPECT_TRUE(error.contains(t.path("test_results.txt"))) << error.toStdString();
}

TEST(Results, SoundLookupPrefersNewRecordings) {
    DataTree t;
    RunPieces m;
    t.attach(m);
    m.current_language = QStringLiteral("spanish");
    EXPECT_TRUE(find_test_sound(m, m.current_language, QStringLiteral("04001")).isEmpty());
    t.write("languages/spanish/04/04001.mp3", "x");
    EXPECT_EQ(find_test_sound(m, m.current_language, QStringLiteral("04001")), t.path("languages/spanish/04/04001.mp3"));
    t.write("languages/spanish/new_mp3/04/04001.mp3", "x");
    EXPECT_EQ(find_test_sound(m, m.current_language, QStringLiteral("04001")), t.path("languages/spanish/new_mp3/04/04001.mp3"));
    t.write("languages/spanish/new_wav/04/04001.wav", "x");
    EXPECT_EQ(find_test_sound(m, m.current_language, QStringLiteral("04001")), t.path("languages/spanish/new_wav/04/04001.wav"));
}
