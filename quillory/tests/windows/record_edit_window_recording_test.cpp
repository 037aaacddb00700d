#include "audio/sdl_audio_engine.h"
#include "core/clock.h"
#include "core/new_recordings.h"
#include "support/window_test.h"
#include "core/silence_trim.h"
#include "support/event_loop.h"
#include "support/run_session.h"
#include "support/recording_oracle.h"
#include "windows/large_card_window.h"
#include "windows/record_edit_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

using namespace ql;
using namespace ql::testing;

namespace {

// What the prompt showed, sampled every 0.05 s of the fake clock while the run waits.
struct Seen {
    QString text;
    QColor colour;
    int row;
};

QColor background(const QLabel* l) { return l->palette().color(QPalette::Window); }
QColor background(const QLineEdit* e) { return e->palette().color(QPalette::Base); }

const QColor kOrange(0xFF, 0x80, 0x00);
const QColor kYellow(0xFF, 0xFF, 0x00);

class RecordingRun : public WindowTest {
protected:
    void SetUp() override {
        t.attach(m);
        m.current_language = QStringLiteral("spanish");
        m.current_list = QStringLiteral("numeros");
        m.master_file = t.path("languages/spanish/master_spanish.txt");
        m.unknown_file = t.path("users/ann/spanish/numeros-u.txt");
        m.known_file = t.path("users/ann/spanish/numeros-k.txt");
        audio.microphone.resize(22050 * 31);
        for (size_t k = 0; k < audio.microphone.size(); ++k)
            audio.microphone[k] = short(k > 4000 && k < 12000 ? std::lround(9000 * std::sin(double(k) / 9)) : 0);
        attach_new_recording_player(m, m);
    }
    // A list of `words` entries without recordings, numbered 70000 up.
    RecordEditWindow* open(int words) {
        QStringList lines;
        for (int k = 0; k < words; ++k) lines << QStringLiteral("palabra%1|word%1|%2").arg(k).arg(70000 + k);
        t.write_lines("languages/spanish/numeros.txt", lines);
        t.write_lines("languages/spanish/master_spanish.txt", lines);
        auto* w = new RecordEditWindow(m);
        w->load();
        window = w;
        return w;
    }
    QPushButton* button(const char* name) { return window->findChild<QPushButton*>(QLatin1String(name)); }
    void click(const char* name) {
        QPushButton* b = button(name);
        ASSERT_NE(b, nullptr) << name;
        QTest::mouseClick(b, Qt::LeftButton);
        pump.run();  // a run started by the click goes to its end
    }
    // Samples the prompt every 0.05 s for `seconds` of the fake clock.
    void watch(double seconds, const std::function<void(const Seen&)>& also = {}) {
        const int generation = ++watching;  // an earlier watch falls silent
        for (double at = 0.05; at < seconds; at += 0.05)
            pump.after(at, [this, also, generation] {
                if (!window || generation != watching) return;
                const Seen s{window->countdown->text(), background(window->countdown), window->unrecorded_words_view->currentRow()};
                if (seen.empty() || seen.back().text != s.text || seen.back().row != s.row) seen.push_back(s);
                if (also) also(s);
            });
    }
    QStringList texts() const {
        QStringList out;
        for (const Seen& s : seen) out << s.text;
        return out;
    }
    QStringList recorded() const {
        QStringList out;
        const QDir base(t.path("languages/spanish/new_str"));
        for (const QString& nn : base.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            for (const QString& f : QDir(base.filePath(nn)).entryList(QDir::Files)) out << f;
        return out;
    }
    static QStringList names(int from, int to) {
        QStringList out;
        for (int k = from; k <= to; ++k) out << QStringLiteral("%1.str").arg(70000 + k);
        return out;
    }
    void expect_idle() {
        EXPECT_EQ(m.cancel.playback(), Playback::Running);
        EXPECT_EQ(m.sound_suppression, SoundSuppression::Off);
        EXPECT_TRUE(window->countdown->text().isEmpty());
        EXPECT_EQ(background(window->word_box), QColor(Qt::white));
        EXPECT_EQ(background(window->countdown), QApplication::palette().color(QPalette::Button));
        EXPECT_TRUE(button("one_many")->isEnabled());
    }

    QPointer<RecordEditWindow> window;
    std::vector<Seen> seen;
    int watching = 0;
};

}  // namespace

TEST_F(RecordingRun, ManyWordsWithTheFastMethodGetOneLongCountdownThenShortOnes) {
    RecordEditWindow* w = open(4);
    click("record_speed");
    EXPECT_EQ(w->record_speed->text(), u"Click for slow method");
    QTest::mouseClick(w->unrecorded_words_view->viewport(), Qt::LeftButton, {},
                      w->unrecorded_words_view->visualItemRect(w->unrecorded_words_view->item(0)).center());
    ASSERT_EQ(window->edit_state().chosen_list, u"without sounds");
    audio.played.clear();
    const double start = pump.now();
    watch(30);
    click("one_many");

    EXPECT_EQ(recorded(), names(0, 3));
    EXPECT_EQ(texts(), (QStringList{"2", "1", "Speak", "1", "Speak", "1", "Speak", "1", "Speak"}));
    for (const Seen& s : seen) EXPECT_EQ(s.colour, s.text == u"Speak" ? kYellow : kOrange) << s.text.toStdString();
    // Four one-second takes, each stopped 1300 samples short of the end, and the countdown waits.
    const double take = std::ceil((22050.0 - 1300.0) / 220.5) * 0.01;
    EXPECT_NEAR(pump.now() - start, (1.2 + 0.13 + take) + 3 * (0.7 + 0.13 + take), 0.05);
    EXPECT_TRUE(audio.played.isEmpty());  // the run's own selections are silent
    EXPECT_EQ(w->unrecorded_words_view->currentRow(), 3);
    EXPECT_EQ(w->sound_number_label->text(), u"File: 70003");
    EXPECT_EQ(prompter.messages(),
              QStringList{QStringLiteral("This makes the pause between recordings shorter (fast). Click again to make it longer (slow).")});
    expect_idle();

    // The stored takes are trimmed: the tone, between two zero samples.
    const QByteArray plain = openssl_decipher_recording(read_file(t.path("languages/spanish/new_str/70/70002.str")));
    EXPECT_EQ(plain.size(), trim_silence(pcm_bytes(audio.microphone, 20800)).size());

    click("record_speed");
    EXPECT_EQ(w->record_speed->text(), u"Click for fast method");
    EXPECT_FALSE(w->fast_pause());
    EXPECT_EQ(prompter.messages().last(),
              QStringLiteral("This makes the pause between recordings longer (slow). Click again to make it shorter (fast)."));
}

TEST_F(RecordingRun, StopWhilePromptingGoesBackTwoWordsAndStopDuringATakeStoresIt) {
    RecordEditWindow* w = open(12);
    w->unrecorded_words_view->setCurrentRow(0);
    watch(60, [this](const Seen& s) {
        if (s.row == 7 && s.text == u"1" && m.cancel.playback() != Playback::Stop) QTest::mouseClick(button("stop_auto_record"), Qt::LeftButton);
    });
    click("point8_many");
    EXPECT_EQ(recorded(), names(0, 6));
    EXPECT_EQ(w->unrecorded_words_view->currentRow(), 5);
    expect_idle();

    // Again from the top, stopped in the middle of word 7's take: the take is kept, the run moves
    // on to word 8, stops there and goes back to word 6.
    seen.clear();
    w->unrecorded_words_view->setCurrentRow(0);
    bool stopped = false;
    watch(60, [&](const Seen& s) {
        if (s.row == 7 && s.text == u"Speak" && !stopped) {
            stopped = true;
            pump.after(0.4, [this] { QTest::mouseClick(button("stop_auto_record"), Qt::LeftButton); });
        }
    });
    for (int k = 0; k < 12; ++k) QFile::remove(t.path(QStringLiteral("languages/spanish/new_str/70/%1.str").arg(70000 + k)));
    click("point8_many");
    EXPECT_EQ(recorded(), names(0, 7));
    const QByteArray short_take = openssl_decipher_recording(read_file(t.path("languages/spanish/new_str/70/70007.str")));
    // Stopped about 0.3 s into the take, in the middle of the tone.
    bool cut_at_the_stop = false;
    for (size_t p = 4410; p < 9000 && !cut_at_the_stop; ++p)
        cut_at_the_stop = short_take == trim_silence(pcm_bytes(audio.microphone, p));
    EXPECT_TRUE(cut_at_the_stop) << short_take.size();
    EXPECT_LT(short_take.size(), 2 * 9000);
    EXPECT_EQ(w->unrecorded_words_view->currentRow(), 6);
    expect_idle();
}

TEST_F(RecordingRun, EveryTenthWordStartsANewBatchAtTheTopOfTheList) {
    RecordEditWindow* w = open(60);
    w->show();
    w->unrecorded_words_view->setCurrentRow(0);
    int top_at_ten = -1, top_at_twenty = -1;
    watch(80, [&](const Seen& s) {
        const int top = w->unrecorded_words_view->indexAt(QPoint(2, 2)).row();
        if (s.row == 10 && top_at_ten < 0) top_at_ten = top;
        if (s.row == 20 && top_at_twenty < 0) {
            top_at_twenty = top;
            m.cancel.set_playback(Playback::Stop);
        }
    });
    click("point8_many");
    EXPECT_EQ(top_at_ten, 10);
    EXPECT_EQ(top_at_twenty, 20);
    EXPECT_EQ(w->unrecorded_translations_view->indexAt(QPoint(2, 2)).row(), 18);  // after going back two
    EXPECT_EQ(w->unrecorded_words_view->currentRow(), 18);
}

TEST_F(RecordingRun, ARunFromTheLastEntryRecordsItAndEndsCleanly) {
    RecordEditWindow* w = open(5);
    w->unrecorded_words_view->setCurrentRow(4);
    watch(10);
    click("two_sec_many");
    EXPECT_EQ(recorded(), names(4, 4));
    EXPECT_EQ(w->unrecorded_words_view->currentRow(), 4);
    EXPECT_EQ(audio.take_length, 44100);
    EXPECT_TRUE(prompter.shown().empty());
    expect_idle();
}

TEST_F(RecordingRun, ASingleTakeRecordsTheSelectedWordAndMovesOnSilently) {
    RecordEditWindow* w = open(5);
    click("record_speed");  // fast method: a single take still gets the long countdown
    w->unrecorded_words_view->setCurrentRow(1);
    click("stop_auto_record");  // pressed while idle: the next run still records
    audio.played.clear();
    watch(10);
    click("one8_single");
    EXPECT_EQ(recorded(), names(1, 1));
    EXPECT_EQ(texts(), (QStringList{"2", "1", "Speak"}));
    EXPECT_EQ(audio.take_length, 39689);
    EXPECT_EQ(w->unrecorded_words_view->currentRow(), 2);
    EXPECT_TRUE(audio.played.isEmpty());
    expect_idle();

    // Unlimited: thirty seconds at most, ended by STOP, stored, and on to the next word.
    seen.clear();
    pump.after(3.0, [this] { QTest::mouseClick(button("stop_auto_record"), Qt::LeftButton); });
    click("unlimited");
    EXPECT_EQ(audio.take_length, 661500);
    EXPECT_EQ(recorded(), (QStringList{"70001.str", "70002.str"}));
    EXPECT_EQ(w->unrecorded_words_view->currentRow(), 3);
    expect_idle();

    // With keep_silence_box the whole take is stored.
    w->keep_silence_box->setChecked(true);
    click("point8_single");
    const QByteArray plain = openssl_decipher_recording(read_file(t.path("languages/spanish/new_str/70/70003.str")));
    EXPECT_EQ(plain, pcm_bytes(audio.microphone, size_t(plain.size() / 2)));
    EXPECT_GE(plain.size(), 2 * (17640 - 1300));
}

TEST_F(RecordingRun, ADurationButtonBeforeAnyListClickExplainsAndSoundStillPlays) {
    RecordEditWindow* w = open(3);
    t.write("languages/spanish/70/70001.mp3", "ID3");
    click("one4_many");
    EXPECT_EQ(prompter.messages(),
              QStringList{QStringLiteral("You have to select a word on one of the lists. If you just added the word and "
                                         "don't see it, you need to click the refresh button and then look at the "
                                         "bottom of the list.")});
    EXPECT_TRUE(recorded().isEmpty());
    EXPECT_EQ(m.sound_suppression, SoundSuppression::Off);
    w->unrecorded_words_view->setCurrentRow(1);
    EXPECT_EQ(audio.played, QStringList{t.path("languages/spanish/70/70001.mp3")});

    // Nothing selected in the chosen list (the lists were rebuilt): the short message.
    prompter.clear();
    click("refresh_lists");
    click("one4_many");
    EXPECT_EQ(prompter.messages(), QStringList{QStringLiteral("You have to select a word on one of the lists.")});
    EXPECT_EQ(m.sound_suppression, SoundSuppression::Off);
    EXPECT_TRUE(button("one4_many")->isEnabled());
}

TEST_F(RecordingRun, ASkipLeftByAFlashCardDoesNotRushTheNextRun) {
    // Pause, Skip and close a large card: the skip is never taken up by a drill.
    auto* card = new LargeCardWindow(m);
    for (const char* name : {"pause", "next_word"})
        QTest::mouseClick(card->findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
    card->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    RecordEditWindow* w = open(3);
    w->unrecorded_words_view->setCurrentRow(0);
    watch(10);
    const double start = pump.now();
    click("one_single");
    EXPECT_EQ(texts(), (QStringList{"2", "1", "Speak"}));
    const double take = std::ceil((22050.0 - 1300.0) / 220.5) * 0.01;
    EXPECT_NEAR(pump.now() - start, 1.2 + 0.13 + take, 0.05);
    EXPECT_EQ(recorded(), names(0, 0));
}

TEST_F(RecordingRun, ClosingTheWindowDuringARunEndsIt) {
    RecordEditWindow* w = open(6);
    w->show();
    w->unrecorded_words_view->setCurrentRow(0);
    QPointer<RecordEditWindow> guard(w);
    pump.after(0.3, [w] { w->close(); });
    click("one_many");
    for (int i = 0; i < 3; ++i) event_loop_turn();
    EXPECT_TRUE(guard.isNull());  // the window went once its run had ended
    EXPECT_TRUE(recorded().isEmpty());
    EXPECT_EQ(m.cancel.playback(), Playback::Running);
    EXPECT_EQ(m.sound_suppression, SoundSuppression::Off);
}

TEST_F(RecordingRun, TheEmailButtonPacksTheRecordings) {
    open(3);
    t.write("languages/spanish/new_str/70/70000.str", QByteArray(8, 'a'));
    prompter.answer_ok();
    click("zip");
    EXPECT_TRUE(QFile::exists(t.path("recordings/str/spanish_str_70.zip")));
    EXPECT_TRUE(QFile::exists(t.path("recordings/text_spanish.zip")));
    EXPECT_EQ(prompter.messages().size(), 3);
}

// The real capture: SDL's disk driver feeds a spoken word as the microphone, and the window plays
// the stored take back at the next click on the word.
namespace {
class RecordingCapture : public WindowTest {};
}  // namespace

TEST_F(RecordingCapture, ASpokenWordIsRecordedThroughTheWindowAndHeardBack) {
    const QByteArray wav = read_file(QStringLiteral(QL_TEST_DATA "/palabra.wav"));
    QByteArray mic = QByteArray(2 * 5512, '\0') + wav.mid(wav.indexOf("data") + 8);
    mic += QByteArray(2 * 44100 - mic.size(), '\0');
    t.write("mic.raw", mic);
    // ctest runs every test with the dummy driver; SDL reads these when its audio starts.
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILEIN", t.path("mic.raw").toLocal8Bit().constData(), 1);
    ::setenv("SDL_DISKAUDIOFILE", t.path("speaker.raw").toLocal8Bit().constData(), 1);
    SdlAudioEngine engine;
    ASSERT_TRUE(engine.open());

    t.attach(m);
    m.clock = &qt_clock();
    m.audio = &engine;
    m.pause_seconds = 1.5f;
    attach_new_recording_player(m, m);
    m.current_language = QStringLiteral("spanish");
    m.current_list = QStringLiteral("saludos");
    t.write_lines("languages/spanish/saludos.txt", {QStringLiteral("palabra|word|70100")});
    m.master_file = t.path("languages/spanish/saludos.txt");

    QPointer<RecordEditWindow> w = new RecordEditWindow(m);
    w->load();
    w->unrecorded_words_view->setCurrentRow(0);
    QPushButton* one4_single = w->findChild<QPushButton*>(QStringLiteral("one4_single"));
    ASSERT_TRUE(one4_single);
    QTest::mouseClick(one4_single, Qt::LeftButton);
    ASSERT_TRUE(run_until([&] { return one4_single->isEnabled(); }));  // the run has ended
    const QString folder = t.path("languages/spanish/new_str/70/");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("70100.str")});
    const QByteArray stored = read_file(folder + QStringLiteral("70100.str"));
    const QByteArray plain = openssl_decipher_recording(stored);
    EXPECT_EQ(plain, trim_silence(mic.left(2 * 30869)));
    EXPECT_GT(plain.size(), 2 * 4410);
    EXPECT_GE(stored.size() - plain.size(), 1);
    EXPECT_LE(stored.size() - plain.size(), 8);
    ASSERT_TRUE(decipher_sound_file(folder + QStringLiteral("70100.str"), t.path("korvex.raw")).ok());
    EXPECT_EQ(read_file(t.path("korvex.raw")), plain);

    // Heard back (the list shows the word among those without sound until a refresh): the speaker
    // had only silence before.
    // One read per look: the driver keeps appending silence to the file in real time.
    auto sound_bytes = [&] {
        const QByteArray speaker = read_file(t.path("speaker.raw"));
        return speaker.size() - speaker.count('\0');
    };
    EXPECT_EQ(sound_bytes(), 0);
    w->select_row(QStringLiteral("without sounds"), 0);
    EXPECT_TRUE(run_until([&] { return sound_bytes() > 2 * 4410; }));
    // The play ends with its sound; nothing of it may outlive the test.
    m.cancel.set_playback(Playback::Stop);
    for (int i = 0; i < 3; ++i) event_loop_turn();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("70100.str")});
    EXPECT_TRUE(prompter.shown().empty()) << prompter.texts().join(u'\n').toStdString();
    delete w.data();
    engine.close();
}
