#pragma once

namespace ql {

struct Player;
struct LanguageSession;
struct DrillSettings;

// "Today's Review as MP3", from the review window and the main window's File menu alike: compiles
// the chosen language's due words and tells the student how many went in and how long the file
// plays (or that nothing is due).
void make_todays_review_mp3(Player& player, const LanguageSession& lang, const DrillSettings& drill);

}  // namespace ql
