#include "shown_words.h"
#include "text_file.h"

#include <algorithm>

namespace ql {

bool create_array_of_words(ShownWords& m, const QString& path) {
    m.shown_words.clear();
    m.shown_translations.clear();
    m.shown_sound_numbers.clear();
    m.shown_are_search_results = false;
    bool complete = true;
    if (auto lines = read_lines(path)) {
        for (const QString& line : *lines) {
            auto e = parse_entry(line);
            if (!e) continue;
            if (m.shown_words.size() >= kMaxListEntries) {
                complete = false;
                break;
            }
            m.shown_words << e->word;
            m.shown_translations << e->translation;
            m.shown_sound_numbers << e->sound_number;
        }
    }
    // The element after the last entry is always present and empty.
    m.shown_words << QString();
    m.shown_translations << QString();
    m.shown_sound_numbers << QString();
    compute_shown_rows(m);
    return complete;
}

void compute_shown_rows(ShownWords& m) {
    m.shown_rows.clear();
    const int n = m.shown_count();
    m.shown_rows.reserve(n);
    for (int i = 0; i < n; ++i)
        if (!m.shown_sound_numbers[i].isEmpty()) m.shown_rows.push_back(i);
}

int entry_at_row(const ShownWords& m, int row) {
    if (row < 0 || row >= int(m.shown_rows.size())) return -1;
    return m.shown_rows[row];
}

int row_of_entry(const ShownWords& m, int index) {
    auto it = std::lower_bound(m.shown_rows.begin(), m.shown_rows.end(), index);
    return (it != m.shown_rows.end() && *it == index) ? int(it - m.shown_rows.begin()) : -1;
}

}  // namespace ql
