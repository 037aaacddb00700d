#pragma once
#include "core/main_view.h"

#include <QString>
#include <QStringList>

namespace ql::testing {

// Stands in for the main window: counts and records what other windows ask of it.
struct FakeMainView : MainView {
    int displays = 0, refreshes = 0, shown = 0;
    QStringList sound_file_texts;  // every text shown, in order
    QString word_count_text;
    QStringList chosen;  // languages chosen
    void display_words() override { ++displays; }
    void refresh_known_list() override { ++refreshes; }
    void set_sound_file_text(const QString& text) override { sound_file_texts << text; }
    void set_word_count_text(const QString& text) override { word_count_text = text; }
    void show_main() override { ++shown; }
    void choose_language(const QString& language) override { chosen << language; }
};

}  // namespace ql::testing
