#include "support/window_test.h"
#include "core/review_schedule.h"
#include "core/text_file.h"
#include "support/fake_date_clock.h"
#include "support/run_session.h"
#include "windows/review_window.h"
#include "windows/test_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace ql;
using namespace ql::testing;

namespace {

const QString kCasa = QStringLiteral("casa|house|00412");
const QString kNino = QStringLiteral("niño|child|00413");
const QString kPerro = QStringLiteral("perro|dog|00414");

struct ReviewWindowTest : public WindowTest {
    ReviewWindowTest() {
        t.attach(m);
        m.date_clock = &clock;
        m.current_language = QStringLiteral("spanish");
        m.target_language = QStringLiteral("english");
        m.target_sound_numbers[412] = QStringLiteral("00900");
        for (const char* r : {"spanish/00/00412", "spanish/00/00413", "spanish/00/00414", "english/00/00900"})
            t.write(QStringLiteral("languages/%1.mp3").arg(QLatin1String(r)), "ID3");
        t.write(known, crlf({kCasa, kNino, kPerro}));
        t.write(unknown, crlf({QStringLiteral("gato|cat|00415")}));
        for (const QString& e : {kCasa, kNino, kPerro}) EXPECT_TRUE(review_after_move(review_today(m.date_clock), t.path(known), t.path(unknown), e, nullptr));
        clock.advance(1);
    }
    FakeDateClock clock;
    const QString known = QStringLiteral("users/ann/spanish/colors-k.txt");
    const QString unknown = QStringLiteral("users/ann/spanish/colors-u.txt");
};

}  // namespace

TEST_F(ReviewWindowTest, KeysDriveAReviewThatClosedHalfwayLosesNothing) {
    QPointer<ReviewWindow> w = ReviewWindow::open(m);
    EXPECT_EQ(text_of(w, "progress"), u"1 of 3");
    EXPECT_EQ(text_of(w, "foreign_word"), u"casa");
    EXPECT_EQ(child<QLabel>(w, "foreign_word")->accessibleName(), u"casa");
    EXPECT_EQ(text_of(w, "translation"), QString());
    EXPECT_TRUE(audio.played.value(0).endsWith(u"00412.mp3"));
    for (auto* b : w->findChildren<QPushButton*>()) EXPECT_FALSE(b->accessibleName().isEmpty()) << b->objectName().toStdString();

    QTest::keyClick(w, Qt::Key_Right);  // not before the answer was seen
    EXPECT_EQ(text_of(w, "progress"), u"1 of 3");
    QTest::keyClick(child<QPushButton>(w, "show_answer"), Qt::Key_Space);
    EXPECT_EQ(text_of(w, "translation"), u"house");
    EXPECT_EQ(child<QLabel>(w, "translation")->accessibleName(), u"house");
    EXPECT_TRUE(audio.played.value(1).endsWith(u"00900.mp3")) << "the translation is heard";
    QTest::keyClick(child<QPushButton>(w, "knew_it"), Qt::Key_Space);  // a second Space keeps nothing
    EXPECT_EQ(text_of(w, "progress"), u"1 of 3");
    QTest::keyClick(child<QPushButton>(w, "knew_it"), Qt::Key_Right);
    EXPECT_EQ(text_of(w, "progress"), u"2 of 3");
    EXPECT_EQ(text_of(w, "foreign_word"), u"niño");
    QTest::keyClick(w, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(w);
    EXPECT_EQ(main_view.shown, 1);
    // The main window's "File #" label still shows its own list's last sound, not the review's.
    EXPECT_TRUE(main_view.sound_file_texts.isEmpty());

    // The kept word waits three days; the other two are still due.
    const auto kept = ReviewSchedule::open(t.path("users/ann/spanish/"), clock.day, false);
    ASSERT_EQ(kept.items().size(), 3u);
    EXPECT_EQ(kept.items()[0].box, 2);
    EXPECT_EQ(kept.items()[0].due, clock.day.addDays(3));

    w = ReviewWindow::open(m);
    EXPECT_EQ(text_of(w, "progress"), u"1 of 2");
    EXPECT_EQ(text_of(w, "foreign_word"), u"niño");
    QTest::keyClick(w, Qt::Key_Space);
    QTest::keyClick(w, Qt::Key_1);
    EXPECT_EQ(text_of(w, "foreign_word"), u"perro");
    EXPECT_EQ(t.read(unknown), crlf({QStringLiteral("gato|cat|00415"), kNino}));
    QTest::keyClick(w, Qt::Key_Space);
    QTest::keyClick(w, Qt::Key_2);
    EXPECT_EQ(text_of(w, "summary"), u"2 reviewed, 1 kept, 1 back to learning");
    EXPECT_EQ(child<QLabel>(w, "summary")->accessibleName(), text_of(w, "summary"));
    EXPECT_FALSE(child<QPushButton>(w, "show_answer")->isEnabled());
    EXPECT_EQ(t.read(known), crlf({kCasa, kPerro}));

    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // Closed while the translation is still being heard: the wait ends without touching a deleted
    // window, and the window goes once it has.
    clock.advance(30);
    w = ReviewWindow::open(m);
    ASSERT_EQ(text_of(w, "foreign_word"), u"casa");
    pump.after(0.2, [w] { QTest::keyClick(w, Qt::Key_Escape); });
    QTest::keyClick(w, Qt::Key_Space);
    pump.run();
    EXPECT_TRUE(w) << "deleted from the event loop, not inside the close";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(w);
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(ReviewWindowTest, AWrongTestAnswerOnAKnownWordMakesItDueToday) {
    t.write("languages/spanish/colors.txt", crlf({kCasa}));
    m.current_list = QStringLiteral("colors");
    m.list_file = t.path("languages/spanish/colors.txt");
    const auto before = ReviewSchedule::open(t.path("users/ann/spanish/"), clock.day, false);
    ASSERT_EQ(before.due_count(clock.day), 3);
    ASSERT_TRUE(ReviewSession(m, m, m).knew_it());  // casa now waits three days

    TestWindow w(m);
    w.show();
    child<QRadioButton>(&w, "fill_in_blank")->click();
    child<QLineEdit>(&w, "num_qs")->setText(QStringLiteral("1"));
    child<QLineEdit>(&w, "num_secs")->setText(QStringLiteral("10"));
    pump.after(1.0, [&] {
        QTest::keyClicks(child<QLineEdit>(&w, "Text1"), QStringLiteral("home"));
        QTest::keyClick(child<QLineEdit>(&w, "Text1"), Qt::Key_Return);
    });
    QTest::mouseClick(child<QPushButton>(&w, "begin_test"), Qt::LeftButton);
    pump.run();
    ASSERT_EQ(w.correct_count(), 0);
    const auto after = ReviewSchedule::open(t.path("users/ann/spanish/"), clock.day, false);
    ASSERT_EQ(after.items().size(), 3u);
    EXPECT_EQ(after.items()[0].due, clock.day);
    EXPECT_EQ(after.items()[0].box, 2);
    w.close();
}
