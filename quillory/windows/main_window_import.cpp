// Word lists brought from other tutors (File menu, or a file dropped on the window) and taken out again.
#include "main_window.h"

#include "core/list_import.h"
#include "core/prompter.h"
#include "core/text_file.h"
#include "windows/import_dialog.h"
#include "core/ui_text.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QMimeData>

namespace ql {

namespace {

QString import_filter() { return Quillory::tr("Word lists (*.txt *.tsv *.csv *.kvtml);;All files (*)"); }
QString tsv_filter() { return Quillory::tr("Tab-separated text for card tutors (*.txt)"); }
QString kvtml_filter() { return Quillory::tr("KVTML vocabulary document (*.kvtml)"); }

QString dropped_file(const QMimeData* mime) {
    if (!mime || !mime->hasUrls()) return QString();
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile()) return url.toLocalFile();
    return QString();
}

}  // namespace

void MainWindow::on_import_word_list() {
    if (lang_.current_language.isEmpty()) {
        services_.prompter->message(Quillory::tr("First select a language."));
        return;
    }
    const QString path = QFileDialog::getOpenFileName(this, Quillory::tr("Import Word List"), QString(), import_filter());
    if (!path.isEmpty()) import_word_list_file(path);
}

void MainWindow::import_word_list_file(const QString& path) {
    const QString language = lang_.current_language;
    if (language.isEmpty()) {
        services_.prompter->message(Quillory::tr("First select a language."));
        return;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        services_.prompter->message(Quillory::tr("The file %1 could not be read: %2").arg(path, f.errorString()));
        return;
    }
    const QByteArray bytes = f.readAll();
    WordTable table = parse_word_file(bytes, QFileInfo(path).fileName());
    if (!table.error.isEmpty()) {
        services_.prompter->message(Quillory::tr("Nothing was imported from %1.\r\n%2").arg(QFileInfo(path).fileName(), table.error));
        return;
    }
    ImportDialog preview(workspace_, services_.prompter, language, lang_.target_language, path, bytes, std::move(table), this);
    if (preview.exec() != QDialog::Accepted) return;
    const ImportOutcome r = import_word_pairs(workspace_, language, preview.list_name(), preview.pairs().pairs);
    services_.prompter->message(r.message);
    if (!r.ok) return;
    // The new list shows among the others, chosen, as a click on it would show it.
    choose_language(language);
    const auto found = lists_view_->findItems(r.list_name, Qt::MatchExactly);
    if (!found.isEmpty()) select_row(lists_view_, lists_view_->row(found.first()));
}

void MainWindow::on_export_word_list() {
    const QString list = exportable_list();
    if (list.isEmpty()) {
        services_.prompter->message(Quillory::tr("First select a list of words to export."));
        return;
    }
    QString filter = tsv_filter();
    // Offered beside the user's own files, not among the program's data.
    QString path = QFileDialog::getSaveFileName(this, Quillory::tr("Export Word List"),
                                                QDir::homePath() + u'/' + list + QStringLiteral(".txt"),
                                                tsv_filter() + QStringLiteral(";;") + kvtml_filter(), &filter);
    if (path.isEmpty()) return;
    if (filter == kvtml_filter() && !path.endsWith(QStringLiteral(".kvtml"), Qt::CaseInsensitive))
        path += QStringLiteral(".kvtml");
    export_word_list_file(path);
}

QString MainWindow::exportable_list() const {
    if (lang_.current_language.isEmpty() || lang_.current_list.isEmpty()) return QString();
    // A list chosen in another language stays current after a language click; it is not this one's.
    const QString path = workspace_.languages_folder + lang_.current_language + u'/' + lang_.current_list + QStringLiteral(".txt");
    return file_exists(path) ? lang_.current_list : QString();
}

void MainWindow::export_word_list_file(const QString& path) {
    const QString list = exportable_list();
    if (list.isEmpty()) {
        services_.prompter->message(Quillory::tr("First select a list of words to export."));
        return;
    }
    QString error;
    if (!export_word_list(workspace_, lang_.current_language, list, path, export_format_for(path), &error)) {
        services_.prompter->message(error);
        return;
    }
    services_.prompter->message(Quillory::tr("The list %1 was exported to %2.").arg(list, path));
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!dropped_file(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = dropped_file(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    // A list written meanwhile would take the sound numbers the running deck import has handed out.
    if (busy_with_deck_import()) return;
    if (path.endsWith(QStringLiteral(".apkg"), Qt::CaseInsensitive)) import_anki_deck_file(path);
    else import_word_list_file(path);
}

}  // namespace ql
