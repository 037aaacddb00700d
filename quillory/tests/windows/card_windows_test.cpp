#include "support/drill_list.h"
#include "support/window_test.h"

#include "core/clock.h"
#include "core/text_file.h"
#include "windows/large_card_window.h"
#include "windows/small_card_window.h"
#include "support/accessible.h"
#include "support/event_loop.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace ql;
using namespace ql::testing;

namespace {

// The windows drill on the real event loop over the drill tests' list; sounds come from the fake
// engine (a pause under 1.5 s never asks whether a sound still plays).
class FlashWindowTest : public WindowTest, protected DrillList {
protected:
    FlashWindowTest() {
        use_program_clock();
        choose(t, m);
        m.pause_seconds = 0.01f;
        m.repeat_count = 2;
        m.bottom_mode = BottomMode::WordOnly;
    }
    ~FlashWindowTest() override { settle(); }

    void load_list(int n, bool recordings = true) { load(t, m, n, recordings); }
    static void at_ms(int ms, std::function<void()> action) { QTimer::singleShot(ms, qApp, std::move(action)); }
    // Lets deferred deletions and pending events run.
    static void settle() {
        for (int i = 0; i < 5; ++i) event_loop_turn();
    }
    // Runs the event loop until the window's drill (which outlives the window) has stopped.
    static void until_stopped(CardWindowBase* w) {
        const auto d = w->drill().shared_from_this();
        run_until([&] { return !d->running(); });
    }
    static QPushButton* button(QWidget* w, const char* name) { return child<QPushButton>(w, name); }
    static QLabel* label(QWidget* w, const char* name) { return child<QLabel>(w, name); }
};

}  // namespace

TEST_F(FlashWindowTest, LargeWindowHasEveryControlAndCaption) {
    auto* w = new LargeCardWindow(m);
    QPointer<LargeCardWindow> guard(w);
    EXPECT_EQ(w->windowTitle(), u"Random Word Play");
    const std::pair<const char*, const char*> buttons[] = {
        {"pause", "Pause"},
        {"resume", "Resume"},
        {"next_word", "Skip"},
        {"i_know_this_word", "Mark Word As Known"},
        {"change_repeat", "# Repeats"},
        {"change_speed", "Speed"},
        {"say_bottom", "Say Top Only"},
        {"speak_both", "Say Both"},
        {"interlace", "Interlace"},
        {"delay_top", "Delay Showing Top"},
        {"delay_bottom", "Delay Showing Bottom"},
        {"create_mp3", "Create MP3 File Based on Current Settings"},
        {"auto_mp3", "Create MP3 files for all words on this list"},
        {"exit_btn", "Exit"},
    };
    for (auto [name, caption] : buttons) {
        auto* b = button(w, name);
        ASSERT_TRUE(b);
        EXPECT_EQ(b->text(), QString::fromLatin1(caption)) << name;
        EXPECT_EQ(b->focusPolicy() & Qt::TabFocus, Qt::TabFocus) << name;
    }
    for (auto name : {"word_lbl", "word_lbl2", "num_lbl", "repeat_lbl", "speed_lbl", "mp3_label"}) {
        auto* l = label(w, name);
        ASSERT_TRUE(l);
        EXPECT_FALSE(l->accessibleDescription().isEmpty()) << name;
        EXPECT_EQ(l->font().family(), u"Arial") << name;
    }
    EXPECT_TRUE(w->findChild<QProgressBar*>("mp3_progress"));
    w->close();
    settle();
    EXPECT_TRUE(guard.isNull());
    EXPECT_EQ(main_view.shown, 1);
    EXPECT_EQ(m.cancel.playback(), Playback::Stop);
}

TEST_F(FlashWindowTest, ScreenReadersHearWhatBothCardsShow) {
    auto* large = new LargeCardWindow(m);
    auto* small = new SmallCardWindow(m);
    for (CardWindowBase* w : {static_cast<CardWindowBase*>(large), static_cast<CardWindowBase*>(small)}) {
        w->set_top_text(QStringLiteral("pájaro"));
        w->set_bottom_text(QStringLiteral("bird"));
        w->set_num_text(QStringLiteral("250 words remain on this list"));
        w->set_repeat_text(QStringLiteral("1 of 3"));
        w->set_speed_text(QStringLiteral("0.8 sec"));
        w->set_mp3_text(QStringLiteral("7 words added"));
        const std::pair<const char*, const char*> shown[] = {{"word_lbl", "pájaro"},
                                                             {"word_lbl2", "bird"},
                                                             {"num_lbl", "250 words remain on this list"},
                                                             {"repeat_lbl", "1 of 3"},
                                                             {"speed_lbl", "0.8 sec"}};
        for (auto [name, text] : shown) EXPECT_EQ(accessible_name(label(w, name)), QString::fromUtf8(text)) << name;
    }
    EXPECT_EQ(accessible_name(label(large, "mp3_label")), u"7 words added");
    large->close();
    small->close();
}

TEST_F(FlashWindowTest, LargeDrillPauseSettingsResumeSkipMarkAndCloseMidDrill) {
    load_list(12);
    auto* w = new LargeCardWindow(m);
    QPointer<LargeCardWindow> guard(w);
    at_ms(300, [&] { click(w, "pause"); });
    w->start();
    until_stopped(w);  // Pause stops the drill
    ASSERT_TRUE(guard);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(m.cancel.playback(), Playback::Stop);
    EXPECT_EQ(label(w, "num_lbl")->text(), u"12 words remain on this list");
    EXPECT_EQ(main_view.word_count_text, u"12 Words");
    EXPECT_EQ(label(w, "word_lbl")->font().pointSize(), 48);
    EXPECT_EQ(label(w, "word_lbl")->text(), m.shown_words[m.current_index]);
    EXPECT_EQ(label(w, "word_lbl2")->text(), m.shown_translations[m.current_index]);
    EXPECT_EQ(label(w, "repeat_lbl")->text(), u"1 of 2");
    EXPECT_EQ(label(w, "speed_lbl")->text(), u"0.01 sec");

    // Every settings button, while stopped.
    prompter.answer_input("3");
    click(w, "change_repeat");
    prompter.answer_input("0.05");
    click(w, "change_speed");
    click(w, "speak_both");
    click(w, "say_bottom");
    prompter.answer_input("1");
    click(w, "interlace");
    prompter.answer_input("1");
    click(w, "delay_top");
    prompter.answer_input("0");
    click(w, "delay_bottom");
    EXPECT_EQ(m.repeat_count, 3);
    EXPECT_FLOAT_EQ(m.pause_seconds, 0.05f);
    EXPECT_EQ(m.bottom_mode, BottomMode::Interlace);
    EXPECT_EQ(m.interlace_every, 1);
    EXPECT_EQ(m.top_text_delay, 1);
    EXPECT_EQ(m.bottom_text_delay, 0);
    EXPECT_EQ(prompter.messages(), (QStringList{"If both language's sound files are installed, this plays both the top and bottom words.",
                                                "This plays just the top word."}));

    // Resume, then Skip, Mark Word As Known and Exit while the drill waits.
    QString marked;
    at_ms(200, [&] { click(w, "next_word"); });
    at_ms(1200, [&] {
        marked = format_entry(m.shown_words[m.current_index], m.shown_translations[m.current_index],
                              m.shown_sound_numbers[m.current_index]);
        EXPECT_FALSE(label(w, "word_lbl")->isVisible());  // top text delayed for the first play
        click(w, "i_know_this_word");
    });
    at_ms(2400, [&] { click(w, "exit_btn"); });
    const auto running = w->drill().shared_from_this();
    click(w, "resume");
    run_until([&] { return !running->running(); });
    settle();
    EXPECT_TRUE(guard.isNull());
    EXPECT_EQ(main_view.shown, 1);
    EXPECT_EQ(m.cancel.playback(), Playback::Stop);
    EXPECT_EQ(t.read("users/ann/spanish/l-k.txt"), marked.toUtf8() + "\r\n");
    EXPECT_EQ(m.shown_count(), 11);
    EXPECT_GE(main_view.refreshes, 1);
}

TEST_F(FlashWindowTest, ClosingAWindowWhileASecondDrillRunsEndsBothRuns) {
    load_list(5);
    auto* outer = new LargeCardWindow(m);
    QPointer<LargeCardWindow> outer_guard(outer);
    QPointer<LargeCardWindow> inner_guard;
    const auto outer_drill = outer->drill().shared_from_this();
    std::shared_ptr<Drill> inner_drill;
    at_ms(200, [&] {
        // A second drill from the main window, while the first waits.
        auto* inner = new LargeCardWindow(m);
        inner_guard = inner;
        inner_drill = inner->drill().shared_from_this();
        at_ms(300, [&] { outer_guard->close(); });  // the first window goes while the second drills
        inner->start();
    });
    outer->start();
    run_until([&] { return inner_drill && !inner_drill->running() && !outer_drill->running(); });
    settle();
    EXPECT_TRUE(outer_guard.isNull());
    ASSERT_FALSE(inner_guard.isNull());  // stopped by the shared flag, left open
    EXPECT_EQ(m.cancel.playback(), Playback::Stop);
    EXPECT_FALSE(inner_guard->drill().running());
    inner_guard->close();
    settle();
    EXPECT_TRUE(inner_guard.isNull());
    EXPECT_EQ(main_view.shown, 2);
}

TEST_F(FlashWindowTest, EmptyListShowsNothingAndWaitsForClose) {
    load_list(0);
    auto* w = new LargeCardWindow(m);
    QPointer<LargeCardWindow> guard(w);
    at_ms(400, [&] { w->close(); });
    QElapsedTimer cpu_clock;
    cpu_clock.start();
    const std::clock_t cpu_start = std::clock();
    const auto d = w->drill().shared_from_this();
    w->start();
    run_until([&] { return !d->running(); });
    const double cpu = double(std::clock() - cpu_start) / CLOCKS_PER_SEC;
    settle();
    EXPECT_TRUE(guard.isNull());
    EXPECT_TRUE(audio.played.isEmpty());
    EXPECT_LT(cpu, 0.8 * cpu_clock.elapsed() / 1000.0);  // sleeping, not spinning
}

TEST_F(FlashWindowTest, WholeListCompilationShowsProgressAndFinishes) {
    load_list(120);
    auto* w = new LargeCardWindow(m);
    QPointer<LargeCardWindow> guard(w);
    bool bar_seen = false;
    prompter.answer_ok();
    prompter.answer_input("1");
    prompter.answer_input("0");
    prompter.on_shown = [&](const FakePrompter::Shown& s) {
        if (s.text.endsWith("files have been completed.")) bar_seen = true;
    };
    auto* bar = w->findChild<QProgressBar*>("mp3_progress");
    QTimer probe;
    int max_value = -1;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (bar->isVisibleTo(w)) max_value = std::max(max_value, bar->value());
    });
    probe.start(0);
    w->show();
    const auto d = w->drill().shared_from_this();
    click(w, "auto_mp3");
    run_until([&] { return !d->compiling(); });
    EXPECT_TRUE(bar_seen);
    EXPECT_GE(max_value, 0);
    EXPECT_FALSE(bar->isVisibleTo(w));
    EXPECT_TRUE(t.exists("100words2.mp3"));
    EXPECT_EQ(prompter.messages(), QStringList{"2 files have been completed."});
    w->close();
}

TEST_F(FlashWindowTest, SmallCardStaysOnTopWithItsOwnControlsAndDefaults) {
    load_list(5);
    m.pause_seconds = 0;
    m.repeat_count = 0;
    m.bottom_mode = BottomMode::Unset;
    auto* w = new SmallCardWindow(m);
    QPointer<SmallCardWindow> guard(w);
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    const std::pair<const char*, const char*> buttons[] = {
        {"resume", "Resume"},        {"pause", "Pause"},       {"next_word", "Next"},
        {"change_speed", "Speed"},   {"change_repeat", "# Repeats"},
        {"i_know_this_word", "Mark Word As Known"},
        {"speak_both", "Say Both"},  {"say_bottom", "Top Only"}, {"interlace", "Interlace"},
    };
    for (auto [name, caption] : buttons) EXPECT_EQ(button(w, name)->text(), QString::fromLatin1(caption));
    for (auto absent : {"delay_top", "delay_bottom", "create_mp3", "auto_mp3", "exit_btn"})
        EXPECT_FALSE(w->findChild<QPushButton*>(absent)) << absent;

    at_ms(100, [&] { click(w, "next_word"); });
    at_ms(1500, [&] { click(w, "pause"); });
    w->start();
    until_stopped(w);
    EXPECT_EQ(m.repeat_count, 3);
    EXPECT_FLOAT_EQ(m.pause_seconds, 0.2f);
    EXPECT_EQ(m.bottom_mode, BottomMode::TranslationFirst);
    EXPECT_EQ(label(w, "num_lbl")->text(), u"5 words remain on this list");
    EXPECT_TRUE(main_view.word_count_text.isEmpty());
    EXPECT_LE(w->width(), 500);

    prompter.answer_input("11");
    click(w, "change_speed");
    EXPECT_FLOAT_EQ(m.pause_seconds, 0.1f);
    prompter.answer_input("2");
    click(w, "change_repeat");
    prompter.answer_input("2");
    click(w, "interlace");
    click(w, "say_bottom");
    click(w, "speak_both");
    EXPECT_EQ(prompter.messages(), (QStringList{"That was less than 0.01 or more than 10. It's been set to .1 second.",
                                                "This plays just the top word.",
                                                "If both language's sound files are installed, this plays both the top and bottom words."}));

    at_ms(300, [&] { click(w, "i_know_this_word"); });
    at_ms(600, [&] { QTest::keyClick(button(w, "pause"), Qt::Key_Escape); });  // closes, from any control
    const auto running = w->drill().shared_from_this();
    click(w, "resume");
    run_until([&] { return !running->running(); });
    settle();
    EXPECT_TRUE(guard.isNull());
    EXPECT_EQ(m.shown_count(), 4);
    EXPECT_EQ(main_view.shown, 1);
}

TEST_F(FlashWindowTest, SmallCardStopsWhenRecordingsAreMissingAndStaysOpen) {
    load_list(5);
    m.missing_sound_count = 8;
    auto* w = new SmallCardWindow(m);
    QPointer<SmallCardWindow> guard(w);
    w->start();
    until_stopped(w);
    EXPECT_EQ(prompter.messages(), QStringList{"Not enough files had sound files"});
    EXPECT_EQ(m.missing_sound_count, 0);
    ASSERT_TRUE(guard);
    EXPECT_TRUE(w->isVisible());
    w->close();
}
