#pragma once
#include <QString>

namespace ql {

struct AppState;

// Known-word moves that work on files rather than on the shown entries (the review window's).
// The procedures on the shown entries are declared with the shared state.

// Moves the first entry equal to `line` from the source file to the end of the destination, as
// move_word does for a shown entry. False when the source holds no such entry.
bool move_entry(AppState& m, const QString& destination, const QString& source, const QString& line);
// Makes a list's unknown file when it is missing: the list less the known words. False when it
// could not be written (reported).
bool make_unknown_file(AppState& m, const QString& list_file, const QString& known_file, const QString& unknown_file);

}  // namespace ql
