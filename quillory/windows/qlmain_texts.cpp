// Search boxes, the text views and the instruction and help texts of the main window.
#include "qlmain.h"

#include "core/prompter.h"

namespace ql {

namespace {

void not_ready(Qlmod& m, const QString& what) {
    if (m.prompter) m.prompter->message(QStringLiteral("%1 is not available in this version of the program.").arg(what));
}

}  // namespace

void QlMain::on_txt_word_search_changed(const QString&) {}

void QlMain::on_txt_word_search2_changed(const QString&) {}

void QlMain::on_print_list() { not_ready(m_, QStringLiteral("Showing the word list")); }

void QlMain::on_show_test_results() { hide_for(openers_.test_results, QStringLiteral("test results window")); }

void QlMain::on_instructions() { not_ready(m_, QStringLiteral("The instructions text")); }

void QlMain::on_help() { not_ready(m_, QStringLiteral("The help text")); }

void QlMain::on_troubleshooting() { not_ready(m_, QStringLiteral("The troubleshooting text")); }

void QlMain::on_about() { not_ready(m_, QStringLiteral("The about text")); }

}  // namespace ql
