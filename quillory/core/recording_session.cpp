#include "recording_session.h"

#include "prompter.h"
#include "core/ui_text.h"

namespace ql {

namespace {

constexpr int kBatch = 10;  // a new batch of words starts at the top of the list's view

}  // namespace

RecordingSession::RecordingSession(RecordingServices services, RecordingView& view)
    : s_(std::move(services)), view_(view) {}

void RecordingSession::start(RecordingSettings settings) {
    if (under_way_) return;
    run_and_end(std::move(settings));
}

QCoro::Task<> RecordingSession::run_and_end(RecordingSettings settings) {
    co_await record_words(std::move(settings));
    if (ended) ended();
}

void RecordingSession::stop() { s_.token->set_playback(Playback::Stop); }

void RecordingSession::refuse(const QString& text) {
    if (s_.prompter) s_.prompter->message(text);
    if (s_.silence) s_.silence(false);
}

QCoro::Task<> RecordingSession::wait(float seconds) {
    if (!s_.clock || !(seconds > 0.0f)) co_return;
    co_await sleep_for(*s_.clock, double(seconds), s_.token);
}

QCoro::Task<> RecordingSession::record_words(RecordingSettings settings) {
    if (under_way_) co_return;
    if (s_.silence) s_.silence(true);
    const QString& list = settings.list;
    if (list.isEmpty()) {
        refuse(Quillory::tr(
            "You have to select a word on one of the lists. If you just added the word and don't see it, you need to "
            "click the refresh button and then look at the bottom of the list."));
        co_return;
    }
    // A STOP pressed while nothing was recording must not silently end this run before its first take.
    s_.token->set_playback(Playback::Running);
    s_.token->set_skip(false);
    under_way_ = true;
    view_.enable_run_buttons(false);

    int batch = 0;
    bool first_word = true;
    int row = -1;
    for (;;) {
        row = view_.selected_row(list);
        if (row < 0) {
            refuse(Quillory::tr("You have to select a word on one of the lists."));
            under_way_ = false;
            view_.enable_run_buttons(true);
            co_return;
        }
        if (batch == kBatch) {
            batch = 0;
            view_.scroll_to_top(list, row);
        }
        ++batch;
        view_.show_sound_number(view_.sound_number(list, row));

        const bool long_countdown = first_word || !view_.fast_pause() || settings.single;
        first_word = false;
        if (!co_await count_down(long_countdown)) break;
        view_.show_prompt(Quillory::tr("Speak"), RecordingPrompt::Speak);
        co_await wait(0.13f);
        if (stopping()) break;

        co_await take(list, row, settings.seconds);
        view_.show_prompt(QString(), RecordingPrompt::Waiting);
        if (settings.single) break;
        if (row + 1 >= view_.row_count(list)) break;  // the end of the list ends the run
        view_.select_row(list, row + 1);
    }
    finish(settings, row);
}

QCoro::Task<bool> RecordingSession::count_down(bool long_countdown) {
    if (long_countdown) {
        view_.show_prompt(QStringLiteral("2"), RecordingPrompt::Waiting);
        if (stopping()) co_return false;
        co_await wait(0.6f);
        if (stopping()) co_return false;
        view_.show_prompt(QStringLiteral("1"), RecordingPrompt::Waiting);
        co_await wait(0.6f);
    } else {
        view_.show_prompt(QStringLiteral("1"), RecordingPrompt::Waiting);
        co_await wait(0.7f);
    }
    co_return !stopping();
}

QCoro::Task<> RecordingSession::take(QString list, int row, float seconds) {
    if (!s_.take) co_return;
    const QString number = view_.sound_number(list, row);
    const QString word = view_.word(list, row);
    const bool keep_silence = view_.keep_silence();
    // The take is checked and drawn as it is stored; nothing here waits or asks.
    auto on_take = [this, keep_silence, word](const QByteArray& take) {
        view_.show_take(take, check_take(take, kTakeRate), !keep_silence, word);
    };
    co_await s_.take(number, seconds == 0.0f ? kDefaultTakeSeconds : seconds, keep_silence, on_take);
}

void RecordingSession::finish(const RecordingSettings& settings, int row) {
    if (settings.single) {
        view_.select_row(settings.list, row + 1);
    } else if (stopping() && row > 2) {
        // Back over the words around the interruption.
        view_.select_row(settings.list, row - 2);
    }
    s_.token->set_playback(Playback::Running);
    if (s_.silence) s_.silence(false);
    view_.show_ended();
    under_way_ = false;
    view_.enable_run_buttons(true);
}

}  // namespace ql
