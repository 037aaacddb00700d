// Adding languages and word lists from the main window.
#include "qlmain.h"

#include "core/prompter.h"

namespace ql {

void QlMain::on_new_language() {
    if (m_.prompter)
        m_.prompter->message(QStringLiteral("Adding a language is not available in this version of the program."));
}

void QlMain::on_add_list() {
    if (m_.prompter)
        m_.prompter->message(QStringLiteral("Adding a word list is not available in this version of the program."));
}

}  // namespace ql
