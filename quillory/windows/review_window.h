#pragma once
#include "core/player.h"
#include "core/run_context.h"
#include "core/review_schedule.h"

#include <QWidget>
#include <memory>

class QLabel;
class QPushButton;

namespace ql {

// Spaced review of the chosen language's known words that are due: the foreign word is shown and
// played, the student recalls the translation, reveals it, and says whether it was known. Kept
// words wait longer before they come back; forgotten ones go back to the list's unknown words.
//
// Keys: Space shows the answer, Right or 2 "I knew it", Left or 1 "I forgot", S Say It, Escape closes. Every
// answer is written when it is given, so closing halfway loses nothing. Sounds wait inside the
// handlers (delivering events), so the window may be closed under them: it is deleted only once
// no handler of it is left on the stack.
class ReviewWindow : public QWidget {
    Q_OBJECT
public:
    explicit ReviewWindow(const RunContext& run, QWidget* parent = nullptr);

    // Creates the window for the main window's review button, shows it and presents the first
    // word; the window deletes itself when closed and shows the main window again.
    static ReviewWindow* open(const RunContext& run);
    // Shows the window and presents the first due word (or the summary when none is due).
    void start();

    // ---- handlers ----
    void on_show_answer();
    void on_knew_it();
    void on_forgot();
    // "Say It" (key S): practises saying the word on screen.
    void on_say_it();

    const ReviewSession& session() const { return *session_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void build_controls();
    // Shows the word at the session's position, or the summary once every word was answered.
    void present();
    // Starts a sound with the pause rules.
    void play(const QString& sound_number, const QString& language);
    // Handles the review keys; false for any other key.
    bool handle_key(int key);

    Player& player_;
    const Services& services_;
    const LanguageSession& lang_;
    ShownWords& shown_;  // the main window's, reloaded after a word moves
    const DrillSettings& drill_;  // the flash cards' repeat count, for the review MP3
    std::unique_ptr<ReviewSession> session_;
    bool revealed_ = false;
    bool closed_ = false;

    QLabel* progress_ = nullptr;
    QLabel* foreign_word_ = nullptr;
    QLabel* translation_ = nullptr;
    QLabel* summary_ = nullptr;
    QLabel* keys_hint_ = nullptr;
    QPushButton* show_answer_ = nullptr;
    QPushButton* knew_it_ = nullptr;
    QPushButton* forgot_ = nullptr;
    QPushButton* close_ = nullptr;
    QPushButton* say_it_ = nullptr;
    QPushButton* review_mp3_ = nullptr;
};

}  // namespace ql
