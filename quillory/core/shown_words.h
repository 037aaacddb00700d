#pragma once
#include <QString>
#include <QStringList>
#include <vector>

namespace ql {

inline constexpr int kMaxListEntries = 30001;

// The entries a view shows, in file order. Each array has one element more than there are entries:
// the element at index shown_count() is always empty.
struct ShownWords {
    QStringList shown_words, shown_translations, shown_sound_numbers;
    // Row r of the word columns shows entry shown_rows[r]: entries with an empty sound number are
    // loaded but not shown, and rows must still act on the entry they show.
    std::vector<int> shown_rows;
    // True while the columns show search results, which belong to no student file.
    bool shown_are_search_results = false;
    QString shown_file;  // the student file whose entries are shown; empty when none

    // Number of loaded entries (the upper bound of the arrays).
    int shown_count() const { return shown_words.isEmpty() ? 0 : int(shown_words.size()) - 1; }
};

// Loads a list-format file. Returns false when the file had more entries than the table holds (the
// first kMaxListEntries are loaded).
bool create_array_of_words(ShownWords& w, const QString& path);
// Rebuilds shown_rows: the indexes of entries with a sound number, in file order.
void compute_shown_rows(ShownWords& w);
// The entry index shown at a window row, or -1.
int entry_at_row(const ShownWords& w, int row);
// The window row showing an entry index, or -1.
int row_of_entry(const ShownWords& w, int index);

}  // namespace ql
