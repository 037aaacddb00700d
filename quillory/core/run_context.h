#pragma once

namespace ql {

struct Services;
struct Workspace;
struct LanguageSession;
struct ShownWords;
struct DrillSettings;
struct Player;

// What a window is handed when it opens: references to the pieces the app owns for the whole run.
// The main window chooses the language and fills the shown words; the card windows drill those
// words with the shared settings, and every window plays through the one player, so that Stop in
// one stops what another started. Core functions never take this: they take the pieces they use.
struct RunContext {
    Services& services;
    Workspace& workspace;
    LanguageSession& language;
    ShownWords& shown;
    DrillSettings& drill;
    Player& player;
};

}  // namespace ql
