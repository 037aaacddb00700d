#include "drill_fixture.h"
#include "support/run_session.h"

#include "core/mp3_compile.h"

using namespace ql;
using namespace ql::testing;

namespace {

QByteArray join(const QList<QByteArray>& parts) {
    QByteArray out;
    for (const auto& p : parts) out += p + "\r\n";
    return out;
}

const QString kCreateNote =
    "When the recording is completed, the flash cards will resume normal mode and begin playing aloud.  When this "
    "finishes, rename out_file.mp3 if you don't want it deleted the next time you use this function.";

}  // namespace

class CompileTest : public DrillTest {
protected:
    // Answers the questions of a whole-list compilation.
    void script_auto(const QString& repeats, const QString& silence) {
        prompter.answer_ok();
        prompter.answer_input(repeats);
        prompter.answer_input(silence);
    }
    // What one entry contributes to a block file.
    QByteArray entry_bytes(int i, int repeats, int silences) {
        QList<QByteArray> parts;
        for (int r = 0; r < repeats; ++r) {
            parts << translation_bytes(i) << word_bytes(i);
            for (int k = 0; k < silences; ++k) parts << "SIL";
        }
        parts << "BEEP";
        return join(parts);
    }
};

// ---- the drill's compilation ----

TEST_F(CompileTest, OneCompiledWordIsABeepThenTheDrillsOwnSounds) {
    load_list(3);
    tree.write("out_file.mp3", "OLD");
    m.repeat_count = 2;
    m.bottom_mode = BottomMode::WordOnly;
    m.pause_seconds = 0.4f;  // two silence clips
    auto d = drill();
    prompter.answer_input("1");
    d->create_mp3();
    EXPECT_FALSE(tree.exists("out_file.mp3"));
    EXPECT_EQ(prompter.messages(), QStringList{kCreateNote});
    EXPECT_TRUE(prompter.shown()[0].text.startsWith("This will create an mp3 file for your portable mp3 player."));
    EXPECT_TRUE(prompter.shown()[0].text.endsWith("and click OK.  I recommend 50."));

    stop_at_draw(3);
    run_session(m.clock, d->playwords());
    ASSERT_EQ(drawn.size(), 3u);
    const int w = drawn[0];
    EXPECT_EQ(tree.read("out_file.mp3"),
              join({"BEEP", word_bytes(w), "SIL", "SIL", word_bytes(w), "SIL", "SIL"}));
    // The word after it is heard again.
    EXPECT_EQ(plays(), (QStringList{"W" + QString::number(drawn[1]), "W" + QString::number(drawn[1])}));
    EXPECT_EQ(m.mp3.words_pending, 0);
    EXPECT_EQ(m.words_added, 1);
    EXPECT_EQ(view.mp3, u"1 words added");
}

TEST_F(CompileTest, CompiledWordsKeepTheDrillsTranslationOrder) {
    load_list(3);
    m.repeat_count = 3;
    m.bottom_mode = BottomMode::Interlace;
    m.interlace_every = 2;
    m.pause_seconds = 0.2f;
    auto d = drill();
    prompter.answer_input("2");
    d->create_mp3();
    QStringList labels;
    view.on_draw = [&](int n) {
        drawn.push_back(m.current_index);
        if (n == 3) m.cancel.set_playback(Playback::Stop);
    };
    run_session(m.clock, d->playwords());
    auto word = [&](int i) {
        return join({"BEEP", translation_bytes(i), "SIL", word_bytes(i), "SIL", word_bytes(i), "SIL",
                     translation_bytes(i), "SIL", word_bytes(i), "SIL"});
    };
    EXPECT_EQ(tree.read("out_file.mp3"), word(drawn[0]) + word(drawn[1]));
    EXPECT_TRUE(audio.played.isEmpty());
    // The third word was shown with the count of the second word's start; Pause leaves the third
    // word uncompiled.
    EXPECT_EQ(m.words_added, 2);
    EXPECT_EQ(m.mp3.words_pending, 0);
}

TEST_F(CompileTest, ZeroOrNonsenseCompilesNothing) {
    load_list(3);
    tree.write("out_file.mp3", "OLD");
    auto d = drill();
    prompter.answer_input("abc");
    d->create_mp3();
    prompter.cancel_input();
    d->create_mp3();
    prompter.answer_input("40000");
    d->create_mp3();
    EXPECT_EQ(tree.read("out_file.mp3"), QByteArray("OLD"));
    EXPECT_TRUE(prompter.messages().isEmpty());

    prompter.answer_input("0");
    d->create_mp3();
    EXPECT_FALSE(tree.exists("out_file.mp3"));
    EXPECT_EQ(prompter.messages(), QStringList{kCreateNote});
    m.repeat_count = 1;
    stop_at_draw(2);
    run_session(m.clock, d->playwords());
    EXPECT_FALSE(tree.exists("out_file.mp3"));
    EXPECT_EQ(audio.played.size(), 1);
}

TEST_F(CompileTest, PendingCompilationOutlivesTheWindow) {
    load_list(3);
    m.repeat_count = 2;
    m.pause_seconds = 0.2f;
    auto d = drill();
    prompter.answer_input("5");
    d->create_mp3();
    stop_at_draw(3);  // the third word gets its beep and is left at once by the stop
    run_session(m.clock, d->playwords());
    d->window_closed();
    d.reset();
    EXPECT_EQ(m.mp3.words_pending, 2);
    EXPECT_EQ(m.words_added, 3);
    const QByteArray before = tree.read("out_file.mp3");
    EXPECT_TRUE(before.endsWith(QByteArray("SIL\r\nBEEP\r\n")));
    // The main window clicks a word: it goes into the file, nothing is heard.
    run_session(m.clock, play_word_sound(m, m.on_show(), word_sound(1), "spanish"));
    EXPECT_EQ(tree.read("out_file.mp3"), before + join({word_bytes(1), "SIL"}));
    EXPECT_TRUE(audio.played.isEmpty());
}

TEST_F(CompileTest, CreateDuringADrillStartsTheFileAtTheNextWord) {
    load_list(3);
    m.repeat_count = 3;
    m.pause_seconds = 0.2f;
    auto d = drill();
    pump.after(1.0, [&] {
        prompter.answer_input("1");
        d->create_mp3();
    });
    stop_at_draw(3);
    run_session(m.clock, d->playwords());
    // Only the second word, from its beep, is in the file; the first word's remaining plays are not.
    EXPECT_EQ(tree.read("out_file.mp3"), join({"BEEP", word_bytes(drawn[1]), "SIL", word_bytes(drawn[1]), "SIL",
                                               word_bytes(drawn[1]), "SIL"}));
    EXPECT_EQ(audio.played.size(), 1);  // the first word's first play
}

TEST_F(CompileTest, CreateAnsweredZeroDuringADrillLeavesTheWordPlaying) {
    load_list(3);
    m.repeat_count = 3;
    m.pause_seconds = 0.2f;
    auto d = drill();
    pump.after(1.0, [&] {
        prompter.answer_input("0");
        d->create_mp3();
    });
    stop_at_draw(2);
    run_session(m.clock, d->playwords());
    EXPECT_EQ(audio.played.size(), 3);  // all three plays of the first word
}

// ---- whole-list compilation ----

TEST_F(CompileTest, WholeListGoesIntoBlocksOfAHundred) {
    load_list(250);
    auto d = drill();
    script_auto("2", "0.5");
    run_session(m.clock, d->auto_mp3());
    EXPECT_EQ(prompter.messages(), QStringList{"3 files have been completed."});
    for (int block = 1; block <= 3; ++block) {
        QByteArray expected;
        for (int i = (block - 1) * 100; i < std::min(250, block * 100); ++i) expected += entry_bytes(i, 2, 2);
        EXPECT_EQ(tree.read(QStringLiteral("100words%1.mp3").arg(block)), expected) << block;
    }
    EXPECT_FALSE(tree.exists("100words4.mp3"));
    EXPECT_EQ(m.mp3.silence_clips, 2);
    EXPECT_TRUE(view.mp3.isEmpty());
    // Progress every ten entries, then the bar goes away.
    ASSERT_EQ(view.progress_calls.size(), 25u + 1u);
    EXPECT_EQ(view.progress_calls[0], std::make_pair(0, 250));
    EXPECT_EQ(view.progress_calls[24], std::make_pair(240, 250));
    EXPECT_EQ(view.progress_calls[25], std::make_pair(0, 0));

    const auto& q = prompter.shown();
    EXPECT_EQ(q[0].kind, u"ok_cancel");
    EXPECT_TRUE(q[0].text.startsWith("This will create MP3 files for the current word list in blocks of 100 words."));
    EXPECT_TRUE(q[1].text.startsWith("How many times should each word be repeated?  I recommend 5."));
    EXPECT_EQ(q[2].text, u"How many seconds of silence should there be between words?  Enter zero \"0\" for no pause "
                         u"between words (it's fast) or 0.5 for a little bit of a pause.");
}

TEST_F(CompileTest, HundredEntriesMakeOneFile) {
    load_list(100);
    tree.write("100words2.mp3", "OLD");
    script_auto("1", "0");
    run_session(m.clock, drill()->auto_mp3());
    EXPECT_EQ(prompter.messages(), QStringList{"1 files have been completed."});
    EXPECT_EQ(tree.read("100words2.mp3"), QByteArray("OLD"));  // only deleted when its block starts
}

TEST_F(CompileTest, SilenceAnswerCountsClipsOfAFifthOfASecond) {
    load_list(1);
    for (auto [answer, clips] : {std::pair{"0", 0}, {"0.5", 2}, {"1", 5}, {"0.19", 0}}) {
        prompter.clear();
        script_auto("3", answer);
        run_session(m.clock, drill()->auto_mp3());
        EXPECT_EQ(tree.read("100words1.mp3"), entry_bytes(0, 3, clips)) << answer;
    }
}

TEST_F(CompileTest, MissingRecordingsAddNothing) {
    load_list(2);
    m.target_sound_numbers[1001] = "";  // word 1 has no translation
    QFile::remove(tree.path("languages/spanish/01/01000.mp3"));
    QFile::remove(tree.path("silence.mp3"));
    script_auto("2", "1");
    run_session(m.clock, drill()->auto_mp3());
    EXPECT_EQ(tree.read("100words1.mp3"),
              join({translation_bytes(0), translation_bytes(0), "BEEP", word_bytes(1), word_bytes(1), "BEEP"}));
}

TEST_F(CompileTest, ExistingBlockFileIsReplacedWhenItsBlockStarts) {
    load_list(150);
    tree.write("100words2.mp3", "OLD");
    bool old_there_at_100 = false, old_there_at_110 = true;
    view.on_progress = [&](int done) {
        if (done == 100) old_there_at_100 = tree.read("100words2.mp3") == "OLD";
        if (done == 110) old_there_at_110 = tree.read("100words2.mp3") == "OLD";
    };
    script_auto("1", "0");
    run_session(m.clock, drill()->auto_mp3());
    EXPECT_TRUE(old_there_at_100);
    EXPECT_FALSE(old_there_at_110);
}

TEST_F(CompileTest, CancelledWholeListCompilation) {
    load_list(5);
    struct Script {
        std::function<void()> answers;
    } scripts[] = {
        {[&] { prompter.answer_cancel(); }},
        {[&] { prompter.answer_ok(); prompter.cancel_input(); }},
        {[&] { prompter.answer_ok(); prompter.answer_input(""); }},
        {[&] { prompter.answer_ok(); prompter.answer_input("5"); prompter.cancel_input(); }},
        {[&] { prompter.answer_ok(); prompter.answer_input("five"); prompter.answer_input("1"); }},
    };
    for (auto& s : scripts) {
        prompter.clear();
        s.answers();
        run_session(m.clock, drill()->auto_mp3());
        EXPECT_EQ(prompter.messages(), QStringList{"Action has been cancelled"});
    }
    EXPECT_FALSE(tree.exists("100words1.mp3"));
}

TEST_F(CompileTest, WholeListRunIsNotDisturbedByAListReloadedMeanwhile) {
    load_list(30);
    view.on_progress = [&](int done) {
        if (done == 10) load_list(5);  // the main window shows a shorter list
    };
    script_auto("1", "0");
    run_session(m.clock, drill()->auto_mp3());
    QByteArray expected;
    for (int i = 0; i < 30; ++i) expected += entry_bytes(i, 1, 0);
    EXPECT_EQ(tree.read("100words1.mp3"), expected);
}

TEST_F(CompileTest, UnwritableBlockIsReportedNotCounted) {
    load_list(3);
    tree.mkdir("100words1.mp3/");  // a folder where the file should go
    script_auto("1", "0");
    run_session(m.clock, drill()->auto_mp3());
    const QStringList msgs = prompter.messages();
    ASSERT_EQ(msgs.size(), 2);
    EXPECT_TRUE(msgs[0].contains("100words1.mp3"));
    EXPECT_EQ(msgs[1], u"0 files have been completed.");
}
