#include "deck_import.h"

#include "core/sound_convert.h"
#include "core/text_file.h"
#include "core/word_formats.h"
#include "core/ui_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <mutex>
#include <thread>

namespace ql {

namespace {

constexpr int kListCapacity = 30001;  // entries one list holds
constexpr int kFirstNewNumber = 70000;
constexpr int kLastSoundNumber = 99999;

QString pair_key(const QString& word, const QString& translation) { return word + QChar(0) + translation; }


bool is_sound_number(const QString& s) {
    static const QRegularExpression five(QStringLiteral("^[0-9]{5}$"));
    return five.match(s).hasMatch();
}

QString recording_path(const QString& language_folder, const QString& number) {
    return language_folder + number.left(2) + u'/' + number + QStringLiteral(".mp3");
}

// The master's entries, decoded; a missing master has none. The first entry of a pair or a word wins,
// as search and the editors find the first.
struct MasterIndex {
    bool ok = true;
    QString error;
    QHash<QString, QString> by_pair;
    QHash<QString, QString> by_word;
};

MasterIndex read_master(const QString& path) {
    MasterIndex out;
    if (!file_exists(path)) return out;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        out.ok = false;
        out.error = Quillory::tr("Could not read the file %1: %2").arg(path, f.errorString());
        return out;
    }
    const QStringList lines = decode_text(f.readAll()).split(u'\n');
    for (QString l : lines) {
        if (l.endsWith(u'\r')) l.chop(1);
        const auto e = parse_entry(l);
        if (!e || e->sound_number.isEmpty()) continue;
        if (!out.by_pair.contains(pair_key(e->word, e->translation)))
            out.by_pair.insert(pair_key(e->word, e->translation), e->sound_number);
        if (!out.by_word.contains(e->word)) out.by_word.insert(e->word, e->sound_number);
    }
    return out;
}

}  // namespace

QString deck_field_sound(const QString& field) {
    const qsizetype at = field.indexOf(u"[sound:");
    if (at < 0) return QString();
    const qsizetype end = field.indexOf(u']', at);
    if (end < 0) return QString();
    return field.mid(at + 7, end - at - 7).trimmed();
}

QString deck_field_text(const QString& field) { return html_to_text(drop_sound_references(field)).trimmed(); }

DeckPairs collect_deck_pairs(const AnkiDeck& deck, const FieldChoices& choices) {
    DeckPairs out;
    out.notes = int(deck.notes.size());
    QSet<QString> seen;
    for (const AnkiNote& n : deck.notes) {
        if (!deck.note_type(n.type_id)) {
            ++out.unknown_type;
            continue;
        }
        const FieldChoice c = choices.value(n.type_id, FieldChoice{});
        const QString word_field = n.fields.value(c.word);
        const QString translation_field = n.fields.value(c.translation);
        DeckPair p{deck_field_text(word_field), deck_field_text(translation_field), deck_field_sound(word_field),
                   deck_field_sound(translation_field)};
        if (p.word.contains(u'|') || p.translation.contains(u'|')) {
            ++out.bar_inside;
        } else if (p.word.isEmpty() || p.translation.isEmpty()) {
            ++out.empty_field;
        } else if (seen.contains(pair_key(p.word, p.translation))) {
            ++out.repeated;
        } else if (int(out.pairs.size()) >= kListCapacity) {
            ++out.over_limit;
        } else {
            seen.insert(pair_key(p.word, p.translation));
            out.pairs.push_back(std::move(p));
        }
    }
    return out;
}

QString deck_skipped_summary(const DeckPairs& p) {
    if (p.skipped() == 0) return QString();
    QStringList reasons;
    auto add = [&](int count, const QString& why) {
        if (count > 0) reasons << QString::number(count) + u' ' + why;
    };
    add(p.empty_field, Quillory::tr("with an empty field"));
    add(p.bar_inside, Quillory::tr("with \"|\" inside a field"));
    add(p.repeated, Quillory::tr("repeating a pair above"));
    add(p.over_limit, Quillory::tr("beyond the %1 pairs one list holds").arg(kListCapacity));
    add(p.unknown_type, Quillory::tr("of a note type the deck does not describe"));
    return (p.skipped() == 1 ? Quillory::tr("%n note", nullptr, p.skipped()) : Quillory::tr("%n notes", nullptr, p.skipped())) + Quillory::tr(" will be skipped: ") +
           reasons.join(QStringLiteral("; ")) + u'.';
}

QString deck_list_name_refusal(const QString& languages_folder, const QString& language, QString& name) {
    name.replace(u' ', u'_');
    if (name.isEmpty()) return Quillory::tr("Please type a name for the new list.");
    // A list's name also names the students' "-u.txt" and "-k.txt" files.
    if (const QString refusal = path_name_refusal(name, Quillory::tr("list name"), 6); !refusal.isEmpty())
        return refusal;
    if (file_exists(languages_folder + language + u'/' + name + QStringLiteral(".txt")) ||
        name.compare(QStringLiteral("master_") + language, Qt::CaseInsensitive) == 0)
        return Quillory::tr("That list already exists for this language.  Please choose another list name.");
    return QString();
}

namespace {

// The counter's next free sound number; a language without one starts the new numbers.
std::optional<int> read_next_number(const QString& counter_path, QString* error) {
    if (!file_exists(counter_path)) return kFirstNewNumber;
    const auto line = read_first_line(counter_path);
    if (!line) {
        *error = Quillory::tr("Could not read the file %1.").arg(counter_path);
        return std::nullopt;
    }
    bool ok = false;
    const int next = line->trimmed().toInt(&ok);
    if (!ok || next < 0) {
        *error = Quillory::tr("The file %1 does not hold a sound number. Please correct it so that it holds the "
                                "next free number, for example 70000.")
                     .arg(counter_path);
        return std::nullopt;
    }
    return next;
}

// Numbers the pairs and places their recordings, filling in a plan.
class DeckPlanner {
public:
    DeckPlanner(const AnkiDeck& deck, DeckImportPlan& plan, QString folder, QString target_folder)
        : media_(deck), plan_(plan), folder_(std::move(folder)), target_folder_(std::move(target_folder)) {}

    // False when the numbers run out; `error` says so.
    bool number_pairs(const DeckPairs& pairs, MasterIndex& master, const MasterIndex* target_master, int next,
                      QString* error) {
        int number = next;
        plan_.list_lines.reserve(qsizetype(pairs.pairs.size()));
        for (const DeckPair& p : pairs.pairs) {
            const QString key = pair_key(p.word, p.translation);
            QString sound_number = master.by_pair.value(key);
            if (sound_number.isEmpty()) {
                if (number > kLastSoundNumber) {
                    *error = Quillory::tr("Only %1 sound numbers up to 99999 are still free in this language, too "
                                            "few for the new words of this deck. Nothing was imported.")
                                 .arg(std::max(0, kLastSoundNumber - next + 1));
                    return false;
                }
                sound_number = QStringLiteral("%1").arg(number++, 5, 10, QChar(u'0'));
                master.by_pair.insert(key, sound_number);
                plan_.master_added << format_entry(p.word, p.translation, sound_number);
                ++plan_.added;
            } else {
                ++plan_.reused;
            }
            plan_.list_lines << format_entry(p.word, p.translation, sound_number);
            place_sounds(p, sound_number, target_master);
        }
        plan_.next_number = number;
        return true;
    }

private:
    void place_sounds(const DeckPair& p, const QString& sound_number, const MasterIndex* target_master) {
        if (!p.word_sound.isEmpty()) {
            if (!media_.has(p.word_sound)) ++plan_.missing_media;
            else if (is_sound_number(sound_number)) place(p.word_sound, recording_path(folder_, sound_number));
        }
        if (!p.translation_sound.isEmpty()) {
            const QString target_number = target_master ? target_master->by_word.value(p.translation) : QString();
            if (!is_sound_number(target_number)) ++plan_.translation_sounds_unmatched;
            else if (!media_.has(p.translation_sound)) ++plan_.missing_media;
            else place(p.translation_sound, recording_path(target_folder_, target_number));
        }
    }

    // A recording already on disk is the language's own and is kept; a deck never overwrites one.
    void place(const QString& sound, const QString& path) {
        if (file_exists(path) || planned_paths_.contains(path)) {
            ++plan_.already_recorded;
            return;
        }
        planned_paths_.insert(path);
        auto it = clip_of_media_.find(sound);
        if (it == clip_of_media_.end()) {
            it = clip_of_media_.insert(sound, int(plan_.clips.size()));
            plan_.clips.push_back({sound, {}});
        }
        plan_.clips[size_t(*it)].paths << path;
    }

    AnkiMediaReader media_;
    DeckImportPlan& plan_;
    QString folder_, target_folder_;
    QHash<QString, int> clip_of_media_;
    QSet<QString> planned_paths_;
};

// Why a deck cannot be imported as chosen at all, or an empty string.
QString deck_refusal(const AnkiDeck& deck, const DeckPairs& pairs, const DeckImportTarget& target) {
    const QString deck_name = QFileInfo(deck.path).fileName();
    if (target.language.isEmpty()) return Quillory::tr("First select a language.");
    if (deck.notes.empty())
        return Quillory::tr("The Anki deck %1 holds no notes. Nothing was imported.").arg(deck_name);
    if (pairs.pairs.empty())
        return Quillory::tr("No note of the Anki deck %1 gives a word pair with the fields chosen. "
                              "Nothing was imported.")
            .arg(deck_name);
    return QString();
}

}  // namespace

std::optional<DeckImportPlan> plan_deck_import(const AnkiDeck& deck, const DeckPairs& pairs,
                                               const DeckImportTarget& target, QString* error) {
    QString why;
    auto refuse = [&](const QString& reason) {
        if (error) *error = reason;
        return std::nullopt;
    };
    if (const QString refusal = deck_refusal(deck, pairs, target); !refusal.isEmpty()) return refuse(refusal);
    DeckImportPlan plan;
    plan.list_name = target.list_name;
    if (const QString refusal = deck_list_name_refusal(target.languages_folder, target.language, plan.list_name);
        !refusal.isEmpty())
        return refuse(refusal);

    const QString folder = target.languages_folder + target.language + u'/';
    plan.list_path = folder + plan.list_name + QStringLiteral(".txt");
    plan.master_path = folder + QStringLiteral("master_") + target.language + QStringLiteral(".txt");
    plan.counter_path = folder + QStringLiteral("highest_num.dat");

    MasterIndex master = read_master(plan.master_path);
    if (!master.ok) return refuse(master.error);
    const std::optional<int> next = read_next_number(plan.counter_path, &why);
    if (!next) return refuse(why);

    const bool has_target = !target.target_language.isEmpty();
    const QString target_folder = target.languages_folder + target.target_language + u'/';
    MasterIndex target_master;
    if (has_target) {
        target_master =
            read_master(target_folder + QStringLiteral("master_") + target.target_language + QStringLiteral(".txt"));
        if (!target_master.ok) return refuse(target_master.error);
    }
    DeckPlanner planner(deck, plan, folder, target_folder);
    if (!planner.number_pairs(pairs, master, has_target ? &target_master : nullptr, *next, &why)) return refuse(why);
    return plan;
}

namespace {

const QString kUnchanged = Quillory::tr("Nothing was imported: the files of the language are as they were.");

// Every clip of the plan converted into recording bytes, on `threads` workers. Stops early on a
// cancel or the first clip that cannot be converted (`failure` then says which and why).
std::vector<QByteArray> convert_clips(const AnkiDeck& deck, const DeckImportPlan& plan, DeckImportProgress& progress,
                                      int threads, QString& failure) {
    const int total = int(plan.clips.size());
    std::vector<QByteArray> converted(static_cast<size_t>(total));
    std::atomic<int> next{0};
    std::mutex failure_lock;
    auto failed = [&] {
        std::lock_guard<std::mutex> l(failure_lock);
        return !failure.isEmpty();
    };
    auto work = [&] {
        AnkiMediaReader media(deck);
        while (!progress.cancel.load() && !failed()) {
            const int k = next.fetch_add(1);
            if (k >= total) return;
            const DeckImportPlan::Clip& clip = plan.clips[size_t(k)];
            QString why;
            std::optional<QByteArray> mp3;
            if (const auto bytes = media.read(clip.media, &why)) {
                mp3 = convert_to_recording(*bytes, &why);
                if (!mp3)
                    why = Quillory::tr("The media file %1 in %2 cannot be converted: %3.")
                              .arg(clip.media, QFileInfo(deck.path).fileName(), why);
            }
            if (!mp3) {
                std::lock_guard<std::mutex> l(failure_lock);
                if (failure.isEmpty()) failure = why;
                return;
            }
            converted[size_t(k)] = std::move(*mp3);
            progress.converted.fetch_add(1);
        }
    };
    const int workers = std::clamp(threads, 1, std::max(1, total));
    std::vector<std::thread> pool;
    for (int w = 1; w < workers; ++w) pool.emplace_back(work);
    work();
    for (std::thread& t : pool) t.join();
    return converted;
}

// The list, the master's new lines, the counter and the recordings as one change. The recording
// folders a language lacks are made first and taken away again if the change fails, so that a
// failed import leaves the tree as it found it. Returns the recordings written, or -1 (`error` says why).
int write_import(const DeckImportPlan& plan, const std::vector<QByteArray>& converted, QString* error) {
    QStringList made_folders;
    auto remove_made_folders = [&] {
        for (auto it = made_folders.crbegin(); it != made_folders.crend(); ++it) QDir().rmdir(*it);
    };
    FileChanges changes;
    int recordings = 0;
    for (size_t k = 0; k < plan.clips.size(); ++k) {
        for (const QString& path : plan.clips[k].paths) {
            const QString dir = QFileInfo(path).absolutePath();
            if (!QFileInfo::exists(dir)) {
                if (!QDir().mkpath(dir)) {
                    remove_made_folders();
                    *error = Quillory::tr("Could not make the folder %1.").arg(dir);
                    return -1;
                }
                made_folders << dir;
            }
            changes.rewrite_bytes(path, converted[k]);
            ++recordings;
        }
    }
    if (plan.added > 0) changes.rewrite_lines(plan.counter_path, {u' ' + QString::number(plan.next_number) + u' '});
    if (plan.added > 0) changes.append_lines(plan.master_path, plan.master_added);
    changes.rewrite_lines(plan.list_path, plan.list_lines);
    if (!changes.apply(error)) {
        remove_made_folders();
        return -1;
    }
    return recordings;
}

QString imported_message(const DeckImportPlan& plan, const DeckImportOutcome& r) {
    QString message = Quillory::tr("%1 imported into the new list %2, with %3.")
                          .arg((r.entries == 1 ? Quillory::tr("%n word pair was", nullptr, r.entries) : Quillory::tr("%n word pairs were", nullptr, r.entries)), plan.list_name,
                               (r.recordings == 1 ? Quillory::tr("%n new recording", nullptr, r.recordings) : Quillory::tr("%n new recordings", nullptr, r.recordings)));
    if (plan.reused > 0)
        message += u' ' + (plan.reused == 1 ? Quillory::tr("%n of them was", nullptr, plan.reused) : Quillory::tr("%n of them were", nullptr, plan.reused)) +
                   Quillory::tr(" already in the language and kept its sound number.");
    if (plan.already_recorded > 0)
        message += u' ' + (plan.already_recorded == 1 ? Quillory::tr("%n sound was", nullptr, plan.already_recorded) : Quillory::tr("%n sounds were", nullptr, plan.already_recorded)) +
                   Quillory::tr(" left out because the word already has a recording.");
    if (plan.missing_media > 0)
        message += plan.missing_media == 1
                       ? Quillory::tr(" 1 sound named by a note is missing from the deck; that word came without it.")
                       : Quillory::tr(" %1 sounds named by notes are missing from the deck; those words came "
                                        "without them.")
                             .arg(plan.missing_media);
    if (plan.translation_sounds_unmatched > 0)
        message += u' ' + (plan.translation_sounds_unmatched == 1 ? Quillory::tr("%n translation sound was", nullptr, plan.translation_sounds_unmatched) : Quillory::tr("%n translation sounds were", nullptr, plan.translation_sounds_unmatched)) +
                   Quillory::tr(" left out: the translation is not an entry of the target language.");
    return message;
}

}  // namespace

DeckImportOutcome run_deck_import(const AnkiDeck& deck, const DeckImportPlan& plan, DeckImportProgress& progress,
                                  int threads) {
    DeckImportOutcome r;
    r.list_name = plan.list_name;
    r.missing_media = plan.missing_media;
    progress.total = int(plan.clips.size());
    progress.converted = 0;

    QString failure;
    const std::vector<QByteArray> converted = convert_clips(deck, plan, progress, threads, failure);
    if (progress.cancel.load()) {
        r.cancelled = true;
        r.message = Quillory::tr("The import was cancelled. %1").arg(kUnchanged);
        return r;
    }
    if (!failure.isEmpty()) {
        r.message = failure + QStringLiteral("\r\n") + kUnchanged;
        return r;
    }
    QString error;
    const int recordings = write_import(plan, converted, &error);
    if (recordings < 0) {
        r.message = error + QStringLiteral("\r\n") + kUnchanged;
        return r;
    }
    r.ok = true;
    r.recordings = recordings;
    r.entries = int(plan.list_lines.size());
    r.message = imported_message(plan, r);
    return r;
}

}  // namespace ql
