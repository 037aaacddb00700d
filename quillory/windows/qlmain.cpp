#include "qlmain.h"

#include "core/audio_engine.h"
#include "core/prompter.h"
#include "core/search.h"
#include "core/text_file.h"

#include <QAction>
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
#include <QVBoxLayout>
#include <algorithm>

namespace ql {

namespace {

const QString kWebSite = QStringLiteral("www.quillory.org");
const QString kIncreaseFont = QStringLiteral("Increase Font");
const QString kDecreaseFont = QStringLiteral("Decrease Font");
const QString kSelectListFirst = QStringLiteral("You must first select a list to start the flash cards.");

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
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(accessible);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    list->setAutoFillBackground(true);
    QPalette p = list->palette();
    p.setColor(QPalette::Base, base);
    list->setPalette(p);
    return list;
}

QLabel* make_label(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* make_button(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

void set_point_size(QWidget* w, double size) {
    QFont f = w->font();
    f.setPointSizeF(size);
    w->setFont(f);
}

}  // namespace

QlMain::QlMain(Qlmod& m, WindowOpeners& openers, QWidget* parent)
    : QMainWindow(parent), m_(m), openers_(openers) {
    setObjectName(QStringLiteral("qlmain"));
    setWindowTitle(kProgramTitle);
    build_controls();
    build_menus();
    setAcceptDrops(true);  // a word list dropped on the window is imported
    m_.main_view = this;
}

QlMain::~QlMain() {
    if (m_.main_view == this) m_.main_view = nullptr;
}

void QlMain::build_controls() {
    auto* central = new QWidget(this);
    setCentralWidget(central);

    lang_list_ = make_list(central, "lang_list", QStringLiteral("Languages"), QColor(Qt::white));
    lists_list_ = make_list(central, "lists_list", QStringLiteral("Word lists"), kCyan);
    known_lists_ = make_list(central, "known_lists", QStringLiteral("Known lists"), kLightOrange);
    words_list_ = make_list(central, "words_list", QStringLiteral("Foreign words"), kLightOrange);
    words_liste_ = make_list(central, "words_liste", QStringLiteral("Translations"), kLightGreen);
    words_list_->setAccessibleDescription(
        QStringLiteral("Click or press Space to hear a word; double-click or press Enter to move it between your "
                       "unknown and known words."));
    known_lists_->setAccessibleDescription(
        QStringLiteral("Click to show the known words; double-click or press Enter to start the flash cards on them."));

    label1_ = make_label(central, "Label1", QStringLiteral("Click A Language"));
    label3_ = make_label(central, "Label3", QStringLiteral("Click Unknown List"));
    label2_ = make_label(central, "Label2", QStringLiteral("Known Lists"));
    label8_ = make_label(central, "Label8", QString());
    label4_ = make_label(
        central, "Label4",
        QStringLiteral("Double-click a word to move it from your unknown to your known list, or vice versa."));
    label4_->setWordWrap(true);
    label5_ = make_label(central, "Label5", QStringLiteral("To obtain more words, go to ") + kWebSite + u'.');
    label6_ = make_label(central, "Label6", QString());
    label9_ = make_label(central, "Label9", QStringLiteral("<--- Search "));
    label1_->setBuddy(lang_list_);
    label3_->setBuddy(lists_list_);
    label2_->setBuddy(known_lists_);

    txt_word_search_ = new QLineEdit(central);
    txt_word_search_->setObjectName(QStringLiteral("txt_word_search"));
    txt_word_search_->setAccessibleName(QStringLiteral("Search foreign words"));
    txt_word_search2_ = new QLineEdit(central);
    txt_word_search2_->setObjectName(QStringLiteral("txt_word_search2"));
    txt_word_search2_->setAccessibleName(QStringLiteral("Search translations"));
    txt_word_search_->hide();
    txt_word_search2_->hide();
    label9_->hide();

    flash_cards_ = make_button(central, "flash_cards", QStringLiteral("Large Flash Cards and MP3"));
    small_flash_ = make_button(central, "small_flash", QStringLiteral("Small Flash Card (Stays On Top)"));
    record_word_word_ = make_button(central, "record_word_word", QStringLiteral("Record and Edit Selected Word"));
    record_word_list_ = make_button(central, "record_word_list", QStringLiteral("Record and Edit Selected List"));
    test_me_ = make_button(central, "test_me", QStringLiteral("Start Student Test"));
    show_test_results_ = make_button(central, "show_test_results", QStringLiteral("Show Test Results"));
    print_list_ = make_button(central, "print_list", QStringLiteral("Show Selected Word List"));
    new_language_ = make_button(central, "new_language", QStringLiteral("Add new language"));
    add_list_ = make_button(central, "add_list", QStringLiteral("Add new word list"));
    toggle_font_ = make_button(central, "toggle_font", kIncreaseFont);
    exit_program_ = make_button(central, "exit_program", QStringLiteral("Exit Program"));

    set_point_size(words_list_, 8.25);
    set_point_size(words_liste_, 8.25);
    set_column_colour(kUnknownColumnText);

    // Left: the three choosers, each under its caption.
    auto* left = new QVBoxLayout;
    left->addWidget(label1_);
    left->addWidget(lang_list_, 2);
    left->addWidget(label3_);
    left->addWidget(lists_list_, 3);
    left->addWidget(label2_);
    left->addWidget(known_lists_, 3);

    // Middle: the hint and the count above the two columns, which share the width equally; the
    // search boxes sit under the column each one searches.
    auto* search2 = new QHBoxLayout;
    search2->addWidget(txt_word_search2_, 1);
    search2->addWidget(label9_);
    auto* middle = new QGridLayout;
    middle->addWidget(label4_, 0, 0, 1, 2);
    middle->addWidget(label8_, 1, 0);
    middle->addWidget(label6_, 1, 1);
    middle->addWidget(words_list_, 2, 0);
    middle->addWidget(words_liste_, 2, 1);
    middle->addWidget(txt_word_search_, 3, 0);
    middle->addLayout(search2, 3, 1);
    middle->addWidget(label5_, 4, 0, 1, 2);
    middle->setRowStretch(2, 1);
    middle->setColumnStretch(0, 1);
    middle->setColumnStretch(1, 1);

    auto* right = new QVBoxLayout;
    for (QPushButton* b : {flash_cards_, small_flash_, record_word_word_, record_word_list_, test_me_,
                           show_test_results_, print_list_, new_language_, add_list_, toggle_font_})
        right->addWidget(b);
    right->addStretch(1);
    right->addWidget(exit_program_);

    auto* all = new QHBoxLayout(central);
    all->addLayout(left, 1);
    all->addLayout(middle, 3);
    all->addLayout(right, 0);

    // Keyboard order follows the way a student works: language, list, words, then the buttons.
    QWidget* order[] = {lang_list_, lists_list_, known_lists_, words_list_, words_liste_, txt_word_search_,
                        txt_word_search2_, flash_cards_, small_flash_, record_word_word_, record_word_list_,
                        test_me_, show_test_results_, print_list_, new_language_, add_list_, toggle_font_,
                        exit_program_};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    new RowClicks(lang_list_, [this](int r) { on_lang_list_click(r); }, nullptr);
    new RowClicks(lists_list_, [this](int r) { on_lists_list_click(r); }, nullptr);
    new RowClicks(known_lists_, [this](int r) { on_known_lists_click(r); },
                  [this](int r) { on_known_lists_double_click(r); });
    new RowClicks(words_list_, [this](int r) { on_words_list_click(r); },
                  [this](int r) { on_words_list_double_click(r); });
    new RowClicks(words_liste_, [this](int r) { on_words_liste_click(r); }, nullptr);

    connect(txt_word_search_, &QLineEdit::textChanged, this, &QlMain::on_txt_word_search_changed);
    connect(txt_word_search2_, &QLineEdit::textChanged, this, &QlMain::on_txt_word_search2_changed);
    connect(flash_cards_, &QPushButton::clicked, this, &QlMain::on_flash_cards);
    connect(small_flash_, &QPushButton::clicked, this, &QlMain::on_small_flash);
    connect(record_word_word_, &QPushButton::clicked, this, &QlMain::on_record_word_word);
    connect(record_word_list_, &QPushButton::clicked, this, &QlMain::on_record_word_list);
    connect(test_me_, &QPushButton::clicked, this, &QlMain::on_test_me);
    connect(show_test_results_, &QPushButton::clicked, this, &QlMain::on_show_test_results);
    connect(print_list_, &QPushButton::clicked, this, &QlMain::on_print_list);
    connect(new_language_, &QPushButton::clicked, this, &QlMain::on_new_language);
    connect(add_list_, &QPushButton::clicked, this, &QlMain::on_add_list);
    connect(toggle_font_, &QPushButton::clicked, this, &QlMain::on_toggle_font);
    connect(exit_program_, &QPushButton::clicked, this, &QlMain::exit_program);

    resize(960, 640);
}

void QlMain::build_menus() {
    auto add = [this](QMenu* menu, const char* name, const QString& text, const QKeySequence& keys, auto slot) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        if (!keys.isEmpty()) a->setShortcut(keys);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnu_file"));
    add(file, "mnu_import_list", QStringLiteral("&Import Word List..."), QKeySequence(), &QlMain::on_import_word_list);
    add(file, "mnu_export_list", QStringLiteral("&Export Word List..."), QKeySequence(), &QlMain::on_export_word_list);
    add(file, "mnu_exit", QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X), &QlMain::exit_program);
    QMenu* instructions = menuBar()->addMenu(QStringLiteral("&Instructions"));
    instructions->setObjectName(QStringLiteral("mnu_instructions"));
    add(instructions, "mnu_instructions_text", QStringLiteral("Instructions"), QKeySequence(Qt::CTRL | Qt::Key_S),
        &QlMain::on_instructions);
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnu_help"));
    add(help, "mnu_help_text", QStringLiteral("Hel&p"), QKeySequence(), &QlMain::on_help);
    add(help, "mnu_troubleshooting", QStringLiteral("&Troubleshooting"), QKeySequence(Qt::CTRL | Qt::Key_T),
        &QlMain::on_troubleshooting);
    add(help, "mnu_about", QStringLiteral("&About"), QKeySequence(Qt::CTRL | Qt::Key_A), &QlMain::on_about);
}

void QlMain::set_column_colour(const QColor& text) {
    for (QListWidget* w : {words_list_, words_liste_}) {
        QPalette p = w->palette();
        p.setColor(QPalette::Text, text);
        w->setPalette(p);
    }
}

// ---- start-up ----

void QlMain::start_up() {
    if (m_.audio && !m_.audio->init(22050, 64, 0) && m_.prompter) {
        m_.prompter->message(audio_failure_message(
            QStringLiteral("An error occured. Please turn off other programs that may be using sound and start "
                           "this program again. The specific error message is:"),
            m_.audio->get_error()));
    }
    ask_student_name();
    m_.languages_folder = m_.working_folder + QStringLiteral("languages/");
    list_languages();
    words_list_->clear();
    words_liste_->clear();
    select_row(lang_list_, 0);
}

void QlMain::ask_student_name() {
    QString name;
    for (;;) {
        std::optional<QString> answer;
        if (m_.prompter)
            answer = m_.prompter->input(QStringLiteral("What is your first name?  This is for the program to "
                                                       "remember which words you have learned."),
                                        QStringLiteral("Student Name"));
        name = answer.value_or(QString());
        const QString refusal = path_name_refusal(name, QStringLiteral("name"));
        if (refusal.isEmpty()) break;
        m_.prompter->message(refusal);
    }
    m_.student_name = name;
    QDir().mkpath(m_.working_folder + QStringLiteral("users"));
    // An empty name puts the student's files directly in users/.
    m_.user_folder = m_.working_folder + QStringLiteral("users/") + (name.isEmpty() ? QString() : name + u'/');
    QDir().mkpath(m_.user_folder);
}

void QlMain::list_languages() {
    lang_list_->clear();
    lang_list_->addItems(folder_entries(m_.languages_folder));
}

void QlMain::select_row(QListWidget* list, int row) {
    if (row < 0 || row >= list->count()) return;
    list->setCurrentRow(row);
}

// ---- language and list clicks ----

void QlMain::on_lang_list_click(int row) {
    QListWidgetItem* item = lang_list_->item(row);
    if (!item) return;
    words_list_->clear();
    words_liste_->clear();
    lists_list_->clear();
    known_lists_->clear();
    // The count belonged to the list just emptied from the columns.
    label8_->clear();
    txt_word_search_->show();
    txt_word_search2_->show();
    label9_->show();
    const QStringList lists = ql::choose_language(m_, item->text());
    lists_list_->addItems(lists);
    refresh_known_list();
    // A large master takes longer to read than a keystroke may; read it while the user looks.
    preread_master(m_.master_file);
}

void QlMain::choose_language(const QString& language) {
    const auto found = lang_list_->findItems(language, Qt::MatchExactly);
    if (found.isEmpty()) return;
    const int row = lang_list_->row(found.first());
    if (lang_list_->currentRow() == row && selected_row(lang_list_) == row)
        on_lang_list_click(row);  // already selected: selecting again would not run the click
    else
        select_row(lang_list_, row);
}

void QlMain::on_lists_list_click(int row) {
    if (QListWidgetItem* item = lists_list_->item(row)) show_student_list(item->text(), false);
}

void QlMain::on_known_lists_click(int row) {
    if (QListWidgetItem* item = known_lists_->item(row)) show_student_list(item->text(), true);
}

void QlMain::show_student_list(const QString& list, bool known) {
    m_.current_list = list;
    words_list_->clear();
    words_liste_->clear();
    // Dropping the old entries before loading lets the new ones reuse their memory: holding both
    // doubles the peak and makes a large list's click fault in fresh pages.
    displayed_ = Shown{};
    generate_unknowns_file(m_);
    m_.shown_file = known ? m_.known_file : m_.unknown_file;
    const bool complete = create_array_of_words(m_, m_.shown_file);
    display_words();
    label8_->setText(QString::number(m_.shown_count()) +
                     (known ? QStringLiteral(" Known Words") : QStringLiteral(" Unknown Words")));
    QPalette p = label8_->palette();
    p.setColor(QPalette::WindowText, known ? kKnownCountText : QApplication::palette().color(QPalette::ButtonText));
    label8_->setPalette(p);
    set_column_colour(known ? kKnownColumnText : kUnknownColumnText);
    if (!complete && m_.prompter)
        m_.prompter->message(QStringLiteral("This list holds more than %1 entries; only the first %1 are shown.")
                                 .arg(kMaxListEntries));
}

void QlMain::on_known_lists_double_click(int row) {
    on_known_lists_click(row);
    if (openers_.large_flash_cards) {
        openers_.large_flash_cards(true);
    } else if (m_.prompter) {
        m_.prompter->message(QStringLiteral("The flash cards are not available in this version of the program."));
    }
}

// ---- the word columns ----

void QlMain::display_words() {
    QStringList words, translations;
    words.reserve(qsizetype(m_.shown_rows.size()));
    translations.reserve(qsizetype(m_.shown_rows.size()));
    // Whoever filled the arrays (a list, a search) may not have mapped the rows yet.
    compute_shown_rows(m_);
    for (int i : m_.shown_rows) {
        words << m_.shown_words[i];
        translations << m_.shown_translations[i];
    }
    words_list_->clear();
    words_liste_->clear();
    words_list_->addItems(words);
    words_liste_->addItems(translations);
    displayed_ = Shown{m_.shown_words, m_.shown_translations, m_.shown_sound_numbers, m_.shown_rows,
                       m_.shown_are_search_results};
}

void QlMain::on_words_list_click(int row) {
    if (m_.column_sync == u"yes") return;
    m_.column_sync = QStringLiteral("no");
    select_row(words_liste_, row);
    m_.column_sync.clear();
    const int entry = entry_at_row(m_, row);
    if (entry < 0) return;
    play_word_sound(m_, m_.shown_sound_numbers[entry], m_.current_language);
}

void QlMain::on_words_liste_click(int row) {
    if (m_.column_sync == u"no") return;
    m_.column_sync = QStringLiteral("yes");
    select_row(words_list_, row);
    m_.column_sync.clear();
    const int entry = entry_at_row(m_, row);
    if (entry < 0) return;
    bool ok = false;
    const int k = m_.shown_sound_numbers[entry].toInt(&ok);
    if (!ok || k < 0 || k >= int(m_.target_sound_numbers.size())) return;
    play_word_sound(m_, m_.target_sound_numbers[size_t(k)], m_.target_language);
}

void QlMain::on_words_list_double_click(int /*row*/) {
    const int r = words_list_->currentRow();
    if (r < 0 || selected_row(words_list_) != r) return;
    // Search hits belong to no student file: moving one would rewrite a file with foreign entries.
    if (m_.shown_are_search_results || m_.shown_file.isEmpty()) return;
    const int entry = entry_at_row(m_, r);
    if (entry < 0) return;
    const bool moved = m_.shown_file.endsWith(QStringLiteral("-k.txt")) ? mark_word_unknown(m_, entry)
                                                                        : mark_word_known(m_, entry);
    if (!moved) return;
    refresh_known_list();
    // The move has already reloaded shown_file into the arrays and the columns.

    m_.suppress_sound = QStringLiteral("yes");
    select_row(words_list_, r + 17);
    select_row(words_list_, r);
    m_.suppress_sound = QStringLiteral("on");
    select_row(words_liste_, words_list_->currentRow());
    label8_->setText(QString::number(m_.shown_count()) + QStringLiteral(" Words"));
}

void QlMain::refresh_known_list() {
    known_lists_->clear();
    known_lists_->addItems(known_list_names(m_));
}

void QlMain::set_label6(const QString& text) { label6_->setText(text); }

void QlMain::set_label8(const QString& text) { label8_->setText(text); }

void QlMain::show_main() {
    m_.shown_words = displayed_.words;
    m_.shown_translations = displayed_.translations;
    m_.shown_sound_numbers = displayed_.sound_numbers;
    m_.shown_rows = displayed_.rows;
    m_.shown_are_search_results = displayed_.search_results;
    show();
    raise();
    activateWindow();
}

// ---- the buttons that open other windows ----

void QlMain::hide_for(const std::function<void()>& open, const QString& what) {
    if (!open) {
        if (m_.prompter)
            m_.prompter->message(QStringLiteral("The %1 is not available in this version of the program.").arg(what));
        return;
    }
    hide();
    open();
}

void QlMain::on_flash_cards() {
    if (m_.shown_file.isEmpty()) {
        if (m_.prompter) m_.prompter->message(kSelectListFirst);
        return;
    }
    const auto open = openers_.large_flash_cards;
    hide_for(open ? std::function<void()>([open] { open(false); }) : nullptr, QStringLiteral("large flash-card window"));
}

void QlMain::on_small_flash() {
    if (m_.shown_file.isEmpty()) {
        if (m_.prompter) m_.prompter->message(kSelectListFirst);
        return;
    }
    hide_for(openers_.small_flash_card, QStringLiteral("small flash card"));
}

void QlMain::on_record_word_word() {
    const int row = selected_row(words_list_);
    const int entry = entry_at_row(m_, row);
    if (row < 0 || entry < 0) {
        if (m_.prompter) m_.prompter->message(QStringLiteral("First select a word to record or edit."));
        return;
    }
    if (!openers_.record_and_edit) return hide_for(nullptr, QStringLiteral("record-and-edit window"));
    m_.record_word_index = QString::number(entry);
    m_.record_single_word = QStringLiteral("yes");
    hide_for(openers_.record_and_edit, QStringLiteral("record-and-edit window"));
}

void QlMain::on_record_word_list() {
    if (m_.list_file.isEmpty()) {
        if (m_.prompter) m_.prompter->message(QStringLiteral("First select a list of words to record or edit."));
        return;
    }
    if (!openers_.record_and_edit) return hide_for(nullptr, QStringLiteral("record-and-edit window"));
    m_.record_single_word = QStringLiteral("no");
    m_.record_word_index.clear();
    hide_for(openers_.record_and_edit, QStringLiteral("record-and-edit window"));
}

void QlMain::on_test_me() {
    if (m_.current_list.isEmpty()) {
        if (m_.prompter) m_.prompter->message(QStringLiteral("You must first select a list to start the test."));
        return;
    }
    hide_for(openers_.student_test, QStringLiteral("student test"));
}

// ---- font and exit ----

void QlMain::on_toggle_font() {
    const bool increase = toggle_font_->text() == kIncreaseFont;
    for (QListWidget* w : {lists_list_, words_list_, words_liste_}) set_point_size(w, increase ? 10 : 8);
    toggle_font_->setText(increase ? kDecreaseFont : kIncreaseFont);
}

void QlMain::exit_program() {
    // A drill or wait running under this click ends at its next step.
    m_.stop_playing = QStringLiteral("yes");
    if (!audio_closed_ && m_.audio) m_.audio->close();
    audio_closed_ = true;
    hide();
    QCoreApplication::quit();
}

void QlMain::closeEvent(QCloseEvent* event) {
    exit_program();
    event->accept();
}

}  // namespace ql
