#pragma once
#include "core/record_edit.h"
#include "core/recording_session.h"
#include "core/run_context.h"

#include <QPointer>
#include <QWidget>
#include <vector>
#ifndef Q_MOC_RUN  // moc cannot parse the coroutine headers
#include <qcoro/qcorotask.h>
#endif

class QGridLayout;
class QLayout;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace ql {

struct RunContext;
struct Services;
struct Workspace;
struct LanguageSession;
struct ShownWords;
struct Player;
class ListEditorWindow;
class TakePanel;

// The record-and-edit window: the chosen list (or the main window's selected word) split into words
// with and without a recording, the selected pair in two editable boxes, and the file edits, the
// recording runs and the packaging that act on it.
class RecordEditWindow : public QWidget, private RecordingView {
    Q_OBJECT
public:
    // The chosen word and the change log its edits write to; the pause between the words of a run.
    const RecordEditState& edit_state() const { return edit_; }
    bool fast_pause() const override { return fast_pause_; }
    // `single_entry`: the main window's selected word alone (its entry index in the shown entries);
    // without it, the chosen list.
    explicit RecordEditWindow(const RunContext& run, std::optional<int> single_entry = std::nullopt,
                              QWidget* parent = nullptr);
    ~RecordEditWindow() override;

    // The window load: names the list, forms list_file and changes_file, shows the window and builds
    // the two groups.
    void load();

    // Rebuilds both groups from list_file (or the main window's word in single-word mode).
    void create_arrays();
    // Selecting a row shows its pair as a click does (and plays it unless sound is suppressed).
    void select_row(const QString& group, int row) override;
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
    // The 26 duration buttons (0.8 to 5 seconds, the selected word or word after word), built from
    // one table; each starts a run through on_duration.
    struct DurationButton {
        QPushButton* button;
        float seconds;
        bool single;
    };
    std::vector<DurationButton> duration_buttons;
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

public slots:
    // A duration button or `unlimited`: which word(s) and how long each take is.
    void on_duration(float seconds, bool single);
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
    void build_header();
    void build_duration_buttons();
    void build_word_lists();
    void build_take_prompt();
    void build_edit_controls();
    void arrange_controls();
    QLayout* top_strip();
    QLayout* duration_grid();
    QLayout* edit_column();
    void connect_controls();
    void create_word();
    void clear_lists();
    void clear_selections();
    void share_width_by_text();
    void show_pair(const QString& group, int row);
    void list_clicked(QListWidget* list, int row);
    void show_messages(const QStringList& messages);

    // ---- what a recording run shows and reads (record_edit_window_recording.cpp) ----
    RecordingServices recording_services();
    void recording_ended();
    int selected_row(const QString& group) const override;
    int row_count(const QString& group) const override;
    QString word(const QString& group, int row) const override;
    QString sound_number(const QString& group, int row) const override;
    void scroll_to_top(const QString& group, int row) override;
    void show_sound_number(const QString& sound_number) override;
    void show_prompt(const QString& text, RecordingPrompt colour) override;
    void show_take(const QByteArray& take, const TakeCheck& check, bool trimmed, const QString& word) override;
    void show_ended() override;
    void enable_run_buttons(bool enabled) override;
    bool keep_silence() const override { return keeps_silence(); }

    const RunContext context_;  // handed on to the list editor
    Player& player_;
    const Services& services_;
    const Workspace& workspace_;
    LanguageSession& lang_;  // the list file is set when the window loads
    const ShownWords& shown_;  // the main window's words: the single word is one of them
    const std::optional<int> single_entry_;
    RecordEditState edit_;
    bool fast_pause_ = false;  // the short countdown between the words of a run
    // A recording run, started by a duration button; the window stays until it has ended.
    RecordingSession run_;
    bool delete_after_run_ = false;
    // Row selected in a list box when a mouse press began: a click that does not move the selection
    // shows the pair again (the selection change does it otherwise).
    int row_at_press_ = -1;
    // Counts rebuilds of the lists, so that a press whose handling outlived one can tell.
    int lists_generation_ = 0;
    QGridLayout* columns_ = nullptr;
    QEvent* forwarded_press_ = nullptr;
};

}  // namespace ql
