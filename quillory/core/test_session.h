#pragma once
#include <QDateTime>
#include <QString>

namespace ql {

struct Workspace;

// The kinds of test a student can take. None only happens when no option is chosen; it is judged
// like a typed answer and writes an empty kind into the results line.
enum class TestKind { None, MultipleChoice, Spelling, FillInBlank };

// How each word is presented (the rows of the presentation list).
enum class Presentation { TextOnly = 0, SoundOnly = 1, TextAndSound = 2 };

// Replaces the lower-case accented Latin letters the tutor knows (à á ã è é ì í ñ ò ó õ ö) by their
// plain letters; every other character is kept.
QString fold_accents(const QString& s);
// True when the text holds one of the letters fold_accents() replaces.
bool has_folded_accent(const QString& s);

struct Verdict {
    bool right = false;
    // Shown to the student in a message box when not empty (typed answers that were accepted).
    QString message;
};

// Judges one answer. Multiple choice must match exactly. A typed answer is accepted when it equals
// the expected answer or appears in it before "\", "/", " (" or "," or after a space (ignoring case),
// so that one sense of "house, home" or "house (building)" is enough. An empty answer is never right.
Verdict judge_answer(TestKind kind, const QString& answer, const QString& correct_answer);

// Whole percent of right answers, rounded half up; 0 when nothing was asked.
int percent_right(int correct_count, int asked_count);

// Elapsed test time as the results file has always shown it: minutes and seconds ("03:25 "), with
// the hours in front once a test runs an hour or more ("1:02:05 "), followed by a space.
QString elapsed_text(qint64 seconds);

// Date and time in the US English form the results file uses, whatever the machine's locale:
// "12/7/2026 3:12:35 PM".
QString us_date_time(const QDateTime& t);

QString kind_text(TestKind kind);
QString presentation_text(TestKind kind, Presentation p);

struct ResultsLine {
    QString student, language, word_source;
    int asked_count = 0;
    int percent = 0;
    qint64 elapsed_seconds = 0;
    TestKind kind = TestKind::None;
    Presentation presentation = Presentation::TextOnly;
    QDateTime started;
};

// The nine TAB-separated fields of one finished test (without the line ending).
QString format_results_line(const ResultsLine& r);

// The results file in the working folder.
QString results_file_path(const Workspace& w);

// Appends the line (with CR LF) to the results file. On failure returns false and `error` names the
// file and the reason.
bool append_results_line(const Workspace& w, const ResultsLine& r, QString* error = nullptr);

// The sound file a test question looks for before presenting a word by sound: a new WAV recording,
// a new MP3 recording, then the installed MP3. Empty when none exists.
QString find_test_sound(const Workspace& w, const QString& language, const QString& sound_number);

}  // namespace ql
