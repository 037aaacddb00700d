#include "main_window.h"

#include "core/known_words.h"
#include "core/audio_engine.h"
#include "core/interface_language.h"
#include "core/prompter.h"
#include "core/review_schedule.h"
#include "core/search.h"
#include "core/speech_speed.h"
#include "core/spoken_words.h"
#include "core/text_file.h"
#include "core/todays_review.h"
#include "todays_review_mp3.h"
#include "widget_builders.h"
#include "core/ui_text.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

namespace ql {

namespace {

const QString kWebSite = QStringLiteral("www.quillory.org");
QString increase_font_text() { return Quillory::tr("Increase Font"); }
QString decrease_font_text() { return Quillory::tr("Decrease Font"); }
QString select_list_first_text() { return Quillory::tr("You must first select a list to start the flash cards."); }

const QColor kLightOrange(255, 224, 192);
const QColor kCyan(160, 255, 255);
const QColor kLightGreen(200, 255, 200);
const QColor kUnknownColumnText(0, 0, 96);
const QColor kKnownColumnText(0, 0, 160);
const QColor kKnownCountText(0, 0, 192);

int selected_row(const QListWidget* list) {
    const auto items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.first());
}

// Gives a list box the click behaviour the window relies on: the click handler runs whenever the
// selected row changes (by mouse, arrow keys or from code), and again when the already selected
// row is clicked or Space is pressed on it, so a word can be heard again. Enter and a double-click
// run the double-click handler.
class RowClicks : public QObject {
public:
    RowClicks(QListWidget* list, std::function<void(int)> on_click, std::function<void(int)> on_double_click)
        : QObject(list), list_(list), click_(std::move(on_click)), double_click_(std::move(on_double_click)) {
        QObject::connect(list, &QListWidget::itemSelectionChanged, this, [this] {
            const int row = selected_row(list_);
            if (row >= 0) fire(row);
        });
        QObject::connect(list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
            // A press that changed the selection has already run the handler.
            if (serial_ != serial_at_press_) return;
            const int row = list_->row(item);
            if (row >= 0 && row == selected_row(list_)) fire(row);
        });
        QObject::connect(list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
            const int row = list_->row(item);
            if (row >= 0) double_click(row);
        });
        viewport_ = list->viewport();
        viewport_->installEventFilter(this);
        list->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The event type is tested first: while the list is being destroyed it still sends events
        // here, and no member of a half-destroyed list may be called then.
        if (event->type() == QEvent::MouseButtonPress && watched == viewport_) {
            serial_at_press_ = serial_;
        } else if (event->type() == QEvent::KeyPress && watched == list_) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            const int row = selected_row(list_);
            if (key == Qt::Key_Space) {
                if (row >= 0) {
                    fire(row);
                } else if (list_->currentRow() >= 0) {
                    list_->setCurrentRow(list_->currentRow());  // selecting runs the click
                }
                return true;
            }
            // With nothing selected yet, the first arrow press selects the row the focus shows
            // instead of stepping past it.
            if ((key == Qt::Key_Down || key == Qt::Key_Up) && row < 0 && list_->count() > 0) {
                list_->setCurrentRow(std::max(list_->currentRow(), 0));
                return true;
            }
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && row >= 0) {
                double_click(row);
                return true;
            }
        }
        return false;
    }

private:
    void fire(int row) {
        ++serial_;
        click_(row);
    }
    void double_click(int row) {
        if (double_click_)
            double_click_(row);
        else
            fire(row);
    }

    QListWidget* list_;
    QObject* viewport_ = nullptr;  // compared only, never called
    std::function<void(int)> click_, double_click_;
    unsigned serial_ = 0, serial_at_press_ = 0;
};

QListWidget* make_list(QWidget* parent, const char* name, const QString& accessible, const QColor& base) {
    auto* list = build::named(new QListWidget(parent), name);
    list->setAccessibleName(accessible);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    list->setAutoFillBackground(true);
    build::set_base_colour(list, base);
    return list;
}

QLabel* make_label(QWidget* parent, const char* name, const QString& text) {
    QLabel* label = build::label(parent, name, text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void set_point_size(QWidget* w, double size) {
    QFont f = w->font();
    f.setPointSizeF(size);
    w->setFont(f);
}

}  // namespace

MainWindow::MainWindow(const RunContext& run, WindowOpeners& openers, QWidget* parent)
    : QMainWindow(parent),
      services_(run.services),
      workspace_(run.workspace),
      lang_(run.language),
      shown_(run.shown),
      player_(run.player),
      drill_(run.drill),
      openers_(openers) {
    setObjectName(QStringLiteral("qlmain"));
    setWindowTitle(kProgramTitle);
    build_controls();
    build_menus();
    setAcceptDrops(true);  // a word list dropped on the window is imported
    services_.main_view = this;
}

MainWindow::~MainWindow() {
    if (services_.main_view == this) services_.main_view = nullptr;
}

// Controls are created in reading order and then arranged; the keyboard order is set explicitly.
void MainWindow::build_controls() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    build_lists(central);
    build_labels(central);
    build_search_boxes(central);
    build_buttons(central);
    set_point_size(words_view_, 8.25);
    set_point_size(translations_view_, 8.25);
    set_column_colour(kUnknownColumnText);

    auto* all = new QHBoxLayout(central);
    all->addLayout(choosers_column(), 1);
    all->addLayout(words_columns(), 3);
    all->addLayout(buttons_column(), 0);

    // Keyboard order follows the way a student works: language, list, words, then the buttons.
    build::chain_tab_order({languages_view_, lists_view_, known_lists_view_, words_view_, translations_view_,
                            word_search_, translation_search_, flash_cards_, small_flash_, record_word_word_,
                            record_word_list_, test_me_, review_due_, show_test_results_, progress_, print_list_,
                            new_language_, add_list_, toggle_font_, exit_program_});
    connect_controls();
    resize(960, 640);
}

void MainWindow::build_lists(QWidget* central) {
    languages_view_ = make_list(central, "lang_list", Quillory::tr("Languages"), QColor(Qt::white));
    lists_view_ = make_list(central, "lists_list", Quillory::tr("Word lists"), kCyan);
    known_lists_view_ = make_list(central, "known_lists", Quillory::tr("Known lists"), kLightOrange);
    words_view_ = make_list(central, "words_list", Quillory::tr("Foreign words"), kLightOrange);
    translations_view_ = make_list(central, "words_liste", Quillory::tr("Translations"), kLightGreen);
    words_view_->setAccessibleDescription(
        Quillory::tr("Click or press Space to hear a word; double-click or press Enter to move it between your "
                       "unknown and known words."));
    known_lists_view_->setAccessibleDescription(
        Quillory::tr("Click to show the known words; double-click or press Enter to start the flash cards on them."));
}

void MainWindow::build_labels(QWidget* central) {
    languages_caption_ = make_label(central, "Label1", Quillory::tr("Click A Language"));
    lists_caption_ = make_label(central, "Label3", Quillory::tr("Click Unknown List"));
    known_lists_caption_ = make_label(central, "Label2", Quillory::tr("Known Lists"));
    word_count_label_ = make_label(central, "Label8", QString());
    move_hint_label_ = make_label(
        central, "Label4",
        Quillory::tr("Double-click a word to move it from your unknown to your known list, or vice versa."));
    move_hint_label_->setWordWrap(true);
    more_words_label_ = make_label(central, "Label5", Quillory::tr("To obtain more words, go to %1.").arg(kWebSite));
    sound_file_label_ = make_label(central, "Label6", QString());
    search_label_ = make_label(central, "Label9", Quillory::tr("<--- Search "));
    languages_caption_->setBuddy(languages_view_);
    lists_caption_->setBuddy(lists_view_);
    known_lists_caption_->setBuddy(known_lists_view_);
}

// The search boxes and their pointer stay hidden until a search is asked for.
void MainWindow::build_search_boxes(QWidget* central) {
    word_search_ = build::named(new QLineEdit(central), "txt_word_search");
    word_search_->setAccessibleName(Quillory::tr("Search foreign words"));
    translation_search_ = build::named(new QLineEdit(central), "txt_word_search2");
    translation_search_->setAccessibleName(Quillory::tr("Search translations"));
    word_search_->hide();
    translation_search_->hide();
    search_label_->hide();
}

void MainWindow::build_buttons(QWidget* central) {
    flash_cards_ = build::button(central, "flash_cards", Quillory::tr("Large Flash Cards and MP3"));
    small_flash_ = build::button(central, "small_flash", Quillory::tr("Small Flash Card (Stays On Top)"));
    record_word_word_ = build::button(central, "record_word_word", Quillory::tr("Record and Edit Selected Word"));
    record_word_list_ = build::button(central, "record_word_list", Quillory::tr("Record and Edit Selected List"));
    test_me_ = build::button(central, "test_me", Quillory::tr("Start Student Test"));
    review_due_ = build::button(central, "review_due", QString());
    review_due_->setAccessibleDescription(Quillory::tr("Review the known words that are due"));
    update_review_button();
    show_test_results_ = build::button(central, "show_test_results", Quillory::tr("Show Test Results"));
    progress_ = build::button(central, "show_progress", Quillory::tr("Progress"));
    print_list_ = build::button(central, "print_list", Quillory::tr("Show Selected Word List"));
    new_language_ = build::button(central, "new_language", Quillory::tr("Add new language"));
    add_list_ = build::button(central, "add_list", Quillory::tr("Add new word list"));
    toggle_font_ = build::button(central, "toggle_font", increase_font_text());
    exit_program_ = build::button(central, "exit_program", Quillory::tr("Exit Program"));
}

// The three choosers, each under its caption.
QLayout* MainWindow::choosers_column() {
    auto* left = new QVBoxLayout;
    left->addWidget(languages_caption_);
    left->addWidget(languages_view_, 2);
    left->addWidget(lists_caption_);
    left->addWidget(lists_view_, 3);
    left->addWidget(known_lists_caption_);
    left->addWidget(known_lists_view_, 3);
    return left;
}

// The hint and the count above the two columns, which share the width equally; the search boxes
// sit under the column each one searches.
QLayout* MainWindow::words_columns() {
    auto* translation_search_row = new QHBoxLayout;
    translation_search_row->addWidget(translation_search_, 1);
    translation_search_row->addWidget(search_label_);
    auto* middle = new QGridLayout;
    middle->addWidget(move_hint_label_, 0, 0, 1, 2);
    middle->addWidget(word_count_label_, 1, 0);
    middle->addWidget(sound_file_label_, 1, 1);
    middle->addWidget(words_view_, 2, 0);
    middle->addWidget(translations_view_, 2, 1);
    middle->addWidget(word_search_, 3, 0);
    middle->addLayout(translation_search_row, 3, 1);
    middle->addWidget(more_words_label_, 4, 0, 1, 2);
    middle->setRowStretch(2, 1);
    middle->setColumnStretch(0, 1);
    middle->setColumnStretch(1, 1);
    return middle;
}

QLayout* MainWindow::buttons_column() {
    auto* right = new QVBoxLayout;
    build::add_widgets(right, {flash_cards_, small_flash_, record_word_word_, record_word_list_, test_me_, review_due_,
                               show_test_results_, progress_, print_list_, new_language_, add_list_, toggle_font_});
    right->addStretch(1);
    right->addWidget(exit_program_);
    return right;
}

void MainWindow::connect_controls() {
    new RowClicks(languages_view_, [this](int r) { on_language_click(r); }, nullptr);
    new RowClicks(lists_view_, [this](int r) { on_list_click(r); }, nullptr);
    new RowClicks(known_lists_view_, [this](int r) { on_known_list_click(r); },
                  [this](int r) { on_known_list_double_click(r); });
    new RowClicks(words_view_, [this](int r) { on_word_click(r); },
                  [this](int r) { on_word_double_click(r); });
    new RowClicks(translations_view_, [this](int r) { on_translation_click(r); }, nullptr);

    connect(word_search_, &QLineEdit::textChanged, this, &MainWindow::on_word_search_changed);
    connect(translation_search_, &QLineEdit::textChanged, this, &MainWindow::on_translation_search_changed);
    const std::pair<QPushButton*, void (MainWindow::*)()> clicks[] = {
        {flash_cards_, &MainWindow::on_flash_cards},
        {small_flash_, &MainWindow::on_small_flash},
        {record_word_word_, &MainWindow::on_record_word_word},
        {record_word_list_, &MainWindow::on_record_word_list},
        {test_me_, &MainWindow::on_test_me},
        {review_due_, &MainWindow::on_review_due},
        {show_test_results_, &MainWindow::on_show_test_results},
        {progress_, &MainWindow::on_progress},
        {print_list_, &MainWindow::on_print_list},
        {new_language_, &MainWindow::on_new_language},
        {add_list_, &MainWindow::on_add_list},
        {toggle_font_, &MainWindow::on_toggle_font},
        {exit_program_, &MainWindow::exit_program},
    };
    for (const auto& [b, slot] : clicks) connect(b, &QPushButton::clicked, this, slot);
}

void MainWindow::build_menus() {
    auto add = [this](QMenu* menu, const char* name, const QString& text, const QKeySequence& keys, auto slot) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        if (!keys.isEmpty()) a->setShortcut(keys);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QMenu* file = menuBar()->addMenu(Quillory::tr("&File"));
    file->setObjectName(QStringLiteral("mnu_file"));
    add(file, "mnu_import_list", Quillory::tr("&Import Word List..."), QKeySequence(), &MainWindow::on_import_word_list);
    add(file, "mnu_export_list", Quillory::tr("&Export Word List..."), QKeySequence(), &MainWindow::on_export_word_list);
    add(file, "mnu_import_anki", Quillory::tr("Import &Anki Deck..."), QKeySequence(), &MainWindow::on_import_anki_deck);
    add(file, "mnu_export_anki", Quillory::tr("Export as Anki &Deck..."), QKeySequence(), &MainWindow::on_export_anki_deck);
    add(file, "mnu_progress", Quillory::tr("&Progress..."), QKeySequence(), &MainWindow::on_progress);
    add(file, "mnu_review_mp3", Quillory::tr("Today's &Review as MP3..."), QKeySequence(),
        [this] { make_todays_review_mp3(player_, lang_, drill_); });
    add(file, "mnu_exit", Quillory::tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X), &MainWindow::exit_program);
    QMenu* options = menuBar()->addMenu(Quillory::tr("&Options"));
    options->setObjectName(QStringLiteral("mnu_options"));
    if (services_.voice) {
        // Without a voice engine there is nothing to turn on.
        speak_missing_action_ = options->addAction(Quillory::tr("Speak words that have no recording"));
        speak_missing_action_->setObjectName(QStringLiteral("mnu_speak_missing"));
        speak_missing_action_->setCheckable(true);
        connect(speak_missing_action_, &QAction::toggled, this, &MainWindow::on_speak_missing_toggled);
    }
    build_speech_speed_menu(options);
    if (services_.interface_translation) build_interface_language_menu(options);
    QMenu* instructions = menuBar()->addMenu(Quillory::tr("&Instructions"));
    instructions->setObjectName(QStringLiteral("mnu_instructions"));
    add(instructions, "mnu_instructions_text", Quillory::tr("Instructions"), QKeySequence(Qt::CTRL | Qt::Key_S),
        &MainWindow::on_instructions);
    QMenu* help = menuBar()->addMenu(Quillory::tr("&Help"));
    help->setObjectName(QStringLiteral("mnu_help"));
    add(help, "mnu_help_text", Quillory::tr("Hel&p"), QKeySequence(), &MainWindow::on_help);
    add(help, "mnu_troubleshooting", Quillory::tr("&Troubleshooting"), QKeySequence(Qt::CTRL | Qt::Key_T),
        &MainWindow::on_troubleshooting);
    add(help, "mnu_about", Quillory::tr("&About"), QKeySequence(Qt::CTRL | Qt::Key_A), &MainWindow::on_about);
}

void MainWindow::build_speech_speed_menu(QMenu* options) {
    QMenu* speed = options->addMenu(Quillory::tr("&Speech Speed"));
    speed->setObjectName(QStringLiteral("mnu_speech_speed"));
    auto* speeds = new QActionGroup(speed);
    speeds->setExclusive(true);
    for (int percent : speech_speed_choices()) {
        QAction* a = speed->addAction(Quillory::tr("%1 %").arg(percent));
        a->setObjectName(QStringLiteral("mnu_speed_%1").arg(percent));
        a->setCheckable(true);
        a->setChecked(percent == kNaturalSpeed);
        speeds->addAction(a);
        speech_speed_actions_ << a;
        connect(a, &QAction::triggered, this, [this, percent] { on_speech_speed_chosen(percent); });
    }
}

void MainWindow::set_column_colour(const QColor& text) {
    for (QListWidget* w : {words_view_, translations_view_}) {
        QPalette p = w->palette();
        p.setColor(QPalette::Text, text);
        w->setPalette(p);
    }
}

// ---- start-up ----

void MainWindow::start_up() {
    if (services_.audio) {
        const AudioResult<> opened = services_.audio->open();
        if (!opened && services_.prompter)
            services_.prompter->message(audio_failure_message(
                Quillory::tr("An error occured. Please turn off other programs that may be using sound and start "
                               "this program again. The specific error message is:"),
                opened.error()));
    }
    ask_student_name();
    workspace_.languages_folder = workspace_.working_folder + QStringLiteral("languages/");
    list_languages();
    words_view_->clear();
    translations_view_->clear();
    select_row(languages_view_, 0);
}

void MainWindow::ask_student_name() {
    QString name;
    for (;;) {
        std::optional<QString> answer;
        if (services_.prompter)
            answer = services_.prompter->input(Quillory::tr("What is your first name?  This is for the program to "
                                                       "remember which words you have learned."),
                                        Quillory::tr("Student Name"));
        name = answer.value_or(QString());
        const QString refusal = path_name_refusal(name, Quillory::tr("name"));
        if (refusal.isEmpty()) break;
        services_.prompter->message(refusal);
    }
    QDir().mkpath(workspace_.working_folder + QStringLiteral("users"));
    // An empty name puts the student's files directly in users/.
    workspace_ = with_student(workspace_, name);
    QDir().mkpath(workspace_.user_folder);
    if (speak_missing_action_) {
        player_.speak_missing_words = load_speak_missing_words(workspace_);
        const QSignalBlocker quiet(speak_missing_action_);
        speak_missing_action_->setChecked(player_.speak_missing_words);
    }
    load_student_speech_speed(player_);
    show_speech_speed();
    if (services_.interface_translation) {
        // The student's own choice of language, made on an earlier run, holds from here on.
        const QString code = load_interface_language(workspace_);
        services_.interface_translation->use(code);
        check_interface_language(code);
    }
}

void MainWindow::show_speech_speed() {
    for (QAction* a : speech_speed_actions_) {
        const QSignalBlocker quiet(a);
        a->setChecked(a->objectName() == QStringLiteral("mnu_speed_%1").arg(player_.speech_speed));
    }
}

void MainWindow::on_speech_speed_chosen(int percent) {
    if (!choose_speech_speed(player_, percent) && services_.prompter)
        services_.prompter->message(Quillory::tr("The setting could not be saved in %1. It holds until the program ends.").arg(student_settings_path(workspace_)));
    show_speech_speed();
}

void MainWindow::build_interface_language_menu(QMenu* options) {
    interface_language_menu_ = options->addMenu(Quillory::tr("Interface Language"));
    interface_language_menu_->setObjectName(QStringLiteral("mnu_interface_language"));
    auto* group = new QActionGroup(interface_language_menu_);
    for (const InterfaceLanguage& l : interface_languages()) {
        QAction* a = interface_language_menu_->addAction(l.code.isEmpty() ? Quillory::tr("System") : l.name);
        a->setObjectName(QStringLiteral("mnu_language_") + (l.code.isEmpty() ? QStringLiteral("system") : l.code));
        a->setData(l.code);
        a->setCheckable(true);
        a->setChecked(l.code.isEmpty());
        group->addAction(a);
        const QString code = l.code;
        connect(a, &QAction::triggered, this, [this, code] { on_interface_language_chosen(code); });
    }
}

void MainWindow::check_interface_language(const QString& code) {
    if (!interface_language_menu_) return;
    for (QAction* a : interface_language_menu_->actions()) a->setChecked(a->data().toString() == code);
}

void MainWindow::on_interface_language_chosen(const QString& code) {
    if (!services_.interface_translation) return;
    check_interface_language(code);
    const bool shown = services_.interface_translation->use(code);
    if (!services_.prompter) return;
    if (!shown)
        services_.prompter->message(Quillory::tr("The translation into %1 could not be found, so the interface stays in English.")
                                 .arg(code));
    if (!save_interface_language(workspace_, code))
        services_.prompter->message(Quillory::tr("The setting could not be saved in %1. It holds until the program ends.")
                                 .arg(student_settings_path(workspace_)));
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QMainWindow::changeEvent(event);
}

void MainWindow::retranslate() {
    words_view_->setAccessibleDescription(
        Quillory::tr("Click or press Space to hear a word; double-click or press Enter to move it between your "
                     "unknown and known words."));
    known_lists_view_->setAccessibleDescription(
        Quillory::tr("Click to show the known words; double-click or press Enter to start the flash cards on them."));
    const std::pair<QListWidget*, QString> lists[] = {
        {languages_view_, Quillory::tr("Languages")},   {lists_view_, Quillory::tr("Word lists")},
        {known_lists_view_, Quillory::tr("Known lists")}, {words_view_, Quillory::tr("Foreign words")},
        {translations_view_, Quillory::tr("Translations")}};
    for (const auto& [list, name] : lists) list->setAccessibleName(name);
    const std::pair<QLabel*, QString> labels[] = {
        {languages_caption_, Quillory::tr("Click A Language")},
        {lists_caption_, Quillory::tr("Click Unknown List")},
        {known_lists_caption_, Quillory::tr("Known Lists")},
        {move_hint_label_, Quillory::tr("Double-click a word to move it from your unknown to your known list, or vice versa.")},
        {more_words_label_, Quillory::tr("To obtain more words, go to %1.").arg(kWebSite)},
        {search_label_, Quillory::tr("<--- Search ")}};
    for (const auto& [label, text] : labels) label->setText(text);
    word_search_->setAccessibleName(Quillory::tr("Search foreign words"));
    translation_search_->setAccessibleName(Quillory::tr("Search translations"));
    const bool font_increased = words_view_->font().pointSizeF() >= 10;  // see on_toggle_font
    const std::pair<QPushButton*, QString> buttons[] = {
        {flash_cards_, Quillory::tr("Large Flash Cards and MP3")},
        {small_flash_, Quillory::tr("Small Flash Card (Stays On Top)")},
        {record_word_word_, Quillory::tr("Record and Edit Selected Word")},
        {record_word_list_, Quillory::tr("Record and Edit Selected List")},
        {test_me_, Quillory::tr("Start Student Test")},
        {show_test_results_, Quillory::tr("Show Test Results")},
        {progress_, Quillory::tr("Progress")},
        {print_list_, Quillory::tr("Show Selected Word List")},
        {new_language_, Quillory::tr("Add new language")},
        {add_list_, Quillory::tr("Add new word list")},
        {exit_program_, Quillory::tr("Exit Program")}};
    for (const auto& [button, text] : buttons) button->setText(text);
    review_due_->setAccessibleDescription(Quillory::tr("Review the known words that are due"));
    update_review_button();

    const std::pair<const char*, QString> menus[] = {
        {"mnu_file", Quillory::tr("&File")}, {"mnu_options", Quillory::tr("&Options")},
        {"mnu_instructions", Quillory::tr("&Instructions")}, {"mnu_help", Quillory::tr("&Help")},
        {"mnu_interface_language", Quillory::tr("Interface Language")},
        {"mnu_speech_speed", Quillory::tr("&Speech Speed")}};
    for (const auto& [name, text] : menus)
        if (auto* menu = findChild<QMenu*>(QString::fromLatin1(name))) menu->setTitle(text);
    const std::pair<const char*, QString> actions[] = {
        {"mnu_import_list", Quillory::tr("&Import Word List...")},
        {"mnu_export_list", Quillory::tr("&Export Word List...")},
        {"mnu_import_anki", Quillory::tr("Import &Anki Deck...")},
        {"mnu_export_anki", Quillory::tr("Export as Anki &Deck...")},
        {"mnu_review_mp3", Quillory::tr("Today's &Review as MP3...")},
        {"mnu_progress", Quillory::tr("&Progress...")},
        {"mnu_exit", Quillory::tr("E&xit")},
        {"mnu_speak_missing", Quillory::tr("Speak words that have no recording")},
        {"mnu_language_system", Quillory::tr("System")},
        {"mnu_instructions_text", Quillory::tr("Instructions")},
        {"mnu_help_text", Quillory::tr("Hel&p")},
        {"mnu_troubleshooting", Quillory::tr("&Troubleshooting")},
        {"mnu_about", Quillory::tr("&About")}};
    for (const auto& [name, text] : actions)
        if (auto* action = findChild<QAction*>(QString::fromLatin1(name))) action->setText(text);
    // The button names what a click does next, in the new language too.
    toggle_font_->setText(font_increased ? decrease_font_text() : increase_font_text());
}

void MainWindow::on_speak_missing_toggled(bool on) {
    player_.speak_missing_words = on;
    // Turned on again, a voice that failed before may be told about again.
    if (on) player_.voice_failure_shown = false;
    if (!save_speak_missing_words(workspace_, on) && services_.prompter)
        services_.prompter->message(Quillory::tr("The setting could not be saved in %1. It holds until the program ends.").arg(student_settings_path(workspace_)));
}

void MainWindow::list_languages() {
    languages_view_->clear();
    languages_view_->addItems(folder_entries(workspace_.languages_folder));
}

void MainWindow::select_row(QListWidget* list, int row) {
    if (row < 0 || row >= list->count()) return;
    list->setCurrentRow(row);
}

// ---- language and list clicks ----

void MainWindow::on_language_click(int row) {
    QListWidgetItem* item = languages_view_->item(row);
    if (!item) return;
    words_view_->clear();
    translations_view_->clear();
    lists_view_->clear();
    known_lists_view_->clear();
    // The count belonged to the list just emptied from the columns.
    word_count_label_->clear();
    word_search_->show();
    translation_search_->show();
    search_label_->show();
    LanguageChoice choice = ql::choose_language(workspace_, item->text());
    lang_ = std::move(choice.session);
    shown_.shown_file.clear();
    lists_view_->addItems(choice.lists);
    refresh_known_list();
    // A large master takes longer to read than a keystroke may; read it while the user looks.
    preread_master(lang_.master_file);
}

void MainWindow::choose_language(const QString& language) {
    const auto found = languages_view_->findItems(language, Qt::MatchExactly);
    if (found.isEmpty()) return;
    const int row = languages_view_->row(found.first());
    if (languages_view_->currentRow() == row && selected_row(languages_view_) == row)
        on_language_click(row);  // already selected: selecting again would not run the click
    else
        select_row(languages_view_, row);
}

void MainWindow::on_list_click(int row) {
    if (QListWidgetItem* item = lists_view_->item(row)) show_student_list(item->text(), false);
}

void MainWindow::on_known_list_click(int row) {
    if (QListWidgetItem* item = known_lists_view_->item(row)) show_student_list(item->text(), true);
}

void MainWindow::show_student_list(const QString& list, bool known) {
    lang_.current_list = list;
    words_view_->clear();
    translations_view_->clear();
    generate_unknowns_file(workspace_, lang_, services_.prompter);
    shown_.shown_file = known ? lang_.known_file : lang_.unknown_file;
    const bool complete = create_array_of_words(shown_, shown_.shown_file);
    display_words();
    word_count_label_->setText(known ? Quillory::tr("%n Known Words", nullptr, shown_.shown_count())
                                     : Quillory::tr("%n Unknown Words", nullptr, shown_.shown_count()));
    QPalette p = word_count_label_->palette();
    p.setColor(QPalette::WindowText, known ? kKnownCountText : QApplication::palette().color(QPalette::ButtonText));
    word_count_label_->setPalette(p);
    set_column_colour(known ? kKnownColumnText : kUnknownColumnText);
    if (!complete && services_.prompter)
        services_.prompter->message(Quillory::tr("This list holds more than %1 entries; only the first %1 are shown.")
                                 .arg(kMaxListEntries));
}

void MainWindow::on_known_list_double_click(int row) {
    on_known_list_click(row);
    if (openers_.large_flash_cards) {
        openers_.large_flash_cards(true);
    } else if (services_.prompter) {
        services_.prompter->message(Quillory::tr("The flash cards are not available in this version of the program."));
    }
}

// ---- the word columns ----

void MainWindow::display_words() {
    QStringList words, translations;
    words.reserve(qsizetype(shown_.shown_rows.size()));
    translations.reserve(qsizetype(shown_.shown_rows.size()));
    // Whoever filled the arrays (a list, a search) may not have mapped the rows yet.
    compute_shown_rows(shown_);
    for (int i : shown_.shown_rows) {
        words << shown_.shown_words[i];
        translations << shown_.shown_translations[i];
    }
    words_view_->clear();
    translations_view_->clear();
    words_view_->addItems(words);
    translations_view_->addItems(translations);
}

void MainWindow::on_word_click(int row) {
    if (column_sync_ == ColumnSync::FromTranslations) return;
    {
        const ColumnSyncGuard sync(column_sync_, ColumnSync::FromWords);
        select_row(translations_view_, row);
    }
    const int entry = entry_at_row(shown_, row);
    if (entry < 0) return;
    play_word_sound(player_, {lang_, shown_}, shown_.shown_sound_numbers[entry], lang_.current_language);
}

void MainWindow::on_translation_click(int row) {
    if (column_sync_ == ColumnSync::FromWords) return;
    {
        const ColumnSyncGuard sync(column_sync_, ColumnSync::FromTranslations);
        select_row(words_view_, row);
    }
    const int entry = entry_at_row(shown_, row);
    if (entry < 0) return;
    bool ok = false;
    const int k = shown_.shown_sound_numbers[entry].toInt(&ok);
    if (!ok || k < 0 || k >= int(lang_.target_sound_numbers.size())) return;
    play_word_sound(player_, {lang_, shown_}, lang_.target_sound_numbers[size_t(k)], lang_.target_language);
}

void MainWindow::on_word_double_click(int /*row*/) {
    const int r = words_view_->currentRow();
    if (r < 0 || selected_row(words_view_) != r) return;
    // Search hits belong to no student file: moving one would rewrite a file with foreign entries.
    if (shown_.shown_are_search_results || shown_.shown_file.isEmpty()) return;
    const int entry = entry_at_row(shown_, r);
    if (entry < 0) return;
    const QDate today = review_today(services_.date_clock);
    const bool moved = shown_.shown_file.endsWith(QStringLiteral("-k.txt"))
                           ? mark_word_unknown(services_.prompter, lang_, shown_, today, entry)
                           : mark_word_known(services_.prompter, lang_, shown_, today, entry);
    if (!moved) return;
    display_words();
    refresh_known_list();

    player_.sound_suppression = SoundSuppression::On;
    select_row(words_view_, r + 17);
    select_row(words_view_, r);
    player_.sound_suppression = SoundSuppression::Lifted;
    select_row(translations_view_, words_view_->currentRow());
    word_count_label_->setText(Quillory::tr("%n Words", nullptr, shown_.shown_count()));
}

void MainWindow::refresh_known_list() {
    known_lists_view_->clear();
    known_lists_view_->addItems(known_list_names(workspace_, lang_));
    update_review_button();
}

void MainWindow::update_review_button() {
    const int due =
        lang_.current_language.isEmpty() ? 0 : review_due_count(workspace_, lang_, review_today(services_.date_clock), services_.prompter);
    const QString text = Quillory::tr("Review %n due words", nullptr, due);
    review_due_->setText(text);
    review_due_->setAccessibleName(text);
    review_due_->setEnabled(due > 0);
}

void MainWindow::set_sound_file_text(const QString& text) { sound_file_label_->setText(text); }

void MainWindow::set_word_count_text(const QString& text) { word_count_label_->setText(text); }

void MainWindow::show_main() {
    update_review_button();
    show();
    raise();
    activateWindow();
}

// ---- the buttons that open other windows ----

void MainWindow::hide_for(const std::function<void()>& open, const QString& what) {
    if (!open) {
        if (services_.prompter)
            services_.prompter->message(Quillory::tr("The %1 is not available in this version of the program.").arg(what));
        return;
    }
    hide();
    open();
}

void MainWindow::on_flash_cards() {
    if (shown_.shown_file.isEmpty()) {
        if (services_.prompter) services_.prompter->message(select_list_first_text());
        return;
    }
    const auto open = openers_.large_flash_cards;
    hide_for(open ? std::function<void()>([open] { open(false); }) : nullptr, Quillory::tr("large flash-card window"));
}

void MainWindow::on_small_flash() {
    if (shown_.shown_file.isEmpty()) {
        if (services_.prompter) services_.prompter->message(select_list_first_text());
        return;
    }
    hide_for(openers_.small_flash_card, Quillory::tr("small flash card"));
}

void MainWindow::on_record_word_word() {
    const int row = selected_row(words_view_);
    const int entry = entry_at_row(shown_, row);
    if (row < 0 || entry < 0) {
        if (services_.prompter) services_.prompter->message(Quillory::tr("First select a word to record or edit."));
        return;
    }
    if (!openers_.record_and_edit) return hide_for(nullptr, Quillory::tr("record-and-edit window"));
    const auto open = openers_.record_and_edit;
    hide_for([open, entry] { open(entry); }, Quillory::tr("record-and-edit window"));
}

void MainWindow::on_record_word_list() {
    if (lang_.list_file.isEmpty()) {
        if (services_.prompter) services_.prompter->message(Quillory::tr("First select a list of words to record or edit."));
        return;
    }
    if (!openers_.record_and_edit) return hide_for(nullptr, Quillory::tr("record-and-edit window"));
    const auto open = openers_.record_and_edit;
    hide_for([open] { open(std::nullopt); }, Quillory::tr("record-and-edit window"));
}

void MainWindow::on_test_me() {
    if (lang_.current_list.isEmpty()) {
        if (services_.prompter) services_.prompter->message(Quillory::tr("You must first select a list to start the test."));
        return;
    }
    hide_for(openers_.student_test, Quillory::tr("student test"));
}

void MainWindow::on_review_due() { hide_for(openers_.review, Quillory::tr("review window")); }

// ---- font and exit ----

void MainWindow::on_toggle_font() {
    const bool increase = toggle_font_->text() == increase_font_text();
    for (QListWidget* w : {lists_view_, words_view_, translations_view_}) set_point_size(w, increase ? 10 : 8);
    toggle_font_->setText(increase ? decrease_font_text() : increase_font_text());
}

void MainWindow::exit_program() {
    // A drill or wait running under this click ends at its next step.
    player_.cancel.set_playback(Playback::Stop);
    if (!audio_closed_ && services_.audio) services_.audio->close();
    audio_closed_ = true;
    hide();
    QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    exit_program();
    event->accept();
}

}  // namespace ql
