// Anki decks brought in as spoken lists (File menu, or a dropped .apkg) and lists taken out as decks.
#include "main_window.h"

#include "core/anki/anki_package.h"
#include "core/anki/deck_export.h"
#include "core/anki/deck_import.h"
#include "core/prompter.h"
#include "windows/deck_import_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QListWidget>

namespace ql {

namespace {

const QString kDeckFilter = QStringLiteral("Anki decks (*.apkg)");

}  // namespace

void MainWindow::on_import_anki_deck() {
    if (m_.current_language.isEmpty()) {
        m_.prompter->message(QStringLiteral("First select a language."));
        return;
    }
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Import Anki Deck"), QString(),
                                                      kDeckFilter + QStringLiteral(";;All files (*)"));
    if (!path.isEmpty()) import_anki_deck_file(path);
}

void MainWindow::import_anki_deck_file(const QString& path) {
    const QString language = m_.current_language;
    if (language.isEmpty()) {
        m_.prompter->message(QStringLiteral("First select a language."));
        return;
    }
    QString error;
    std::optional<AnkiDeck> deck;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        deck = read_anki_package(path, &error);
        QApplication::restoreOverrideCursor();
    }
    if (!deck) {
        m_.prompter->message(error);
        return;
    }
    if (deck->notes.empty()) {
        m_.prompter->message(QStringLiteral("The Anki deck %1 holds no notes. Nothing was imported.")
                                 .arg(QFileInfo(path).fileName()));
        return;
    }
    DeckImportDialog preview(*deck, m_.languages_folder, language, m_.target_language, m_.prompter, this);
    if (preview.exec() != QDialog::Accepted) return;
    const auto plan = plan_deck_import(
        *deck, preview.pairs(), {m_.languages_folder, language, m_.target_language, preview.list_name()}, &error);
    if (!plan) {
        m_.prompter->message(error);
        return;
    }
    const DeckImportOutcome r = import_deck_with_progress(*deck, *plan, this);
    m_.prompter->message(r.message);
    if (!r.ok) return;
    // The new list shows among the others, chosen, as a click on it would show it.
    choose_language(language);
    const auto found = lists_view_->findItems(r.list_name, Qt::MatchExactly);
    if (!found.isEmpty()) select_row(lists_view_, lists_view_->row(found.first()));
}

void MainWindow::on_export_anki_deck() {
    const QString list = exportable_list();
    if (list.isEmpty()) {
        m_.prompter->message(QStringLiteral("First select a list of words to export."));
        return;
    }
    QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Export as Anki Deck"),
        QDir::homePath() + u'/' + m_.current_language + u'_' + list + QStringLiteral(".apkg"), kDeckFilter);
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".apkg"), Qt::CaseInsensitive)) path += QStringLiteral(".apkg");
    export_anki_deck_file(path);
}

void MainWindow::export_anki_deck_file(const QString& path) {
    const QString list = exportable_list();
    if (list.isEmpty()) {
        m_.prompter->message(QStringLiteral("First select a list of words to export."));
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const DeckExportOutcome r =
        export_anki_deck({m_.languages_folder, m_.current_language, list, m_.target_language}, path);
    QApplication::restoreOverrideCursor();
    m_.prompter->message(r.message);
}

}  // namespace ql
