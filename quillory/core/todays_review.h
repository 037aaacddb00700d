#pragma once
#include "review_mp3.h"

#include <functional>

namespace ql {

struct Player;
struct LanguageSession;
struct DrillSettings;

// The run's side of the review MP3 and the speech speed: what the student chose, read from the
// player, the chosen language and the drill settings, and handed on to code that takes only what it uses.

// Today's review of the chosen language as an MP3, with the large flash cards' repeat count and
// pause, the student's speed, the voice when it is on and new recordings deciphered.
ReviewMp3Outcome compile_todays_review(Player& p, const LanguageSession& lang, const DrillSettings& drill,
                                       const std::function<void(int done, int total)>& progress = {});

// The student's speed from their settings file, once the student is known.
void load_student_speech_speed(Player& p);
// A speed chosen in the Options menu, kept for the student. False when it could not be saved (it
// still holds for this run).
bool choose_speech_speed(Player& p, int percent);

}  // namespace ql
