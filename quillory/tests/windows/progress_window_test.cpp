#include "support/window_test.h"
#include "windows/progress_window.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QDateTimeAxis>
#include <QCheckBox>
#include <QHorizontalStackedBarSeries>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QBarSeries>
#include <QTest>
#include <gtest/gtest.h>

using namespace ql;
using namespace ql::testing;

namespace {

struct ProgressWindowFixture : public WindowTest {
    void SetUp() override {
        t.attach(m);
        m.current_language = QStringLiteral("spanish");
        t.write_lines(QStringLiteral("test_results.txt"),
                      {"ann\tspanish\tcolores\t10\t80%\t01:10 \tMultiple Choice\tText Only\t12/7/2026 2:30:00 PM",
                       "bo\tspanish\tcolores\t5\t20%\t01:00 \tSpelling\tSound Only\t12/1/2026 9:00:00 AM",
                       "ann\tgerman\tfarben\t4\t50%\t00:40 \tFill In Blank\tText Only\t12/2/2026 9:00:00 AM",
                       "ann\tspanish\tcolores\t3\t33%\t00:20 \tSpelling\tSound Only\t12/1/2026 9:00:00 AM",
                       "ann\tspanish\tcolores\tthree\t33%\t00:20 \tSpelling\tSound Only\t12/1/2026 9:00:00 AM"});
        t.write_lines(QStringLiteral("users/ann/spanish/colores-k.txt"), {"rojo|red|00001"});
        t.write_lines(QStringLiteral("users/ann/spanish/colores-u.txt"), {"verde|green|00003", "azul|blue|00002"});
    }
    void TearDown() override { ProgressWindow::review_due_dates() = &ProgressWindow::schedule_due_dates; }
    static std::vector<QLineSeries*> lines(QChart* chart) {
        std::vector<QLineSeries*> out;
        if (chart)
            for (QAbstractSeries* s : chart->series()) out.push_back(qobject_cast<QLineSeries*>(s));
        return out;
    }
};

}  // namespace

TEST_F(ProgressWindowFixture, DrawsTheStudentsScoresPerLanguageOrTheChosenOneOnly) {
    ProgressWindow w(m, m, m);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_EQ(w.windowTitle(), u"Progress");
    auto scores = lines(w.shown_chart());
    ASSERT_EQ(scores.size(), 2u);
    EXPECT_EQ(scores[0]->name(), u"spanish");
    EXPECT_EQ(scores[1]->name(), u"german");
    // bo's 20% is not ann's; her tests run oldest first.
    ASSERT_EQ(scores[0]->count(), 2);
    EXPECT_EQ(scores[0]->at(0).y(), 33);
    EXPECT_EQ(scores[0]->at(1).y(), 80);
    EXPECT_EQ(scores[0]->at(1).x(), double(QDateTime(QDate(2026, 12, 7), QTime(14, 30)).toMSecsSinceEpoch()));
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("unreadable_lines"))->text(), u"1 line could not be read");
    // Pointing at the line near a test tells that test.
    emit scores[0]->hovered(scores[0]->at(1) - QPointF(3600e3, 1), true);
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("test_detail"))->text(),
              u"colores, Multiple Choice, 10 questions, 80%  (spanish, 12/7/2026 2:30 PM)");

    auto* only = w.findChild<QCheckBox*>(QStringLiteral("only_language"));
    EXPECT_EQ(only->text(), u"Only spanish");
    only->setChecked(true);
    scores = lines(w.shown_chart());
    ASSERT_EQ(scores.size(), 1u);
    EXPECT_EQ(scores[0]->count(), 2);

    w.show_page(ProgressWindow::Page::KnownWords);
    ASSERT_NE(w.shown_chart(), nullptr);
    auto* bars = qobject_cast<QHorizontalStackedBarSeries*>(w.shown_chart()->series().value(0));
    ASSERT_NE(bars, nullptr);
    EXPECT_EQ(bars->barSets()[0]->at(0), 1);
    EXPECT_EQ(bars->barSets()[1]->at(0), 2);

    // The review schedule, made from the known file since there is none yet: rojo is due today.
    w.show_page(ProgressWindow::Page::Reviews);
    ASSERT_NE(w.shown_chart(), nullptr);
    auto* due = qobject_cast<QBarSeries*>(w.shown_chart()->series().value(0));
    ASSERT_NE(due, nullptr);
    EXPECT_EQ(due->barSets()[0]->at(0), 1);
    EXPECT_EQ(due->barSets()[0]->sum(), 1);
    // Looking writes nothing.
    EXPECT_FALSE(t.exists(QStringLiteral("users/ann/spanish/review.txt")));
}

TEST_F(ProgressWindowFixture, SaysThereIsNothingToShowForANewStudent) {
    t.attach(m, QStringLiteral("cy"));
    ProgressWindow w(m, m, m);
    EXPECT_EQ(w.shown_chart(), nullptr);
    EXPECT_EQ(w.sentence(ProgressWindow::Page::Scores),
              u"There are no test results yet. Finish a test and its score will show here.");
    EXPECT_EQ(w.sentence(ProgressWindow::Page::KnownWords),
              u"There are no word lists of yours in spanish yet. Click a list in the main window and double-click "
              u"the words you know.");
    EXPECT_EQ(w.sentence(ProgressWindow::Page::Reviews), u"No reviews are due in spanish over the next 30 days.");
    // The hint about pointing at a test goes with the tests.
    EXPECT_TRUE(w.findChild<QLabel*>(QStringLiteral("test_detail"))->isHidden());
    // Without a schedule to read the page says so rather than drawing empty axes.
    ProgressWindow::review_due_dates() = [](const QString&, const QDate&) { return std::nullopt; };
    w.reload();
    EXPECT_EQ(w.sentence(ProgressWindow::Page::Reviews), u"There is no review schedule to show yet.");
    EXPECT_FALSE(w.findChild<QPushButton*>(QStringLiteral("save_image"))->isEnabled());
}

// The date axis ticks on whole days, each day labelled once, and a test is nearest its own day's tick.
TEST_F(ProgressWindowFixture, TheScoreDatesAreTickedOncePerDayNearTheirTests) {
    auto check = [](ProgressWindow& w, const QStringList& days) {
        auto* x = qobject_cast<QDateTimeAxis*>(w.shown_chart()->axes(Qt::Horizontal).value(0));
        ASSERT_NE(x, nullptr);
        const qint64 from = x->min().toMSecsSinceEpoch(), to = x->max().toMSecsSinceEpoch();
        const int n = x->tickCount();
        QStringList labels;
        for (int i = 0; i < n; ++i)
            labels << QDateTime::fromMSecsSinceEpoch(from + (to - from) * i / (n - 1)).toString(x->format());
        EXPECT_EQ(labels, days);
        for (QAbstractSeries* s : w.shown_chart()->series())
            for (const QPointF& p : qobject_cast<QLineSeries*>(s)->points()) {
                const qint64 at = qint64(p.x());
                const int nearest = int(std::lround(double(at - from) * (n - 1) / double(to - from)));
                EXPECT_EQ(labels.value(nearest), QDateTime::fromMSecsSinceEpoch(at).toString(x->format()));
            }
    };
    {
        ProgressWindow w(m, m, m);  // three tests of ann: 12/1, 12/2 and 12/7
        check(w, {"11/30/2026", "12/1/2026", "12/2/2026", "12/3/2026", "12/4/2026", "12/5/2026", "12/6/2026",
                  "12/7/2026", "12/8/2026"});
    }
    t.write_lines(QStringLiteral("test_results.txt"),
                  {"ann\tspanish\tcolores\t10\t80%\t01:10 \tSpelling\tText Only\t12/3/2026 11:50:00 PM"});
    ProgressWindow one(m, m, m);
    check(one, {"12/2/2026", "12/3/2026", "12/4/2026"});
}

TEST_F(ProgressWindowFixture, ReviewsAheadCountsTheScheduleReadersDueDates) {
    const QDate today(2026, 12, 8);
    QString asked_folder;
    ProgressWindow::review_due_dates() = [&](const QString& folder, const QDate& day) {
        asked_folder = folder;
        return std::optional<std::vector<QDate>>({day.addDays(-2), day, day.addDays(3), day.addDays(40)});
    };
    ProgressWindow w(m, m, m);
    w.today = today;
    w.reload();
    w.show_page(ProgressWindow::Page::Reviews);
    EXPECT_EQ(asked_folder, m.user_folder + QStringLiteral("spanish/"));
    ASSERT_NE(w.shown_chart(), nullptr);
    auto* bars = qobject_cast<QBarSeries*>(w.shown_chart()->series().value(0));
    ASSERT_NE(bars, nullptr);
    QBarSet* due = bars->barSets()[0];
    ASSERT_EQ(due->count(), 30);
    EXPECT_EQ(due->at(0), 2);
    EXPECT_EQ(due->at(3), 1);
    EXPECT_EQ(due->sum(), 3);
}

TEST_F(ProgressWindowFixture, SavesTheShownChartAsAPngOfTheWindowsSizeInsideItsFolder) {
    ProgressWindow w(m, m, m);
    w.today = QDate(2026, 12, 8);
    w.resize(820, 540);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QString suggested;
    w.ask_image_path = [&](const QString& s) {
        suggested = s;
        return t.path(QStringLiteral("scores"));
    };
    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("save_image")), Qt::LeftButton);
    EXPECT_EQ(suggested, t.path(QStringLiteral("progress_ann_2026-12-08.png")));
    QImage saved;
    ASSERT_TRUE(saved.load(t.path(QStringLiteral("scores.png")), "PNG"));
    EXPECT_EQ(saved.size(), QSize(820, 540));
    // Not a blank picture: the chart's lines and labels are drawn on it.
    int dark = 0;
    for (int y = 0; y < saved.height(); y += 4)
        for (int x = 0; x < saved.width(); x += 4) dark += qGray(saved.pixel(x, y)) < 128;
    EXPECT_GT(dark, 50);
    EXPECT_TRUE(prompter.messages().isEmpty());

    // Names that leave their folder are refused, as every save refuses them.
    for (const QString& name : {QStringLiteral("../out.png"), QStringLiteral("sub/out.png"),
                                t.path(QStringLiteral("users/../out.png"))})
        EXPECT_FALSE(w.save_image(name)) << name.toStdString();
    EXPECT_EQ(prompter.messages().size(), 3);
    EXPECT_FALSE(t.exists(QStringLiteral("out.png")));
    EXPECT_FALSE(QFileInfo::exists(t.root() + QStringLiteral("../out.png")));
}
