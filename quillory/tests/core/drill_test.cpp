#include "drill_fixture.h"
#include "support/run_session.h"

#include "core/text_file.h"

#include <set>

using ql::testing::RunPieces;

using namespace ql;
using namespace ql::testing;

namespace {

QStringList expand(const QString& pattern, int i) {
    QStringList out;
    for (const QString& p : pattern.split(u' ', Qt::SkipEmptyParts)) out << p + QString::number(i);
    return out;
}

}  // namespace

// ---- the order of the sounds of one word ----

TEST_F(DrillTest, InterlaceEveryTwoPlaysTranslationFirstAndAfterEverySecondPlay) {
    load_list(3);
    m.repeat_count = 6;
    m.bottom_mode = BottomMode::Interlace;
    m.interlace_every = 2;
    stop_at_draw(2);
    run_session(m.clock, drill()->playwords());
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(plays(), expand("T W W T W W T W W", drawn[0]));
}

TEST_F(DrillTest, TranslationModesDecideWhenTheTranslationSounds) {
    load_list(3);
    struct Case {
        BottomMode mode;
        int every;
        QString expected;
    } cases[] = {
        {BottomMode::TranslationFirst, 0, "T W W W W"},  // once, before the word's plays
        {BottomMode::WordOnly, 3, "W W W W"},
        {BottomMode::Interlace, 1, "W T W T W T W"},  // after every play but the last, never first
        {BottomMode::Interlace, 0, "W W W W"},
        {BottomMode::Interlace, -2, "W W W W"},
        {BottomMode::Interlace, 3, "T W W W T W"},
    };
    for (const auto& c : cases) {
        audio.played.clear();
        drawn.clear();
        view.draws = 0;
        m.repeat_count = 4;
        m.bottom_mode = c.mode;
        m.interlace_every = c.every;
        stop_at_draw(2);
        run_session(m.clock, drill()->playwords());
        EXPECT_EQ(plays(), expand(c.expected, drawn[0])) << int(c.mode) << " " << c.every;
    }
}

TEST_F(DrillTest, TextDelaysHideTheTextsForTheFirstPlays) {
    load_list(3);
    m.repeat_count = 4;
    m.top_text_delay = 2;
    m.bottom_text_delay = 4;
    QStringList seen;  // visibility while each sound starts
    audio.duration_of = [&](const QString&) {
        seen << QStringLiteral("%1%2").arg(view.top_visible ? "T" : "-", view.bottom_visible ? "B" : "-");
        return 1.0;
    };
    stop_at_draw(2);
    run_session(m.clock, drill()->playwords());
    EXPECT_EQ(seen, (QStringList{"--", "--", "T-", "T-"}));

    // Out-of-range delays are reset when a drill starts.
    m.top_text_delay = 100;
    m.bottom_text_delay = -1;
    seen.clear();
    view.draws = 0;
    run_session(m.clock, drill()->playwords());
    EXPECT_EQ(m.top_text_delay, 0);
    EXPECT_EQ(m.bottom_text_delay, 0);
    EXPECT_EQ(seen, (QStringList{"TB", "TB", "TB", "TB"}));
}

// ---- drawing ----

TEST_F(DrillTest, ListOfOneEndsAtOnceWithoutDrawing) {
    load_list(1);
    m.missing_sound_count = 5;
    run_session(m.clock, drill()->playwords());
    EXPECT_EQ(view.draws, 0);
    EXPECT_TRUE(audio.played.isEmpty());
    EXPECT_EQ(m.missing_sound_count, 0);
    EXPECT_EQ(m.cancel.playback(), Playback::Running);
}

TEST_F(DrillTest, ShortListsMayRepeatAWordLongerListsNever) {
    m.repeat_count = 1;
    m.pause_seconds = 0.01f;
    for (int n : {10, 11}) {
        load_list(n);
        drawn.clear();
        view.draws = 0;
        stop_at_draw(400);
        run_session(m.clock, drill()->playwords());
        ASSERT_EQ(drawn.size(), 400u);
        int repeats = 0;
        for (size_t i = 1; i < drawn.size(); ++i) repeats += drawn[i] == drawn[i - 1];
        const std::set<int> all(drawn.begin(), drawn.end());
        EXPECT_EQ(int(all.size()), n);
        EXPECT_EQ(*all.begin(), 0);
        EXPECT_EQ(*all.rbegin(), n - 1);
        if (n == 10)
            EXPECT_GT(repeats, 10);  // about one draw in ten
        else
            EXPECT_EQ(repeats, 0);
    }
}

TEST_F(DrillTest, LabelsShowTheWordCountSizesAndProgress) {
    load_list(3);
    m.shown_words[0] = m.shown_words[1] = m.shown_words[2] = QString(20, u'a');
    m.shown_translations[0] = m.shown_translations[1] = m.shown_translations[2] = "house";
    m.repeat_count = 2;
    QStringList repeat_texts;
    audio.duration_of = [&](const QString&) {
        repeat_texts << view.repeat;
        return 1.0;
    };
    stop_at_draw(2);
    run_session(m.clock, drill()->playwords());
    EXPECT_EQ(view.num, u"3 words remain on this list");
    EXPECT_EQ(main_view.word_count_text, u"3 Words");
    EXPECT_EQ(view.points, 24);
    EXPECT_EQ(view.top, QString(20, u'a'));
    EXPECT_EQ(view.bottom, u"house");
    EXPECT_EQ(repeat_texts, (QStringList{"1 of 2", "2 of 2"}));
    EXPECT_EQ(view.speed, u"0.8 sec");

    EXPECT_EQ(word_point_size("casa", "house"), 48);
    EXPECT_EQ(word_point_size(QString(19, u'x'), ""), 48);
    EXPECT_EQ(word_point_size("", QString(75, u'x')), 24);
    EXPECT_EQ(word_point_size(QString(76, u'x'), "a"), 12);
}

TEST_F(DrillTest, NormalisationDiffersBetweenTheWindows) {
    load_list(1);
    run_session(m.clock, drill(DrillKind::Large)->playwords());
    EXPECT_FLOAT_EQ(m.pause_seconds, 0.8f);
    EXPECT_EQ(m.mp3.silence_clips, 4);
    EXPECT_EQ(m.repeat_count, 4);
    EXPECT_EQ(m.bottom_mode, BottomMode::WordOnly);

    RunPieces& s = m;
    s.pause_seconds = 0;
    s.repeat_count = 0;
    s.bottom_mode = BottomMode::Unset;
    s.mp3.silence_clips = 9;
    s.top_text_delay = 150;
    run_session(m.clock, drill(DrillKind::Small)->playwords());
    EXPECT_FLOAT_EQ(s.pause_seconds, 0.2f);
    EXPECT_EQ(s.repeat_count, 3);
    EXPECT_EQ(s.bottom_mode, BottomMode::TranslationFirst);
    EXPECT_EQ(s.mp3.silence_clips, 9);
    EXPECT_EQ(s.top_text_delay, 150);
}

// ---- the small card ----

TEST_F(DrillTest, SmallCardStopsAtTheFourthDrawWithoutRecordings) {
    load_list(5, /*recordings=*/false);
    m.repeat_count = 3;
    m.bottom_mode = BottomMode::WordOnly;
    run_session(m.clock, drill(DrillKind::Small)->playwords());
    EXPECT_EQ(view.draws, 3);  // 3, 6, then 9 misses; the fourth draw stops
    EXPECT_EQ(prompter.messages(), QStringList{"Not enough files had sound files"});
    EXPECT_EQ(m.missing_sound_count, 0);
}

TEST_F(DrillTest, SmallCardDefaultsPlayTheTranslationBeforeThreePlays) {
    load_list(3);
    stop_at_draw(2);
    run_session(m.clock, drill(DrillKind::Small)->playwords());
    EXPECT_EQ(plays(), expand("T W W W", drawn[0]));
    EXPECT_TRUE(main_view.word_count_text.isEmpty());
    EXPECT_EQ(view.points, 0);  // fixed type size
}

// ---- buttons during a drill ----

TEST_F(DrillTest, PauseStopsAtOnceAndResumeDrawsAgain) {
    load_list(3);
    m.repeat_count = 4;
    auto d = drill();
    pump.after(1.0, [&] { d->pause(); });  // inside the first play's wait
    run_session(m.clock, d->playwords());
    EXPECT_EQ(audio.played.size(), 1);
    EXPECT_EQ(m.cancel.playback(), Playback::Stop);
    EXPECT_FALSE(d->running());

    view.on_draw = [&](int n) {
        if (n == 3) d->pause();
    };
    d->resume();
    pump.run();  // the resumed run goes on from the clock
    EXPECT_EQ(view.draws, 3);
    EXPECT_EQ(audio.played.size(), 5);  // the interrupted word is not taken up; the new one plays four times
    m.cancel.set_playback(Playback::Running);
    d->resume();  // only a stopped drill resumes
    EXPECT_EQ(view.draws, 3);
}

TEST_F(DrillTest, SkipLeavesTheWordAfterTheRunningPlay) {
    load_list(3);
    m.repeat_count = 4;
    auto d = drill();
    pump.after(1.0, [&] { d->next_word(); });
    stop_at_draw(3);
    run_session(m.clock, d->playwords());
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(plays(), QStringList{"W" + QString::number(drawn[0])} + expand("W W W W", drawn[1]));
}

TEST_F(DrillTest, MarkWordAsKnownMovesTheWordOnScreenOnce) {
    load_list(12);
    m.repeat_count = 3;
    auto d = drill();
    int marked = -1;
    QString marked_line;
    pump.after(1.0, [&] {
        marked = m.current_index;
        marked_line = format_entry(m.shown_words[marked], m.shown_translations[marked], m.shown_sound_numbers[marked]);
        d->i_know_this_word();
        d->i_know_this_word();  // a second press must not move the word that slid into its place
    });
    stop_at_draw(2);
    run_session(m.clock, d->playwords());
    EXPECT_EQ(tree.read("users/ann/spanish/l-k.txt"), marked_line.toUtf8() + "\r\n");
    EXPECT_EQ(m.shown_count(), 11);
    EXPECT_EQ(read_lines(m.unknown_file)->size(), 11);
    EXPECT_FALSE(read_lines(m.unknown_file)->contains(marked_line));
    EXPECT_EQ(view.num, u"11 words remain on this list");  // the next draw sees the new count
    EXPECT_EQ(main_view.refreshes, 1);
    EXPECT_EQ(plays().size(), 1);
}

TEST_F(DrillTest, MarkWordAsKnownFindsTheWordAfterTheListWasReloaded) {
    load_list(12);
    auto d = drill();
    QString marked_line;
    pump.after(1.0, [&] {
        const int i = m.current_index;
        marked_line = format_entry(m.shown_words[i], m.shown_translations[i], m.shown_sound_numbers[i]);
        // The main window reloads the list with another entry in front: indexes shift by one.
        QStringList lines = *read_lines(m.unknown_file);
        lines.prepend("nuevo|new|01999");
        write_lines(m.unknown_file, lines);
        create_array_of_words(m, m.shown_file);
        d->i_know_this_word();
    });
    stop_at_draw(2);
    run_session(m.clock, d->playwords());
    EXPECT_EQ(tree.read("users/ann/spanish/l-k.txt"), marked_line.toUtf8() + "\r\n");
}

TEST_F(DrillTest, EmptyListWaitsQuietlyUntilPause) {
    load_list(0);
    auto d = drill();
    pump.after(120.0, [&] { d->pause(); });
    run_session(m.clock, d->playwords());
    EXPECT_TRUE(audio.played.isEmpty());
    EXPECT_EQ(view.num, u"0 words remain on this list");
    EXPECT_TRUE(view.top.isEmpty());
    // Two-minute wait in half-second sleeps, not a loop per millisecond.
    EXPECT_LT(pump.waits(), 300);
}

TEST_F(DrillTest, EmptyListStartsDrillingWhenEntriesArrive) {
    load_list(0);
    auto d = drill();
    pump.after(5.0, [&] { load_list(3); });
    stop_at_draw(2);  // the first shows the empty card
    run_session(m.clock, d->playwords());
    EXPECT_EQ(drawn.size(), 2u);
    EXPECT_EQ(view.num, u"3 words remain on this list");
}

TEST_F(DrillTest, DrillStartedWhileAnotherWaitsTakesOverAndPauseEndsBoth) {
    load_list(3);
    RecordingView inner_view;
    auto outer = drill();
    auto inner = std::make_shared<Drill>(m, m, m, m, DrillKind::Large, &inner_view);
    QString outer_repeat;
    double outer_ended = -1;
    pump.after(1.0, [&] {
        // A second drill from the main window, while the first waits.
        outer_repeat = view.repeat;
        inner->playwords();  // runs on from the clock
        pump.after(10.0, [&] { inner->pause(); });
    });
    run_session(m.clock, [](std::shared_ptr<Drill> d, FakeClock& c, double& ended) -> QCoro::Task<> {
        co_await d->playwords();
        ended = c.now();
    }(outer, pump, outer_ended));
    // The first drill ended at its next check, without another play or draw.
    EXPECT_GE(outer_ended, 1001.0);
    EXPECT_LT(outer_ended, 1002.0);
    EXPECT_EQ(view.draws, 1);
    EXPECT_EQ(view.repeat, outer_repeat);
    EXPECT_TRUE(inner->running());
    pump.run();
    EXPECT_FALSE(inner->running());
    EXPECT_FALSE(outer->running());
    EXPECT_EQ(m.cancel.playback(), Playback::Stop);
    EXPECT_GE(inner_view.draws, 2);
}

TEST_F(DrillTest, ClosedWindowLeavesTheRunWithoutTouchingTheView) {
    load_list(3);
    auto view_ptr = std::make_unique<RecordingView>();
    auto d = std::make_shared<Drill>(m, m, m, m, DrillKind::Large, view_ptr.get());
    std::weak_ptr<Drill> weak = d;
    pump.after(1.0, [&] {
        // What the window does when it is closed and deleted mid-wait.
        d->window_closed();
        d->detach_view();
        view_ptr.reset();
        d.reset();
    });
    auto* raw = d.get();
    run_session(m.clock, raw->playwords());
    EXPECT_TRUE(weak.expired());  // the run kept the drill alive until it returned
    EXPECT_EQ(m.cancel.playback(), Playback::Stop);
    EXPECT_EQ(audio.played.size(), 1);
}

// ---- questions ----

TEST_F(DrillTest, RepeatCountAcceptsOneToSixty) {
    struct Case {
        std::optional<QString> answer;
        int expected;
        bool complaint;
    } cases[] = {{"5", 5, false},     {"60", 60, false},   {"1", 1, false},  {"2.5", 2, false},
                 {"61", 3, true},     {"0", 3, true},      {"abc", 3, true}, {std::nullopt, 3, true},
                 {" 7 ", 7, false},   {"", 3, true}};
    for (const auto& c : cases) {
        prompter.clear();
        m.repeat_count = 9;
        if (c.answer)
            prompter.answer_input(*c.answer);
        else
            prompter.cancel_input();
        auto d = drill();
        d->change_repeat();
        EXPECT_EQ(m.repeat_count, c.expected) << c.answer.value_or("<cancel>").toStdString();
        EXPECT_TRUE(m.cancel.skip());
        EXPECT_EQ(prompter.messages().size(), c.complaint ? 1 : 0);
        if (c.complaint) EXPECT_EQ(prompter.messages()[0], u"That was too few or too many. It is now set to 3.");
    }
    EXPECT_EQ(prompter.shown()[0].text,
              u"How many times should words be repeated before going to the next word? Recommended ranges are from 3 to 30.");
}

TEST_F(DrillTest, SpeedAcceptsOneHundredthToTenSeconds) {
    const QString large_msg = "That was less than 0.01 or more than 10. It's been set to .2 second.";
    const QString small_msg = "That was less than 0.01 or more than 10. It's been set to .1 second.";
    struct Case {
        QString answer;
        float large, small;
    } cases[] = {{"10", 10, 10}, {"0.01", 0.01f, 0.01f}, {"0.5", 0.5f, 0.5f}, {"10.5", 0.2f, 0.1f},
                 {"0", 0.2f, 0.1f}, {"fast", 0.2f, 0.1f}};
    for (const auto& c : cases) {
        for (auto kind : {DrillKind::Large, DrillKind::Small}) {
            prompter.clear();
            m.mp3.silence_clips = 77;
            prompter.answer_input(c.answer);
            drill(kind)->change_speed();
            const bool large = kind == DrillKind::Large;
            EXPECT_FLOAT_EQ(m.pause_seconds, large ? c.large : c.small) << c.answer.toStdString();
            EXPECT_EQ(prompter.shown()[0].title, u"Speed Bump");
            const bool accepted = m.pause_seconds == float(c.answer.toDouble()) && c.answer != "0";
            EXPECT_EQ(prompter.messages(), accepted ? QStringList{} : QStringList{large ? large_msg : small_msg});
            EXPECT_EQ(m.mp3.silence_clips, large ? silence_clips(m.pause_seconds) : 77);
        }
    }
    prompter.clear();
    prompter.cancel_input();
    drill()->change_speed();
    EXPECT_FLOAT_EQ(m.pause_seconds, 0.2f);
    EXPECT_EQ(prompter.messages(), QStringList{large_msg});
}

TEST_F(DrillTest, WholeNumberSettingsRoundHalvesToEvenAndIgnoreNonsense) {
    auto d = drill();
    auto ask = [&](void (Drill::*button)(), const QString& answer, int& setting, int before) {
        setting = before;
        prompter.answer_input(answer);
        (d.get()->*button)();
        return setting;
    };
    EXPECT_EQ(ask(&Drill::interlace, "2.5", m.interlace_every, 9), 2);
    EXPECT_EQ(ask(&Drill::interlace, "3.5", m.interlace_every, 9), 4);
    EXPECT_EQ(ask(&Drill::delay_top, "-2.5", m.top_text_delay, 9), -2);
    EXPECT_EQ(ask(&Drill::delay_bottom, "32767", m.bottom_text_delay, 9), 32767);
    EXPECT_EQ(ask(&Drill::delay_bottom, "32767.5", m.bottom_text_delay, 9), 9);
    EXPECT_EQ(ask(&Drill::delay_top, "two", m.top_text_delay, 9), 9);
    m.bottom_mode = BottomMode::WordOnly;
    prompter.cancel_input();
    d->interlace();
    EXPECT_EQ(m.bottom_mode, BottomMode::Interlace);  // any answer, even none
    EXPECT_TRUE(prompter.messages().isEmpty());

    const QStringList questions = prompter.texts();
    EXPECT_EQ(questions[0], u"How many times should the foreign word be played before the translation is played?  "
                            u"This works only if both languages are installed.");
    EXPECT_EQ(questions[2], u"How many times should the TOP word play before showing the TOP word's text?  Enter only a number.");
    EXPECT_EQ(questions[3], u"How many times should the TOP word play before showing the BOTTOM word's text?  Enter only a number.");

    prompter.clear();
    prompter.answer_input("2");
    drill(DrillKind::Small)->interlace();
    EXPECT_EQ(prompter.texts()[0], u"How many times should the top word be played before the bottom word is played?   "
                                   u"This works only if both languages are installed.");
}

TEST_F(DrillTest, SayTopOnlyAndSayBothExplainThemselves) {
    auto d = drill();
    d->speak_both();
    EXPECT_EQ(m.bottom_mode, BottomMode::TranslationFirst);
    d->say_bottom();
    EXPECT_EQ(m.bottom_mode, BottomMode::WordOnly);
    EXPECT_EQ(prompter.messages(),
              (QStringList{"If both language's sound files are installed, this plays both the top and bottom words.",
                           "This plays just the top word."}));
}

TEST(DrillAnswers, SilenceClipsCountWholeFifthsOfASecond) {
    EXPECT_EQ(silence_clips(0), 0);
    EXPECT_EQ(silence_clips(0.19), 0);
    EXPECT_EQ(silence_clips(0.5), 2);
    EXPECT_EQ(silence_clips(0.6), 3);
    EXPECT_EQ(silence_clips(1), 5);
    EXPECT_EQ(silence_clips(0.8f), 4);
    EXPECT_EQ(silence_clips(5), 25);
    EXPECT_EQ(silence_clips(-1), 0);
    EXPECT_FALSE(whole_number_answer("1e9"));
    EXPECT_EQ(whole_number_answer("-32768"), -32768);
    EXPECT_EQ(whole_number_answer("0.5"), 0);
    EXPECT_EQ(whole_number_answer("1.5"), 2);
}
