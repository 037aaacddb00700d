#pragma once
#include "clock.h"
#include "drill_settings.h"
#include "known_words.h"
#include "language_session.h"
#include "playback_state.h"
#include "services.h"
#include "shown_words.h"
#include "workspace.h"

#include <QString>
#include <QStringList>
#include <functional>
#ifndef Q_MOC_RUN  // moc cannot parse the coroutine headers
#include <qcoro/qcorotask.h>
#endif
#include <random>
#include <vector>

namespace ql {

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

// The run-wide pieces as one value while the windows still share them. Each piece has its own
// owner type; functions take the pieces they use, so a caller holding this passes it for each.
struct AppState : Services, Workspace, LanguageSession, ShownWords, DrillSettings, PlaybackState {
    ColumnSync column_sync = ColumnSync::None;
};

// ---- playback services ----
struct WordSoundOptions {
    // While a compilation is pending, every clip that goes into out_file.mp3 gets a caption line naming
    // its entry; true when the caller captions it instead (the large drill, once per compiled word).
    bool captioned_by_caller = false;
    // The main window shows the number of the sound last played; a window of its own that plays
    // entries the main window does not show (the review) leaves the label alone.
    bool show_number = true;
    // A new recording (.str) of the word is played instead of the installed one (record and edit).
    bool include_new_recordings = false;
};
// Each returns when the playing and its waits are over.
QCoro::Task<> play_word_sound(AppState& m, QString s, QString language, WordSoundOptions options = {});
// A new recording (.str) is only played with include_new_recordings.
QCoro::Task<> play_sound_file(AppState& m, QString path, bool include_new_recordings = false);
// Plays synthesised samples (16-bit mono, 22050 Hz) with the same pause rules as a file.
QCoro::Task<> play_spoken_samples(AppState& m, std::vector<int16_t> pcm);
bool append_file_bytes(const QString& source, const QString& destination);
// Appends bytes held in memory (a synthesised clip), then CR LF, as append_file_bytes does a file.
bool append_bytes(const QByteArray& clip, const QString& destination);
// Waits t seconds of the clock, or less once Stop, Quit or a skip is set.
QCoro::Task<> wait_seconds(AppState& m, float t);
int random_between(AppState& m, int low, int high);
QString installed_sound_path(const Workspace& w, const QString& s, const QString& language);
QString new_sound_path(const Workspace& w, const QString& s, const QString& language);

}  // namespace ql
