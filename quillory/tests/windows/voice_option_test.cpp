// The main window's voice option: its menu toggle, remembered per student, and a word click spoken.
#include "support/window_test.h"
#include "core/spoken_words.h"
#include "support/run_session.h"
#include "support/fake_voice.h"
#include "windows/main_window.h"
#include "windows/window_openers.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>
#include <memory>

using namespace ql;
using namespace ql::testing;

namespace {

class VoiceOption : public WindowTest {
protected:
    void SetUp() override {
        t.write_lines("languages/spanish/master_spanish.txt", {"casa|house|00412"});
        t.write_lines("languages/spanish/animals.txt", {"casa|house|00412"});
        m.voice = &voice;
    }
    void open(const QString& student) {
        w = start_main_window(student);
    }
    QAction* toggle() const { return w->findChild<QAction*>(QStringLiteral("mnu_speak_missing")); }
    FakeVoice voice;
    std::unique_ptr<MainWindow> w;
};

}  // namespace

TEST_F(VoiceOption, OffByDefaultTurnedOnItSpeaksAClickedWordAndIsRememberedForTheStudentOnly) {
    open(QStringLiteral("ann"));
    ASSERT_TRUE(toggle());
    EXPECT_EQ(toggle()->text(), "Speak words that have no recording");
    EXPECT_TRUE(toggle()->isCheckable());
    EXPECT_FALSE(toggle()->isChecked());
    EXPECT_FALSE(m.speak_missing_words);
    auto* words = w->findChild<QListWidget*>(QStringLiteral("words_list"));
    w->on_list_click(0);
    ASSERT_EQ(words->count(), 1);
    w->on_word_click(0);
    EXPECT_TRUE(audio.played.isEmpty());

    toggle()->trigger();
    EXPECT_TRUE(m.speak_missing_words);
    w->on_word_click(0);
    EXPECT_EQ(audio.played, QStringList{"pcm:8820"});
    EXPECT_EQ(voice.spoken, QStringList{"es:casa"});
    EXPECT_TRUE(prompter.messages().isEmpty());

    // The next run for the same student starts with it on; another student's starts off.
    w.reset();
    open(QStringLiteral("ann"));
    EXPECT_TRUE(toggle()->isChecked());
    EXPECT_TRUE(m.speak_missing_words);
    w.reset();
    open(QStringLiteral("bob"));
    EXPECT_FALSE(toggle()->isChecked());
    EXPECT_FALSE(m.speak_missing_words);
}

TEST_F(VoiceOption, WithoutAVoiceEngineTheMenuIsAsBefore) {
    m.voice = nullptr;
    open(QStringLiteral("ann"));
    EXPECT_FALSE(toggle());
    // The Options menu stays for the speech speed, without the voice's toggle.
    ASSERT_TRUE(w->findChild<QMenu*>(QStringLiteral("mnu_options")));
    EXPECT_EQ(w->findChild<QMenu*>(QStringLiteral("mnu_options"))->actions().size(), 1);
}
