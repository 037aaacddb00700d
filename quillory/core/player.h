#pragma once
#include "language_session.h"
#include "playback_state.h"
#include "services.h"
#include "shown_words.h"
#include "workspace.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>
#ifndef Q_MOC_RUN  // moc cannot parse the coroutine headers
#include <qcoro/qcorotask.h>
#endif

namespace ql {

// The one player every window plays through, for the whole run: the services it plays with, the
// folders its recordings are in, and its state. The app owns it; windows and sessions get it by
// reference, so a Stop pressed in one window stops the sound another started.
struct Player : PlaybackState {
    Player(const Services& services, const Workspace& workspace) : services(services), workspace(workspace) {}
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    const Services& services;
    const Workspace& workspace;
};

// Where a played word's text is found, for its caption in a compiled file and for the voice: the
// chosen language and the entries on show.
struct WordsOnShow {
    const LanguageSession& language;
    const ShownWords& shown;
};

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
QCoro::Task<> play_word_sound(Player& p, WordsOnShow words, QString s, QString language, WordSoundOptions options = {});
// A new recording (.str) is only played with include_new_recordings.
QCoro::Task<> play_sound_file(Player& p, QString path, bool include_new_recordings = false);
// Plays synthesised samples (16-bit mono, 22050 Hz) with the same pause rules as a file.
QCoro::Task<> play_spoken_samples(Player& p, std::vector<int16_t> pcm);
bool append_file_bytes(const QString& source, const QString& destination);
// A recording or spoken clip as it goes into a compiled file: stretched to the student's speech
// speed (from the clip cache), or the clip itself at the natural speed.
QByteArray compiled_clip_at_speed(const Player& p, const QByteArray& clip);
// Appends bytes held in memory (a synthesised clip), then CR LF, as append_file_bytes does a file.
bool append_bytes(const QByteArray& clip, const QString& destination);
// Waits t seconds of the clock, or less once Stop, Quit or a skip is set.
QCoro::Task<> wait_seconds(Player& p, float t);
int random_between(Player& p, int low, int high);
QString installed_sound_path(const Workspace& w, const QString& s, const QString& language);
QString new_sound_path(const Workspace& w, const QString& s, const QString& language);

}  // namespace ql
