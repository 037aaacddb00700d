// Anki decks brought in as spoken lists (File menu, or a dropped .apkg) and lists taken out as decks.
#include "main_window.h"

#include "core/anki/anki_package.h"
#include "core/anki/deck_export.h"
#include "core/anki/deck_import.h"
#include "core/anki/deck_import_job.h"
#include "core/prompter.h"
#include "windows/deck_import_dialog.h"
#include "core/ui_text.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QTimer>
#include <algorithm>
#include <thread>

namespace ql {

namespace {

const QString kDeckFilter = Quillory::tr("Anki decks (*.apkg)");

}  // namespace

void MainWindow::on_import_anki_deck() {
    if (lang_.current_language.isEmpty()) {
        services_.prompter->message(Quillory::tr("First select a language."));
        return;
    }
    const QString path = QFileDialog::getOpenFileName(this, Quillory::tr("Import Anki Deck"), QString(),
                                                      kDeckFilter + Quillory::tr(";;All files (*)"));
    if (!path.isEmpty()) import_anki_deck_file(path);
}

void MainWindow::import_anki_deck_file(const QString& path) {
    const QString language = lang_.current_language;
    if (language.isEmpty()) {
        services_.prompter->message(Quillory::tr("First select a language."));
        return;
    }
    if (busy_with_deck_import()) return;
    QString error;
    std::optional<AnkiDeck> deck;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        deck = read_anki_package(path, &error);
        QApplication::restoreOverrideCursor();
    }
    if (!deck) {
        services_.prompter->message(error);
        return;
    }
    if (deck->notes.empty()) {
        services_.prompter->message(Quillory::tr("The Anki deck %1 holds no notes. Nothing was imported.")
                                 .arg(QFileInfo(path).fileName()));
        return;
    }
    auto* preview = new DeckImportDialog(std::move(*deck), workspace_, language, lang_.target_language, services_.prompter, this);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    connect(preview, &QDialog::accepted, this, [this, preview, language] { start_deck_import(*preview, language); });
    preview->open();
}

bool MainWindow::busy_with_deck_import() {
    if (!findChild<DeckImportJob*>()) return false;
    services_.prompter->message(
        Quillory::tr("An Anki deck is being imported. Please wait until it is done, then try again."));
    return true;
}

void MainWindow::start_deck_import(const DeckImportDialog& preview, const QString& language) {
    QString error;
    auto plan = plan_deck_import(preview.deck(), preview.pairs(),
                                 {workspace_.languages_folder, language, lang_.target_language, preview.list_name()}, &error);
    if (!plan) {
        services_.prompter->message(error);
        return;
    }
    const int threads = int(std::max(1u, std::thread::hardware_concurrency()));
    auto* job = new DeckImportJob(preview.deck(), std::move(*plan), threads);
    open_deck_import_progress(*job, this);
    connect(job, &DeckImportJob::finished, this,
            [this, language](const DeckImportOutcome& r) { show_deck_imported(r, language); });
    // The work starts once the bar is on screen.
    QTimer::singleShot(0, job, &DeckImportJob::start);
}

void MainWindow::show_deck_imported(const DeckImportOutcome& r, const QString& language) {
    services_.prompter->message(r.message);
    if (!r.ok) return;
    // The new list shows among the others, chosen, as a click on it would show it.
    choose_language(language);
    const auto found = lists_view_->findItems(r.list_name, Qt::MatchExactly);
    if (!found.isEmpty()) select_row(lists_view_, lists_view_->row(found.first()));
}

void MainWindow::on_export_anki_deck() {
    const QString list = exportable_list();
    if (list.isEmpty()) {
        services_.prompter->message(Quillory::tr("First select a list of words to export."));
        return;
    }
    QString path = QFileDialog::getSaveFileName(
        this, Quillory::tr("Export as Anki Deck"),
        QDir::homePath() + u'/' + lang_.current_language + u'_' + list + QStringLiteral(".apkg"), kDeckFilter);
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".apkg"), Qt::CaseInsensitive)) path += QStringLiteral(".apkg");
    export_anki_deck_file(path);
}

void MainWindow::export_anki_deck_file(const QString& path) {
    const QString list = exportable_list();
    if (list.isEmpty()) {
        services_.prompter->message(Quillory::tr("First select a list of words to export."));
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const DeckExportOutcome r =
        export_anki_deck({workspace_.languages_folder, lang_.current_language, list, lang_.target_language}, path);
    QApplication::restoreOverrideCursor();
    services_.prompter->message(r.message);
}

}  // namespace ql
