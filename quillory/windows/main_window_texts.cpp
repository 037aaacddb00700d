// Search boxes, the text views and the instruction and help texts of the main window.
#include "main_window.h"

#include "core/help_texts.h"
#include "core/prompter.h"
#include "core/search.h"
#include "core/text_views.h"
#include "core/ui_text.h"

#include <QDateTime>

namespace ql {

namespace {

void show_help(const Services& services, const HelpText& h) {
    if (services.prompter) services.prompter->message(h.text, h.title);
}

}  // namespace

// Both boxes search on every keystroke; the master is cached, so this stays quick on a large one.
void MainWindow::on_word_search_changed(const QString& text) {
    if (search_master_list(lang_.master_file, services_.prompter, shown_, SearchField::Word, text)) display_words();
}

void MainWindow::on_translation_search_changed(const QString& text) {
    if (search_master_list(lang_.master_file, services_.prompter, shown_, SearchField::Translation, text)) display_words();
}

void MainWindow::on_print_list() {
    if (shown_.shown_file.isEmpty()) {
        if (services_.prompter) services_.prompter->message(Quillory::tr("You must first select one of the word/phrase lists."));
        return;
    }
    open_text(word_list_text(workspace_, shown_, QDateTime::currentDateTime()));
}

void MainWindow::open_text(const QString& text) {
    const auto open = openers_.test_results;
    hide_for(open ? std::function<void()>([open, text] { open(text); }) : nullptr, Quillory::tr("test results window"));
}

void MainWindow::on_show_test_results() {
    // No results file yet (no test finished) shows an empty text.
    open_text(test_results_text(workspace_));
}

void MainWindow::on_progress() {
    // The charts only read the student's files, so the main window stays to choose another language.
    if (!openers_.progress) {
        if (services_.prompter) services_.prompter->message(Quillory::tr("The progress window is not available in this version of the program."));
        return;
    }
    openers_.progress();
}

void MainWindow::on_instructions() { show_help(services_, instructions_text()); }

void MainWindow::on_help() { show_help(services_, help_text()); }

void MainWindow::on_troubleshooting() { show_help(services_, troubleshooting_text()); }

void MainWindow::on_about() { show_help(services_, about_text()); }

}  // namespace ql
