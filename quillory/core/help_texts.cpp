#include "help_texts.h"

namespace ql {

HelpText instructions_text() {
    return {QStringLiteral("Instructions"),
            QStringLiteral(
                "First select a language to learn by clicking on its name at the top left. Lists of words for that "
                "language will then appear.  Click on one of the lists to see the words on that list. Click on a word "
                "to hear it. Click on 'flash cards' to randomnly play words on the selected list.  You can "
                "double-click on a word to move it from the 'unknown' list to the 'known' list. The program "
                "remembers which words you have marked as 'known' for the next time you run the program. You can "
                "review the words you've marked as 'known' and double-click on them to move them back onto the "
                "'unknown' list. ")};
}

HelpText help_text() {
    return {QStringLiteral("Help"),
            QStringLiteral("For general instructions on how to use the program, click on Instructions. For additional "
                           "words, go to ") +
                kWebSite + QStringLiteral(".  For additional help contact ") + contact::kMaintainerName + QStringLiteral(" at ") + contact::kEmail +
                QStringLiteral(" or ") + contact::kPhone + QStringLiteral(".")};
}

HelpText troubleshooting_text() {
    // Line breaks are the message box's own; the program and its sound libraries carry their Linux names.
    const QString text =
        QStringLiteral("See the Help section if this information does not solve the problem.  The program depends on "
                       "the sound files and word lists to be in a certain location relative to the quillory program.  "
                       "The following files have to be in the indicated sub-folders relative to the quillory program. ") +
        QStringLiteral("\n\nquillory\t\tin 'quillory' folder") +
        QStringLiteral("\nSDL2, SDL2_mixer\t\tinstalled with the system (libsdl2, libsdl2-mixer)") +
        QStringLiteral("\nmp3 and wav sound files\texample: quillory/languages/spanish/01/01436.mp3") +
        QStringLiteral("\ntext files of word lists\texample: quillory/languages/spanish/most_common_words.txt") +
        QStringLiteral("\nthe users known word lists\texample: quillory/users/kestrel/spanish/most_common_words-u.txt");
    return {QStringLiteral("Troubleshooting"), text};
}

HelpText about_text() {
    return {QStringLiteral("About ") + kWebSite + QStringLiteral(" Vocabulary Tutor"),
            QStringLiteral("Quillory version ") + kVersion + u' ' + kWebSite + QStringLiteral(". ")};
}

}  // namespace ql
