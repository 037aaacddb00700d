#include "test_window.h"

#include "core/main_view.h"
#include "core/prompter.h"
#include "core/review_schedule.h"
#include "core/spoken_words.h"
#include "core/text_file.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

namespace ql {

namespace {

// A caption shows "&" literally; the answer itself is kept apart, unescaped.
QString button_caption(const QString& text) {
    QString t = text;
    return t.replace(u'&', QStringLiteral("&&"));
}

std::optional<double> read_number(const QString& text) {
    bool ok = false;
    const double v = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

constexpr int kMaxQuestions = 32767;  // the counters were 16-bit

}  // namespace

TestWindow::TestWindow(AppState& m, QWidget* parent) : QWidget(parent), m_(m) {
    saved_words_ = m_.shown_words;
    saved_translations_ = m_.shown_translations;
    saved_sound_numbers_ = m_.shown_sound_numbers;
    saved_rows_ = m_.shown_rows;
    saved_search_results_ = m_.shown_are_search_results;
    build_controls();
}

TestWindow::~TestWindow() { restore_shown_entries(); }

TestWindow* TestWindow::open(AppState& m) {
    auto* w = new TestWindow(m);
    w->delete_on_close_ = true;
    w->show();
    return w;
}

void TestWindow::build_controls() {
    setObjectName(QStringLiteral("test"));
    setWindowTitle(QStringLiteral("Test"));

    auto label = [this](const char* name, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    language_name_ = label("language_name", QStringLiteral("Language: ") + m_.current_language);
    list_name_ = label("list_name", QStringLiteral("List Name: ") + m_.current_list);
    user_name_ = label("user_name", QStringLiteral("Username: ") + m_.student_name);

    multiple_choice_ = new QRadioButton(QStringLiteral("Multiple Coice"), this);
    multiple_choice_->setObjectName(QStringLiteral("multiple_choice"));
    spelling_ = new QRadioButton(QStringLiteral("Spelling Only"), this);
    spelling_->setObjectName(QStringLiteral("spelling"));
    fill_in_blank_ = new QRadioButton(QStringLiteral("Fill In The Blank"), this);
    fill_in_blank_->setObjectName(QStringLiteral("fill_in_blank"));
    auto* kinds = new QButtonGroup(this);
    for (QRadioButton* b : {multiple_choice_, spelling_, fill_in_blank_}) {
        kinds->addButton(b);
        connect(b, &QRadioButton::clicked, this, [this] { on_kind_clicked(); });
    }
    multiple_choice_->setChecked(true);

    list_choice_caption_ = label("Label3", QStringLiteral("Choose Word List"));
    list_choice_ = new QListWidget(this);
    list_choice_->setObjectName(QStringLiteral("list1"));
    list_choice_->setAccessibleName(QStringLiteral("Choose Word List"));
    list_choice_->addItems({QStringLiteral("All Words on Selected List"), QStringLiteral("Unkown Words on Selected List")});
    if (file_exists(m_.master_file)) list_choice_->addItem(QStringLiteral("All words in selected language"));
    list_choice_->setCurrentRow(0);
    list_choice_caption_->setBuddy(list_choice_);

    presentation_caption_ = label("Label2", QStringLiteral("Choose Text or Sound"));
    presentation_choice_ = new QListWidget(this);
    presentation_choice_->setObjectName(QStringLiteral("List2"));
    presentation_choice_->setAccessibleName(QStringLiteral("Choose Text or Sound"));
    presentation_choice_->addItems({QStringLiteral("Show the text of the word"), QStringLiteral("Play the sound of the word"),
                      QStringLiteral("Both")});
    presentation_choice_->setCurrentRow(0);
    presentation_caption_->setBuddy(presentation_choice_);
    // Three rows at most, all in view: room for them and for the longest row, so that neither list
    // shows a scrollbar it does not need.
    for (QListWidget* l : {list_choice_, presentation_choice_}) {
        l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        l->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        l->setFixedHeight(l->sizeHintForRow(0) * 3 + 2 * l->frameWidth() + 6);
        l->setMinimumWidth(l->sizeHintForColumn(0) + 2 * l->frameWidth() + 8);
    }

    question_count_caption_ = label("q_lbl", QStringLiteral("Number of Questions"));
    question_count_box_ = new QLineEdit(QStringLiteral("10"), this);
    question_count_box_->setObjectName(QStringLiteral("num_qs"));
    question_count_box_->setAccessibleName(QStringLiteral("Number of Questions"));
    question_count_caption_->setBuddy(question_count_box_);
    seconds_caption_ = label("sec_lbl", QStringLiteral("Time allowed for each question in seconds"));
    seconds_box_ = new QLineEdit(QStringLiteral("10"), this);
    seconds_box_->setObjectName(QStringLiteral("num_secs"));
    seconds_box_->setAccessibleName(QStringLiteral("Time allowed for each question in seconds"));
    seconds_caption_->setBuddy(seconds_box_);

    auto button = [this](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    begin_test_ = button("begin_test", QStringLiteral("Begin Test"));
    stop_ = button("stop", QStringLiteral("Stop Test"));
    exit_ = button("exit", QStringLiteral("Exit"));
    connect(begin_test_, &QPushButton::clicked, this, [this] { on_begin_test(); });
    connect(stop_, &QPushButton::clicked, this, [this] { on_stop(); });
    connect(exit_, &QPushButton::clicked, this, [this] { on_exit(); });

    answer_caption_ = label("answer_lbl", QStringLiteral("Enter Answer:"));
    answer_box_ = new QLineEdit(this);
    answer_box_->setObjectName(QStringLiteral("Text1"));
    answer_box_->setAccessibleName(QStringLiteral("Enter Answer:"));
    answer_caption_->setBuddy(answer_box_);
    connect(answer_box_, &QLineEdit::returnPressed, this, [this] { on_answer_entered(); });

    for (int i = 0; i < 6; ++i) {
        choice_buttons_[size_t(i)] = button(QStringLiteral("c%1").arg(i + 1).toLatin1().constData(), QString());
        // Announced by its caption, the answer it gives; the position is only a description.
        choice_buttons_[size_t(i)]->setAccessibleDescription(QStringLiteral("Choice %1").arg(i + 1));
        choice_buttons_[size_t(i)]->setMinimumWidth(180);
        choice_buttons_[size_t(i)]->setEnabled(false);
        connect(choice_buttons_[size_t(i)], &QPushButton::clicked, this, [this, i] { on_choice_clicked(i + 1); });
    }

    test_word_ = label("test_word", QString());
    // The labels' accessible names stay their shown text: a screen reader must read the word, the
    // count, the time left and the verdict, not what the label is for.
    test_word_->setAccessibleDescription(QStringLiteral("Test word"));
    QFont big = test_word_->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    test_word_->setFont(big);
    test_word_->setAlignment(Qt::AlignCenter);
    test_word_->setMinimumHeight(90);
    test_word_->setWordWrap(true);
    remaining_ = label("remaining", QString());
    remaining_->setAccessibleDescription(QStringLiteral("Questions asked"));
    time_remaining_ = label("time_remaining", QString());
    time_remaining_->setAccessibleDescription(QStringLiteral("Time remaining"));
    time_remaining_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Room for the full bar, so that the layout does not move while it counts down.
    time_remaining_->setMinimumWidth(time_remaining_->fontMetrics().horizontalAdvance(QString(21, u'=')));
    time_remaining_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    previous_word_ = label("previous_word", QString());
    previous_word_->setAccessibleDescription(QStringLiteral("Previous word"));
    previous_word_->setAutoFillBackground(true);
    previous_word_->setMinimumHeight(48);
    previous_word_->setWordWrap(true);
    previous_word_->setMargin(4);

    // ---- layout: choices on the left, the running question on the right ----
    auto* top = new QHBoxLayout;
    top->addWidget(language_name_);
    top->addWidget(list_name_);
    top->addWidget(user_name_);

    auto* left = new QVBoxLayout;
    left->addWidget(multiple_choice_);
    left->addWidget(spelling_);
    left->addWidget(fill_in_blank_);
    left->addSpacing(8);
    left->addWidget(list_choice_caption_);
    left->addWidget(list_choice_);
    left->addWidget(presentation_caption_);
    left->addWidget(presentation_choice_);
    auto* numbers = new QGridLayout;
    numbers->addWidget(question_count_caption_, 0, 0);
    numbers->addWidget(question_count_box_, 0, 1);
    numbers->addWidget(seconds_caption_, 1, 0);
    numbers->addWidget(seconds_box_, 1, 1);
    question_count_box_->setMaximumWidth(70);
    seconds_box_->setMaximumWidth(70);
    left->addLayout(numbers);
    auto* actions = new QHBoxLayout;
    actions->addWidget(begin_test_);
    actions->addWidget(stop_);
    actions->addWidget(exit_);
    left->addLayout(actions);
    left->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(test_word_);
    auto* progress = new QHBoxLayout;
    progress->addWidget(remaining_);
    progress->addStretch();
    progress->addWidget(time_remaining_);
    right->addLayout(progress);
    auto* typed = new QHBoxLayout;
    typed->addWidget(answer_caption_);
    typed->addWidget(answer_box_);
    right->addLayout(typed);
    auto* choices = new QGridLayout;
    for (int i = 0; i < 6; ++i) choices->addWidget(choice_buttons_[size_t(i)], i / 2, i % 2);
    right->addLayout(choices);
    right->addWidget(previous_word_);
    right->addStretch();

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 0);
    columns->addSpacing(16);
    columns->addLayout(right, 1);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(top);
    outer->addLayout(columns);

    setTabOrder(multiple_choice_, list_choice_);
    setTabOrder(list_choice_, presentation_choice_);
    setTabOrder(presentation_choice_, question_count_box_);
    setTabOrder(question_count_box_, seconds_box_);
    setTabOrder(seconds_box_, begin_test_);
    setTabOrder(begin_test_, answer_box_);

    on_kind_clicked();
    resize(900, 520);
}

TestKind TestWindow::chosen_kind() const {
    if (multiple_choice_->isChecked()) return TestKind::MultipleChoice;
    if (spelling_->isChecked()) return TestKind::Spelling;
    if (fill_in_blank_->isChecked()) return TestKind::FillInBlank;
    return TestKind::None;
}

void TestWindow::show_answer_box(bool visible) {
    answer_box_->setVisible(visible);
    answer_caption_->setVisible(visible);
}

void TestWindow::on_kind_clicked() {
    // A spelling test is always sound only, so the presentation choice goes away.
    const bool spelling = spelling_->isChecked();
    presentation_choice_->setVisible(!spelling);
    presentation_caption_->setVisible(!spelling);
    if (!session_active_) show_answer_box(chosen_kind() != TestKind::MultipleChoice);
}

void TestWindow::on_begin_test() {
    if (loop_active_) {
        // The old test is still waiting underneath this click: ask it to end without judging, and
        // begin the new one once it has left the stack.
        m_.cancel.set_playback(Playback::Quit);
        session_active_ = false;
        restart_pending_ = true;
        return;
    }
    run_tests();
}

QCoro::Task<> TestWindow::run_tests() {
    do {
        restart_pending_ = false;
        if (!start_test()) co_return;
        co_await run_questions();
    } while (restart_pending_ && !closing_);
}

bool TestWindow::start_test() {
    m_.cancel.set_playback(Playback::Quit);
    previous_word_->clear();
    previous_word_->setPalette(palette());

    const TestKind kind = chosen_kind();
    show_answer_box(kind != TestKind::MultipleChoice);

    const auto questions = read_number(question_count_box_->text());
    const int whole = questions ? int(std::clamp(std::floor(*questions), -1.0, double(kMaxQuestions) + 1)) : 0;
    if (!questions || whole <= 0) {
        if (m_.prompter) m_.prompter->message(QStringLiteral("The number of questions must be a number greater than 0."));
        return false;
    }
    if (whole > kMaxQuestions) {
        if (m_.prompter)
            m_.prompter->message(QStringLiteral("The number of questions must be a number greater than 0 and no more than %1.")
                                     .arg(kMaxQuestions));
        return false;
    }
    const auto seconds = read_number(seconds_box_->text());
    if (!seconds || *seconds <= 0) {
        if (m_.prompter)
            m_.prompter->message(QStringLiteral("The number of seconds per question must be a number greater than 0."));
        return false;
    }

    switch (list_choice_->currentRow()) {
    case 1:
        create_array_of_words(m_, m_.unknown_file);
        test_list_name_ = m_.current_list + QStringLiteral(" (unknowns only)");
        break;
    case 2:
        create_array_of_words(m_, m_.master_file);
        test_list_name_ = QStringLiteral("master");
        break;
    default:
        create_array_of_words(m_, m_.list_file);
        test_list_name_ = m_.current_list;
        break;
    }
    entry_count_ = m_.shown_count();
    if (entry_count_ == 0) {
        // Drawing from nothing would ask empty questions for ever.
        if (m_.prompter) m_.prompter->message(QStringLiteral("There are no words to test on the chosen word list."));
        return false;
    }

    const int row = presentation_choice_->currentRow();
    presentation_ = row == 1 ? Presentation::SoundOnly : row == 2 ? Presentation::TextAndSound : Presentation::TextOnly;
    show_text_ = presentation_ != Presentation::SoundOnly;
    play_sound_ = presentation_ != Presentation::TextOnly;
    if (kind == TestKind::Spelling) {
        show_text_ = false;
        play_sound_ = true;
        presentation_ = Presentation::SoundOnly;
    }
    kind_ = kind;

    question_count_ = whole;
    asked_count_ = 0;
    correct_count_ = 0;
    seconds_per_question_ = float(*seconds);
    start_time_ = clock();
    start_clock_ = m_.clock ? m_.clock->now() : 0.0;
    for (QPushButton* b : choice_buttons_) b->setEnabled(kind_ == TestKind::MultipleChoice);
    m_.cancel.set_playback(Playback::Running);
    // A skip left by a flash card would cut every spoken question's pause short.
    m_.cancel.set_skip(false);
    session_active_ = true;
    return true;
}

QCoro::Task<> TestWindow::run_questions() {
    loop_active_ = true;
    for (;;) {
        const Step step = co_await ask_question();
        if (step != Step::Next) break;
    }
    loop_active_ = false;
    m_.cancel.set_playback(Playback::Running);
    if (!session_active_) {
        // Ended by Stop, Exit or a new Begin Test: nothing of it may be left waiting for an answer.
        for (QPushButton* b : choice_buttons_) b->setEnabled(false);
    }
    if (closing_ && delete_on_close_) deleteLater();
}

QCoro::Task<> TestWindow::wait_for_answer(float seconds) {
    if (!m_.clock) co_return;
    co_await sleep_for(*m_.clock, double(seconds), &m_.cancel, WaitEnds::OnStop);
}

void TestWindow::set_choice(int number, const QString& text) {
    choices_[size_t(number - 1)] = text;
    choice_buttons_[size_t(number - 1)]->setText(button_caption(text));
}

QCoro::Task<TestWindow::Step> TestWindow::ask_question() {
    QString s, drawn_entry;
    for (;;) {
        if (quitting()) co_return Step::Quit;
        answer_box_->clear();
        test_word_->clear();
        const int i = random_between(m_, 0, entry_count_ - 1);
        shown_word_ = m_.shown_words.value(i);
        if (show_text_) test_word_->setText(shown_word_);
        correct_answer_ = m_.shown_translations.value(i);
        s = m_.shown_sound_numbers.value(i);
        drawn_entry = format_entry(shown_word_, correct_answer_, s);
        if (!play_sound_ || !find_test_sound(m_, s).isEmpty()) break;
        // With the voice on, a word without a recording is spoken instead of being asked about.
        if (voice_wanted(m_) && !chosen_voice(m_, m_.current_language).isEmpty()) break;
        const bool go_on =
            m_.prompter && m_.prompter->ok_cancel(QStringLiteral(
                               "Sound file for this word was not found.  Click OK to go to next word or Cancel to stop test."));
        if (quitting() || !session_active_) co_return Step::Quit;
        if (go_on) continue;
        finish_test();
        co_return Step::Finished;
    }

    ++asked_count_;
    remaining_->setText(QString::number(asked_count_) + QStringLiteral(" of ") + QString::number(question_count_));
    correct_position_ = random_between(m_, 1, 6);
    if (kind_ == TestKind::MultipleChoice) {
        for (int b = 1; b <= 6; ++b)
            set_choice(b, b == correct_position_ ? correct_answer_
                                                 : m_.shown_translations.value(random_between(m_, 0, entry_count_ - 1)));
    }
    time_remaining_->setText(QString(20, u'='));

    if (play_sound_) {
        co_await play_word_sound(m_, s, m_.current_language);
        if (quitting()) co_return Step::Quit;
    }

    bool answered = false;
    for (int k = 19; k >= 1; --k) {
        time_remaining_->setText(QString(k, u'='));
        co_await wait_for_answer(seconds_per_question_ / 20.0f);
        if (m_.cancel.playback() == Playback::Stop) {
            answered = true;
            break;
        }
        if (quitting()) co_return Step::Quit;
    }
    if (!answered) {
        co_await wait_for_answer(0.5f);
        if (quitting()) co_return Step::Quit;
        if (m_.cancel.playback() != Playback::Stop)
            answer_ = kind_ == TestKind::MultipleChoice ? QString() : answer_box_->text();
    }

    m_.cancel.set_playback(Playback::Running);
    answer_box_->clear();
    QString shown_pair = shown_word_ + QStringLiteral(" = ") + correct_answer_;
    if (kind_ == TestKind::Spelling) correct_answer_ = fold_accents(shown_word_);

    const Verdict verdict = judge_answer(kind_, answer_, correct_answer_);
    QPalette colours = previous_word_->palette();
    if (verdict.right) {
        ++correct_count_;
        colours.setColor(QPalette::Window, palette().color(QPalette::Button));
    } else {
        colours.setColor(QPalette::Window, QColor(255, 128, 0));
        shown_pair += QStringLiteral("\nnot ") + answer_;
        // A known word the student got wrong comes back for review today.
        review_missed_in_test(m_, drawn_entry);
    }
    previous_word_->setPalette(colours);
    previous_word_->setText(shown_pair);
    if (!verdict.message.isEmpty() && m_.prompter) {
        m_.prompter->message(verdict.message);
        if (quitting() || !session_active_) co_return Step::Quit;
    }

    if (asked_count_ == question_count_) {
        finish_test();
        co_return Step::Finished;
    }
    co_return Step::Next;
}

void TestWindow::finish_test() {
    session_active_ = false;
    const qint64 seconds = m_.clock ? qRound64(m_.clock->now() - start_clock_) : 0;
    const int percent = percent_right(correct_count_, asked_count_);
    test_word_->setText(QStringLiteral("Test finished in ") + elapsed_text(seconds) + u'\n' +
                        QString::number(correct_count_) + QStringLiteral(" of ") + QString::number(asked_count_) +
                        QStringLiteral(" correct ") + QString::number(percent) + u'%');
    ResultsLine line;
    line.student = m_.student_name;
    line.language = m_.current_language;
    line.word_source = test_list_name_;
    line.asked_count = asked_count_;
    line.percent = percent;
    line.elapsed_seconds = seconds;
    line.kind = kind_;
    line.presentation = presentation_;
    line.started = start_time_;
    reset_test();
    QString error;
    if (!append_results_line(m_, line, &error) && m_.prompter)
        m_.prompter->message(QStringLiteral("The result of this test could not be added to the results file.\n") + error);
}

void TestWindow::reset_test() {
    question_count_ = 0;
    asked_count_ = 0;
    correct_count_ = 0;
    answer_box_->clear();
    for (int b = 1; b <= 6; ++b) set_choice(b, QString());
    for (QPushButton* b : choice_buttons_) b->setEnabled(false);
    show_text_ = false;
    play_sound_ = false;
    remaining_->clear();
    time_remaining_->clear();
}

void TestWindow::on_choice_clicked(int number) {
    if (!loop_active_ || !session_active_) return;
    answer_ = choices_[size_t(number - 1)];
    m_.cancel.set_playback(Playback::Stop);
}

void TestWindow::on_answer_entered() {
    if (!loop_active_ || !session_active_) return;
    answer_ = answer_box_->text();
    m_.cancel.set_playback(Playback::Stop);
}

void TestWindow::on_stop() {
    // With no test running there is no question to take back and no result to write.
    if (!session_active_) return;
    m_.cancel.set_playback(Playback::Quit);
    if (asked_count_ > 0) --asked_count_;  // the question on screen was not answered
    finish_test();
}

void TestWindow::on_exit() { close(); }

void TestWindow::restore_shown_entries() {
    if (restored_) return;
    restored_ = true;
    m_.shown_words = saved_words_;
    m_.shown_translations = saved_translations_;
    m_.shown_sound_numbers = saved_sound_numbers_;
    m_.shown_rows = saved_rows_;
    m_.shown_are_search_results = saved_search_results_;
}

void TestWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (restored_) return;
    m_.cancel.set_playback(Playback::Quit);
    session_active_ = false;
    restart_pending_ = false;
    restore_shown_entries();
    if (m_.main_view) m_.main_view->show_main();
    if (loop_active_) {
        closing_ = true;  // the question loop deletes the window once it has unwound
    } else {
        m_.cancel.set_playback(Playback::Running);
        if (delete_on_close_) deleteLater();
    }
}

}  // namespace ql
