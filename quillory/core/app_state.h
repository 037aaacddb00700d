#pragma once
#include "clock.h"

#include <QString>
#include <QStringList>
#include <functional>
#ifndef Q_MOC_RUN  // moc cannot parse the coroutine headers
#include <qcoro/qcorotask.h>
#endif
#include <random>
#include <vector>

namespace ql {

class Prompter;
class AudioEngine;
class MainView;
class DateClock;
class SpeechVoice;
class VoiceClipCache;

// Whether playback is silenced. On while the program moves a selection itself (a known-word move,
// a recording run), so those moves play nothing. Off (a recording run ended) and Lifted (a
// known-word move ended) both let sound through; they stay distinct so the last setter can be told.
enum class SoundSuppression { Unset, On, Off, Lifted };

// What a drill plays besides the foreign word. Unset lets each flash-card window pick its default.
enum class BottomMode {
    Unset,
    WordOnly,
    TranslationFirst,  // the translation once, before the word's plays
    Interlace,         // the translation after every interlace_every plays of the word
};

// Which word column is selecting the same row in the other; that one's click handler must not
// select back.
enum class ColumnSync { None, FromWords, FromTranslations };

// Marks a column click as the source of the selection it makes in the other column, for as long
// as the guard lives.
class ColumnSyncGuard {
public:
    ColumnSyncGuard(ColumnSync& sync, ColumnSync source) : sync_(sync) { sync_ = source; }
    ~ColumnSyncGuard() { sync_ = ColumnSync::None; }
    ColumnSyncGuard(const ColumnSyncGuard&) = delete;
    ColumnSyncGuard& operator=(const ColumnSyncGuard&) = delete;

private:
    ColumnSync& sync_;
};

// The program's run-wide values: one instance owned by the app for the whole run and handed by
// reference to every window.
struct AppState {
    // ---- services (owned by the app or a test) ----
    Prompter* prompter = nullptr;
    Clock* clock = nullptr;  // null: waits return at once
    AudioEngine* audio = nullptr;
    MainView* main_view = nullptr;  // null until the main window exists
    DateClock* date_clock = nullptr;  // the review schedule's calendar; null: the system's

    // Working folder at start-up, ending in '/'. Every other path is built from it.
    QString working_folder;

    // ---- student, paths, current language and list ----
    QString student_name;
    QString languages_folder;  // working_folder + "languages/"
    QString user_folder;       // working_folder + "users/" + student_name + "/"
    QString current_language;
    QString current_list;
    QString list_file, unknown_file, known_file;
    QString shown_file;  // the student file whose entries are shown; empty when none
    QString master_file, trans_file, target_language, trans_index_file;

    // The loaded entries in file order. Each has one element more than there are entries: the
    // element at index shown_count() is always empty.
    QStringList shown_words, shown_translations, shown_sound_numbers;
    // Row r of the word columns shows entry shown_rows[r]: entries with an empty sound number are
    // loaded but not shown, and rows must still act on the entry they show.
    std::vector<int> shown_rows;
    // True while the columns show search results, which belong to no student file.
    bool shown_are_search_results = false;
    // For each sound number (0-99999) of the current language, the sound number of its translation.
    std::vector<QString> target_sound_numbers = std::vector<QString>(100000);

    ColumnSync column_sync = ColumnSync::None;
    SoundSuppression sound_suppression = SoundSuppression::Unset;
    // Hand-over to the record-and-edit window: the selected word alone (its entry index) or the list.
    QString record_word_index;
    bool record_single_word = false;
    QString results_text;

    // ---- playback ----
    // Stop/Quit and Skip (leave the word on screen and draw the next one); every wait races it.
    CancelToken cancel;
    float pause_seconds = 0.0f;
    bool include_new_recordings = false;
    int missing_sound_count = 0;
    int last_channel = 0;
    int mp3_words_pending = 0;
    int silence_count = 0;
    // Turns a new recording (.str) into a playable WAV and returns its path, or "" when it cannot.
    // Set by the recording code; while unset new recordings are not played.
    std::function<QString(AppState&, const QString& str_path)> decipher_to_wav;

    // ---- the voice for words without a recording ----
    SpeechVoice* voice = nullptr;            // owned by the app; null: no voice at all
    VoiceClipCache* voice_clips = nullptr;   // clips for compiled files
    bool speak_missing_words = false;        // the student's toggle, off by default
    bool voice_failure_shown = false;        // the failure is told once a run

    // ---- drill settings, shared by both flash-card windows for the whole run ----
    int repeat_count = 0;
    BottomMode bottom_mode = BottomMode::Unset;
    int interlace_every = 0;
    int top_text_delay = 0, bottom_text_delay = 0;
    int current_index = 0, previous_index = 0;
    long words_added = 0;

    // ---- recording and the record-and-edit window ----
    float record_seconds = 0.0f;
    bool single_take = false;  // a run records the selected word only
    bool fast_pause = false;   // the short countdown between the words of a run
    bool deleting = false;     // the entry edit under way removes the entry
    QString chosen_list, current_sound_number;
    QString new_sound_number, changes_file;

    // One generator seeded once: drawing from a re-seeded clock repeats values within a tick.
    std::mt19937 rng{std::random_device{}()};

    // Number of loaded entries (the upper bound of the shown arrays).
    int shown_count() const { return shown_words.isEmpty() ? 0 : int(shown_words.size()) - 1; }
};

// ---- the shown entries (create_array_of_words, display_words' row mapping) ----
inline constexpr int kMaxListEntries = 30001;

// Loads a list-format file into the shown arrays. Returns false when the file had more entries than
// the table holds (the first kMaxListEntries are loaded).
bool create_array_of_words(AppState& m, const QString& path);
// Rebuilds shown_rows: the indexes of entries with a sound number, in file order.
void compute_shown_rows(AppState& m);
// The entry index shown at a window row, or -1.
int entry_at_row(const AppState& m, int row);
// The window row showing an entry index, or -1.
int row_of_entry(const AppState& m, int index);

// ---- playback services ----
struct WordSoundOptions {
    // While a compilation is pending, every clip that goes into out_file.mp3 gets a caption line naming
    // its entry; true when the caller captions it instead (the large drill, once per compiled word).
    bool captioned_by_caller = false;
    // The main window shows the number of the sound last played; a window of its own that plays
    // entries the main window does not show (the review) leaves the label alone.
    bool show_number = true;
};
// Each returns when the playing and its waits are over.
QCoro::Task<> play_word_sound(AppState& m, QString s, QString language, WordSoundOptions options = {});
QCoro::Task<> play_sound_file(AppState& m, QString path);
// Plays synthesised samples (16-bit mono, 22050 Hz) with the same pause rules as a file.
QCoro::Task<> play_spoken_samples(AppState& m, std::vector<int16_t> pcm);
bool append_file_bytes(const QString& source, const QString& destination);
// Appends bytes held in memory (a synthesised clip), then CR LF, as append_file_bytes does a file.
bool append_bytes(const QByteArray& clip, const QString& destination);
// Waits t seconds of the clock, or less once Stop, Quit or a skip is set.
QCoro::Task<> wait_seconds(AppState& m, float t);
int random_between(AppState& m, int low, int high);
QString installed_sound_path(const AppState& m, const QString& s, const QString& language);
QString new_sound_path(const AppState& m, const QString& s, const QString& language);

// ---- known and unknown words ----
void generate_unknowns_file(AppState& m);
// Names of the student's known lists for the current language (deleting known files under 2 bytes).
QStringList known_list_names(AppState& m);
// Move entry `index` of the shown arrays (an entry index, not a window row). Return false and
// report through the prompter when a file could not be written.
bool mark_word_known(AppState& m, int index);
bool mark_word_unknown(AppState& m, int index);
bool move_word(AppState& m, const QString& destination, const QString& source, int index);

// ---- language choice ----
// The file work of a language click: folders, list names (deleting lists under 2 bytes), the target
// language and its translation index. Returns the list names to show.
QStringList choose_language(AppState& m, const QString& language);

}  // namespace ql
