#pragma once
#include "drill_settings.h"
#include "player.h"

#include <QString>
#include <memory>
#include <optional>

namespace ql {

// What a flash-card window shows of a drill. The drill decides every text and size; the window only
// puts them on screen.
class DrillView {
public:
    virtual ~DrillView() = default;
    virtual void set_top_text(const QString& text) = 0;
    virtual void set_bottom_text(const QString& text) = 0;
    // The same size for both word labels.
    virtual void set_word_point_size(int points) = 0;
    virtual void set_top_visible(bool visible) = 0;
    virtual void set_bottom_visible(bool visible) = 0;
    virtual void set_num_text(const QString& text) = 0;
    virtual void set_repeat_text(const QString& text) = 0;
    virtual void set_speed_text(const QString& text) = 0;
    virtual void set_mp3_text(const QString& text) = 0;
    // Progress of a whole-list compilation; total 0 means none is running.
    virtual void set_progress(int done, int total) = 0;
};

enum class DrillKind {
    Large,  // the full window: text delays, type sizes, MP3 compilation
    Small,  // the stay-on-top card: other defaults, stops when recordings are missing
};

// ---- answers to the drill's questions ----

// A typed answer read as a number (surrounding blanks allowed); std::nullopt when it is not one.
std::optional<double> number_answer(const QString& text);
// A number rounded to a whole number, halves to even, when it fits 16 bits.
std::optional<int> whole_number_answer(const QString& text);
// Silence clips of 0.2 s that fill `seconds` (the whole part of seconds / 0.2). Typed decimals
// such as 0.6 or 1 count as the decimals they look like, not their binary neighbours.
int silence_clips(double seconds);
// Point size of both word labels for a word and its translation.
int word_point_size(const QString& top, const QString& bottom);

// The sound number of a word's translation: the translation table's entry for the word's sound
// number, or "" when the word has no valid sound number (the table is never read out of range).
QString translation_sound_number(const LanguageSession& lang, const QString& sound);

// Asks for the repeat count shared by both flash-card windows.
void ask_repeat_count(Prompter& prompter, DrillSettings& settings);

// One flash-card window's drill: a coroutine started by the window, whose waits let the window's
// buttons run and act through the shared cancellation token. Hold it in a shared_ptr: a run keeps
// its drill alive, so a window may go away under a running drill (detach_view first).
class Drill : public std::enable_shared_from_this<Drill> {
public:
    // Drills the entries `shown` holds (the main window's list, which may be reloaded under a running
    // drill) in `language`, with the settings both card windows share.
    Drill(Player& player, DrillSettings& settings, const LanguageSession& language, ShownWords& shown, DrillKind kind,
          DrillView* view);

    // The window is going away: nothing is shown from here on.
    void detach_view() { view_ = nullptr; }

    // Runs the drill until Pause, close or the end of the list. Does nothing while a run of this
    // drill (or a compilation) is still under way.
    QCoro::Task<> playwords();
    bool running() const { return runs_ > 0; }
    // True while a whole-list compilation runs (the window repaints meanwhile; it cannot be stopped).
    bool compiling() const { return compiling_; }

    // ---- buttons ----
    void pause();
    void resume();
    void next_word();
    void i_know_this_word();
    void change_repeat();
    void change_speed();
    void say_bottom();
    void speak_both();
    void interlace();
    void delay_top();
    void delay_bottom();
    void create_mp3();
    QCoro::Task<> auto_mp3();
    // The window was closed: the running drill ends at its next check.
    void window_closed();

    // The entry index of the word on screen, or -1 when none is (never drawn, or already marked).
    int shown_entry() const;

private:
    enum class Flow { Go, Draw, End };
    struct Word {
        int index = -1;
        QString top, bottom, sound, translation_sound;
    };

    Flow check() const;
    void normalise();
    QCoro::Task<> run();
    QCoro::Task<Flow> play_word(Word w);
    QCoro::Task<bool> wait_for_entries();
    void leave_word();
    QCoro::Task<> play(QString sound, QString language);
    void ask_whole_number(const QString& question, int& setting);

    Player& player_;
    DrillSettings& settings_;
    const LanguageSession& lang_;
    ShownWords& shown_;
    DrillKind kind_;
    DrillView* view_;
    int runs_ = 0;
    unsigned run_number_ = 0;  // this drill's run, while no other drill has taken over
    bool compiling_ = false;
    bool compiled_word_ = false;  // the word on screen is being written into out_file.mp3
    bool compiled_recording_ = false;  // ... and at least one of its recordings went in
    double compiled_start_ = 0.0;      // where in out_file.mp3 it starts, in seconds
    QString compiled_caption_;
    bool caption_failure_reported_ = false;
    Word on_screen_;              // the word on screen, as drawn
};

}  // namespace ql
