#include "record_edit_window.h"

#include "core/list_admin.h"
#include "core/main_view.h"
#include "core/prompter.h"
#include "core/player.h"
#include "core/run_context.h"
#include "list_editor_window.h"
#include "take_wave.h"
#include "widget_builders.h"
#include "core/ui_text.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace ql {

namespace {

using build::button;
using build::label;
using build::named;

const QString kWindowTitle = QStringLiteral("www.quillory.org");

QListWidget* list(QWidget* parent, const char* name, const QString& accessible, const QColor& base) {
    auto* l = named(new QListWidget(parent), name);
    l->setAccessibleName(accessible);
    l->setMinimumSize(120, 140);
    build::set_base_colour(l, base);
    return l;
}

// Four columns share the window's width, so a long translation may not fit its column: the whole
// text is in the row's tooltip.
void fill(QListWidget* l, const QStringList& texts) {
    l->addItems(texts);
    for (int r = 0; r < l->count(); ++r) l->item(r)->setToolTip(l->item(r)->text());
}

// The take lengths offered, each as a pair of buttons: <name>_single records the selected word,
// <name>_many word after word.
struct Duration {
    const char* name;
    const char* caption;
    float seconds;
};
const Duration kDurations[] = {
    {"point8", QT_TRANSLATE_NOOP("Quillory", "0.8 second"), 0.8f},   {"one", QT_TRANSLATE_NOOP("Quillory", "1 second"), 1.0f},        {"one2", QT_TRANSLATE_NOOP("Quillory", "1.2 second"), 1.2f},
    {"one4", QT_TRANSLATE_NOOP("Quillory", "1.4 seconds"), 1.4f},    {"one8", QT_TRANSLATE_NOOP("Quillory", "1.8 seconds"), 1.8f},    {"two_sec", QT_TRANSLATE_NOOP("Quillory", "2 seconds"), 2.0f},
    {"two4", QT_TRANSLATE_NOOP("Quillory", "2.4 seconds"), 2.4f},    {"two7", QT_TRANSLATE_NOOP("Quillory", "2.7 seconds"), 2.7f},    {"three_sec", QT_TRANSLATE_NOOP("Quillory", "3 seconds"), 3.0f},
    {"three5", QT_TRANSLATE_NOOP("Quillory", "3.5 seconds"), 3.5f},  {"four", QT_TRANSLATE_NOOP("Quillory", "4 seconds"), 4.0f},      {"four5", QT_TRANSLATE_NOOP("Quillory", "4.5 seconds"), 4.5f},
    {"five", QT_TRANSLATE_NOOP("Quillory", "5 seconds"), 5.0f},
};

}  // namespace

RecordEditWindow::RecordEditWindow(const RunContext& run, std::optional<int> single_entry, QWidget* parent)
    : QWidget(parent),
      context_(run),
      player_(run.player),
      services_(run.services),
      workspace_(run.workspace),
      lang_(run.language),
      shown_(run.shown),
      single_entry_(single_entry),
      run_(recording_services(), *this) {
    run_.ended = [this] { recording_ended(); };
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kWindowTitle);
    build_controls();
    connect_controls();
}

RecordEditWindow::~RecordEditWindow() = default;

// Controls are created in reading order (which is also the keyboard order where the explicit order
// below does not say otherwise), then arranged.
void RecordEditWindow::build_controls() {
    build_header();
    build_duration_buttons();
    build_word_lists();
    build_take_prompt();
    build_edit_controls();
    arrange_controls();
    // The word columns take what the screen offers beyond the window's 1000-pixel layout.
    const QScreen* screen = this->screen();
    const int room = screen ? screen->availableGeometry().width() - 40 : 1000;
    resize(std::clamp(room, 1000, 1240), 660);

    // Tab order follows the reading order: the groups, the boxes, the edit buttons.
    build::chain_tab_order({unrecorded_words_view, unrecorded_translations_view, recorded_words_view,
                            recorded_translations_view, word_box, translation_box, save_text, delete_word, add_word,
                            refresh_lists, exit_button});
}

void RecordEditWindow::build_header() {
    title_label = label(this, "Label5", Quillory::tr("Record and Edit Words"));
    build::set_font(title_label, 12, true);
    about_label = label(this, "Label6",
                   Quillory::tr("This part of the program allows the user to add, record, and edit words and phrases "
                                  "for any language.  When you finish, click the 'Email Files' button below for "
                                  "instructions on how to email your work to me so that it can be used in other parts "
                                  "of the program and distributed to others.  ") +
                       Quillory::tr("If you have any trouble, please email me at %1 or call me at %2.")
                           .arg(contact::kEmail, contact::kPhone));
    about_label->setWordWrap(true);
    list_name_caption = label(this, "Label1", Quillory::tr("Word List Name:"));
    list_name_label = label(this, "current_list", QString());
    instructions_text = button(this, "instructions_text", Quillory::tr("Text Editing Instructions"));
    instructions_record = button(this, "instructions_record", Quillory::tr("Recording Instructions"));
    license = button(this, "license", Quillory::tr("License"));
    zip = button(this, "zip", Quillory::tr("Email Files"));
}

void RecordEditWindow::build_duration_buttons() {
    single_caption = label(this, "Label2", Quillory::tr("Record Selected Word"));
    many_caption = label(this, "Label3", Quillory::tr("Record Multiple Words"));
    for (const Duration& d : kDurations) {
        for (const bool single : {true, false}) {
            const QByteArray name = QByteArray(d.name) + (single ? "_single" : "_many");
            duration_buttons.push_back({button(this, name.constData(), Quillory::tr(d.caption)), d.seconds, single});
        }
    }
    unlimited = button(this, "unlimited", Quillory::tr("Start Recording (no time limit)"));
    stop_auto_record = button(this, "stop_auto_record", Quillory::tr("STOP"));
    record_speed = button(this, "record_speed", Quillory::tr("Click for fast method"));
}

void RecordEditWindow::build_word_lists() {
    unrecorded_caption = label(this, "words_without_sound", Quillory::tr("Words Without Sound Files"));
    recorded_caption = label(this, "words_with_sound", Quillory::tr("Words With Sound Files"));
    sound_number_label = label(this, "filenum_lbl", Quillory::tr("File: %1").arg(QString()));
    const QColor list_colour(0xFF, 0xF4, 0xE0);
    const QColor translation_colour(0xE8, 0xFF, 0xE8);
    unrecorded_words_view = list(this, "span_list_wo", Quillory::tr("Foreign words without sound files"), list_colour);
    unrecorded_translations_view = list(this, "eng_list_wo", Quillory::tr("Translations of words without sound files"), translation_colour);
    recorded_words_view = list(this, "span_list_w", Quillory::tr("Foreign words with sound files"), list_colour);
    recorded_translations_view = list(this, "eng_list_w", Quillory::tr("Translations of words with sound files"), translation_colour);
}

// The prompt a take waits for, and whether silence is trimmed from it.
void RecordEditWindow::build_take_prompt() {
    countdown = label(this, "countdown", QString());
    build::set_font(countdown, 18, true);
    countdown->setAutoFillBackground(true);
    countdown->setMinimumWidth(160);
    countdown->setAlignment(Qt::AlignCenter);
    // Its name is what it shows ("2", "1", "Speak"), which is what a screen-reader user waits for.
    countdown->setAccessibleDescription(Quillory::tr("Recording prompt"));
    keep_silence_box = named(new QCheckBox(Quillory::tr("Do not automaticaly remove silence from beginning and end."), this), "Check1");
}

void RecordEditWindow::build_edit_controls() {
    word_box = named(new QLineEdit(this), "left_word");
    word_box->setAccessibleName(Quillory::tr("Foreign word or phrase"));
    build::set_base_colour(word_box, Qt::white);
    translation_box = named(new QLineEdit(this), "right_word");
    translation_box->setAccessibleName(Quillory::tr("Translation"));
    build::set_base_colour(translation_box, QColor(0xC0, 0xC0, 0xC0));
    for (QLineEdit* e : {word_box, translation_box}) {
        e->setMinimumHeight(40);
        build::set_font(e, 10, true);
    }

    edit_hint_label = label(this, "Label4",
                   Quillory::tr("You can change the text in the white box if you are recording the words.  Do not "
                                  "change the text in the bottom grey box unless you are adding a new word or phrase "
                                  "pair."));
    edit_hint_label->setWordWrap(true);
    edit_hint_label->setMaximumWidth(260);
    save_text = button(this, "save_text", Quillory::tr("Save the above text changes"));
    add_word = button(this, "add_word", Quillory::tr("Add the above text as a new word/phrase pair"));
    delete_word = button(this, "delete_word", Quillory::tr("Delete this word/phrase pair"));
    refresh_lists = button(this, "refresh_lists", Quillory::tr("Refresh Lists to Show Changes"));
    exit_button = button(this, "exit_button", Quillory::tr("Exit and Return"));
    advanced_edit_button = button(this, "Command1", Quillory::tr("Advanced List Editing"));
    take_panel = named(new TakePanel(this), "take_panel");
}

// A top strip, the recording column on the left, the two groups on the right.
void RecordEditWindow::arrange_controls() {
    auto* left = new QVBoxLayout;
    left->addLayout(duration_grid());
    left->addStretch(1);
    left->addWidget(edit_hint_label);

    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addLayout(edit_column(), 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(advanced_edit_button);
    bottom->addStretch(1);

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(top_strip());
    outer->addLayout(body, 1);
    outer->addLayout(bottom);
}

QLayout* RecordEditWindow::top_strip() {
    auto* top_left = new QGridLayout;
    top_left->addWidget(title_label, 0, 0, 1, 3);
    auto* name_row = new QHBoxLayout;
    name_row->addWidget(list_name_caption);
    name_row->addWidget(list_name_label, 1);
    top_left->addLayout(name_row, 1, 0, 1, 3);
    top_left->addWidget(instructions_text, 2, 0);
    top_left->addWidget(instructions_record, 2, 1);
    top_left->addWidget(license, 2, 2);
    top_left->addWidget(zip, 3, 1, 1, 2);
    auto* top = new QHBoxLayout;
    top->addLayout(top_left);
    top->addWidget(about_label, 1);
    return top;
}

QLayout* RecordEditWindow::duration_grid() {
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    grid->addWidget(single_caption, 0, 0);
    grid->addWidget(many_caption, 0, 1);
    for (size_t k = 0; k < duration_buttons.size(); ++k)
        grid->addWidget(duration_buttons[k].button, int(k / 2) + 1, duration_buttons[k].single ? 0 : 1);
    // The no-limit button is wider than a duration button; STOP and the speed toggle sit beside it.
    const int row = int(duration_buttons.size() / 2) + 1;
    grid->addWidget(unlimited, row, 0, 2, 1);
    grid->addWidget(stop_auto_record, row, 1);
    grid->addWidget(record_speed, row + 1, 1);
    unlimited->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    return grid;
}

// The two groups side by side above the prompt, the take, the pair's boxes and the edit buttons.
QLayout* RecordEditWindow::edit_column() {
    auto* headings = new QGridLayout;
    headings->addWidget(unrecorded_caption, 0, 0, 1, 2);
    headings->addWidget(recorded_caption, 0, 2);
    headings->addWidget(sound_number_label, 0, 3, Qt::AlignRight);
    headings->addWidget(unrecorded_words_view, 1, 0);
    headings->addWidget(unrecorded_translations_view, 1, 1);
    headings->addWidget(recorded_words_view, 1, 2);
    headings->addWidget(recorded_translations_view, 1, 3);
    for (int c = 0; c < 4; ++c) headings->setColumnStretch(c, 1);
    headings->setRowStretch(1, 1);
    columns_ = headings;

    auto* prompt_row = new QHBoxLayout;
    prompt_row->addWidget(keep_silence_box);
    prompt_row->addWidget(countdown, 1);

    auto* edit_buttons = new QGridLayout;
    edit_buttons->addWidget(save_text, 0, 0);
    edit_buttons->addWidget(delete_word, 0, 3);
    edit_buttons->addWidget(add_word, 1, 0);
    edit_buttons->addWidget(refresh_lists, 1, 2);
    edit_buttons->addWidget(exit_button, 1, 3);
    edit_buttons->setColumnStretch(1, 1);

    auto* right = new QVBoxLayout;
    right->addLayout(headings, 1);
    right->addLayout(prompt_row);
    right->addWidget(take_panel);
    build::add_widgets(right, {word_box, translation_box});
    right->addLayout(edit_buttons);
    return right;
}

void RecordEditWindow::connect_controls() {
    const std::pair<QPushButton*, void (RecordEditWindow::*)()> clicks[] = {
        {stop_auto_record, &RecordEditWindow::on_stop_auto_record},
        {record_speed, &RecordEditWindow::on_record_speed},   {zip, &RecordEditWindow::on_zip},
        {save_text, &RecordEditWindow::on_save_text},         {delete_word, &RecordEditWindow::on_delete_word},
        {add_word, &RecordEditWindow::on_add_word},           {refresh_lists, &RecordEditWindow::on_refresh_lists},
        {advanced_edit_button, &RecordEditWindow::on_advanced_edit},           {exit_button, &RecordEditWindow::on_exit_button},
        {instructions_text, &RecordEditWindow::on_instructions_text},
        {instructions_record, &RecordEditWindow::on_instructions_record},
        {license, &RecordEditWindow::on_license},
    };
    for (const auto& [b, slot] : clicks) connect(b, &QPushButton::clicked, this, slot);
    for (const DurationButton& d : duration_buttons)
        connect(d.button, &QPushButton::clicked, this, [this, d] { on_duration(d.seconds, d.single); });
    connect(unlimited, &QPushButton::clicked, this, [this] { on_duration(30.0f, true); });

    connect(recorded_words_view, &QListWidget::currentRowChanged, this, [this](int row) { show_pair(kWithSounds, row); });
    connect(unrecorded_words_view, &QListWidget::currentRowChanged, this, [this](int row) { show_pair(kWithoutSounds, row); });
    connect(recorded_translations_view, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) recorded_words_view->setCurrentRow(row);
    });
    connect(unrecorded_translations_view, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) unrecorded_words_view->setCurrentRow(row);
    });
    for (QListWidget* l : {recorded_words_view, unrecorded_words_view, recorded_translations_view, unrecorded_translations_view}) {
        l->viewport()->installEventFilter(this);
        connect(l, &QListWidget::itemClicked, this, [this, l](QListWidgetItem* item) { list_clicked(l, l->row(item)); });
    }
}

bool RecordEditWindow::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::MouseButtonPress || e == forwarded_press_) return QWidget::eventFilter(watched, e);
    auto* l = qobject_cast<QListWidget*>(watched->parent());
    if (!l) return QWidget::eventFilter(watched, e);
    row_at_press_ = l->currentRow();
    // The press plays the clicked word, and the list's own press handling goes on after the word
    // has played: when Refresh rebuilt the lists meanwhile, it would select the rows under the
    // pointer in the new lists. Deliver the press here to clear that afterwards.
    const int generation = lists_generation_;
    QEvent* const outer = forwarded_press_;
    forwarded_press_ = e;
    QCoreApplication::sendEvent(watched, e);
    forwarded_press_ = outer;
    if (generation != lists_generation_) clear_selections();
    return true;
}

void RecordEditWindow::clear_selections() {
    for (QListWidget* l : {recorded_words_view, recorded_translations_view, unrecorded_words_view, unrecorded_translations_view}) {
        const QSignalBlocker block(l);
        l->setCurrentRow(-1);
        l->clearSelection();
    }
}

void RecordEditWindow::list_clicked(QListWidget* l, int row) {
    // A click on the row already selected changes nothing, yet the user expects to hear the word again.
    if (row < 0 || row != row_at_press_) return;
    row_at_press_ = -1;
    const QString group = (l == recorded_words_view || l == recorded_translations_view) ? kWithSounds : kWithoutSounds;
    show_pair(group, row);
}

QListWidget* RecordEditWindow::words_view_for(const QString& group) const {
    if (group == kWithSounds) return recorded_words_view;
    if (group == kWithoutSounds) return unrecorded_words_view;
    return nullptr;
}

const QStringList& RecordEditWindow::numbers_for(const QString& group) const {
    return group == kWithSounds ? groups.with_numbers : groups.without_numbers;
}

void RecordEditWindow::select_row(const QString& group, int row) {
    QListWidget* l = words_view_for(group);
    if (!l || row < 0 || row >= l->count()) return;
    if (l->currentRow() == row)
        show_pair(group, row);
    else
        l->setCurrentRow(row);
}

void RecordEditWindow::load() {
    list_name_label->setText(lang_.current_list);
    lang_.list_file = workspace_.languages_folder + lang_.current_language + u'/' + lang_.current_list + QStringLiteral(".txt");
    edit_.changes_file = changes_path(workspace_, lang_);
    // A number left from an earlier visit would let Save write empty boxes over that entry.
    edit_.current_sound_number.clear();
    edit_.chosen_list.clear();
    // The last close raised the stop flag; left up, it would end the first recording run at once. A
    // skip left by a flash card's Skip, "# Repeats" or Mark Word As Known would make every wait of
    // the run return at once.
    player_.cancel.set_playback(Playback::Running);
    player_.cancel.set_skip(false);
    show();
    create_arrays();
}

void RecordEditWindow::clear_lists() {
    for (QListWidget* l : {recorded_words_view, recorded_translations_view, unrecorded_words_view, unrecorded_translations_view}) {
        const QSignalBlocker block(l);
        l->clear();
    }
}

void RecordEditWindow::create_arrays() {
    if (single_entry_) {
        create_word();
        return;
    }
    clear_lists();
    groups = ql::create_arrays(workspace_, lang_, lang_.list_file);
    fill(recorded_words_view, groups.with_words);
    fill(recorded_translations_view, groups.with_translations);
    fill(unrecorded_words_view, groups.without_words);
    fill(unrecorded_translations_view, groups.without_translations);
    // Rebuilt lists start with nothing chosen.
    ++lists_generation_;
    clear_selections();
    share_width_by_text();
    recorded_caption->setText(Quillory::tr("%n Words With Sound Files", nullptr, groups.with_count()));
    unrecorded_caption->setText(Quillory::tr("%n Words Without Sound Files", nullptr, groups.without_count()));
}

void RecordEditWindow::share_width_by_text() {
    // Each column gets a share of the width after its longest text, so that translations, which run
    // longer than the words, are not the ones cut off.
    QListWidget* const lists[] = {unrecorded_words_view, unrecorded_translations_view, recorded_words_view, recorded_translations_view};
    for (int c = 0; c < 4; ++c) {
        QListWidget* l = lists[c];
        int widest = l->fontMetrics().horizontalAdvance(QStringLiteral("some word"));
        // The first rows tell enough; measuring a whole long list would slow every refresh.
        for (int r = 0; r < std::min(l->count(), 2000); ++r)
            widest = std::max(widest, l->fontMetrics().horizontalAdvance(l->item(r)->text()));
        columns_->setColumnStretch(c, std::min(widest, 400));
    }
}

void RecordEditWindow::create_word() {
    clear_lists();
    recorded_caption->setText(Quillory::tr("Words With Sound Files"));
    unrecorded_caption->setText(Quillory::tr("Words Without Sound Files"));
    groups = ql::create_word(workspace_, lang_, shown_, *single_entry_);
    const bool with = groups.with_count() > 0;
    if (!with && groups.without_count() == 0) return;
    QListWidget* span = with ? recorded_words_view : unrecorded_words_view;
    QListWidget* eng = with ? recorded_translations_view : unrecorded_translations_view;
    fill(span, with ? groups.with_words : groups.without_words);
    fill(eng, with ? groups.with_translations : groups.without_translations);
    share_width_by_text();
    span->setCurrentRow(0);
}

void RecordEditWindow::show_pair(const QString& group, int row) {
    QListWidget* span = words_view_for(group);
    QListWidget* eng = group == kWithSounds ? recorded_translations_view : unrecorded_translations_view;
    if (!span || row < 0 || row >= span->count()) return;
    eng->setCurrentRow(row);
    const QString word = span->item(row)->text();
    const QString translation = eng->item(row) ? eng->item(row)->text() : QString();
    // Long phrases get a smaller, lighter type so that they fit in the boxes.
    const bool long_text = word.size() > 60;
    for (QLineEdit* e : {word_box, translation_box}) {
        QFont f = e->font();
        f.setPointSize(long_text ? 8 : 10);
        f.setBold(!long_text);
        e->setFont(f);
    }
    word_box->setText(word);
    translation_box->setText(translation);
    edit_.chosen_list = group;
    edit_.current_sound_number = numbers_for(group).value(row);
    sound_number_label->setText(Quillory::tr("File: %1").arg(edit_.current_sound_number));
    WordSoundOptions options;
    options.include_new_recordings = true;
    play_word_sound(player_, {lang_, shown_}, edit_.current_sound_number, lang_.current_language, options);
}

void RecordEditWindow::show_messages(const QStringList& messages) {
    for (const QString& text : messages) services_.prompter->message(text);
}

void RecordEditWindow::on_save_text() {
    const EditResult r = ql::save_text(lang_, edit_, word_box->text(), translation_box->text());
    show_messages(r.messages);
    if (!r.ok) return;
    if (QListWidget* l = words_view_for(edit_.chosen_list)) select_row(edit_.chosen_list, l->currentRow() + 1);
}

void RecordEditWindow::on_delete_word() {
    const EditResult r = ql::delete_word(lang_, edit_, word_box->text(), translation_box->text());
    show_messages(r.messages);
    if (!r.ok) return;
    if (QListWidget* l = words_view_for(edit_.chosen_list)) select_row(edit_.chosen_list, l->currentRow() + 1);
}

void RecordEditWindow::on_add_word() { show_messages(ql::add_word(workspace_, lang_, word_box->text(), translation_box->text()).messages); }

void RecordEditWindow::on_refresh_lists() { create_arrays(); }

void RecordEditWindow::on_advanced_edit() {
    if (editor) {
        editor->raise();
        editor->activateWindow();
        return;
    }
    // Its own top-level window: closing this window must not throw away text typed in the editor.
    auto* e = new ListEditorWindow(context_);
    if (e->load())
        editor = e;
    else
        delete e;
}

void RecordEditWindow::on_exit_button() { close(); }

void RecordEditWindow::closeEvent(QCloseEvent* e) {
    player_.cancel.set_playback(Playback::Stop);
    if (run_.under_way()) {
        // The run ends at its next check and then lets the window go.
        setAttribute(Qt::WA_DeleteOnClose, false);
        delete_after_run_ = true;
    }
    if (services_.main_view) services_.main_view->show_main();
    e->accept();
}

void RecordEditWindow::on_instructions_text() {
    services_.prompter->message(
        Quillory::tr("First correct the spelling of the words on the left before recording.  Try to make the "
                     "translations one word. Do not modify the english words. If two or three translations are "
                     "needed, seperate each one with a comma (,). Do not use uncommon words.  Just the words all "
                     "people know.  If you correct the text of words, the word lists need to be emailed to %1 for "
                     "distribution.  Click the 'email' button for more instruction on how to email the corrected "
                     "lists. ")
            .arg(contact::kEmail));
}

void RecordEditWindow::on_instructions_record() {
    services_.prompter->message(
        Quillory::tr("Use a noise-free room and make the recordings as loud as possible without distortion.  Start "
                     "speaking ASAP when the program says 'SPEAK'.  It's best to record a few words and then email "
                     "them to %1 for approval of the quality before you do a lot of work that I may not accept for "
                     "distribution.  Speak your normal speed or a little faster. Do not speak slow. For single words, "
                     "try to use the 0.8, 1, or 1.2 second recording options. It's best to place your cursor over the "
                     "stop button before recording multiple words.  The 'multiple' recording method makes recording "
                     "many words easy.  Do not be afraid of making a mistake: you can do the recordings again and it "
                     "simply erases the first recording.  \r\rWhen finished with all the recordings click the 'Email "
                     "Files' button which compresses and combines the sound files for emailing to me.  If you're good "
                     "at computers, it's interesting to take a look at all the files in the Quillory directory to see "
                     "where all these sound files are stored.")
            .arg(contact::kEmail));
}

void RecordEditWindow::on_license() {
    services_.prompter->message(QStringLiteral("    ") + contact::kEmail + QStringLiteral("."));
}

bool RecordEditWindow::keeps_silence() const { return keep_silence_box->isChecked(); }

}  // namespace ql
