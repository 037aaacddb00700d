#pragma once
#include <functional>

namespace ql {

// How the main window opens the others without knowing their classes; the app fills these in.
// Each opener is called after the main window checked its precondition and (except where noted)
// hid itself; the opened window shows the main window again through MainView::show_main() when it
// closes.
struct WindowOpeners {
    // Large flash cards; `main_stays_visible` for the known-list double-click. Returns when the
    // drill returns.
    std::function<void(bool main_stays_visible)> large_flash_cards;
    std::function<void()> small_flash_card;
    std::function<void()> record_and_edit;  // reads record_single_word / record_word_index
    std::function<void()> student_test;
    std::function<void()> test_results;     // shows results_text
    std::function<void()> progress;         // the progress charts; the main window stays visible beside them
    std::function<void()> review;           // the due known words of the chosen language
};

}  // namespace ql
