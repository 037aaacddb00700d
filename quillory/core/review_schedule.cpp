#include "review_schedule.h"

#include "prompter.h"
#include "language_session.h"
#include "services.h"
#include "workspace.h"
#include "known_words.h"
#include "text_file.h"

#include <QFileInfo>
#include <algorithm>
#include <array>

namespace ql {

namespace {

constexpr std::array<int, kReviewBoxes> kIntervalDays{1, 3, 7, 14, 30, 60, 120};
constexpr int kSpreadDays = 7;
const QString kKnownSuffix = QStringLiteral("-k.txt");
const QString kUnknownSuffix = QStringLiteral("-u.txt");

class SystemDateClock : public DateClock {
public:
    QDate today() const override { return QDate::currentDate(); }
};

QString iso(const QDate& d) { return d.isValid() ? d.toString(Qt::ISODate) : QString(); }

// yyyy-MM-dd, or an invalid date.
QDate parse_iso_date(QStringView s) {
    if (s.size() != 10 || s[4] != u'-' || s[7] != u'-') return QDate();
    int parts[3] = {0, 0, 0};
    const int starts[3] = {0, 5, 8}, lengths[3] = {4, 2, 2};
    for (int p = 0; p < 3; ++p)
        for (int i = starts[p]; i < starts[p] + lengths[p]; ++i) {
            if (!s[i].isDigit() || s[i].unicode() > u'9') return QDate();
            parts[p] = parts[p] * 10 + (s[i].unicode() - u'0');
        }
    return QDate(parts[0], parts[1], parts[2]);
}

// A line is an entry when it splits at "|" into exactly three fields.
bool is_entry_line(QStringView line) { return line.count(u'|') == 2; }


void report(Prompter* prompter, const QString& error) {
    if (prompter && !error.isEmpty()) prompter->message(error);
}

}  // namespace

DateClock& system_date_clock() {
    static SystemDateClock clock;
    return clock;
}

int review_interval_days(int box) { return kIntervalDays[size_t(std::clamp(box, 1, kReviewBoxes) - 1)]; }

QString format_review_line(const ReviewItem& item) {
    return item.list + u'\t' + item.sound_number() + u'\t' + item.entry + u'\t' + QString::number(item.box) + u'\t' +
           iso(item.due) + u'\t' + iso(item.last_seen);
}

std::optional<ReviewItem> parse_review_line(const QString& line) { return parse_review_line(line, QString()); }

std::optional<ReviewItem> parse_review_line(const QString& line, const QString& previous_list) {
    // Cut by hand: a schedule of tens of thousands of lines is read each time the main window
    // counts the due words, and splitting each line into a list costs more than the reading.
    const qsizetype t1 = line.indexOf(u'\t');
    const qsizetype t2 = t1 > 0 ? line.indexOf(u'\t', t1 + 1) : -1;
    const qsizetype t5 = t2 > 0 ? line.lastIndexOf(u'\t') : -1;
    const qsizetype t4 = t5 > t2 ? line.lastIndexOf(u'\t', t5 - 1) : -1;
    const qsizetype t3 = t4 > t2 ? line.lastIndexOf(u'\t', t4 - 1) : -1;
    if (t3 <= t2) return std::nullopt;
    const QStringView view(line);
    const QStringView sound = view.sliced(t1 + 1, t2 - t1 - 1);
    const QStringView entry = view.sliced(t2 + 1, t3 - t2 - 1);
    if (entry.count(u'|') != 2 || entry.sliced(entry.lastIndexOf(u'|') + 1) != sound) return std::nullopt;
    ReviewItem item;
    bool ok = false;
    item.box = view.sliced(t3 + 1, t4 - t3 - 1).toInt(&ok);
    if (!ok || item.box < 1 || item.box > kReviewBoxes) return std::nullopt;
    item.due = parse_iso_date(view.sliced(t4 + 1, t5 - t4 - 1));
    if (!item.due.isValid()) return std::nullopt;
    const QStringView seen = view.sliced(t5 + 1);
    if (!seen.isEmpty()) {
        item.last_seen = parse_iso_date(seen);
        if (!item.last_seen.isValid()) return std::nullopt;
    }
    // Lines of one list follow each other: sharing its name saves an allocation per line.
    const QStringView list = view.first(t1);
    item.list = list == previous_list ? previous_list : list.toString();
    item.entry = entry.toString();
    return item;
}

QString review_file_path(const QString& language_folder) { return language_folder + QStringLiteral("review.txt"); }

std::vector<KnownEntry> read_known_entries(const QString& language_folder) {
    std::vector<KnownEntry> known;
    for (const QString& name : folder_entries(language_folder)) {
        if (!name.endsWith(kKnownSuffix)) continue;
        const QString path = language_folder + name;
        // Known files under 2 bytes hold nothing; the main window deletes them.
        if (file_size(path) < 2) continue;
        const QString list = name.left(name.size() - kKnownSuffix.size());
        for (const QString& line : read_lines(path).value_or(QStringList()))
            if (is_entry_line(line)) known.push_back(KnownEntry{list, line});
    }
    return known;
}

// ---- the schedule ----

ReviewSchedule ReviewSchedule::open(const QString& language_folder, const QDate& today, bool reconcile) {
    ReviewSchedule s;
    s.path_ = review_file_path(language_folder);
    const auto lines = file_exists(s.path_) ? read_lines(s.path_) : std::nullopt;
    s.existed_ = lines.has_value();
    if (lines) {
        s.items_.reserve(size_t(lines->size()));
        for (const QString& line : *lines) {
            auto item = parse_review_line(line, s.items_.empty() ? QString() : s.items_.back().list);
            if (!item || s.index_of(item->list, item->entry) >= 0) {
                // An empty last line is what a hand edit often leaves; it is not worth counting.
                if (!line.isEmpty()) ++s.bad_lines_;
                continue;
            }
            s.append(std::move(*item));
        }
    }
    if (s.existed_ && !reconcile) return s;

    // Known entries the schedule lacks join it, spread over a week; with `reconcile`, items whose
    // entry is no longer known leave it.
    std::vector<char> known(s.items_.size(), 0);
    int added = 0;
    for (const KnownEntry& k : read_known_entries(language_folder)) {
        const qsizetype at = s.index_of(k.list, k.entry);
        if (at >= 0) {
            known[size_t(at)] = 1;
            continue;
        }
        s.append(ReviewItem{k.list, k.entry, 1, today.addDays(added % kSpreadDays), QDate()});
        known.push_back(1);
        ++added;
    }
    if (added > 0) s.changed_ = true;
    if (std::find(known.begin(), known.end(), 0) != known.end()) {
        std::vector<ReviewItem> kept;
        kept.reserve(s.items_.size());
        for (size_t i = 0; i < s.items_.size(); ++i)
            if (known[i]) kept.push_back(std::move(s.items_[i]));
        s.items_ = std::move(kept);
        s.rebuild_index();
        s.changed_ = true;
    }
    return s;
}

qsizetype ReviewSchedule::index_of(const QString& list, const QString& entry) const {
    const auto l = index_.constFind(list);
    if (l == index_.constEnd()) return -1;
    return l->value(entry, -1);
}

void ReviewSchedule::append(ReviewItem item) {
    index_[item.list].insert(item.entry, qsizetype(items_.size()));
    items_.push_back(std::move(item));
}

void ReviewSchedule::rebuild_index() {
    index_.clear();
    for (size_t i = 0; i < items_.size(); ++i) index_[items_[i].list].insert(items_[i].entry, qsizetype(i));
}

ReviewItem* ReviewSchedule::find(const QString& list, const QString& entry) {
    const qsizetype at = index_of(list, entry);
    return at < 0 ? nullptr : &items_[size_t(at)];
}

std::vector<ReviewItem> ReviewSchedule::due(const QDate& today) const {
    std::vector<ReviewItem> out;
    for (const ReviewItem& i : items_)
        if (i.due <= today) out.push_back(i);
    std::stable_sort(out.begin(), out.end(), [](const ReviewItem& a, const ReviewItem& b) { return a.due < b.due; });
    return out;
}

int ReviewSchedule::due_count(const QDate& today) const {
    return int(std::count_if(items_.begin(), items_.end(), [&](const ReviewItem& i) { return i.due <= today; }));
}

void ReviewSchedule::add_known(const QString& list, const QString& entry, const QDate& today) {
    changed_ = true;
    if (ReviewItem* i = find(list, entry)) {
        i->box = 1;
        i->due = today.addDays(review_interval_days(1));
        i->last_seen = today;
        return;
    }
    append(ReviewItem{list, entry, 1, today.addDays(review_interval_days(1)), today});
}

bool ReviewSchedule::remove(const QString& list, const QString& entry) {
    const qsizetype at = index_of(list, entry);
    if (at < 0) return false;
    items_.erase(items_.begin() + at);
    rebuild_index();
    changed_ = true;
    return true;
}

bool ReviewSchedule::keep(const QString& list, const QString& entry, const QDate& today) {
    ReviewItem* i = find(list, entry);
    if (!i) return false;
    i->box = std::min(i->box + 1, kReviewBoxes);
    i->due = today.addDays(review_interval_days(i->box));
    i->last_seen = today;
    changed_ = true;
    return true;
}

int ReviewSchedule::make_due_today(const QString& entry, const QDate& today) {
    int n = 0;
    for (ReviewItem& i : items_) {
        if (i.entry != entry) continue;
        if (i.due > today) i.due = today;
        ++n;
    }
    if (n > 0) changed_ = true;
    return n;
}

QStringList ReviewSchedule::lines() const {
    QStringList lines;
    lines.reserve(qsizetype(items_.size()));
    for (const ReviewItem& i : items_) lines << format_review_line(i);
    return lines;
}

bool ReviewSchedule::save(QString* error) {
    if (!write_lines(path_, lines(), error)) return false;
    changed_ = false;
    existed_ = true;
    return true;
}

// ---- the program's calls ----

QDate review_today(const DateClock* clock) { return (clock ? *clock : system_date_clock()).today(); }

QString review_language_folder(const Workspace& w, const LanguageSession& lang) {
    return w.user_folder + lang.current_language + u'/';
}

std::vector<ReviewItem> review_due_items(const Workspace& w, const LanguageSession& lang, QDate today,
                                         Prompter* prompter) {
    if (lang.current_language.isEmpty()) return {};
    ReviewSchedule s = ReviewSchedule::open(review_language_folder(w, lang), today, true);
    if (s.changed()) {
        QString error;
        if (!s.save(&error)) report(prompter, error);
    }
    return s.due(today);
}

int review_due_count(const Workspace& w, const LanguageSession& lang, QDate today, Prompter* prompter) {
    return int(review_due_items(w, lang, today, prompter).size());
}

void schedule_move(QDate today, const QString& destination, const QString& source, const QString& entry,
                   FileChanges& changes) {
    const bool into_known = destination.endsWith(kKnownSuffix);
    const bool out_of_known = source.endsWith(kKnownSuffix);
    if (into_known == out_of_known) return;
    const QFileInfo known(into_known ? destination : source);
    const QString folder = known.path() + u'/';
    const QString list = known.fileName().chopped(kKnownSuffix.size());
    ReviewSchedule s = ReviewSchedule::open(folder, today, false);
    if (into_known)
        s.add_known(list, entry, today);
    else
        s.remove(list, entry);
    if (s.changed()) changes.rewrite_lines(s.path(), s.lines());
}

bool review_after_move(QDate today, const QString& destination, const QString& source, const QString& entry,
                       QString* error) {
    FileChanges changes;
    schedule_move(today, destination, source, entry, changes);
    return changes.apply(error);
}

void review_missed_in_test(const Workspace& w, const LanguageSession& lang, QDate today, Prompter* prompter,
                           const QString& entry) {
    if (lang.current_language.isEmpty()) return;
    ReviewSchedule s = ReviewSchedule::open(review_language_folder(w, lang), today, false);
    if (s.make_due_today(entry, today) == 0) return;
    QString error;
    if (!s.save(&error)) report(prompter, error);
}

// ---- a review sitting ----

ReviewSession::ReviewSession(const Services& services, const Workspace& w, const LanguageSession& lang)
    : services_(services),
      workspace_(w),
      lang_(lang),
      folder_(review_language_folder(w, lang)),
      items_(review_due_items(w, lang, review_today(services.date_clock), services.prompter)) {}

bool ReviewSession::knew_it() {
    if (finished()) return false;
    const ReviewItem& item = current();
    const QDate today = review_today(services_.date_clock);
    ReviewSchedule s = ReviewSchedule::open(folder_, today, false);
    if (s.keep(item.list, item.entry, today)) {
        QString error;
        if (!s.save(&error)) {
            report(services_.prompter, error);
            return false;
        }
    }
    ++kept_;
    ++position_;
    return true;
}

bool ReviewSession::forgot() {
    if (finished()) return false;
    const ReviewItem& item = current();
    const QString known = folder_ + item.list + kKnownSuffix;
    const QString unknown = folder_ + item.list + kUnknownSuffix;
    const bool still_known = read_lines(known).value_or(QStringList()).contains(item.entry);
    const QDate today = review_today(services_.date_clock);
    QString error;
    if (still_known) {
        const QString list_file =
            workspace_.languages_folder + lang_.current_language + u'/' + item.list + QStringLiteral(".txt");
        // A missing unknown file is made first, as a list click makes it: appending one word to a
        // missing file would leave it the list's only unknown word.
        const bool moved = make_unknown_file(lang_, list_file, known, unknown, &error) &&
                           move_entry(lang_, unknown, known, item.entry, today, &error);
        if (!moved) {
            report(services_.prompter, error);
            return false;
        }
    } else if (!review_after_move(today, unknown, known, item.entry, &error)) {
        // Gone from the known file behind the schedule's back: it only has to leave the schedule.
        report(services_.prompter, error);
    }
    ++forgotten_;
    ++position_;
    return true;
}

}  // namespace ql
