#pragma once
#include "core/clock.h"
#include "core/player.h"
#include "core/say_it/practice.h"
#include "core/say_it/pronunciation.h"

#include <QByteArray>
#include <QWidget>
#include <optional>
#include <vector>
#ifndef Q_MOC_RUN  // moc cannot parse the coroutine headers
#include <qcoro/qcorotask.h>
#endif

class QLabel;
class QPushButton;

namespace ql {

class AudioEngine;
class Prompter;

// The recording and the learner's take, one above the other on the recording's time scale: the take
// is laid through the alignment, so the same sound sits at the same place in both. Each carries its
// pitch contour.
class SayItWaves : public QWidget {
    Q_OBJECT
public:
    explicit SayItWaves(QWidget* parent = nullptr);
    // The reference alone (before a take), or both with the comparison's time map.
    void show_reference(const std::vector<int16_t>* pcm, const say_it::Utterance* u);
    void show_take(const std::vector<int16_t>* pcm, const say_it::Utterance* u, const say_it::TimeMap* map);

    QSize sizeHint() const override { return {600, 240}; }
    QSize minimumSizeHint() const override { return {240, 140}; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void describe();
    const std::vector<int16_t>* ref_ = nullptr;
    const say_it::Utterance* ref_u_ = nullptr;
    const std::vector<int16_t>* take_ = nullptr;
    const say_it::Utterance* take_u_ = nullptr;
    const say_it::TimeMap* map_ = nullptr;
};

// "Say It": the learner hears nothing new, sees a countdown as long as the word plus a second, says
// the word, and gets the two sounds drawn together with a score and a word for it. Nothing is stored
// unless the learner keeps the take. Keys: S say it again, R hear the recording, T hear the take,
// B both in turn, K keep the take, Escape close.
class SayItWindow : public QWidget {
    Q_OBJECT
public:
    // The panel is a window of its own, never a child of the window it is opened over: its take and
    // its sounds may still be ending when that window goes, and the panel goes only after them.
    SayItWindow(AudioEngine& audio, Clock& clock, Prompter* prompter);

    // Opens the panel for a word a window shows: finds its reference (the recording, else what `voice`
    // says) and starts the learner's first try, which runs on from the event loop. nullptr without
    // audio or a clock, or when the word has no reference (a recording that cannot be read is told).
    // The panel shows over `over` and deletes itself when closed, once its own try or sound has ended.
    static SayItWindow* open(const Services& s, const Workspace& w, const QString& language, const QString& word,
                             const QString& sound_number, const say_it::VoiceSamples& voice, QWidget* over = nullptr);

    // The same for a word a window shows from the player's language: the voice is the player's.
    static SayItWindow* open(Player& player, WordsOnShow words, const QString& word, const QString& sound_number,
                             QWidget* over);
    // Why a word the player's language shows cannot be practised (the disabled button's tooltip), or empty.
    static QString unavailable_reason(const Player& player, const LanguageSession& language, const QString& sound_number);

    // Shows the panel for `word` and starts a try.
    void practise(say_it::PracticeWord word);

    // ---- handlers ----
    void on_say_again();
    void on_hear_reference();
    void on_hear_take();
    void on_hear_both();
    void on_keep_take();

    const std::optional<say_it::Comparison>& comparison() const { return comparison_; }
    bool listening() const { return listening_; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Held by each of the panel's coroutines: a closed panel is deleted once the last has ended.
    struct Running {
        explicit Running(SayItWindow* w);
        ~Running();
        SayItWindow* w;
    };
    void build_controls();
    QCoro::Task<> take_try();
    // Plays samples to their end; false when they could not play or the panel was closed meanwhile.
    QCoro::Task<bool> play(std::vector<int16_t> pcm);
    QCoro::Task<> hear(bool reference, bool take);
    void show_problem(const QString& text);
    void show_score(const say_it::Comparison& c);
    void set_buttons(bool idle);

    AudioEngine& audio_;
    Clock& clock_;
    Prompter* prompter_;
    // Closing the panel stops its take and its sounds; the sessions' own token is not touched.
    CancelToken token_;
    say_it::PracticeWord word_;
    say_it::Utterance reference_;
    std::vector<int16_t> take_;         // trimmed, as compared and kept
    say_it::Utterance take_u_;
    std::optional<say_it::Comparison> comparison_;
    say_it::TimeMap unaligned_;         // how a take that was not compared is drawn
    bool listening_ = false;
    bool playing_ = false;
    bool closed_ = false;
    int running_ = 0;

    QLabel* word_label_ = nullptr;
    QLabel* countdown_ = nullptr;
    SayItWaves* waves_ = nullptr;
    QLabel* score_ = nullptr;
    QLabel* verdict_ = nullptr;
    QLabel* kept_ = nullptr;
    QPushButton* hear_reference_ = nullptr;
    QPushButton* hear_take_ = nullptr;
    QPushButton* hear_both_ = nullptr;
    QPushButton* say_again_ = nullptr;
    QPushButton* keep_take_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace ql
