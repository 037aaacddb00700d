#pragma once

namespace ql {

// What a drill plays besides the foreign word. Unset lets each flash-card window pick its default.
enum class BottomMode {
    Unset,
    WordOnly,
    TranslationFirst,  // the translation once, before the word's plays
    Interlace,         // the translation after every interlace_every plays of the word
};

// The drill settings shared by both flash-card windows for the whole run.
struct DrillSettings {
    int repeat_count = 0;
    BottomMode bottom_mode = BottomMode::Unset;
    int interlace_every = 0;
    int top_text_delay = 0, bottom_text_delay = 0;
    int current_index = 0, previous_index = 0;
    long words_added = 0;
};

}  // namespace ql
