#include "test_run.h"

#include "prompter.h"
#include "text_file.h"
#include "core/ui_text.h"

#include <QLocale>
#include <cmath>

namespace ql {

namespace {

constexpr int kMaxQuestions = 32767;  // the counters were 16-bit
constexpr int kBars = 20;

std::optional<double> read_number(const QString& text) {
    bool ok = false;
    const double v = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

}  // namespace

std::optional<TestNumbers> read_test_numbers(const QString& questions_text, const QString& seconds_text,
                                             Prompter* prompter) {
    auto refuse = [prompter](const QString& text) -> std::optional<TestNumbers> {
        if (prompter) prompter->message(text);
        return std::nullopt;
    };
    const auto questions = read_number(questions_text);
    const int whole = questions ? int(std::clamp(std::floor(*questions), -1.0, double(kMaxQuestions) + 1)) : 0;
    if (!questions || whole <= 0)
        return refuse(Quillory::tr("The number of questions must be a number greater than 0."));
    if (whole > kMaxQuestions)
        return refuse(Quillory::tr("The number of questions must be a number greater than 0 and no more than %1.")
                          .arg(kMaxQuestions));
    const auto seconds = read_number(seconds_text);
    if (!seconds || *seconds <= 0)
        return refuse(Quillory::tr("The number of seconds per question must be a number greater than 0."));
    return TestNumbers{whole, float(*seconds)};
}

TestRun::TestRun(TestServices services, TestView& view) : s_(std::move(services)), view_(view) {}

void TestRun::tell(const QString& text) {
    if (s_.prompter) s_.prompter->message(text);
}

// ---- clicks ----

void TestRun::begin(Prepare prepare) {
    if (loop_active_) {
        // The old test is still waiting: ask it to end without judging, and begin the new one once
        // it has unwound.
        s_.token->set_playback(Playback::Quit);
        active_ = false;
        pending_ = std::move(prepare);
        return;
    }
    run_tests(std::move(prepare));
}

void TestRun::choose(int number) {
    if (!loop_active_ || !active_ || number < 1 || number > 6) return;
    answer_ = choices_[size_t(number - 1)];
    s_.token->set_playback(Playback::Stop);
}

void TestRun::enter_typed_answer() {
    if (!loop_active_ || !active_) return;
    answer_ = view_.typed_answer();
    s_.token->set_playback(Playback::Stop);
}

void TestRun::stop() {
    // With no test running there is no question to take back and no result to write.
    if (!active_) return;
    s_.token->set_playback(Playback::Quit);
    if (asked_count_ > 0) --asked_count_;  // the question on screen was not answered
    finish();
}

bool TestRun::close() {
    s_.token->set_playback(Playback::Quit);
    active_ = false;
    pending_ = {};
    if (loop_active_) {
        closed_ = true;
        return true;
    }
    s_.token->set_playback(Playback::Running);
    return false;
}

// ---- the session ----

QCoro::Task<> TestRun::run_tests(Prepare prepare) {
    while (prepare) {
        // Whatever plays (a drill's word, an old test) ends before the checks.
        s_.token->set_playback(Playback::Quit);
        if (!start(prepare())) co_return;
        co_await run_questions();
        prepare = std::exchange(pending_, {});
        if (closed_) break;
    }
    if (closed_ && unwound) unwound();
}

bool TestRun::start(std::optional<TestPlan> plan) {
    if (!plan) return false;
    if (plan->entries.empty()) {
        // Drawing from nothing would ask empty questions for ever.
        tell(Quillory::tr("There are no words to test on the chosen word list."));
        return false;
    }
    plan_ = std::move(*plan);
    if (plan_.kind == TestKind::Spelling) plan_.presentation = Presentation::SoundOnly;
    show_text_ = plan_.presentation != Presentation::SoundOnly;
    play_sound_ = plan_.presentation != Presentation::TextOnly;

    question_count_ = plan_.question_count;
    asked_count_ = 0;
    correct_count_ = 0;
    start_clock_ = s_.clock ? s_.clock->now() : 0.0;
    view_.enable_choices(plan_.kind == TestKind::MultipleChoice);
    s_.token->set_playback(Playback::Running);
    // A skip left by a flash card would cut every spoken question's pause short.
    s_.token->set_skip(false);
    active_ = true;
    return true;
}

QCoro::Task<> TestRun::run_questions() {
    loop_active_ = true;
    for (;;) {
        const Step step = co_await ask_question();
        if (step != Step::Next) break;
    }
    loop_active_ = false;
    s_.token->set_playback(Playback::Running);
    // Ended by Stop, Exit or a new Begin Test: nothing of it may be left waiting for an answer.
    if (!active_) view_.enable_choices(false);
}

QCoro::Task<> TestRun::wait_for_answer(float seconds) {
    if (!s_.clock) co_return;
    co_await sleep_for(*s_.clock, double(seconds), s_.token, WaitEnds::OnStop);
}

const TestEntry& TestRun::entry(int drawn) const {
    return plan_.entries[size_t(std::clamp(drawn, 0, int(plan_.entries.size()) - 1))];
}

std::optional<TestRun::Step> TestRun::draw_question() {
    const int n = int(plan_.entries.size());
    for (;;) {
        if (quitting()) return Step::Quit;
        shown_ = entry(s_.draw(0, n - 1));
        view_.show_question(show_text_ ? shown_.word : QString());
        if (!play_sound_ || (s_.can_sound && s_.can_sound(shown_.sound_number))) return std::nullopt;
        const bool go_on = s_.prompter && s_.prompter->ok_cancel(Quillory::tr(
                               "Sound file for this word was not found.  Click OK to go to next word or Cancel to stop test."));
        if (quitting() || !active_) return Step::Quit;
        if (go_on) continue;
        finish();
        return Step::Finished;
    }
}

void TestRun::show_choices() {
    const int correct_position = s_.draw(1, 6);
    if (plan_.kind != TestKind::MultipleChoice) return;
    const int n = int(plan_.entries.size());
    for (int b = 1; b <= 6; ++b)
        choices_[size_t(b - 1)] = b == correct_position ? shown_.translation : entry(s_.draw(0, n - 1)).translation;
    view_.show_choices(choices_);
}

// The time bar runs down in twentieths of the time allowed, then half a second more. False when the
// test was asked to end meanwhile.
QCoro::Task<bool> TestRun::count_down() {
    for (int k = kBars - 1; k >= 1; --k) {
        view_.show_time_left(k);
        co_await wait_for_answer(plan_.seconds_per_question / float(kBars));
        if (s_.token->playback() == Playback::Stop) co_return true;  // answered
        if (quitting()) co_return false;
    }
    co_await wait_for_answer(0.5f);
    if (quitting()) co_return false;
    if (s_.token->playback() != Playback::Stop)
        answer_ = plan_.kind == TestKind::MultipleChoice ? QString() : view_.typed_answer();
    co_return true;
}

QCoro::Task<TestRun::Step> TestRun::ask_question() {
    if (const auto ended = draw_question()) co_return *ended;
    const TestEntry asked = shown_;

    ++asked_count_;
    view_.show_asked(asked_count_, question_count_);
    show_choices();
    view_.show_time_left(kBars);

    if (play_sound_ && s_.play) {
        co_await s_.play(asked.sound_number);
        if (quitting()) co_return Step::Quit;
    }
    if (!co_await count_down()) co_return Step::Quit;

    s_.token->set_playback(Playback::Running);
    judge();
    if (!active_) co_return Step::Quit;  // a dialog's Exit or Stop
    if (asked_count_ == question_count_) {
        finish();
        co_return Step::Finished;
    }
    co_return Step::Next;
}

void TestRun::judge() {
    view_.clear_typed_answer();
    QString shown_pair = shown_.word + QStringLiteral(" = ") + shown_.translation;
    const QString expected = plan_.kind == TestKind::Spelling ? fold_accents(shown_.word) : shown_.translation;
    const Verdict verdict = judge_answer(plan_.kind, answer_, expected);
    if (verdict.right) {
        ++correct_count_;
    } else {
        shown_pair += u'\n' + Quillory::tr("not %1").arg(answer_);
        // A known word the student got wrong comes back for review today.
        if (s_.missed) s_.missed(format_entry(shown_.word, shown_.translation, shown_.sound_number));
    }
    view_.show_judged(shown_pair, verdict.right);
    if (!verdict.message.isEmpty()) tell(verdict.message);
}

void TestRun::finish() {
    active_ = false;
    const qint64 seconds = s_.clock ? qRound64(s_.clock->now() - start_clock_) : 0;
    const int percent = percent_right(correct_count_, asked_count_);
    view_.show_summary(Quillory::tr("Test finished in %1\n%2 of %3 correct %4%")
                            .arg(elapsed_text(seconds), QString::number(correct_count_), QString::number(asked_count_),
                                 QString::number(percent)));
    ResultsLine line;
    line.student = plan_.student;
    line.language = plan_.language;
    line.word_source = plan_.word_source;
    line.asked_count = asked_count_;
    line.percent = percent;
    line.elapsed_seconds = seconds;
    line.kind = plan_.kind;
    line.presentation = plan_.presentation;
    line.started = plan_.started;
    reset();
    QString error;
    if (!append_lines(s_.results_file, {format_results_line(line)}, &error))
        tell(Quillory::tr("The result of this test could not be added to the results file.\n%1").arg(error));
}

void TestRun::reset() {
    question_count_ = 0;
    asked_count_ = 0;
    correct_count_ = 0;
    view_.clear_typed_answer();
    choices_ = {};
    view_.show_choices(choices_);
    view_.enable_choices(false);
    show_text_ = false;
    play_sound_ = false;
    view_.clear_progress();
}

}  // namespace ql
