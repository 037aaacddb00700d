#pragma once
#include "core/app_state.h"
#include "core/test_session.h"

#include <QDateTime>
#include <QWidget>
#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace ql {

// The student test: a timed run of questions drawn at random from the chosen words, answered by a
// click on one of six choices or by a typed answer ended with Enter. Each finished test appends one
// line to the results file.
//
// A test is a loop inside the Begin Test click; its waits deliver window events, so the answer
// buttons, Enter, Stop, Exit and Begin Test itself run in the middle of it and talk to it through
// m.cancel.playback() (Running: waiting for an answer, Stop: answered, Quit: the test ends). A test that is ended by Exit or by a new
// Begin Test never judges its waiting question and never writes a results line; the new test starts
// only once the old loop has left the stack, and the window is deleted only then.
class TestWindow : public QWidget {
    Q_OBJECT
public:
    explicit TestWindow(AppState& m, QWidget* parent = nullptr);
    ~TestWindow() override;

    // Creates the window for the main window's "Start Student Test", deleted when it closes.
    static TestWindow* open(AppState& m);

    // The wall clock for the start time written into the results line (tests fix it).
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };

    // ---- handlers ----
    void on_kind_clicked();
    void on_begin_test();
    void on_choice_clicked(int number);  // 1 to 6
    void on_answer_entered();
    void on_stop();
    void on_exit();

    // ---- session, for the window's own display and for tests ----
    bool test_running() const { return session_active_; }
    int question_count() const { return question_count_; }
    int asked_count() const { return asked_count_; }
    int correct_count() const { return correct_count_; }
    QString choice_text(int number) const { return choices_[size_t(number - 1)]; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    enum class Step { Next, Finished, Quit };

    void build_controls();
    TestKind chosen_kind() const;
    void show_answer_box(bool visible);
    // Start checks and set-up; false when the test does not begin.
    bool start_test();
    // The test session: questions one after another until the last, Stop, Exit or a new Begin Test.
    QCoro::Task<> run_tests();
    QCoro::Task<> run_questions();
    QCoro::Task<Step> ask_question();
    void finish_test();
    void reset_test();
    // Waits `seconds` of the clock; returns early once the question was answered or the test was
    // asked to end.
    QCoro::Task<> wait_for_answer(float seconds);
    bool quitting() const { return m_.cancel.playback() == Playback::Quit; }
    void set_choice(int number, const QString& text);
    void restore_shown_entries();

    AppState& m_;
    bool delete_on_close_ = false;

    // What the main window had loaded into the shown arrays; a test replaces them and the main
    // window's columns must keep matching them afterwards.
    QStringList saved_words_, saved_translations_, saved_sound_numbers_;
    std::vector<int> saved_rows_;
    bool saved_search_results_ = false;
    bool restored_ = false;

    // ---- session state ----
    int question_count_ = 0;
    int asked_count_ = 0;
    int correct_count_ = 0;
    int correct_position_ = 0;
    float seconds_per_question_ = 0;
    QDateTime start_time_;
    double start_clock_ = 0;
    bool show_text_ = false, play_sound_ = false;
    TestKind kind_ = TestKind::None;
    Presentation presentation_ = Presentation::TextOnly;
    QString shown_word_, correct_answer_, answer_, test_list_name_;
    std::array<QString, 6> choices_;
    int entry_count_ = 0;

    bool session_active_ = false;  // begun and not yet finished or abandoned
    bool loop_active_ = false;     // the question loop is on the stack
    bool restart_pending_ = false; // Begin Test was pressed while the loop was on the stack
    bool closing_ = false;

    // ---- controls (their objectNames, set where they are built, are the handles tests find them by) ----
    QLabel* language_name_ = nullptr;
    QLabel* list_name_ = nullptr;
    QLabel* user_name_ = nullptr;
    QRadioButton* multiple_choice_ = nullptr;
    QRadioButton* spelling_ = nullptr;
    QRadioButton* fill_in_blank_ = nullptr;
    QLabel* list_choice_caption_ = nullptr;
    QListWidget* list_choice_ = nullptr;
    QLabel* presentation_caption_ = nullptr;
    QListWidget* presentation_choice_ = nullptr;
    QLabel* question_count_caption_ = nullptr;
    QLineEdit* question_count_box_ = nullptr;
    QLabel* seconds_caption_ = nullptr;
    QLineEdit* seconds_box_ = nullptr;
    QPushButton* begin_test_ = nullptr;
    QPushButton* stop_ = nullptr;
    QPushButton* exit_ = nullptr;
    QLabel* answer_caption_ = nullptr;
    QLineEdit* answer_box_ = nullptr;
    std::array<QPushButton*, 6> choice_buttons_{};
    QLabel* test_word_ = nullptr;
    QLabel* remaining_ = nullptr;
    QLabel* time_remaining_ = nullptr;
    QLabel* previous_word_ = nullptr;
};

}  // namespace ql
