#pragma once
#include "support/run_pieces.h"
#include "support/data_tree.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ql::testing {

// The list drills are tested on, by the drill's own tests and by the card windows' alike: student
// "ann" drills the spanish list "l" (target english). Word i is "w<i>" with sound number 01000+i;
// its translation "t<i>" has sound number 02000+i. Recordings hold recognisable bytes.
struct DrillList {
    static QString word_sound(int i) { return QStringLiteral("%1").arg(1000 + i, 5, 10, QLatin1Char('0')); }
    static QString translation_sound(int i) { return QStringLiteral("%1").arg(2000 + i, 5, 10, QLatin1Char('0')); }
    static QByteArray word_bytes(int i) { return "W" + word_sound(i).toLatin1(); }
    static QByteArray translation_bytes(int i) { return "T" + translation_sound(i).toLatin1(); }

    // Makes "ann" the student on the tree and chooses the language, its target and the list; lays
    // the silence and the beep a compilation puts between words.
    static void choose(const DataTree& tree, RunPieces& m) {
        tree.attach(m, QStringLiteral("ann"));
        m.current_language = QStringLiteral("spanish");
        m.target_language = QStringLiteral("english");
        m.current_list = QStringLiteral("l");
        m.rng.seed(7);
        tree.write("silence.mp3", "SIL");
        tree.write("beep.mp3", "BEEP");
    }

    // Lays a list of n entries as the student's unknown file and loads it as the main window does.
    static void load(const DataTree& tree, RunPieces& m, int n, bool recordings = true) {
        QStringList lines;
        for (int i = 0; i < n; ++i) {
            lines << QStringLiteral("w%1|t%1|%2").arg(i).arg(word_sound(i));
            m.target_sound_numbers[size_t(1000 + i)] = translation_sound(i);
            if (recordings) {
                tree.write("languages/spanish/" + word_sound(i).left(2) + "/" + word_sound(i) + ".mp3", word_bytes(i));
                tree.write("languages/english/" + translation_sound(i).left(2) + "/" + translation_sound(i) + ".mp3",
                           translation_bytes(i));
            }
        }
        tree.write_lines("users/ann/spanish/l-u.txt", lines);
        m.unknown_file = tree.path("users/ann/spanish/l-u.txt");
        m.known_file = tree.path("users/ann/spanish/l-k.txt");
        m.list_file = tree.path("languages/spanish/l.txt");
        m.shown_file = m.unknown_file;
        create_array_of_words(m, m.shown_file);
    }
};

}  // namespace ql::testing
