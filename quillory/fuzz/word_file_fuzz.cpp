// Feeds arbitrary bytes to the readers of other tutors' word lists, as text and as KVTML: whatever
// the bytes, every record keeps its line, the proposed columns exist, and every pair that would be
// written is one list line can hold.
#include "core/list_import.h"
#include "core/word_formats.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

namespace {

void check(const ql::WordTable& t) {
    if (t.rows.size() != t.row_lines.size()) std::abort();
    if (!t.error.isEmpty()) return;
    const int columns = int(t.column_names.size());
    if (t.word_column < 0 || t.word_column >= columns || t.translation_column < 0 || t.translation_column >= columns)
        std::abort();
    for (int w = 0; w < columns && w < 3; ++w) {
        const ql::ImportPairs p = ql::collect_pairs(t, w, (w + 1) % columns);
        if (int(p.pairs.size()) + p.skipped() != int(t.rows.size())) std::abort();
        for (const ql::WordPair& pair : p.pairs) {
            for (const QString* s : {&pair.word, &pair.translation})
                if (s->isEmpty() || s->contains(u'|') || s->contains(u'\n') || s->contains(u'\r')) std::abort();
        }
        (void)ql::skipped_summary(p, t.format);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    check(ql::parse_word_file(bytes, QStringLiteral("list.txt")));
    check(ql::parse_word_file(bytes, QStringLiteral("list.csv"), u';', ql::HeaderRow::Yes));
    check(ql::parse_word_file(bytes, QStringLiteral("list.kvtml")));
    const QString text = QString::fromUtf8(bytes);
    const QString reduced = ql::html_to_text(text);
    if (reduced.contains(u'\n') || reduced.contains(u'\r')) std::abort();
    (void)ql::drop_sound_references(text);
    return 0;
}
