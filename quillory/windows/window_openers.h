#pragma once
#include <QString>
#include <functional>
#include <optional>

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
    // The selected word alone (its entry index in the main window's shown entries), or the list.
    std::function<void(std::optional<int> single_entry)> record_and_edit;
    std::function<void()> student_test;
    std::function<void(const QString& text)> test_results;  // shows the text
    std::function<void()> progress;         // the progress charts; the main window stays visible beside them
    std::function<void()> review;           // the due known words of the chosen language
};

}  // namespace ql
