#include "test_window.h"

#include "core/main_view.h"
#include "core/prompter.h"
#include "core/review_schedule.h"
#include "core/spoken_words.h"
#include "core/text_file.h"
#include "widget_builders.h"
#include "core/ui_text.h"

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

using build::button;
using build::label;
using build::named;

// A list box of up to three choices, named for screen readers by its caption.
QListWidget* choice_list(QWidget* parent, const char* name, QLabel* caption) {
    auto* l = named(new QListWidget(parent), name);
    l->setAccessibleName(caption->text());
    caption->setBuddy(l);
    return l;
}

// A box for a whole number, 10 at first, named for screen readers by its caption.
QLineEdit* number_box(QWidget* parent, const char* name, QLabel* caption) {
    auto* box = named(new QLineEdit(QStringLiteral("10"), parent), name);
    box->setAccessibleName(caption->text());
    box->setMaximumWidth(70);
    caption->setBuddy(box);
    return box;
}

}  // namespace

TestWindow::TestWindow(const RunContext& run, QWidget* parent)
    : QWidget(parent),
      player_(run.player),
      services_(run.services),
      workspace_(run.workspace),
      lang_(run.language),
      main_shown_(run.shown),
      run_(services(), *this) {
    build_controls();
    // Closed while a question waited: the window goes once the session has unwound.
    run_.unwound = [this] {
        if (delete_on_close_) deleteLater();
    };
}

TestWindow::~TestWindow() = default;

TestWindow* TestWindow::open(const RunContext& run) {
    auto* w = new TestWindow(run);
    w->delete_on_close_ = true;
    w->show();
    return w;
}

// Controls are created in reading order (which is also the keyboard order where the explicit order
// below does not say otherwise), then arranged.
void TestWindow::build_controls() {
    setObjectName(QStringLiteral("test"));
    setWindowTitle(Quillory::tr("Test"));
    language_name_ = label(this, "language_name", Quillory::tr("Language: %1").arg(lang_.current_language));
    list_name_ = label(this, "list_name", Quillory::tr("List Name: %1").arg(lang_.current_list));
    user_name_ = label(this, "user_name", Quillory::tr("Username: %1").arg(workspace_.student_name));
    build_kind_choice();
    build_word_choice(file_exists(lang_.master_file));
    build_number_boxes();
    build_answer_controls();
    build_question_labels();
    arrange_controls();
    build::chain_tab_order({multiple_choice_, list_choice_, presentation_choice_, question_count_box_, seconds_box_,
                            begin_test_, answer_box_});
    on_kind_clicked();
    resize(900, 520);
}

void TestWindow::build_kind_choice() {
    multiple_choice_ = named(new QRadioButton(Quillory::tr("Multiple Coice"), this), "multiple_choice");
    spelling_ = named(new QRadioButton(Quillory::tr("Spelling Only"), this), "spelling");
    fill_in_blank_ = named(new QRadioButton(Quillory::tr("Fill In The Blank"), this), "fill_in_blank");
    auto* kinds = new QButtonGroup(this);
    for (QRadioButton* b : {multiple_choice_, spelling_, fill_in_blank_}) {
        kinds->addButton(b);
        connect(b, &QRadioButton::clicked, this, [this] { on_kind_clicked(); });
    }
    multiple_choice_->setChecked(true);
}

// Which words are asked (the whole language only where it has a master list) and how they are
// presented.
void TestWindow::build_word_choice(bool whole_language) {
    list_choice_caption_ = label(this, "Label3", Quillory::tr("Choose Word List"));
    list_choice_ = choice_list(this, "list1", list_choice_caption_);
    list_choice_->addItems({Quillory::tr("All Words on Selected List"), Quillory::tr("Unkown Words on Selected List")});
    if (whole_language) list_choice_->addItem(Quillory::tr("All words in selected language"));
    presentation_caption_ = label(this, "Label2", Quillory::tr("Choose Text or Sound"));
    presentation_choice_ = choice_list(this, "List2", presentation_caption_);
    presentation_choice_->addItems({Quillory::tr("Show the text of the word"), Quillory::tr("Play the sound of the word"),
                      Quillory::tr("Both")});
    // Three rows at most, all in view: room for them and for the longest row, so that neither list
    // shows a scrollbar it does not need.
    for (QListWidget* l : {list_choice_, presentation_choice_}) {
        l->setCurrentRow(0);
        l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        l->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        l->setFixedHeight(l->sizeHintForRow(0) * 3 + 2 * l->frameWidth() + 6);
        l->setMinimumWidth(l->sizeHintForColumn(0) + 2 * l->frameWidth() + 8);
    }
}

void TestWindow::build_number_boxes() {
    question_count_caption_ = label(this, "q_lbl", Quillory::tr("Number of Questions"));
    question_count_box_ = number_box(this, "num_qs", question_count_caption_);
    seconds_caption_ = label(this, "sec_lbl", Quillory::tr("Time allowed for each question in seconds"));
    seconds_box_ = number_box(this, "num_secs", seconds_caption_);

    begin_test_ = button(this, "begin_test", Quillory::tr("Begin Test"));
    stop_ = button(this, "stop", Quillory::tr("Stop Test"));
    exit_ = button(this, "exit", Quillory::tr("Exit"));
    connect(begin_test_, &QPushButton::clicked, this, [this] { on_begin_test(); });
    connect(stop_, &QPushButton::clicked, this, [this] { on_stop(); });
    connect(exit_, &QPushButton::clicked, this, [this] { on_exit(); });
}

void TestWindow::build_answer_controls() {
    answer_caption_ = label(this, "answer_lbl", Quillory::tr("Enter Answer:"));
    answer_box_ = named(new QLineEdit(this), "Text1");
    answer_box_->setAccessibleName(answer_caption_->text());
    answer_caption_->setBuddy(answer_box_);
    connect(answer_box_, &QLineEdit::returnPressed, this, [this] { on_answer_entered(); });

    for (int i = 0; i < 6; ++i) {
        QPushButton* b = button(this, QStringLiteral("c%1").arg(i + 1).toLatin1().constData(), QString());
        // Announced by its caption, the answer it gives; the position is only a description.
        b->setAccessibleDescription(Quillory::tr("Choice %1").arg(i + 1));
        b->setMinimumWidth(180);
        b->setEnabled(false);
        connect(b, &QPushButton::clicked, this, [this, i] { on_choice_clicked(i + 1); });
        choice_buttons_[size_t(i)] = b;
    }
}

// The labels' accessible names stay their shown text: a screen reader must read the word, the
// count, the time left and the verdict, not what the label is for.
void TestWindow::build_question_labels() {
    test_word_ = label(this, "test_word", QString());
    test_word_->setAccessibleDescription(Quillory::tr("Test word"));
    build::set_font(test_word_, test_word_->font().pointSizeF() * 2, true);
    test_word_->setAlignment(Qt::AlignCenter);
    test_word_->setMinimumHeight(90);
    test_word_->setWordWrap(true);
    remaining_ = label(this, "remaining", QString());
    remaining_->setAccessibleDescription(Quillory::tr("Questions asked"));
    time_remaining_ = label(this, "time_remaining", QString());
    time_remaining_->setAccessibleDescription(Quillory::tr("Time remaining"));
    time_remaining_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Room for the full bar, so that the layout does not move while it counts down.
    time_remaining_->setMinimumWidth(time_remaining_->fontMetrics().horizontalAdvance(QString(21, u'=')));
    time_remaining_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    previous_word_ = label(this, "previous_word", QString());
    previous_word_->setAccessibleDescription(Quillory::tr("Previous word"));
    previous_word_->setAutoFillBackground(true);
    previous_word_->setMinimumHeight(48);
    previous_word_->setWordWrap(true);
    previous_word_->setMargin(4);
}

// The names across the top, the choices on the left, the running question on the right.
void TestWindow::arrange_controls() {
    auto* top = new QHBoxLayout;
    build::add_widgets(top, {language_name_, list_name_, user_name_});
    auto* columns = new QHBoxLayout;
    columns->addLayout(settings_column(), 0);
    columns->addSpacing(16);
    columns->addLayout(question_column(), 1);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(top);
    outer->addLayout(columns);
}

QLayout* TestWindow::settings_column() {
    auto* left = new QVBoxLayout;
    build::add_widgets(left, {multiple_choice_, spelling_, fill_in_blank_});
    left->addSpacing(8);
    build::add_widgets(left, {list_choice_caption_, list_choice_, presentation_caption_, presentation_choice_});
    auto* numbers = new QGridLayout;
    numbers->addWidget(question_count_caption_, 0, 0);
    numbers->addWidget(question_count_box_, 0, 1);
    numbers->addWidget(seconds_caption_, 1, 0);
    numbers->addWidget(seconds_box_, 1, 1);
    left->addLayout(numbers);
    auto* actions = new QHBoxLayout;
    build::add_widgets(actions, {begin_test_, stop_, exit_});
    left->addLayout(actions);
    left->addStretch();
    return left;
}

QLayout* TestWindow::question_column() {
    auto* right = new QVBoxLayout;
    right->addWidget(test_word_);
    auto* progress = new QHBoxLayout;
    progress->addWidget(remaining_);
    progress->addStretch();
    progress->addWidget(time_remaining_);
    right->addLayout(progress);
    auto* typed = new QHBoxLayout;
    build::add_widgets(typed, {answer_caption_, answer_box_});
    right->addLayout(typed);
    auto* choices = new QGridLayout;
    for (int i = 0; i < 6; ++i) choices->addWidget(choice_buttons_[size_t(i)], i / 2, i % 2);
    right->addLayout(choices);
    right->addWidget(previous_word_);
    right->addStretch();
    return right;
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
    Player& player = player_;
    const LanguageSession& lang = lang_;
    const ShownWords& shown = main_shown_;
    TestServices s;
    s.clock = services_.clock;
    s.token = &player.cancel;
    s.prompter = services_.prompter;
    s.draw = [&player](int low, int high) { return random_between(player, low, high); };
    s.can_sound = [&player, &lang](const QString& sound_number) {
        if (!find_test_sound(player.workspace, lang.current_language, sound_number).isEmpty()) return true;
        // With the voice on, a word without a recording is spoken instead of being asked about.
        return voice_wanted(player) && !chosen_voice(player, lang.current_language).isEmpty();
    };
    s.play = [&player, &lang, &shown](QString sound_number) {
        return play_word_sound(player, {lang, shown}, sound_number, lang.current_language);
    };
    s.missed = [&player, &lang](const QString& entry) {
        const Services& services = player.services;
        review_missed_in_test(player.workspace, lang, review_today(services.date_clock), services.prompter, entry);
    };
    s.results_file = results_file_path(workspace_);
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

    const auto numbers = read_test_numbers(question_count_box_->text(), seconds_box_->text(), services_.prompter);
    if (!numbers) return std::nullopt;

    TestPlan plan;
    // The test's words are its own: the main window's columns keep theirs.
    ShownWords words;
    plan.word_source = load_word_source(words);
    for (int i = 0; i < words.shown_count(); ++i)
        plan.entries.push_back({words.shown_words.value(i), words.shown_translations.value(i), words.shown_sound_numbers.value(i)});
    const int row = presentation_choice_->currentRow();
    plan.presentation = row == 1 ? Presentation::SoundOnly : row == 2 ? Presentation::TextAndSound : Presentation::TextOnly;
    plan.kind = kind;
    plan.question_count = numbers->questions;
    plan.seconds_per_question = numbers->seconds;
    plan.student = workspace_.student_name;
    plan.language = lang_.current_language;
    plan.started = clock();
    return plan;
}

QString TestWindow::load_word_source(ShownWords& words) const {
    switch (list_choice_->currentRow()) {
    case 1:
        create_array_of_words(words, lang_.unknown_file);
        return lang_.current_list + QStringLiteral(" (unknowns only)");
    case 2:
        create_array_of_words(words, lang_.master_file);
        return QStringLiteral("master");
    default:
        create_array_of_words(words, lang_.list_file);
        return lang_.current_list;
    }
}

// ---- what the session shows ----

void TestWindow::show_question(const QString& word) {
    answer_box_->clear();
    test_word_->setText(word);
}

void TestWindow::show_asked(int asked, int count) {
    remaining_->setText(Quillory::tr("%1 of %2").arg(QString::number(asked), QString::number(count)));
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

void TestWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closed_) return;
    closed_ = true;
    const bool waiting = run_.close();
    if (services_.main_view) services_.main_view->show_main();
    if (!waiting && delete_on_close_) deleteLater();
}

}  // namespace ql
