#pragma once
#include "clock.h"
#include "recording.h"
#include "take_check.h"

#include <QByteArray>
#include <QString>
#include <functional>
#ifndef Q_MOC_RUN  // moc cannot parse the coroutine headers
#include <qcoro/qcorotask.h>
#endif

namespace ql {

class Prompter;

// How a run was asked for: the contributor's list and duration button.
struct RecordingSettings {
    QString list;        // the list (with or without sounds) a word was chosen in; empty when none yet
    float seconds = 0;   // of each take; 0: the default take
    bool single = false; // the selected word only, instead of word after word to the end of the list
};

// The prompt's colour: orange while counting down and after a take, yellow while the contributor speaks.
enum class RecordingPrompt { Waiting, Speak };

// What a recording run shows and reads. The record-and-edit window implements it; `list` is the
// run's list.
class RecordingView {
public:
    virtual ~RecordingView() = default;
    // The selected row of the list (-1 when none), its length, and a row's word and sound number.
    virtual int selected_row(const QString& list) const = 0;
    virtual int row_count(const QString& list) const = 0;
    virtual QString word(const QString& list, int row) const = 0;
    virtual QString sound_number(const QString& list, int row) const = 0;
    // Selects a row as a click does (which plays nothing while the run silences the plays).
    virtual void select_row(const QString& list, int row) = 0;
    // A new batch of ten begins at `row`: it goes to the top of the list's view.
    virtual void scroll_to_top(const QString& list, int row) = 0;
    virtual void show_sound_number(const QString& sound_number) = 0;
    virtual void show_prompt(const QString& text, RecordingPrompt colour) = 0;
    // A take as recorded, before it is stored: what its check noticed, whether silence trimming
    // cuts it, and the word it is of.
    virtual void show_take(const QByteArray& take, const TakeCheck& check, bool trimmed, const QString& word) = 0;
    // The prompt back to its colours at rest.
    virtual void show_ended() = 0;
    // The buttons that start a run (off while one is under way).
    virtual void enable_run_buttons(bool enabled) = 0;
    // Read at every word: the contributor may change them during a run.
    virtual bool fast_pause() const = 0;
    virtual bool keep_silence() const = 0;
};

// What a run needs besides its view, handed in by the window.
struct RecordingServices {
    Clock* clock = nullptr;  // null: no waits
    CancelToken* token = nullptr;
    Prompter* prompter = nullptr;
    // Silences the plays of the run's own selections (true), or lets them through again (false).
    std::function<void(bool)> silence;
    // One take of the word into its new recording (the old one is removed first); `on_take` sees
    // the samples before they are stored.
    std::function<QCoro::Task<TakeResult>(QString sound_number, float seconds, bool keep_silence,
                                          std::function<void(const QByteArray& take)> on_take)>
        take;
};

// The record-and-edit recording run: from the selected word, a countdown ("2", "1" or just "1"
// with the fast method), "Speak", a take, then the next word, to the end of the list or a single
// word. STOP ends it at the next check (a take under way is stored as recorded so far) and a run
// stopped past the third word goes back two words, so that the contributor hears where it stopped.
class RecordingSession {
public:
    RecordingSession(RecordingServices services, RecordingView& view);

    // Starts a run unless one is under way; `ended` runs when it is over.
    void start(RecordingSettings settings);
    // STOP, or the window closing.
    void stop();
    bool under_way() const { return under_way_; }
    // Runs when a run has ended, whichever way.
    std::function<void()> ended;

    // The run itself (start() runs it on its own).
    QCoro::Task<> record_words(RecordingSettings settings);

private:
    // Says that no word is chosen and lets sound through again.
    void refuse(const QString& text);
    // The countdown before a take; false when STOP ended it.
    QCoro::Task<bool> count_down(bool long_countdown);
    QCoro::Task<> take(QString list, int row, float seconds);
    void finish(const RecordingSettings& settings, int row);
    QCoro::Task<> wait(float seconds);
    bool stopping() const { return s_.token->playback() == Playback::Stop; }
    QCoro::Task<> run_and_end(RecordingSettings settings);

    RecordingServices s_;
    RecordingView& view_;
    bool under_way_ = false;
};

}  // namespace ql
