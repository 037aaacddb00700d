#include "todays_review_mp3.h"

#include "core/player.h"
#include "core/prompter.h"
#include "core/todays_review.h"
#include "core/ui_text.h"

#include <QApplication>
#include <QCursor>

namespace ql {

void make_todays_review_mp3(Player& player, const LanguageSession& lang, const DrillSettings& drill) {
    Prompter* prompter = player.services.prompter;
    if (lang.current_language.isEmpty()) {
        if (prompter) prompter->message(Quillory::tr("Choose a language first."));
        return;
    }
    // A cold clip cache at a slow speed takes a few seconds; no event is delivered meanwhile, so
    // nothing can start a second compilation or change the language under this one.
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    const ReviewMp3Outcome outcome = compile_todays_review(player, lang, drill);
    QApplication::restoreOverrideCursor();
    if (prompter) prompter->message(review_mp3_message(outcome));
}

}  // namespace ql
