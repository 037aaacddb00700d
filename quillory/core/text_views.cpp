#include "text_views.h"

#include "shown_words.h"
#include "workspace.h"
#include "test_session.h"
#include "text_file.h"

namespace ql {

QString word_list_text(const Workspace& w, const ShownWords& m, const QDateTime& now) {
    QString text = QStringLiteral("User: ") + w.student_name + QStringLiteral(" List: ") + m.shown_file +
                   QStringLiteral("  ") + us_date_time(now) + QStringLiteral("\r\n");
    for (qsizetype i = 0; i < m.shown_words.size(); ++i) {
        const QString& w = m.shown_words[i];
        const QString pad = w.size() > 15 ? QString() : QString(17 - w.size(), u' ');
        text += QStringLiteral("\r\n") + w + pad + u'\t' + m.shown_translations.value(i);
    }
    return text;
}

QString test_results_text(const Workspace& w) { return read_text(results_file_path(w)).value_or(QString()); }

}  // namespace ql
