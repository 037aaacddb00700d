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

}  // namespace

TestWindow::TestWindow(AppState& m, QWidget* parent) : QWidget(parent), m_(m), run_(services(), *this) {
    saved_words_ = m_.shown_words;
    saved_translations_ = m_.shown_translations;
    saved_sound_numbers_ = m_.shown_sound_numbers;
    saved_rows_ = m_.shown_rows;
    saved_search_results_ = m_.shown_are_search_results;
    build_controls();
    // Closed while a question waited: the window goes once the session has unwound.
    run_.unwound = [this] {
        if (delete_on_close_) deleteLater();
    };
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

TestServices TestWindow::services() {
    AppState& m = m_;
    TestServices s;
    s.clock = m.clock;
    s.token = &m.cancel;
    s.prompter = m.prompter;
    s.draw = [&m](int low, int high) { return random_between(m, low, high); };
    s.can_sound = [&m](const QString& sound_number) {
        if (!find_test_sound(m, sound_number).isEmpty()) return true;
        // With the voice on, a word without a recording is spoken instead of being asked about.
        return voice_wanted(m) && !chosen_voice(m, m.current_language).isEmpty();
    };
    s.play = [&m](QString sound_number) { return play_word_sound(m, sound_number, m.current_language); };
    s.missed = [&m](const QString& entry) { review_missed_in_test(m, entry); };
    s.results_file = results_file_path(m);
    return s;
}

void TestWindow::on_kind_clicked() {
    // A spelling test is always sound only, so the presentation choice goes away.
    const bool spelling = spelling_->isChecked();
    presentation_choice_->setVisible(!spelling);
    presentation_caption_->setVisible(!spelling);
    if (!run_.active()) show_answer_box(chosen_kind() != TestKind::MultipleChoice);
}

void TestWindow::on_begin_test() {
    run_.begin([this] { return prepare_test(); });
}

std::optional<TestPlan> TestWindow::prepare_test() {
    previous_word_->clear();
    previous_word_->setPalette(palette());
    const TestKind kind = chosen_kind();
    show_answer_box(kind != TestKind::MultipleChoice);

    const auto numbers = read_test_numbers(question_count_box_->text(), seconds_box_->text(), m_.prompter);
    if (!numbers) return std::nullopt;

    TestPlan plan;
    plan.word_source = load_word_source();
    for (int i = 0; i < m_.shown_count(); ++i)
        plan.entries.push_back({m_.shown_words.value(i), m_.shown_translations.value(i), m_.shown_sound_numbers.value(i)});
    const int row = presentation_choice_->currentRow();
    plan.presentation = row == 1 ? Presentation::SoundOnly : row == 2 ? Presentation::TextAndSound : Presentation::TextOnly;
    plan.kind = kind;
    plan.question_count = numbers->questions;
    plan.seconds_per_question = numbers->seconds;
    plan.student = m_.student_name;
    plan.language = m_.current_language;
    plan.started = clock();
    return plan;
}

QString TestWindow::load_word_source() {
    switch (list_choice_->currentRow()) {
    case 1:
        create_array_of_words(m_, m_.unknown_file);
        return m_.current_list + QStringLiteral(" (unknowns only)");
    case 2:
        create_array_of_words(m_, m_.master_file);
        return QStringLiteral("master");
    default:
        create_array_of_words(m_, m_.list_file);
        return m_.current_list;
    }
}

// ---- what the session shows ----

void TestWindow::show_question(const QString& word) {
    answer_box_->clear();
    test_word_->setText(word);
}

void TestWindow::show_asked(int asked, int count) {
    remaining_->setText(QString::number(asked) + QStringLiteral(" of ") + QString::number(count));
}

void TestWindow::show_choices(const std::array<QString, 6>& choices) {
    for (size_t b = 0; b < choices.size(); ++b) choice_buttons_[b]->setText(button_caption(choices[b]));
}

void TestWindow::enable_choices(bool enabled) {
    for (QPushButton* b : choice_buttons_) b->setEnabled(enabled);
}

void TestWindow::show_time_left(int bars) { time_remaining_->setText(QString(bars, u'=')); }

QString TestWindow::typed_answer() const { return answer_box_->text(); }

void TestWindow::clear_typed_answer() { answer_box_->clear(); }

void TestWindow::show_judged(const QString& text, bool right) {
    QPalette colours = previous_word_->palette();
    colours.setColor(QPalette::Window, right ? palette().color(QPalette::Button) : QColor(255, 128, 0));
    previous_word_->setPalette(colours);
    previous_word_->setText(text);
}

void TestWindow::show_summary(const QString& text) { test_word_->setText(text); }

void TestWindow::clear_progress() {
    remaining_->clear();
    time_remaining_->clear();
}

// ---- clicks ----

void TestWindow::on_choice_clicked(int number) { run_.choose(number); }

void TestWindow::on_answer_entered() { run_.enter_typed_answer(); }

void TestWindow::on_stop() { run_.stop(); }

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
    const bool waiting = run_.close();
    restore_shown_entries();
    if (m_.main_view) m_.main_view->show_main();
    if (!waiting && delete_on_close_) deleteLater();
}

}  // namespace ql
