#pragma once
#include "core/record_edit.h"

#include <QPointer>
#include <QWidget>

class QGridLayout;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace ql {

struct AppState;
class ListEditorWindow;
class TakePanel;

// The record-and-edit window: the chosen list (or the main window's selected word) split into words
// with and without a recording, the selected pair in two editable boxes, and the file edits, the
// recording runs and the packaging that act on it.
class RecordEditWindow : public QWidget {
    Q_OBJECT
public:
    explicit RecordEditWindow(AppState& m, QWidget* parent = nullptr);
    ~RecordEditWindow() override;

    // The window load: names the list, forms list_file and changes_file, shows the window and builds
    // the two groups.
    void load();

    // Rebuilds both groups from list_file (or the main window's word in single-word mode).
    void create_arrays();
    // Selecting a row shows its pair as a click does (and plays it unless sound is suppressed).
    void select_row(const QString& group, int row);
    // The list box of foreign words of "with sounds" / "without sounds".
    QListWidget* words_view_for(const QString& group) const;
    // Sound numbers of a group, in row order.
    const QStringList& numbers_for(const QString& group) const;

    bool keeps_silence() const;

    // The shown pair's group and its words; filled by create_arrays / create_word.
    SoundGroups groups;

    // ---- controls (their objectNames, set where they are built, are the handles tests find them by) ----
    QLabel *title_label = nullptr, *about_label = nullptr, *list_name_caption = nullptr, *list_name_label = nullptr;
    QPushButton *instructions_text = nullptr, *instructions_record = nullptr, *license = nullptr, *zip = nullptr;
    QLabel *single_caption = nullptr, *many_caption = nullptr;
    QPushButton *point8_single = nullptr, *point8_many = nullptr, *one_single = nullptr, *one_many = nullptr,
                *one2_single = nullptr, *one2_many = nullptr, *one4_single = nullptr, *one4_many = nullptr,
                *one8_single = nullptr, *one8_many = nullptr, *two_sec_single = nullptr, *two_sec_many = nullptr,
                *two4_single = nullptr, *two4_many = nullptr, *two7_single = nullptr, *two7_many = nullptr,
                *three_sec_single = nullptr, *three_sec_many = nullptr, *three5_single = nullptr,
                *three5_many = nullptr, *four_single = nullptr, *four_many = nullptr, *four5_single = nullptr,
                *four5_many = nullptr, *five_single = nullptr, *five_many = nullptr;
    QPushButton *unlimited = nullptr, *stop_auto_record = nullptr, *record_speed = nullptr;
    QLabel *unrecorded_caption = nullptr, *recorded_caption = nullptr;
    QListWidget *unrecorded_words_view = nullptr, *unrecorded_translations_view = nullptr, *recorded_words_view = nullptr, *recorded_translations_view = nullptr;
    QLabel *countdown = nullptr, *sound_number_label = nullptr;
    QCheckBox* keep_silence_box = nullptr;
    QLineEdit *word_box = nullptr, *translation_box = nullptr;
    QLabel* edit_hint_label = nullptr;
    // The last take of a run: its waveform and what its check noticed.
    TakePanel* take_panel = nullptr;
    QPushButton *save_text = nullptr, *add_word = nullptr, *delete_word = nullptr, *refresh_lists = nullptr,
                *exit_button = nullptr, *advanced_edit_button = nullptr;

    // The editor opened by advanced_edit_button, while it is open.
    QPointer<ListEditorWindow> editor;

    // ---- recording runs and packaging (record_edit_window_recording.cpp) ----
    void run_recording();
    void record_words();
public slots:
    void on_point8_single();
    void on_point8_many();
    void on_one_single();
    void on_one_many();
    void on_one2_single();
    void on_one2_many();
    void on_one4_single();
    void on_one4_many();
    void on_one8_single();
    void on_one8_many();
    void on_two_sec_single();
    void on_two_sec_many();
    void on_two4_single();
    void on_two4_many();
    void on_two7_single();
    void on_two7_many();
    void on_three_sec_single();
    void on_three_sec_many();
    void on_three5_single();
    void on_three5_many();
    void on_four_single();
    void on_four_many();
    void on_four5_single();
    void on_four5_many();
    void on_five_single();
    void on_five_many();
    void on_unlimited();
    void on_stop_auto_record();
    void on_record_speed();
    void on_zip();

    // ---- editing (record_edit_window.cpp) ----
    void on_save_text();
    void on_delete_word();
    void on_add_word();
    void on_refresh_lists();
    void on_advanced_edit();
    void on_exit_button();
    void on_instructions_text();
    void on_instructions_record();
    void on_license();

protected:
    void closeEvent(class QCloseEvent* e) override;
    bool eventFilter(QObject* watched, class QEvent* e) override;

private:
    void build_controls();
    void connect_controls();
    void create_word();
    void clear_lists();
    void clear_selections();
    void share_width_by_text();
    void show_pair(const QString& group, int row);
    void list_clicked(QListWidget* list, int row);
    void show_messages(const QStringList& messages);

    void set_run_enabled(bool enabled);

    AppState& m;
    // True while a recording run waits; the duration buttons are off meanwhile.
    bool run_under_way_ = false;
    // Row selected in a list box when a mouse press began: a click that does not move the selection
    // shows the pair again (the selection change does it otherwise).
    int row_at_press_ = -1;
    // Counts rebuilds of the lists, so that a press whose handling outlived one can tell.
    int lists_generation_ = 0;
    QGridLayout* columns_ = nullptr;
    QEvent* forwarded_press_ = nullptr;
};

}  // namespace ql
