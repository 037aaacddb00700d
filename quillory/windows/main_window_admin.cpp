// Adding languages and word lists from the main window.
#include "main_window.h"

#include "core/list_admin.h"

#include <QListWidget>

namespace ql {

void MainWindow::on_new_language() {
    if (!m_.prompter || !add_language(*m_.prompter, m_)) return;
    // Every language once, the new one among them; the first is chosen, as at start-up.
    list_languages();
    words_view_->clear();
    translations_view_->clear();
    select_row(languages_view_, 0);
}

void MainWindow::on_add_list() {
    if (!m_.prompter || !add_word_list(*m_.prompter, m_, m_)) return;
    choose_language(m_.current_language);
}

}  // namespace ql
