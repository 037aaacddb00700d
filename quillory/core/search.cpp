#include "search.h"

#include "main_view.h"
#include "prompter.h"
#include "qlmod.h"
#include "test_session.h"
#include "text_file.h"

#include <QFileInfo>
#include <sys/stat.h>

namespace ql {

namespace {

// What identifies one version of a file on disk. Any rewrite (in place or by replacing the file)
// changes the change time or the inode, even within the same second.
struct FileStamp {
    bool valid = false;
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = 0;
    timespec mtime{}, ctime{};

    bool operator==(const FileStamp& o) const {
        return valid == o.valid && dev == o.dev && ino == o.ino && size == o.size &&
               mtime.tv_sec == o.mtime.tv_sec && mtime.tv_nsec == o.mtime.tv_nsec &&
               ctime.tv_sec == o.ctime.tv_sec && ctime.tv_nsec == o.ctime.tv_nsec;
    }
};

FileStamp stamp_of(const QString& path) {
    FileStamp s;
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return s;
    s.valid = true;
    s.dev = st.st_dev;
    s.ino = st.st_ino;
    s.size = st.st_size;
    s.mtime = st.st_mtim;
    s.ctime = st.st_ctim;
    return s;
}

struct MasterRow {
    QString word, translation, sound_number;
    QString folded_word, folded_translation;
};

// Typing in a search box searches on every keystroke; a large master is read once per language and
// again only when it changed on disk.
struct MasterCache {
    QString path;
    FileStamp stamp;
    std::vector<MasterRow> rows;
};

MasterCache& cache() {
    static MasterCache c;
    return c;
}

const std::vector<MasterRow>* master_rows(const QString& path) {
    MasterCache& c = cache();
    const FileStamp now = stamp_of(path);
    if (!now.valid) return nullptr;
    if (c.path == path && c.stamp == now) return &c.rows;
    auto lines = read_lines(path);
    if (!lines) return nullptr;
    c.rows.clear();
    c.rows.reserve(lines->size());
    for (const QString& line : *lines) {
        auto e = parse_entry(line);
        if (!e) continue;
        MasterRow r{e->word, e->translation, e->sound_number, fold_accents(e->word), fold_accents(e->translation)};
        c.rows.push_back(std::move(r));
    }
    c.path = path;
    c.stamp = now;
    return &c.rows;
}

// The translation begins with s, or holds it right after "to ", ", " or ",": one scan for s instead
// of one per prefix, which keeps a keystroke quick on a large master.
bool translation_matches(const QString& f, const QString& s) {
    const QStringView v(f);
    for (qsizetype p = v.indexOf(s); p >= 0; p = v.indexOf(s, p + 1)) {
        if (p == 0) return true;
        const QStringView before = v.first(p);
        if (before.endsWith(u',') || before.endsWith(u", ") || before.endsWith(u"to ")) return true;
    }
    return false;
}

}  // namespace

void clear_master_cache() { cache() = MasterCache{}; }

SearchResult search_master(const QString& master_path, SearchField field, const QString& text) {
    SearchResult result;
    const std::vector<MasterRow>* rows = master_rows(master_path);
    if (!rows) return result;
    result.master_found = true;
    const QString s = text.toLower();
    const bool fold = !has_folded_accent(s);
    for (const MasterRow& r : *rows) {
        bool hit;
        if (field == SearchField::Word) {
            hit = (fold ? r.folded_word : r.word).startsWith(s);
        } else {
            hit = translation_matches(fold ? r.folded_translation : r.translation, s);
        }
        if (!hit) continue;
        result.hits.push_back(SearchHit{r.word, r.translation, r.sound_number});
        if (int(result.hits.size()) >= kMaxSearchHits) break;
    }
    return result;
}

bool search_master_list(Qlmod& m, SearchField field, const QString& text) {
    if (text.size() < 2) return false;
    SearchResult r;
    if (file_exists(m.master_file)) r = search_master(m.master_file, field, text);
    if (!r.master_found) {
        if (m.prompter)
            m.prompter->message(QStringLiteral("Required master list file was not found. You need ") +
                                QFileInfo(m.master_file).absoluteFilePath());
        return false;
    }
    m.shown_words.clear();
    m.shown_translations.clear();
    m.shown_sound_numbers.clear();
    m.shown_words.reserve(qsizetype(r.hits.size()) + 1);
    m.shown_translations.reserve(qsizetype(r.hits.size()) + 1);
    m.shown_sound_numbers.reserve(qsizetype(r.hits.size()) + 1);
    for (SearchHit& h : r.hits) {
        m.shown_words << std::move(h.word);
        m.shown_translations << std::move(h.translation);
        m.shown_sound_numbers << std::move(h.sound_number);
    }
    m.shown_words << QString();
    m.shown_translations << QString();
    m.shown_sound_numbers << QString();
    m.shown_are_search_results = true;
    compute_shown_rows(m);
    if (m.main_view) m.main_view->display_words();
    return true;
}

}  // namespace ql
