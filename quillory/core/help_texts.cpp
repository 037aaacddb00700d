#include "help_texts.h"
#include "core/ui_text.h"

namespace ql {

HelpText instructions_text() {
    return {Quillory::tr("Instructions"),
            Quillory::tr(
                "First select a language to learn by clicking on its name at the top left. Lists of words for that "
                "language will then appear.  Click on one of the lists to see the words on that list. Click on a word "
                "to hear it. Click on 'flash cards' to randomnly play words on the selected list.  You can "
                "double-click on a word to move it from the 'unknown' list to the 'known' list. The program "
                "remembers which words you have marked as 'known' for the next time you run the program. You can "
                "review the words you've marked as 'known' and double-click on them to move them back onto the "
                "'unknown' list. ")};
}

HelpText help_text() {
    return {Quillory::tr("Help"),
            Quillory::tr("For general instructions on how to use the program, click on Instructions. For additional "
                        "words, go to %1.  For additional help contact %2 at %3 or %4.")
                .arg(kWebSite, contact::kMaintainerName, contact::kEmail, contact::kPhone)};
}

HelpText troubleshooting_text() {
    // Line breaks are the message box's own; the program and its sound libraries carry their Linux names.
    const QString text =
        Quillory::tr("See the Help section if this information does not solve the problem.  The program depends on "
                     "the sound files and word lists to be in a certain location relative to the quillory program.  "
                     "The following files have to be in the indicated sub-folders relative to the quillory program. "
                     "\n\nquillory\t\tin 'quillory' folder"
                     "\nSDL2, SDL2_mixer\t\tinstalled with the system (libsdl2, libsdl2-mixer)"
                     "\nmp3 and wav sound files\texample: quillory/languages/spanish/01/01436.mp3"
                     "\ntext files of word lists\texample: quillory/languages/spanish/most_common_words.txt"
                     "\nthe users known word lists\texample: quillory/users/kestrel/spanish/most_common_words-u.txt");
    return {Quillory::tr("Troubleshooting"), text};
}

HelpText about_text() {
    return {Quillory::tr("About %1 Vocabulary Tutor").arg(kWebSite),
            Quillory::tr("Quillory version %1 %2. ").arg(kVersion, kWebSite)};
}

}  // namespace ql
