#pragma once
#include "lrc_captions.h"
#include "review_schedule.h"
#include "speech_speed.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace ql {

// Today's review as an MP3 for a walk or a commute: each due word as word, pause, translation,
// pause, as many times as the flash cards repeat a word, joined as every compiled file is joined
// (each clip followed by CR LF, nothing re-encoded at the natural speed), with a caption track
// beside it. Listening is not answering: nothing here writes the schedule.

// Where the clips of one review come from.
struct ReviewClipSources {
    QString languages_folder;  // ends in '/'
    QString language, target_language;
    // The sound number of a word's translation, or "" when it has none.
    std::function<QString(const QString& sound)> translation_sound;
    QByteArray silence;  // silence.mp3's bytes; empty when it is not installed (no pauses then)
    int repeats = 4;
    int silence_clips = 4;  // silence clips after each word and each translation
    int speed_percent = kNaturalSpeed;
    SpeedClipCache* cache = nullptr;  // null: stretched clips are made but not kept
    // A contributor's new recording (.str) deciphered into samples; null: new recordings are not used.
    std::function<std::optional<Pcm>(const QString& str_path)> new_recording;
    // The voice's clip for a word without a recording; null while the student has the voice off.
    std::function<std::optional<QByteArray>(const QString& text, const QString& language)> voice;
    // Called every ten words with the words done and the total, so that a window can repaint.
    std::function<void(int done, int total)> progress;
};

struct ReviewMp3 {
    QByteArray bytes;
    QList<Caption> captions;  // one per word that went in, at the moment its first clip starts
    int due = 0;              // words due today and overdue
    int words = 0;            // due words with at least one clip (a recording, a new one, the voice)
    double seconds = 0.0;     // playing time of `bytes`
};

// The clips of the words in `due`, in the order given.
ReviewMp3 compose_review_mp3(const std::vector<ReviewItem>& due, const ReviewClipSources& sources);

// `language_folder` is the student's folder for the language, ending in '/'.
QString review_mp3_path(const QString& language_folder, const QDate& day);

struct ReviewMp3Outcome {
    bool written = false;
    int due = 0, words = 0;
    double seconds = 0.0;
    QString mp3_path, lrc_path;
    QString error;  // a write failure, naming the file and the system's reason
};

// Compiles the words due on `today` (and overdue) in `language_folder` into review_<day>.mp3 and its
// caption track, both replaced together through the file-change layer. No due words, or none with
// any sound, writes nothing.
ReviewMp3Outcome write_review_mp3(const QString& language_folder, const QDate& today,
                                  const ReviewClipSources& sources);

// "3:07": minutes and seconds of playing time, rounded to the nearest second.
QString play_time_text(double seconds);
// What the window tells the student about the outcome.
QString review_mp3_message(const ReviewMp3Outcome& outcome);

}  // namespace ql
