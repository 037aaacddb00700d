#pragma once
#include <QString>

namespace ql {

// What other windows and the shared procedures may ask of the main window, without knowing it.
class MainView {
public:
    virtual ~MainView() = default;
    // Refills both word columns from the shown arrays.
    virtual void display_words() = 0;
    // Refills the known-lists box from the student's files.
    virtual void refresh_known_list() = 0;
    virtual void set_sound_file_text(const QString& text) = 0;
    virtual void set_word_count_text(const QString& text) = 0;
    // Shows the main window again when another window closes.
    virtual void show_main() = 0;
    // Runs the language click on the language of that name (after a list was added).
    virtual void choose_language(const QString& language) = 0;
};

}  // namespace ql
