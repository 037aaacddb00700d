// Adding languages and word lists from the main window.
#include "main_window.h"

#include "core/list_admin.h"

#include <QListWidget>

namespace ql {

void MainWindow::on_new_language() {
    if (!services_.prompter || !add_language(*services_.prompter, workspace_)) return;
    // Every language once, the new one among them; the first is chosen, as at start-up.
    list_languages();
    words_view_->clear();
    translations_view_->clear();
    select_row(languages_view_, 0);
}

void MainWindow::on_add_list() {
    if (!services_.prompter || !add_word_list(*services_.prompter, workspace_, lang_)) return;
    choose_language(lang_.current_language);
}

}  // namespace ql
