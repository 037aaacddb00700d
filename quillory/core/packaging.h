#pragma once
#include <QString>
#include <QStringList>

namespace ql {

class Prompter;
struct Workspace;

// Writes `archive` holding the files (not folders) directly in `folder` whose names end in
// `suffix` (case-insensitively; every file when `suffix` is empty), the archive itself excepted,
// and opens it again to check it. `packed` receives the names packed; no archive is written when
// there are none. On failure `error` says what went wrong.
bool make_archive(const QString& folder, const QString& archive, const QString& suffix, QStringList* packed,
                  QString* error);

// Packs every sub-folder of the current language's new recordings of `kind` ("str") into
// recordings/<kind>/<language>_<kind>_<NN>.zip under the working folder. Returns false when an
// archive could not be made (reported); archives made before it stay.
bool zip_new_recordings(const Workspace& w, const QString& language, Prompter* prompter, const QString& kind);

// The whole "Email Files" action: confirmation, the recording archives, the archive of the
// language folder's files as recordings/text_<language>.zip, and the closing note.
void pack_contribution(const Workspace& w, const QString& language, Prompter& prompter);

}  // namespace ql
