#pragma once
#include "alignment.h"
#include "speech_features.h"

#include <QString>
#include <optional>

namespace ql::say_it {

// How a distance becomes a score. The anchors were measured on a corpus of 60 Spanish words spoken by
// espeak-ng (see bench_say_it): the reference as the sample recordings are made (voice "es", 140
// words a minute, through MP3), the take by a male and a female variant at other speeds and pitches.
//   very_close: the median distance of a word to itself in another voice; scores 85 and up are
//               "Very close".
//   close:      where a word in another voice and a different word are told apart with equal error
//               rates; 70 and up is "Close". Above it, "Try again".
//   far:        the median distance between different words; it scores 30.
// Between the anchors the score falls linearly; identical sounds score 100 and it reaches 0 as far
// beyond `far` as `far` is beyond `close`.
struct Calibration {
    double very_close;
    double close;
    double far;
};
Calibration default_calibration();

inline constexpr int kVeryCloseScore = 85;
inline constexpr int kCloseScore = 70;
inline constexpr int kFarScore = 30;

int score_from_distance(double distance, const Calibration& c = default_calibration());
// "Very close", "Close" or "Try again".
QString verdict_for(int score);

// Why there is no score.
enum class NoScore {
    None,
    ReferenceSilent,  // the recording holds no speech
    TakeSilent,       // nothing was said, or it was below the silence floor
};

struct Comparison {
    std::optional<int> score;   // 0-100; none when either side holds no speech
    QString verdict;            // empty without a score
    NoScore no_score = NoScore::None;
    double distance = 0.0;      // per frame along the alignment
    bool aligned = false;       // false when one is more than twice as long as the other
    TimeMap time_map;           // the take's time at each time of the reference
};

// Compares a learner's take with the word's reference. Both are analysed beforehand, the reference
// once while the learner prepares, so that the take's end to the score is the take's analysis and
// one alignment.
Comparison compare(const Utterance& reference, const Utterance& take, const Calibration& c = default_calibration());

}  // namespace ql::say_it
