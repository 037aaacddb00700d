#include "test_session.h"

#include "workspace.h"
#include "text_file.h"
#include "core/ui_text.h"

#include <QLocale>

namespace ql {

namespace {

QChar plain_letter(QChar c) {
    switch (c.unicode()) {
    case 0xE0: case 0xE1: case 0xE3: return u'a';
    case 0xE8: case 0xE9: return u'e';
    case 0xEC: case 0xED: return u'i';
    case 0xF1: return u'n';
    case 0xF2: case 0xF3: case 0xF5: case 0xF6: return u'o';
    default: return c;
    }
}

}  // namespace

QString fold_accents(const QString& s) {
    QString out = s;
    for (QChar& c : out) c = plain_letter(c);
    return out;
}

bool has_folded_accent(const QString& s) {
    for (QChar c : s)
        if (plain_letter(c) != c) return true;
    return false;
}

Verdict judge_answer(TestKind kind, const QString& answer, const QString& correct_answer) {
    if (kind == TestKind::MultipleChoice) return Verdict{answer == correct_answer, {}};
    if (answer.isEmpty()) return {};
    const auto in = [&](const QString& piece) { return correct_answer.contains(piece, Qt::CaseInsensitive); };
    const bool found = in(answer + u'\\') || in(answer + u'/') || in(answer + QStringLiteral(" (")) ||
                       in(u' ' + answer) || in(answer + u',') || answer == correct_answer;
    if (!found) return {};
    return Verdict{true, Quillory::tr("%1 found in %2").arg(answer, correct_answer)};
}

int percent_right(int correct_count, int asked_count) {
    if (asked_count <= 0) return 0;
    // Integer form of Int(correct * 100 / asked + 0.5), exact for every count.
    return int((200LL * qMax(correct_count, 0) + asked_count) / (2LL * asked_count));
}

QString elapsed_text(qint64 seconds) {
    if (seconds < 0) seconds = 0;
    const qint64 h = seconds / 3600, mm = seconds / 60 % 60, ss = seconds % 60;
    const QString minutes = QStringLiteral("%1:%2 ").arg(mm, 2, 10, QChar(u'0')).arg(ss, 2, 10, QChar(u'0'));
    return h == 0 ? minutes : QString::number(h) + u':' + minutes;
}

QString us_date_time(const QDateTime& t) {
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(t, QStringLiteral("M/d/yyyy h:mm:ss AP"));
}

QString kind_text(TestKind kind) {
    switch (kind) {
    case TestKind::MultipleChoice: return QStringLiteral("Multiple Choice");
    case TestKind::Spelling: return QStringLiteral("Spelling");
    case TestKind::FillInBlank: return QStringLiteral("Fill In Blank");
    case TestKind::None: break;
    }
    return QString();
}

QString presentation_text(TestKind kind, Presentation p) {
    if (kind == TestKind::Spelling) return QStringLiteral("Sound Only");
    switch (p) {
    case Presentation::TextOnly: return QStringLiteral("Text Only");
    case Presentation::SoundOnly: return QStringLiteral("Sound Only");
    case Presentation::TextAndSound: return QStringLiteral("Text and Sound");
    }
    return QString();
}

QString format_results_line(const ResultsLine& r) {
    return QStringList{r.student,
                       r.language,
                       r.word_source,
                       QString::number(r.asked_count),
                       QString::number(r.percent) + u'%',
                       elapsed_text(r.elapsed_seconds),
                       kind_text(r.kind),
                       presentation_text(r.kind, r.presentation),
                       us_date_time(r.started)}
        .join(u'\t');
}

QString results_file_path(const Workspace& w) { return w.working_folder + QStringLiteral("test_results.txt"); }

bool append_results_line(const Workspace& w, const ResultsLine& r, QString* error) {
    return append_lines(results_file_path(w), {format_results_line(r)}, error);
}

QString find_test_sound(const Workspace& w, const QString& language, const QString& s) {
    const QString d = w.languages_folder + language;
    const QString sub = s.left(2) + u'/' + s;
    for (const QString& p : {d + QStringLiteral("/new_wav/") + sub + QStringLiteral(".wav"),
                             d + QStringLiteral("/new_mp3/") + sub + QStringLiteral(".mp3"),
                             d + u'/' + sub + QStringLiteral(".mp3")})
        if (file_exists(p)) return p;
    return QString();
}

}  // namespace ql
