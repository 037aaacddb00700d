#pragma once
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <vector>

namespace ql {

// One finished test of the student, as its results line tells it.
struct TestRecord {
    QString language, word_source, kind;
    int questions = 0;
    int percent = 0;
    QDateTime started;
};

struct ScoreHistory {
    // The student's tests, oldest first; tests begun at the same moment keep their file order.
    std::vector<TestRecord> tests;
    // The student's own lines (first field equal to the name) that could not be read.
    int unreadable = 0;
};

// The start field of a results line: the US English short date and time the tests write
// ("12/7/2026 2:30:00 PM"), also without seconds, with a two-digit year, without AM/PM as a 24-hour
// time, or the date alone (an older rendering drops a midnight time). Invalid when it is none of these.
QDateTime parse_us_date_time(QStringView text);

// The lines of a results file whose first field is `student`. Lines of other students are passed
// over without a look; blank lines are not tests.
ScoreHistory parse_score_history(const QStringList& lines, const QString& student);
// The same from test_results.txt; a missing file is a history without tests.
ScoreHistory read_score_history(const QString& results_path, const QString& student);

// One line of the score chart: a language and its tests (indexes into ScoreHistory::tests, oldest first).
struct ScoreSeries {
    QString language;
    std::vector<int> tests;
};
// A series per language in the order each language was first tested, or only `language`'s when it
// is not empty (no series when it has no tests).
std::vector<ScoreSeries> score_series(const ScoreHistory& history, const QString& language = QString());

// "1 line could not be read", "2 lines could not be read"; empty for none.
QString unreadable_lines_text(int count);

// Known and unknown entries of one of the student's lists.
struct ListProgress {
    QString list;
    int known = 0, unknown = 0;
};
// The student's lists in one language folder (<list>-k.txt and <list>-u.txt), by name as the
// folder lists them; lists whose files hold no entries are left out.
std::vector<ListProgress> known_words_by_list(const QString& student_language_folder);

// Words due on each of `days` days from `today` on; words already overdue count on the first day.
std::vector<int> due_per_day(const std::vector<QDate>& due_dates, const QDate& today, int days = 30);

}  // namespace ql
