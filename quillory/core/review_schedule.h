#pragma once
#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace ql {

class DateClock;
class Prompter;
struct LanguageSession;
struct Services;
struct Workspace;
class FileChanges;

// Calendar days for the review schedule. The program asks the system; tests hand in a clock they
// move, so a month of reviews runs in a moment.
class DateClock {
public:
    virtual ~DateClock() = default;
    virtual QDate today() const = 0;
};
DateClock& system_date_clock();

// Known words come back for review at growing intervals: a word kept moves up one box and waits
// longer, a word forgotten goes back to the student's unknown words. Boxes are 1 to 7.
inline constexpr int kReviewBoxes = 7;
// Days from a review (or from being marked known) until the next one, for a word in `box`:
// 1, 3, 7, 14, 30, 60, 120.
int review_interval_days(int box);

// One known entry in the schedule. A list's entry line is its identity: the known files say what
// is known, the schedule only says when each known entry comes back.
struct ReviewItem {
    QString list;
    QString entry;  // the known file's line: word|translation|sound number
    int box = 1;
    QDate due;
    QDate last_seen;  // invalid when the student has not seen it since the schedule was made

    // The entry's last field; written to the file for a reader's sake, never kept apart from it.
    QString sound_number() const { return entry.sliced(entry.lastIndexOf(u'|') + 1); }
};

// review.txt holds one item per line, fields separated by TAB:
//   list  sound number  entry  box  due (yyyy-MM-dd)  last seen (yyyy-MM-dd, or empty)
// The entry sits between fields counted from both ends, so a TAB typed into it by hand does not
// shift the others.
QString format_review_line(const ReviewItem& item);
// std::nullopt for a line that is not an item: wrong field count, an entry that is not an entry
// or whose sound number differs from the sound field, a box outside 1-7, a date that is not one.
std::optional<ReviewItem> parse_review_line(const QString& line);
// The same, sharing the list name with `previous_list` when they are equal.
std::optional<ReviewItem> parse_review_line(const QString& line, const QString& previous_list);

// `language_folder` is the student's folder for one language, ending in '/'.
QString review_file_path(const QString& language_folder);

struct KnownEntry {
    QString list, entry;
};
// Every entry of the student's known files (<list>-k.txt, at least 2 bytes) in one language
// folder: lists in name order, entries in file order.
std::vector<KnownEntry> read_known_entries(const QString& language_folder);

// The schedule of one student and language, in file order.
class ReviewSchedule {
public:
    // Reads review.txt, skipping lines that are not items (and a second line for the same entry).
    // When the file is missing it is made from the known files: every known entry in box 1, due
    // over the seven days from `today` on, so a returning student is not met by every word at
    // once. With `reconcile` the schedule is also brought in line with the known files: entries no
    // longer known leave it and known entries it lacks join it as a missing file's would.
    static ReviewSchedule open(const QString& language_folder, const QDate& today, bool reconcile);

    const std::vector<ReviewItem>& items() const { return items_; }
    // True when the schedule differs from the file (or there is no file yet and it holds items).
    bool changed() const { return changed_; }
    bool file_existed() const { return existed_; }
    int bad_lines() const { return bad_lines_; }

    ReviewItem* find(const QString& list, const QString& entry);
    // Due items (due on or before `today`), the longest waiting first, file order among equals.
    std::vector<ReviewItem> due(const QDate& today) const;
    int due_count(const QDate& today) const;

    // A word just marked known: box 1, due the next day.
    void add_known(const QString& list, const QString& entry, const QDate& today);
    bool remove(const QString& list, const QString& entry);
    // "I knew it": one box up (at most the last) and due after that box's interval.
    bool keep(const QString& list, const QString& entry, const QDate& today);
    // A known word missed in a test comes back today, whichever list holds it. Returns how many
    // items changed.
    int make_due_today(const QString& entry, const QDate& today);

    const QString& path() const { return path_; }
    QStringList lines() const;
    // Replaces review.txt atomically. On failure `error` names the file.
    bool save(QString* error = nullptr);

private:
    qsizetype index_of(const QString& list, const QString& entry) const;
    void append(ReviewItem item);
    void rebuild_index();

    QString path_;
    std::vector<ReviewItem> items_;
    // Item index by list, then by entry: looking up a shared string allocates nothing.
    QHash<QString, QHash<QString, qsizetype>> index_;
    bool changed_ = false;
    bool existed_ = false;
    int bad_lines_ = 0;
};

// ---- what the windows and the known-word moves call ----

// The date clock's today, or the system's when there is none.
QDate review_today(const DateClock* clock);
// The student's folder for the chosen language, ending in '/'.
QString review_language_folder(const Workspace& w, const LanguageSession& lang);

// Due known words of the chosen language. Brings the schedule in line with the known files and
// writes it when that changed something and there is anything to write (a failure is reported);
// with no known files and no review.txt nothing is written.
std::vector<ReviewItem> review_due_items(const Workspace& w, const LanguageSession& lang, QDate today,
                                         Prompter* prompter);
int review_due_count(const Workspace& w, const LanguageSession& lang, QDate today, Prompter* prompter);

// Keeps the schedule in step with a move between a list's unknown and known files (paths as
// move_word gets them): into a known file puts the entry in box 1 due tomorrow; out of one removes
// it. Other moves leave it alone. The schedule's new content joins `changes`, so that the move and
// the schedule change together or not at all.
void schedule_move(QDate today, const QString& destination, const QString& source, const QString& entry,
                   FileChanges& changes);
// The same on its own. False (with `error` set) when the schedule could not be written.
bool review_after_move(QDate today, const QString& destination, const QString& source, const QString& entry,
                       QString* error);
// A wrong answer in a student test: when the entry is known in the chosen language, it is due today.
// A failure to write is reported.
void review_missed_in_test(const Workspace& w, const LanguageSession& lang, QDate today, Prompter* prompter,
                           const QString& entry);

// One review sitting over the words due when it began. Every answer is written at once, so a
// sitting closed halfway loses nothing.
class ReviewSession {
public:
    // The session keeps references to the services, the workspace and the language: they outlive it.
    ReviewSession(const Services& services, const Workspace& w, const LanguageSession& lang);
    int total() const { return int(items_.size()); }
    // Index of the word on screen; total() once every word was answered.
    int position() const { return position_; }
    bool finished() const { return position_ >= total(); }
    const ReviewItem& current() const { return items_[size_t(position_)]; }
    int kept() const { return kept_; }
    int forgotten() const { return forgotten_; }
    int reviewed() const { return kept_ + forgotten_; }

    // "I knew it": the word moves up one box. False (and the word stays on screen) when the
    // schedule could not be written.
    bool knew_it();
    // "I forgot": the entry moves from the list's known file to the end of its unknown file, the
    // same move as a double-click, and leaves the schedule.
    bool forgot();

private:
    const Services& services_;
    const Workspace& workspace_;
    const LanguageSession& lang_;
    QString folder_;
    std::vector<ReviewItem> items_;
    int position_ = 0;
    int kept_ = 0, forgotten_ = 0;
};

}  // namespace ql
