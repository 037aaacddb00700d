#pragma once
#include "core/say_it/pronunciation.h"

#include <QByteArray>
#include <QWidget>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;

namespace ql {

class AudioEngine;
class EventPump;
class Prompter;
struct AppState;

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

// What the panel practises: a word and the sound it is compared with.
struct SayItWord {
    QString word;
    QString language;
    QString sound_number;
    QString user_folder;              // where "Keep my take" saves, ending in "/"
    std::vector<int16_t> reference;   // 16-bit mono at 22050 Hz
};

// "Say It": the learner hears nothing new, sees a countdown as long as the word plus a second, says
// the word, and gets the two sounds drawn together with a score and a word for it. Nothing is stored
// unless the learner keeps the take. Keys: S say it again, R hear the recording, T hear the take,
// B both in turn, K keep the take, Escape close.
class SayItWindow : public QWidget {
    Q_OBJECT
public:
    SayItWindow(AudioEngine& audio, EventPump& pump, Prompter* prompter, QWidget* parent = nullptr);

    // Opens the panel for a word of the shown entries: finds its reference (the recording, else the
    // voice when it is on) and takes the learner's first try. Returns once that try is scored (the
    // panel stays open); nullptr when the word has no reference. The panel deletes itself when closed.
    static SayItWindow* open(AppState& m, const QString& word, const QString& sound_number, QWidget* parent = nullptr);
    // Why `open` would find nothing to compare with, or empty.
    static QString unavailable_reason(const AppState& m, const QString& sound_number);

    // Shows the panel for `word` and takes a try.
    void practise(SayItWord word);

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
    void build_controls();
    void take_try();
    // Waits delivering events; false when the panel was closed meanwhile.
    bool wait(double seconds);
    bool play(const std::vector<int16_t>& pcm);
    void show_problem(const QString& text);
    void show_score(const say_it::Comparison& c);
    void set_buttons(bool idle);
    // Runs a handler that delivers events; the panel is deleted only once no handler is on the stack.
    template <typename F>
    void guarded(F&& f);

    AudioEngine& audio_;
    EventPump& pump_;
    Prompter* prompter_;
    SayItWord word_;
    say_it::Utterance reference_;
    std::vector<int16_t> take_;         // trimmed, as compared and kept
    say_it::Utterance take_u_;
    std::optional<say_it::Comparison> comparison_;
    say_it::TimeMap unaligned_;         // how a take that was not compared is drawn
    bool listening_ = false;
    bool closed_ = false;
    int busy_ = 0;

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
