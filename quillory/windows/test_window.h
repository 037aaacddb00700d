#pragma once
#include "core/player.h"
#include "core/run_context.h"
#include "core/test_run.h"

#include <QDateTime>
#include <QWidget>
#include <array>
#include <functional>

class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace ql {

// The student test window: a view over the test session (core/test_run.h). It reads the chosen
// kind, word source and numbers when a test starts, shows the questions, choices, time bar and
// verdicts the session hands it, and forwards the answer buttons, Enter, Stop and Exit. A window
// closed while a question waits is deleted once the session has unwound.
class TestWindow : public QWidget, private TestView {
    Q_OBJECT
public:
    explicit TestWindow(const RunContext& run, QWidget* parent = nullptr);
    ~TestWindow() override;

    // Creates the window for the main window's "Start Student Test", deleted when it closes.
    static TestWindow* open(const RunContext& run);

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
    bool test_running() const { return run_.active(); }
    int question_count() const { return run_.question_count(); }
    int asked_count() const { return run_.asked_count(); }
    int correct_count() const { return run_.correct_count(); }
    QString choice_text(int number) const { return run_.choice(number); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build_controls();
    void build_kind_choice();
    void build_word_choice(bool whole_language);
    void build_number_boxes();
    void build_answer_controls();
    void build_question_labels();
    void arrange_controls();
    QLayout* settings_column();
    QLayout* question_column();
    TestKind chosen_kind() const;
    void show_answer_box(bool visible);
    TestServices services();
    // The start checks and the chosen entries, read when a test starts; nothing when it does not
    // begin.
    std::optional<TestPlan> prepare_test();
    // Loads the chosen words into `words` and returns the name the results line gives them.
    QString load_word_source(ShownWords& words) const;

    // ---- what the session shows ----
    void show_question(const QString& word) override;
    void show_asked(int asked, int count) override;
    void show_choices(const std::array<QString, 6>& choices) override;
    void enable_choices(bool enabled) override;
    void show_time_left(int bars) override;
    QString typed_answer() const override;
    void clear_typed_answer() override;
    void show_judged(const QString& text, bool right) override;
    void show_summary(const QString& text) override;
    void clear_progress() override;

    Player& player_;
    const Services& services_;
    const Workspace& workspace_;
    const LanguageSession& lang_;
    // The main window's words: the voice finds a word's text there before it reads the files.
    const ShownWords& main_shown_;
    bool delete_on_close_ = false;

    bool closed_ = false;

    TestRun run_;

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
