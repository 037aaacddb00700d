#include "support/drill_list.h"
#include "support/event_loop.h"
#include "support/window_test.h"

#include "core/audio_engine.h"
#include "core/mp3_encode.h"
#include "core/review_schedule.h"
#include "core/say_it/practice.h"
#include "support/fake_date_clock.h"
#include "support/speech_synth.h"
#include "windows/large_card_window.h"
#include "windows/review_window.h"
#include "windows/say_it_window.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace ql;
using namespace ql::testing;

namespace {

struct SayItWindowTest : WindowTest {
    SayItWindowTest() {
        t.attach(m);
        m.date_clock = &dates;
        m.current_language = QStringLiteral("spanish");
        m.target_language = QStringLiteral("english");
    }
    static QString text(QWidget* w, const char* name) { return text_of(w, name); }
    static bool enabled(QWidget* w, const char* name) {
        auto* b = child<QPushButton>(w, name);
        return b && b->isEnabled();
    }
    // The microphone hears `pcm` after a short silence, as a learner who starts at "Speak".
    void speak_into_microphone(const std::vector<int16_t>& pcm) {
        audio.microphone.assign(size_t(0.25 * 22050), 0);
        audio.microphone.insert(audio.microphone.end(), pcm.begin(), pcm.end());
    }
    say_it::PracticeWord word(const std::vector<int16_t>& reference) {
        return {QStringLiteral("perro"), QStringLiteral("spanish"), QStringLiteral("03002"), m.user_folder, reference};
    }

    FakeDateClock dates;
};

}  // namespace

TEST_F(SayItWindowTest, AWholeSayItWithACloseTake) {
    const auto reference = synthesise(word_asimuo(), 1.0, 120.0, 0.1, 0.1);
    speak_into_microphone(synthesise(word_asimuo(), 1.15, 190.0));
    auto* panel = new SayItWindow(audio, pump, &prompter);
    QPointer<SayItWindow> guard(panel);

    // The countdown as the learner sees it: ready, then the time left to speak, reference + 1 s long.
    QStringList seen;
    for (double at : {0.3, 0.7, 1.2, 1.9})
        pump.after(at, [&] { seen << text(panel, "countdown"); });
    const double start = pump.now();
    panel->practise(word(reference));
    pump.run();
    const double take_seconds = double(reference.size()) / 22050 + 1.0;
    EXPECT_EQ(audio.take_length, int(take_seconds * 22050));
    ASSERT_EQ(seen.size(), 4);
    EXPECT_EQ(seen[0], u"Get ready");
    for (int i = 1; i < 4; ++i) EXPECT_TRUE(seen[i].startsWith(u"Speak: ")) << seen[i].toStdString();
    EXPECT_GT(seen[1], seen[3]);  // counting down
    EXPECT_NEAR(pump.now() - start, 0.6 + take_seconds - 1300.0 / 22050, 0.02);
    EXPECT_EQ(text(panel, "countdown"), QString());

    ASSERT_TRUE(panel->comparison() && panel->comparison()->score);
    const int score = *panel->comparison()->score;
    // QL_SCREENSHOT_DIR: where to save a picture of the panel, for looking at it under a real display.
    const QString shots = qEnvironmentVariable("QL_SCREENSHOT_DIR");
    if (!shots.isEmpty()) panel->grab().save(shots + "/say_it_close.png");
    EXPECT_GE(score, 85);
    EXPECT_EQ(text(panel, "score"), QString::number(score));
    EXPECT_EQ(text(panel, "verdict"), u"Very close");
    EXPECT_EQ(text(panel, "say_word"), u"perro");
    for (const char* l : {"score", "verdict", "say_word"})
        EXPECT_EQ(child<QLabel>(panel, l)->accessibleName(), text(panel, l)) << l;
    for (auto* b : panel->findChildren<QPushButton*>()) {
        EXPECT_EQ(b->accessibleName(), b->text());
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    }

    // Hearing: the recording, the take, then both in turn with a short gap.
    audio.played.clear();
    QTest::mouseClick(child<QPushButton>(panel, "hear_reference"), Qt::LeftButton);
    pump.run();
    QTest::keyClick(panel, Qt::Key_T);
    pump.run();
    const double before_both = pump.now();
    QTest::mouseClick(child<QPushButton>(panel, "hear_both"), Qt::LeftButton);
    EXPECT_FALSE(enabled(panel, "say_again"));  // nothing else starts while the two play
    pump.run();
    const QString ref_sound = QStringLiteral("pcm:%1").arg(reference.size());
    ASSERT_EQ(audio.played.size(), 4);
    EXPECT_EQ(audio.played[0], ref_sound);
    EXPECT_EQ(audio.played[2], ref_sound);
    EXPECT_EQ(audio.played[1], audio.played[3]);
    EXPECT_NE(audio.played[1], ref_sound);
    EXPECT_NEAR(pump.now() - before_both, double(reference.size()) / 22050 + 0.4 + audio.played[3].mid(4).toDouble() / 22050, 0.03);

    // Nothing was stored until the learner asks.
    EXPECT_FALSE(t.exists("users/ann/spanish/takes"));
    QTest::mouseClick(child<QPushButton>(panel, "keep_take"), Qt::LeftButton);
    EXPECT_TRUE(t.exists("users/ann/spanish/takes/03002.mp3"));
    EXPECT_EQ(text(panel, "kept_take"), "Your take was kept as " + t.path("users/ann/spanish/takes/03002.mp3"));
    EXPECT_FALSE(t.exists("languages/spanish/takes"));

    // Say it again with a different word: a poor take.
    speak_into_microphone(synthesise(word_efolai(), 1.0, 120.0));
    QTest::keyClick(panel, Qt::Key_S);
    pump.run();
    ASSERT_TRUE(panel->comparison() && panel->comparison()->score);
    EXPECT_LT(*panel->comparison()->score, 70);
    EXPECT_EQ(text(panel, "verdict"), u"Try again");
    EXPECT_EQ(text(panel, "kept_take"), QString());
    if (!shots.isEmpty()) panel->grab().save(shots + "/say_it_poor.png");

    QTest::keyClick(panel, Qt::Key_Escape);
    event_loop_turn();
    EXPECT_FALSE(guard);
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(SayItWindowTest, BadTakesGetWordsNotNumbers) {
    const auto reference = synthesise(word_asimuo(), 1.0, 120.0, 0.1, 0.1);
    auto* panel = new SayItWindow(audio, pump, &prompter);

    audio.microphone.assign(size_t(2 * 22050), 0);
    panel->practise(word(reference));
    pump.run();
    EXPECT_FALSE(panel->comparison());
    EXPECT_EQ(text(panel, "score"), QString());
    EXPECT_EQ(text(panel, "verdict"), u"Nothing was heard. Say the word when \"Speak\" shows.");
    EXPECT_FALSE(enabled(panel, "keep_take"));
    EXPECT_TRUE(enabled(panel, "say_again"));

    std::vector<int16_t> loud = synthesise(word_asimuo());
    for (int16_t& s : loud) s = int16_t(std::clamp(s * 8, -32768, 32767));
    speak_into_microphone(loud);
    QTest::mouseClick(child<QPushButton>(panel, "say_again"), Qt::LeftButton);
    pump.run();
    EXPECT_EQ(text(panel, "verdict"), u"Your take was too loud and is clipped. Move back from the microphone or turn its "
                                      "level down, then try again.");
    EXPECT_EQ(text(panel, "score"), QString());
    EXPECT_TRUE(enabled(panel, "hear_take"));  // the learner may hear what went wrong
    if (!qEnvironmentVariable("QL_SCREENSHOT_DIR").isEmpty())
        panel->grab().save(qEnvironmentVariable("QL_SCREENSHOT_DIR") + "/say_it_clipped.png");
    EXPECT_FALSE(enabled(panel, "keep_take"));

    audio.fail_new_take = true;
    QTest::keyClick(panel, Qt::Key_S);
    pump.run();
    EXPECT_EQ(text(panel, "verdict"), "No microphone was found\r\n" + audio_error_text(AudioError::OutOfMemory));
    EXPECT_EQ(child<QLabel>(panel, "verdict")->accessibleName(), text(panel, "verdict"));
    EXPECT_FALSE(enabled(panel, "hear_take"));
    EXPECT_FALSE(enabled(panel, "keep_take"));
    EXPECT_TRUE(enabled(panel, "hear_reference"));
    panel->close();
}

TEST_F(SayItWindowTest, ClosingWhileListeningEndsTheTake) {
    const auto reference = synthesise(word_asimuo(), 1.0, 120.0, 0.1, 0.1);
    speak_into_microphone(synthesise(word_asimuo()));
    QPointer<SayItWindow> panel = new SayItWindow(audio, pump, &prompter);
    pump.after(1.0, [&] {
        EXPECT_TRUE(panel->listening());
        panel->close();
    });
    const double start = pump.now();
    panel->practise(word(reference));
    pump.run();
    EXPECT_LT(pump.now() - start, 1.1);
    EXPECT_EQ(audio.takes_freed, 1);
    // The panel goes once its take has ended, at the event loop's next turn.
    event_loop_turn();
    EXPECT_FALSE(panel);
}

TEST_F(SayItWindowTest, ReviewWindowSaysItWithTheWordsRecording) {
    const QString casa = QStringLiteral("casa|house|00412"), gato = QStringLiteral("gato|cat|00415");
    const QString known = QStringLiteral("users/ann/spanish/colors-k.txt"), unknown = QStringLiteral("users/ann/spanish/colors-u.txt");
    t.write(known, crlf({casa, gato}));
    t.write(unknown, crlf({}));
    for (const QString& e : {casa, gato})
        EXPECT_TRUE(review_after_move(review_today(m.date_clock), t.path(known), t.path(unknown), e, nullptr));
    dates.advance(1);
    const auto reference = synthesise(word_asimuo(), 1.0, 120.0, 0.1, 0.1);
    t.write("languages/spanish/00/00412.mp3", encode_mp3(reference));

    QPointer<ReviewWindow> w = ReviewWindow::open(m);
    pump.run();  // the word's own sound ends first
    auto* say_it = child<QPushButton>(w, "say_it");
    const bool first_is_casa = child<QLabel>(w, "foreign_word")->text() == u"casa";
    if (!first_is_casa) {
        // gato has no recording and the voice is off: nothing to compare with, and the button says why.
        EXPECT_FALSE(say_it->isEnabled());
        EXPECT_EQ(say_it->toolTip(), say_it::no_reference_reason("00415", false, false));
        QTest::keyClick(w, Qt::Key_Space);
        pump.run();
        QTest::keyClick(w, Qt::Key_Right);
        pump.run();
    }
    ASSERT_EQ(child<QLabel>(w, "foreign_word")->text(), u"casa");
    EXPECT_TRUE(say_it->isEnabled());
    EXPECT_EQ(say_it->toolTip(), QString());
    EXPECT_EQ(say_it->accessibleName(), u"Say It");

    speak_into_microphone(synthesise(word_asimuo(), 0.9, 200.0));
    // While the word's own sound is still heard, S waits: the take would record it.
    QTest::keyClick(w, Qt::Key_S);
    EXPECT_FALSE(visible_window("say_it_window"));
    pump.advance(1.0);
    QTest::keyClick(w, Qt::Key_S);
    pump.run();
    auto* panel = qobject_cast<SayItWindow*>(visible_window("say_it_window"));
    ASSERT_TRUE(panel);
    ASSERT_TRUE(panel->comparison() && panel->comparison()->score);
    EXPECT_GE(*panel->comparison()->score, 70);
    EXPECT_EQ(text(panel, "say_word"), u"casa");
    panel->close();
    // The review goes on where it was.
    EXPECT_EQ(child<QLabel>(w, "foreign_word")->text(), u"casa");

    // The review window may go while the panel listens: the panel is no part of it and ends its take.
    QTest::keyClick(w, Qt::Key_S);
    QPointer<SayItWindow> again = qobject_cast<SayItWindow*>(visible_window("say_it_window"));
    ASSERT_TRUE(again);
    EXPECT_TRUE(again->listening() || again->isVisible());
    w->close();
    delete_closed_windows();
    EXPECT_FALSE(w);
    pump.run();
    ASSERT_TRUE(again);
    ASSERT_TRUE(again->comparison() && again->comparison()->score);
    EXPECT_GE(*again->comparison()->score, 70);
    again->close();
}

namespace {

// The large flash cards drilling three words with real recordings, on the fake clock.
class SayItCardTest : public WindowTest, protected DrillList {
protected:
    SayItCardTest() {
        choose(t, m);
        load(t, m, 3);
        for (int i = 0; i < 3; ++i)
            t.write("languages/spanish/" + word_sound(i).left(2) + "/" + word_sound(i) + ".mp3",
                    encode_mp3(synthesise(word_asimuo(), 1.0, 120.0, 0.1, 0.1)));
        m.pause_seconds = 0.5f;
        m.repeat_count = 3;
        m.bottom_mode = BottomMode::WordOnly;
    }
};

}  // namespace

TEST_F(SayItCardTest, SayItPausesTheDrillAndTheDrillGoesOnWhenThePanelCloses) {
    auto* w = new LargeCardWindow(m);
    QPointer<LargeCardWindow> guard(w);
    auto* say_it = w->findChild<QPushButton*>(QStringLiteral("say_it"));
    ASSERT_TRUE(say_it);
    // Before the first draw there is no word to say.
    EXPECT_FALSE(say_it->isEnabled());
    EXPECT_EQ(say_it->toolTip(), u"Say It practises the word on the card, and no word is shown.");

    audio.microphone = synthesise(word_asimuo(), 1.1, 200.0);
    audio.microphone.insert(audio.microphone.begin(), size_t(0.2 * 22050), 0);
    QPointer<SayItWindow> panel;
    QString word_on_card;
    int plays_before_say_it = 0;
    pump.after(0.3, [&] {
        EXPECT_TRUE(say_it->isEnabled());
        word_on_card = w->findChild<QLabel*>(QStringLiteral("word_lbl"))->text();
        plays_before_say_it = int(audio.played.size());
        QTest::keyClick(w, Qt::Key_S);
        panel = qobject_cast<SayItWindow*>(visible_window("say_it_window"));
    });
    w->start();
    pump.run();  // the drill stops for the panel, and the panel's take ends
    EXPECT_EQ(m.cancel.playback(), Playback::Stop);
    EXPECT_FALSE(w->drill().running());
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->findChild<QLabel*>(QStringLiteral("say_word"))->text(), word_on_card);
    ASSERT_TRUE(panel->comparison() && panel->comparison()->score);
    EXPECT_GE(*panel->comparison()->score, 70);
    // While the panel listened the drill played nothing.
    EXPECT_EQ(int(audio.played.size()), plays_before_say_it);

    // Closing the panel lets the drill go on, as Resume would; the window's close then ends it.
    pump.after(3.0, [&] { w->close(); });
    panel->close();
    EXPECT_TRUE(w->drill().running());
    pump.run();
    EXPECT_GT(int(audio.played.size()), plays_before_say_it);
    EXPECT_TRUE(prompter.messages().isEmpty()) << prompter.messages().join(" | ").toStdString();
}
