#pragma once
#include <QString>

namespace ql {

class Prompter;
struct PlaybackState;
struct Services;

// Every new recording of every language is enciphered with this key and vector (hex text).
inline constexpr const char* kSoundKeyHex = "5c17e0a94b2d86f3c0de1179a4b85e62";
inline constexpr const char* kSoundVectorHex = "a3d90b5e7c41f268";

// What became of one call into the cipher library.
struct CipherOutcome {
    bool loaded = false;  // the library could be loaded and its function bound
    int code = -1;        // the library's result code (0 = success) when loaded
    QString error;        // why the library could not be loaded
    bool ok() const { return loaded && code == 0; }
    // One line for a message to the user.
    QString describe() const;
};

// Enciphers the raw samples in `source` into `destination` (a .str file).
CipherOutcome encipher_sound_file(const QString& source, const QString& destination);
// Deciphers a .str file into the raw samples in `destination`.
CipherOutcome decipher_sound_file(const QString& source, const QString& destination);

// The working files beside a new recording: the same name with another extension.
QString raw_take_path(const QString& str_path);  // ".tmp": raw samples while a take is stored
QString wav_path(const QString& str_path);       // ".wav": the playable file, deleted after the play

// Turns a new recording into a playable WAV file beside it and returns that file's path. A
// recording that cannot be deciphered gives "" and leaves no working file behind; only a missing
// cipher library is reported, since nothing a contributor recorded can be heard without it.
QString decipher_to_wav(Prompter* prompter, const QString& str_path);

// Lets play_sound_file play new recordings.
// `services` must outlive `playback`: its prompter at the time of a play reports a missing cipher library.
void attach_new_recording_player(PlaybackState& playback, const Services& services);

}  // namespace ql
