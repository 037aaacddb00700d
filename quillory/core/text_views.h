#pragma once
#include <QDateTime>
#include <QString>

namespace ql {

struct ShownWords;
struct Workspace;

// The printable view of the shown entries: a header naming the student, the shown file and the
// moment, a blank line, then one row per entry with the word padded to 17 characters, a TAB and the
// translation. The empty element after the last entry gives a last row of 17 spaces and the TAB.
// Lines are joined with CR LF.
QString word_list_text(const Workspace& w, const ShownWords& shown, const QDateTime& now);

// Everything in the results file, or an empty text when no test has been finished yet.
QString test_results_text(const Workspace& w);

}  // namespace ql
