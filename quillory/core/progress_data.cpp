#include "progress_data.h"

#include "text_file.h"
#include "core/ui_text.h"

#include <QHash>
#include <QTimeZone>
#include <algorithm>

namespace ql {

namespace {

// Digits only, at most `max_digits` of them; -1 otherwise. Stricter than toInt, which takes signs
// and spaces a results line never holds.
int number(QStringView s, int max_digits) {
    if (s.isEmpty() || s.size() > max_digits) return -1;
    int n = 0;
    for (QChar c : s) {
        if (c < u'0' || c > u'9') return -1;
        n = n * 10 + (c.unicode() - u'0');
    }
    return n;
}

std::optional<QTime> parse_time(QStringView text) {
    int pm = -1;  // -1: a 24-hour time
    if (text.endsWith(u"AM", Qt::CaseInsensitive) || text.endsWith(u"PM", Qt::CaseInsensitive)) {
        pm = text.endsWith(u"PM", Qt::CaseInsensitive) ? 1 : 0;
        text = text.chopped(2).trimmed();
    }
    const auto parts = text.split(u':');
    if (parts.size() != 2 && parts.size() != 3) return std::nullopt;
    int h = number(parts[0], 2), mi = number(parts[1], 2), s = parts.size() == 3 ? number(parts[2], 2) : 0;
    if (h < 0 || mi < 0 || s < 0 || mi > 59 || s > 59) return std::nullopt;
    if (pm >= 0) {
        if (h < 1 || h > 12) return std::nullopt;
        h = h % 12 + (pm ? 12 : 0);
    } else if (h > 23) {
        return std::nullopt;
    }
    return QTime(h, mi, s);
}

}  // namespace

namespace {

bool parse_wall_clock(QStringView text, QDate* date_out, QTime* time_out) {
    text = text.trimmed();
    const qsizetype space = text.indexOf(u' ');
    const QStringView date_part = space < 0 ? text : text.left(space);
    const auto d = date_part.split(u'/');
    if (d.size() != 3) return false;
    const int month = number(d[0], 2), day = number(d[1], 2);
    int year = number(d[2], 4);
    if (month < 0 || day < 0 || year < 0 || (d[2].size() != 2 && d[2].size() != 4)) return false;
    // Two-digit years as the old short date wrote them: 00-29 this century, 30-99 the last.
    if (d[2].size() == 2) year += year < 30 ? 2000 : 1900;
    const QDate date(year, month, day);
    if (!date.isValid()) return false;
    std::optional<QTime> time = QTime(0, 0);
    if (space >= 0) time = parse_time(text.mid(space + 1).trimmed());
    if (!time) return false;
    *date_out = date;
    *time_out = *time;
    return true;
}

// Local date-times for many wall-clock times. Local time asks the C library, which looks at the
// zone file on every call; the zone's own rules, read once, answer in memory, and each day's offset
// is asked once and reused, except on days the offset changes.
class LocalTimes {
public:
    QDateTime make(const QDate& date, const QTime& time) {
        auto it = offsets_.find(date);
        if (it == offsets_.end()) {
            const int morning = QDateTime(date, QTime(0, 0), zone_).offsetFromUtc();
            const int evening = QDateTime(date, QTime(23, 59, 59), zone_).offsetFromUtc();
            it = offsets_.insert(date, morning == evening ? std::optional<int>(morning) : std::nullopt);
        }
        return *it ? QDateTime(date, time, Qt::OffsetFromUTC, **it) : QDateTime(date, time);
    }

private:
    QTimeZone zone_ = QTimeZone::systemTimeZone();
    QHash<QDate, std::optional<int>> offsets_;
};

}  // namespace

QDateTime parse_us_date_time(QStringView text) {
    QDate date;
    QTime time;
    return parse_wall_clock(text, &date, &time) ? QDateTime(date, time) : QDateTime();
}

ScoreHistory parse_score_history(const QStringList& lines, const QString& student) {
    ScoreHistory h;
    LocalTimes local_times;
    for (const QString& line : lines) {
        const QStringView v(line);
        const qsizetype tab = v.indexOf(u'\t');
        // A line without a TAB is one field; it is the student's only when that field is the name.
        if ((tab < 0 ? v : v.left(tab)) != student) continue;
        if (tab < 0 && v.trimmed().isEmpty()) continue;
        const auto f = v.split(u'\t');
        TestRecord r;
        bool ok = f.size() == 9;
        if (ok) {
            r.questions = number(f[3], 9);
            r.percent = f[4].endsWith(u'%') ? number(f[4].chopped(1), 3) : -1;
            QDate date;
            QTime time;
            ok = r.questions >= 0 && r.percent >= 0 && r.percent <= 100 && parse_wall_clock(f[8], &date, &time);
            if (ok) r.started = local_times.make(date, time);
        }
        if (!ok) {
            ++h.unreadable;
            continue;
        }
        r.language = f[1].toString();
        r.word_source = f[2].toString();
        r.kind = f[6].toString();
        h.tests.push_back(std::move(r));
    }
    // Wall-clock date and time order; comparing the date-times themselves would ask the time zone
    // at every step.
    std::stable_sort(h.tests.begin(), h.tests.end(), [](const TestRecord& a, const TestRecord& b) {
        const QDate da = a.started.date(), db = b.started.date();
        return da != db ? da < db : a.started.time() < b.started.time();
    });
    return h;
}

ScoreHistory read_score_history(const QString& results_path, const QString& student) {
    const auto lines = read_lines(results_path);
    return lines ? parse_score_history(*lines, student) : ScoreHistory{};
}

std::vector<ScoreSeries> score_series(const ScoreHistory& history, const QString& language) {
    std::vector<ScoreSeries> out;
    for (int i = 0; i < int(history.tests.size()); ++i) {
        const QString& lang = history.tests[size_t(i)].language;
        if (!language.isEmpty() && lang != language) continue;
        auto it = std::find_if(out.begin(), out.end(), [&](const ScoreSeries& s) { return s.language == lang; });
        if (it == out.end()) it = out.insert(out.end(), ScoreSeries{lang, {}});
        it->tests.push_back(i);
    }
    return out;
}

QString unreadable_lines_text(int count) {
    if (count <= 0) return QString();
    return count == 1 ? Quillory::tr("%n line could not be read", nullptr, count)
                      : Quillory::tr("%n lines could not be read", nullptr, count);
}

std::vector<ListProgress> known_words_by_list(const QString& student_language_folder) {
    const auto entries_in = [&](const QString& name) {
        int n = 0;
        if (const auto lines = read_lines(student_language_folder + name))
            for (const QString& line : *lines)
                if (parse_entry(line)) ++n;
        return n;
    };
    std::vector<ListProgress> out;
    QHash<QString, size_t> index;
    for (const QString& name : folder_entries(student_language_folder)) {
        QString list;
        bool known_file = false;
        if (name.endsWith(QStringLiteral("-k.txt"))) {
            list = name.chopped(6);
            known_file = true;
        } else if (name.endsWith(QStringLiteral("-u.txt"))) {
            list = name.chopped(6);
        } else {
            continue;
        }
        const int n = entries_in(name);
        auto it = index.find(list);
        if (it == index.end()) {
            it = index.insert(list, out.size());
            out.push_back({list, 0, 0});
        }
        (known_file ? out[*it].known : out[*it].unknown) += n;
    }
    out.erase(std::remove_if(out.begin(), out.end(), [](const ListProgress& p) { return p.known + p.unknown == 0; }),
              out.end());
    return out;
}

std::vector<int> due_per_day(const std::vector<QDate>& due_dates, const QDate& today, int days) {
    std::vector<int> out(size_t(std::max(days, 0)), 0);
    for (const QDate& d : due_dates) {
        if (!d.isValid()) continue;
        const qint64 ahead = std::max<qint64>(today.daysTo(d), 0);
        if (ahead < days) ++out[size_t(ahead)];
    }
    return out;
}

}  // namespace ql
