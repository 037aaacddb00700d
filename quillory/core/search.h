#pragma once
#include <QString>
#include <vector>

namespace ql {

class Prompter;
struct ShownWords;

inline constexpr int kMaxSearchHits = 20001;

enum class SearchField { Word = 0, Translation = 1 };

struct SearchHit {
    QString word, translation, sound_number;
};

// Hits of one search over a master file, in file order, at most kMaxSearchHits. The text is
// lower-cased; when it holds no accented letter the fields are compared with their accents folded,
// so "nino" finds "niño" while "niño" does not find "nino". Fields are compared case-sensitively.
// A foreign word must begin with the text; a translation must begin with it or hold it after "to ",
// ", " or ",". `master_found` is false when the master cannot be read.
struct SearchResult {
    bool master_found = false;
    std::vector<SearchHit> hits;
};
SearchResult search_master(const QString& master_path, SearchField field, const QString& text);

// The search boxes of the main window: runs on every change of either box. Texts shorter than two
// characters do nothing; a missing master file is reported; otherwise the hits replace the shown
// entries. Returns true when the shown entries were replaced (and are to be shown again).
bool search_master_list(const QString& master_file, Prompter* prompter, ShownWords& shown, SearchField field,
                        const QString& text);

// Forgets the cached master (the cache otherwise notices changes on disk by itself).
void clear_master_cache();

// Starts reading and folding a master on a thread of its own, so that the first keystroke of a
// search finds it ready instead of paying for the read; returns at once. Nothing happens when that
// master is already cached or being read. A search of the same master before the read ends waits
// for it. Call from the window thread only, like the searches.
void preread_master(const QString& master_path);
// True while a pre-read has not finished.
bool master_preread_pending();

}  // namespace ql
