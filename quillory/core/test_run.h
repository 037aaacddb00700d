#pragma once
#include "clock.h"
#include "test_session.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#ifndef Q_MOC_RUN  // moc cannot parse the coroutine headers
#include <qcoro/qcorotask.h>
#endif
#include <vector>

namespace ql {

class Prompter;

// One entry a test can ask about.
struct TestEntry {
    QString word, translation, sound_number;
};

// What one test asks: read from the window's choices when Begin Test is pressed.
struct TestPlan {
    TestKind kind = TestKind::MultipleChoice;
    Presentation presentation = Presentation::TextOnly;
    int question_count = 0;
    float seconds_per_question = 0;
    std::vector<TestEntry> entries;
    // For the results line.
    QString student, language, word_source;
    QDateTime started;
};

// The two number boxes of the test window: the question count and the seconds per question. Tells
// the student what is wrong and gives nothing when a box does not hold an acceptable number.
struct TestNumbers {
    int questions = 0;
    float seconds = 0;
};
std::optional<TestNumbers> read_test_numbers(const QString& questions, const QString& seconds, Prompter* prompter);

// What a running test shows. The test window implements it; tests record it.
class TestView {
public:
    virtual ~TestView() = default;
    // A new question: the word (empty when it is presented by sound only); the typed answer is cleared.
    virtual void show_question(const QString& word) = 0;
    virtual void show_asked(int asked, int count) = 0;
    virtual void show_choices(const std::array<QString, 6>& choices) = 0;
    virtual void enable_choices(bool enabled) = 0;
    // The time bar: `bars` of 20 left; 0 clears it.
    virtual void show_time_left(int bars) = 0;
    virtual QString typed_answer() const = 0;
    virtual void clear_typed_answer() = 0;
    // The question just judged: "word = translation", with "\nnot <answer>" when it was wrong.
    virtual void show_judged(const QString& text, bool right) = 0;
    virtual void show_summary(const QString& text) = 0;
    // A finished test clears the count and the time bar.
    virtual void clear_progress() = 0;
};

// What a test needs besides its view, handed in by the window.
struct TestServices {
    Clock* clock = nullptr;  // null: no waits
    CancelToken* token = nullptr;
    Prompter* prompter = nullptr;
    // A uniform whole number from low to high.
    std::function<int(int low, int high)> draw;
    // Whether a word can be presented by sound (a recording, or the voice speaks it).
    std::function<bool(const QString& sound_number)> can_sound;
    // Plays the word's sound; returns when it and its pause are over, or at once on Stop/Quit.
    std::function<QCoro::Task<>(QString sound_number)> play;
    // A known word the student got wrong (the entry in list format).
    std::function<void(const QString& entry)> missed;
    // The file each finished test appends its line to.
    QString results_file;
};

// The student test: questions drawn at random from the plan's entries, one after another, each
// answered by a choice, a typed answer with Enter, or its time running out; then the summary and
// one line in the results file. Stop finishes the test at once without the question on screen;
// Exit (close) and a new Begin Test end it without judging that question and without a line.
//
// Clicks reach the test through answer()/stop()/close()/begin() while it waits; they set the
// cancellation token (Stop: answered, Quit: the test ends) and the waiting question resumes at the
// event loop's next turn.
class TestRun {
public:
    // Reads the window's choices when a test starts; nothing when the start checks refused it (the
    // student has been told).
    using Prepare = std::function<std::optional<TestPlan>()>;

    TestRun(TestServices services, TestView& view);

    // Begin Test. While a test waits it ends without judging or a line, and the new one starts once
    // it has unwound; `prepare` is read only then.
    void begin(Prepare prepare);
    // A choice (1 to 6) clicked, or the typed answer entered.
    void choose(int number);
    void enter_typed_answer();
    // Stop Test: the test finishes now, without the question on screen.
    void stop();
    // The window closes: the test ends without a line. True when a question is still waiting; then
    // `unwound` runs once it has left.
    bool close();
    // Runs when the questions of a closed test have unwound.
    std::function<void()> unwound;

    bool active() const { return active_; }
    // A question loop is under way (perhaps already asked to end).
    bool waiting() const { return loop_active_; }
    int question_count() const { return question_count_; }
    int asked_count() const { return asked_count_; }
    int correct_count() const { return correct_count_; }
    QString choice(int number) const { return choices_[size_t(number - 1)]; }

private:
    enum class Step { Next, Finished, Quit };

    QCoro::Task<> run_tests(Prepare prepare);
    bool start(std::optional<TestPlan> plan);
    QCoro::Task<> run_questions();
    QCoro::Task<Step> ask_question();
    // Draws entries until one can be asked; Quit or Finished when the student ends the test on a
    // word that cannot be presented.
    std::optional<Step> draw_question();
    const TestEntry& entry(int drawn) const;
    void show_choices();
    QCoro::Task<bool> count_down();
    void judge();
    void finish();
    void reset();
    QCoro::Task<> wait_for_answer(float seconds);
    bool quitting() const { return s_.token->playback() == Playback::Quit; }
    void tell(const QString& text);

    TestServices s_;
    TestView& view_;

    TestPlan plan_;
    bool show_text_ = false, play_sound_ = false;
    int question_count_ = 0, asked_count_ = 0, correct_count_ = 0;
    double start_clock_ = 0;
    TestEntry shown_;
    QString answer_;
    std::array<QString, 6> choices_;

    bool active_ = false;       // begun and not yet finished or abandoned
    bool loop_active_ = false;  // the question loop is under way
    bool closed_ = false;
    Prepare pending_;           // a Begin Test pressed while the loop was under way
};

}  // namespace ql
