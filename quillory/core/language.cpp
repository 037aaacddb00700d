#include "language_session.h"
#include "workspace.h"
#include "text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ql {

namespace {

// Reads "<number>|<number>" lines into the 0-99999 table; lines that do not fit are skipped.
void load_translation_index(LanguageSession& m) {
    auto lines = read_lines(m.trans_index_file);
    if (!lines) return;
    for (const QString& line : *lines) {
        const qsizetype bar = line.indexOf(u'|');
        if (bar < 0) continue;
        bool ok = false;
        const int k = line.left(bar).trimmed().toInt(&ok);
        if (!ok || k < 0 || k >= int(m.target_sound_numbers.size())) continue;
        QString target = line.mid(bar + 1);
        const qsizetype next = target.indexOf(u'|');
        if (next >= 0) target.truncate(next);
        m.target_sound_numbers[k] = target;
    }
}

}  // namespace

LanguageChoice choose_language(const Workspace& w, const QString& language) {
    LanguageChoice choice;
    LanguageSession& m = choice.session;
    m.current_language = language;
    QDir().mkpath(w.user_folder + language);

    const QString folder = w.languages_folder + language + u'/';
    const QString master_base = QStringLiteral("master_") + language;
    for (const QString& name : folder_entries(folder)) {
        if (!name.endsWith(QStringLiteral(".txt"))) continue;
        const QString path = folder + name;
        if (!QFileInfo(path).isFile()) continue;
        const QString base = name.left(name.size() - 4);
        if (file_size(path) < 2) {
            QFile::remove(path);
            continue;
        }
        if (base != master_base) choice.lists << base;
    }

    m.master_file = folder + QStringLiteral("master_") + language + QStringLiteral(".txt");
    m.trans_file = folder + QStringLiteral("trans_") + language + QStringLiteral(".dat");
    if (file_exists(m.trans_file)) {
        m.target_language = read_first_line(m.trans_file).value_or(QString());
        m.trans_index_file = folder + QStringLiteral("trans_index_") + language + u'_' + m.target_language +
                             QStringLiteral(".dat");
        load_translation_index(m);
    }
    return choice;
}

Workspace workspace_of(const QString& working_folder) {
    Workspace w;
    w.working_folder = working_folder;
    w.languages_folder = working_folder + QStringLiteral("languages/");
    return w;
}

Workspace with_student(Workspace w, const QString& student_name) {
    w.student_name = student_name;
    w.user_folder = w.working_folder + QStringLiteral("users/") + (student_name.isEmpty() ? QString() : student_name + u'/');
    return w;
}

}  // namespace ql
