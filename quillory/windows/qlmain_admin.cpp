// Adding languages and word lists from the main window.
#include "qlmain.h"

#include "core/list_admin.h"

#include <QListWidget>

namespace ql {

void QlMain::on_new_language() {
    if (!add_language(m_)) return;
    // Every language once, the new one among them; the first is chosen, as at start-up.
    list_languages();
    words_list_->clear();
    words_liste_->clear();
    select_row(lang_list_, 0);
}

void QlMain::on_add_list() {
    if (!add_word_list(m_)) return;
    choose_language(m_.current_language);
}

}  // namespace ql
