#pragma once
#include "core/main_view.h"

#include <QString>
#include <QStringList>

namespace ql::testing {

// Stands in for the main window: counts and records what other windows ask of it.
struct FakeMainView : MainView {
    int displays = 0, refreshes = 0, shown = 0;
    QStringList label6;  // every text shown, in order
    QString label8;
    QStringList chosen;  // languages chosen
    void display_words() override { ++displays; }
    void refresh_known_list() override { ++refreshes; }
    void set_label6(const QString& text) override { label6 << text; }
    void set_label8(const QString& text) override { label8 = text; }
    void show_main() override { ++shown; }
    void choose_language(const QString& language) override { chosen << language; }
};

}  // namespace ql::testing
