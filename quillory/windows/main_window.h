#pragma once
#include "core/main_view.h"
#include "core/player.h"
#include "core/run_context.h"
#include "windows/column_sync.h"
#include "windows/window_openers.h"

#include <QMainWindow>

class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QAction;
class QMenu;

namespace ql {

class DeckImportDialog;
struct DeckImportOutcome;

// The main window: languages, word lists and known lists on the left, the shown entries as two
// columns (foreign word, translation) in the middle, and the buttons that open the other windows.
//
// The window's behaviour is split over three files so that separate topics can change apart:
//   main_window.cpp        start-up, the list and column clicks, known-word moves, the opener buttons;
//   main_window_texts.cpp  search boxes, the text views (print_list, show_test_results), the progress
//                     charts and the menus'
//                     instruction and help texts;
//   main_window_admin.cpp  adding a language and adding a list;
//   main_window_import.cpp importing word lists from other tutors (menu or a dropped file) and exporting them;
//   main_window_anki.cpp   importing and exporting Anki decks.
// Code in the last two files may use the protected members below: the run's pieces (services_,
// workspace_, lang_, shown_, player_), the openers, every control, and the helpers list_languages() / select_row() / hide_for().
//
// Rows versus entries: the word columns do not show entries whose sound number is empty, so a
// window row is NOT an index into the shown arrays. Map rows with entry_at_row()/row_of_entry().
// the record-and-edit window is handed the ENTRY index of the selected word for that reason.
class MainWindow : public QMainWindow, public MainView {
    Q_OBJECT
public:
    MainWindow(const RunContext& run, WindowOpeners& openers, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Audio start, the student's name, the folders, the languages; chooses the first language.
    // The app calls it once the window is shown.
    void start_up();

    // ---- MainView ----
    void display_words() override;
    void refresh_known_list() override;
    void set_sound_file_text(const QString& text) override;
    void set_word_count_text(const QString& text) override;
    void show_main() override;
    void choose_language(const QString& language) override;

    // ---- handlers, one per control and event; rows are window rows ----
    void on_language_click(int row);
    void on_list_click(int row);
    void on_known_list_click(int row);
    void on_known_list_double_click(int row);
    void on_word_click(int row);
    void on_translation_click(int row);
    void on_word_double_click(int row);
    void on_flash_cards();
    void on_small_flash();
    void on_record_word_word();
    void on_record_word_list();
    void on_test_me();
    void on_review_due();
    void on_toggle_font();
    void exit_program();
    // Options > "Speak words that have no recording": remembered for the student.
    void on_speak_missing_toggled(bool on);
    // Options > "Speech Speed": remembered for the student.
    void on_speech_speed_chosen(int percent);
    void show_speech_speed();
    // Options > "Interface Language": remembered for the student, shown at once.
    void on_interface_language_chosen(const QString& code);

    // Defined in main_window_texts.cpp.
    void on_word_search_changed(const QString& text);
    void on_translation_search_changed(const QString& text);
    void on_print_list();
    void on_show_test_results();
    void on_progress();
    void on_instructions();
    void on_help();
    void on_troubleshooting();
    void on_about();

    // Defined in main_window_admin.cpp.
    void on_new_language();
    void on_add_list();

    // Defined in main_window_import.cpp. The *_file forms take the path the menu items ask for.
    void on_import_word_list();
    void on_export_word_list();
    void import_word_list_file(const QString& path);
    void export_word_list_file(const QString& path);

    // Defined in main_window_anki.cpp; the *_file forms as above.
    void on_import_anki_deck();
    void on_export_anki_deck();
    void import_anki_deck_file(const QString& path);
    void export_anki_deck_file(const QString& path);
    // While a deck import converts or writes, says that no other import may start and returns true.
    bool busy_with_deck_import();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // The list the export menu item writes out: the current list when it belongs to the current
    // language, else empty.
    QString exportable_list() const;

    // Asks the first name until it is one that can name a folder; Cancel gives the empty name.
    void ask_student_name();
    // Refills the languages box from languages_folder (no selection made).
    void list_languages();
    // Selects a row from code; as with a click, the list's click handler runs when the selection
    // changes. Rows outside the list are ignored.
    static void select_row(QListWidget* list, int row);
    // Hides the main window and calls `open`; when the window it opens does not exist in this
    // build, says so and stays visible.
    void hide_for(const std::function<void()>& open, const QString& what);
    // Defined in main_window_anki.cpp: the preview's OK starts the import, its end is told.
    void start_deck_import(const DeckImportDialog& preview, const QString& language);
    void show_deck_imported(const DeckImportOutcome& r, const QString& language);
    // Hands a text to the test results window.
    void open_text(const QString& text);
    // One click on the lists box or the known-lists box (`known` chooses which file is shown).
    void show_student_list(const QString& list, bool known);

    Services& services_;  // the window sets itself as the main view
    Workspace& workspace_;  // the student's folders are set when the name is given
    LanguageSession& lang_;  // chosen here, read by every window opened from here
    ShownWords& shown_;  // loaded here, drilled by the card windows
    Player& player_;
    const DrillSettings& drill_;  // the flash cards' repeat count, for the review MP3
    // Which word column is selecting the same row in the other; that one's click handler must not
    // select back.
    ColumnSync column_sync_ = ColumnSync::None;
    WindowOpeners& openers_;

    QListWidget* languages_view_ = nullptr;
    QListWidget* lists_view_ = nullptr;
    QListWidget* known_lists_view_ = nullptr;
    QListWidget* words_view_ = nullptr;
    QListWidget* translations_view_ = nullptr;
    QLabel* languages_caption_ = nullptr;
    QLabel* known_lists_caption_ = nullptr;
    QLabel* lists_caption_ = nullptr;
    QLabel* move_hint_label_ = nullptr;
    QLabel* more_words_label_ = nullptr;
    QLabel* sound_file_label_ = nullptr;
    QLabel* word_count_label_ = nullptr;
    QLabel* search_label_ = nullptr;
    QLineEdit* word_search_ = nullptr;
    QLineEdit* translation_search_ = nullptr;
    QPushButton* flash_cards_ = nullptr;
    QPushButton* small_flash_ = nullptr;
    QPushButton* record_word_word_ = nullptr;
    QPushButton* record_word_list_ = nullptr;
    QPushButton* test_me_ = nullptr;
    QPushButton* review_due_ = nullptr;
    QPushButton* show_test_results_ = nullptr;
    QPushButton* progress_ = nullptr;
    QPushButton* print_list_ = nullptr;
    QPushButton* new_language_ = nullptr;
    QPushButton* add_list_ = nullptr;
    QPushButton* toggle_font_ = nullptr;
    QPushButton* exit_program_ = nullptr;

private:
    void build_controls();
    void build_lists(QWidget* central);
    void build_labels(QWidget* central);
    void build_search_boxes(QWidget* central);
    void build_buttons(QWidget* central);
    QLayout* choosers_column();
    QLayout* words_columns();
    QLayout* buttons_column();
    void connect_controls();
    void build_menus();
    void build_speech_speed_menu(QMenu* options);
    void set_column_colour(const QColor& text);
    // "Review N due words", enabled when N > 0, over the chosen language's known lists.
    void update_review_button();
    // Sets the window's fixed texts again after the interface language changed.
    void retranslate();
    // Ticks the student's choice in Options > "Interface Language".
    void check_interface_language(const QString& code);
    // Options > "Interface Language": System, then each language in its own name.
    void build_interface_language_menu(QMenu* options);

    bool audio_closed_ = false;
    QAction* speak_missing_action_ = nullptr;  // only when there is a voice
    QList<QAction*> speech_speed_actions_;     // 100 % down to 50 %
    QMenu* interface_language_menu_ = nullptr;  // only when translations are offered

};

}  // namespace ql
