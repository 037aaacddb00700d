// Feeds arbitrary bytes to the word-list reader and the entry parser: whatever the bytes, the shown
// arrays stay aligned and within the table, and the row mapping stays inside them.
#include "core/shown_words.h"
#include "core/text_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = ql::decode_text(bytes);
    for (const QString& line : text.split(u'\n')) {
        if (auto e = ql::parse_entry(line)) {
            if (ql::format_entry(*e) != line) std::abort();
        }
    }

    static QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/list.txt");
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        f.write(bytes);
    }
    ql::ShownWords m;
    ql::create_array_of_words(m, path);
    const int n = m.shown_count();
    if (n > ql::kMaxListEntries || m.shown_translations.size() != n + 1 || m.shown_sound_numbers.size() != n + 1)
        std::abort();
    for (int r = 0; r < int(m.shown_rows.size()); ++r) {
        const int i = ql::entry_at_row(m, r);
        if (i < 0 || i >= n || m.shown_sound_numbers[i].isEmpty() || ql::row_of_entry(m, i) != r) std::abort();
    }
    return 0;
}
