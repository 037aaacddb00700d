#include "search.h"

#include "main_view.h"
#include "prompter.h"
#include "shown_words.h"
#include "test_session.h"
#include "text_file.h"
#include "core/ui_text.h"

#include <QFileInfo>
#include <future>
#include <sys/stat.h>
#include <thread>

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

struct LoadedMaster {
    bool ok = false;
    FileStamp stamp;  // taken before reading, so that a rewrite while reading is noticed later
    std::vector<MasterRow> rows;
};

// Touches nothing shared: it also runs on the pre-reading thread.
LoadedMaster load_master(const QString& path) {
    LoadedMaster out;
    out.stamp = stamp_of(path);
    if (!out.stamp.valid) return out;
    auto lines = read_lines(path);
    if (!lines) return out;
    out.rows.reserve(lines->size());
    for (const QString& line : *lines) {
        auto e = parse_entry(line);
        if (!e) continue;
        MasterRow r{e->word, e->translation, e->sound_number, fold_accents(e->word), fold_accents(e->translation)};
        out.rows.push_back(std::move(r));
    }
    out.ok = true;
    return out;
}

// Typing in a search box searches on every keystroke; a large master is read once per language and
// again only when it changed on disk. Only the window thread touches this; a pre-read hands its
// rows over through `pending`.
struct MasterCache {
    QString path;
    FileStamp stamp;
    std::vector<MasterRow> rows;
    QString pending_path;
    std::future<LoadedMaster> pending;
};

MasterCache& cache() {
    static MasterCache c;
    return c;
}

void take_pending(MasterCache& c, const QString& path) {
    if (!c.pending.valid() || c.pending_path != path) return;
    // Typed before the pre-read ended: wait for it rather than read the file a second time.
    LoadedMaster loaded = c.pending.get();
    c.pending_path.clear();
    if (!loaded.ok) return;
    c.path = path;
    c.stamp = loaded.stamp;
    c.rows = std::move(loaded.rows);
}

const std::vector<MasterRow>* master_rows(const QString& path) {
    MasterCache& c = cache();
    take_pending(c, path);
    const FileStamp now = stamp_of(path);
    if (!now.valid) return nullptr;
    if (c.path == path && c.stamp == now) return &c.rows;
    LoadedMaster loaded = load_master(path);
    if (!loaded.ok) return nullptr;
    c.rows = std::move(loaded.rows);
    c.path = path;
    c.stamp = loaded.stamp;
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

void preread_master(const QString& master_path) {
    MasterCache& c = cache();
    if (c.pending.valid() && c.pending_path == master_path) return;
    const FileStamp now = stamp_of(master_path);
    if (!now.valid || (c.path == master_path && c.stamp == now)) return;
    // A packaged task's future does not wait for its thread when dropped, so choosing another
    // language meanwhile never blocks the click on the earlier read.
    std::packaged_task<LoadedMaster()> task([master_path] { return load_master(master_path); });
    c.pending = task.get_future();
    c.pending_path = master_path;
    std::thread(std::move(task)).detach();
}

bool master_preread_pending() {
    const MasterCache& c = cache();
    return c.pending.valid() &&
           c.pending.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
}

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

bool search_master_list(const QString& master_file, Prompter* prompter, ShownWords& m, SearchField field,
                        const QString& text) {
    if (text.size() < 2) return false;
    SearchResult r;
    if (file_exists(master_file)) r = search_master(master_file, field, text);
    if (!r.master_found) {
        if (prompter)
            prompter->message(Quillory::tr("Required master list file was not found. You need %1").arg(QFileInfo(master_file).absoluteFilePath()));
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
    return true;
}

}  // namespace ql
