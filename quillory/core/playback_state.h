#pragma once
#include "clock.h"

#include <QString>
#include <functional>
#include <random>

namespace ql {

// Whether playback is silenced. On while the program moves a selection itself (a known-word move,
// a recording run), so those moves play nothing. Off (a recording run ended) and Lifted (a
// known-word move ended) both let sound through; they stay distinct so the last setter can be told.
enum class SoundSuppression { Unset, On, Off, Lifted };

// The drill's compilation into out_file.mp3, open while words are pending. The player writes into it
// instead of playing: every installed recording it is asked for, by the drill or by a click in the
// main window, goes in, followed by `silence_clips` silences. It belongs to the player rather than
// the drill because a compilation outlives the window that started it.
struct Mp3Sink {
    int words_pending = 0;  // counted off by the drill as it leaves each compiled word
    int silence_clips = 0;  // 0.2-second clips, from the drill's pause
    bool open() const { return words_pending > 0; }
};

// The state of the one player every window plays through, for the whole run.
struct PlaybackState {
    // Stop/Quit and Skip (leave the word on screen and draw the next one); every wait races it.
    CancelToken cancel;
    float pause_seconds = 0.0f;
    int missing_sound_count = 0;
    int last_channel = 0;
    Mp3Sink mp3;
    SoundSuppression sound_suppression = SoundSuppression::Unset;
    // Turns a new recording (.str) into a playable WAV and returns its path, or "" when it cannot.
    // Set by the recording code; while unset new recordings are not played.
    std::function<QString(const QString& str_path)> decipher_to_wav;

    bool speak_missing_words = false;  // the student's toggle for the voice, off by default
    bool voice_failure_shown = false;  // the voice's failure is told once a run
    int speech_speed = 100;            // the student's speed, percent of the natural rate; 100 changes nothing

    // One generator seeded once: drawing from a re-seeded clock repeats values within a tick.
    std::mt19937 rng{std::random_device{}()};
};

}  // namespace ql
