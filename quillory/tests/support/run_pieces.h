#pragma once
#include "core/clock.h"
#include "core/drill_settings.h"
#include "core/known_words.h"
#include "core/language_session.h"
#include "core/player.h"
#include "core/run_context.h"
#include "core/services.h"
#include "core/shown_words.h"
#include "core/workspace.h"

namespace ql::testing {

// Every piece of a run in one value, as the app owns them, for tests and benchmarks that drive core
// functions and windows directly: a function taking pieces is handed the whole for each (`f(m, m)`),
// and a window is handed its context.
struct RunPieces : Services, Workspace, LanguageSession, ShownWords, DrillSettings, Player {
    RunPieces() : Player(static_cast<const Services&>(*this), static_cast<const Workspace&>(*this)) {}
    RunContext context() { return {*this, *this, *this, *this, *this, *this}; }
    operator RunContext() { return context(); }
    // What a played word's caption and spoken text are looked up in.
    WordsOnShow on_show() const { return {*this, *this}; }
};

}  // namespace ql::testing
