// Options > Speech Speed, remembered per student, and "Today's Review as MP3" from the review window
// and the File menu.
#include "support/window_test.h"
#include "core/mp3_encode.h"
#include "core/review_mp3.h"
#include "core/review_schedule.h"
#include "core/speech_speed.h"
#include "core/text_file.h"
#include "support/fake_date_clock.h"
#include "support/fake_voice.h"
#include "support/sound_maker.h"
#include "windows/main_window.h"
#include "windows/review_window.h"
#include "windows/window_openers.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace ql;
using namespace ql::testing;

namespace {

class SpeedOption : public WindowTest {
protected:
    SpeedOption() {
        t.write_lines("languages/spanish/master_spanish.txt", {"casa|house|00412"});
        t.write_lines("languages/spanish/animals.txt", {"casa|house|00412"});
        t.write("languages/spanish/00/00412.mp3", test_data_file("buenos_dias.mp3"));
        m.voice = &voice;
        m.date_clock = &clock;
    }
    void open(const QString& student) { w = start_main_window(student); }
    QAction* speed(int percent) const {
        return w->findChild<QAction*>(QStringLiteral("mnu_speed_%1").arg(percent));
    }
    QList<int> checked() const {
        QList<int> out;
        for (int p : speech_speed_choices())
            if (speed(p) && speed(p)->isChecked()) out << p;
        return out;
    }
    FakeVoice voice;
    FakeDateClock clock;
    std::unique_ptr<MainWindow> w;
};

}  // namespace

TEST_F(SpeedOption, ChosenSpeedSlowsAClickAndIsRememberedForTheStudentOnly) {
    open(QStringLiteral("ann"));
    auto* menu = w->findChild<QMenu*>(QStringLiteral("mnu_speech_speed"));
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->title(), "&Speech Speed");
    QStringList texts;
    for (QAction* a : menu->actions()) texts << a->text();
    EXPECT_EQ(texts, (QStringList{"100 %", "90 %", "80 %", "70 %", "60 %", "50 %"}));
    EXPECT_EQ(checked(), QList<int>{100});
    EXPECT_EQ(m.speech_speed, 100);

    w->on_list_click(0);
    w->on_word_click(0);
    pump.run();
    EXPECT_EQ(audio.played, QStringList{t.path("languages/spanish/00/00412.mp3")}) << "the file itself at 100 %";

    speed(70)->trigger();
    EXPECT_EQ(checked(), QList<int>{70});
    EXPECT_EQ(m.speech_speed, 70);
    EXPECT_TRUE(QString::fromUtf8(t.read("users/ann/settings.ini")).contains("speed_percent=70"));
    w->on_word_click(0);
    pump.run();
    ASSERT_EQ(audio.played.size(), 2);
    const double natural = double(decode_mp3_pcm(test_data_file("buenos_dias.mp3"))->samples.size());
    EXPECT_TRUE(audio.played[1].startsWith("pcm:"));
    EXPECT_NEAR(audio.played[1].mid(4).toDouble(), natural / 0.7, natural / 0.7 * 0.02);
    EXPECT_TRUE(prompter.messages().isEmpty());

    w.reset();
    open(QStringLiteral("bob"));
    EXPECT_EQ(checked(), QList<int>{100});
    EXPECT_EQ(m.speech_speed, 100);
    w.reset();
    open(QStringLiteral("ann"));
    EXPECT_EQ(checked(), QList<int>{70});
    EXPECT_EQ(m.speech_speed, 70);
}

TEST_F(SpeedOption, WithoutAVoiceEngineTheOptionsMenuHoldsOnlyTheSpeed) {
    m.voice = nullptr;
    open(QStringLiteral("ann"));
    auto* options = w->findChild<QMenu*>(QStringLiteral("mnu_options"));
    ASSERT_TRUE(options);
    ASSERT_EQ(options->actions().size(), 1);
    EXPECT_EQ(options->actions()[0]->menu(), w->findChild<QMenu*>(QStringLiteral("mnu_speech_speed")));
}

TEST_F(SpeedOption, FileMenuSaysWhenNothingIsDue) {
    open(QStringLiteral("ann"));
    w->findChild<QAction*>(QStringLiteral("mnu_review_mp3"))->trigger();
    EXPECT_EQ(prompter.messages(), QStringList{"No words are due for review today, so no MP3 was made."});
    EXPECT_TRUE(folder_entries(t.path("users/ann/spanish")).filter("review_").isEmpty());
}

namespace {

struct ReviewMp3Window : WindowTest {
    ReviewMp3Window() {
        t.attach(m);
        m.date_clock = &clock;
        m.current_language = QStringLiteral("spanish");
        m.target_language = QStringLiteral("english");
        m.target_sound_numbers[412] = QStringLiteral("00900");
        m.repeat_count = 2;
        m.pause_seconds = 0.2f;
        tree.write("languages/spanish/00/00412.mp3", test_data_file("buenos_dias.mp3"));
        tree.write("languages/spanish/00/00413.mp3", test_data_file("buenos_dias.mp3"));
        tree.write("languages/english/00/00900.mp3", test_data_file("quick_brown_fox.mp3"));
        tree.write("silence.mp3", encode_mp3(std::vector<int16_t>(4410, 0)));
        tree.write(known, crlf({QStringLiteral("casa|house|00412"), QStringLiteral("niño|child|00413")}));
        tree.write(unknown, QByteArray());
        for (const QString& e : {QStringLiteral("casa|house|00412"), QStringLiteral("niño|child|00413")})
            EXPECT_TRUE(review_after_move(review_today(m.date_clock), t.path(known), t.path(unknown), e, nullptr));
        clock.advance(1);
    }
    DataTree& tree = t;
    FakeDateClock clock;
    const QString known = QStringLiteral("users/ann/spanish/colors-k.txt");
    const QString unknown = QStringLiteral("users/ann/spanish/colors-u.txt");
};

}  // namespace

TEST_F(ReviewMp3Window, TheReviewWindowsButtonSavesTheMp3AndTheReviewGoesOnUnchanged) {
    QPointer<ReviewWindow> w = ReviewWindow::open(m);
    const QByteArray schedule = tree.read("users/ann/spanish/review.txt");
    auto* button = w->findChild<QPushButton*>(QStringLiteral("review_mp3"));
    ASSERT_TRUE(button);
    EXPECT_EQ(button->text(), "Today's Review as MP3");
    EXPECT_EQ(button->accessibleName(), button->text());
    prompter.clear();
    QTest::mouseClick(button, Qt::LeftButton);

    const QString day = clock.day.toString(Qt::ISODate);
    const QString mp3 = tree.path("users/ann/spanish/review_" + day + ".mp3");
    ASSERT_TRUE(QFile::exists(mp3));
    // Word and pause, translation and pause, twice (the repeat count); niño has no translation.
    const QByteArray w_ = test_data_file("buenos_dias.mp3"), t_ = test_data_file("quick_brown_fox.mp3"),
                     s_ = tree.read("silence.mp3"), nl = "\r\n";
    const QByteArray casa = w_ + nl + s_ + nl + t_ + nl + s_ + nl;
    const QByteArray nino = w_ + nl + s_ + nl;
    EXPECT_EQ(tree.read("users/ann/spanish/review_" + day + ".mp3"), casa + casa + nino + nino);
    const double seconds = double(decode_mp3(tree.read("users/ann/spanish/review_" + day + ".mp3")).samples) / 22050;
    EXPECT_EQ(prompter.messages(),
              QStringList{"Today's review is ready: 2 words, playing " + play_time_text(seconds) +
                          ".\r\nIt was saved as " + mp3 + ", with its captions beside it."});
    EXPECT_EQ(QString::fromUtf8(tree.read("users/ann/spanish/review_" + day + ".lrc")).split("\r\n").size(), 3);
    EXPECT_EQ(tree.read("users/ann/spanish/review.txt"), schedule);
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("progress"))->text(), "1 of 2");
    w->close();
}
