#include "deck_import.h"

#include "core/sound_convert.h"
#include "core/text_file.h"
#include "core/word_formats.h"

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

QString plural(int n, const char* one, const char* many) {
    return QString::number(n) + u' ' + QString::fromUtf8(n == 1 ? one : many);
}

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
        out.error = QStringLiteral("Could not read the file %1: %2").arg(path, f.errorString());
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
    add(p.empty_field, QStringLiteral("with an empty field"));
    add(p.bar_inside, QStringLiteral("with \"|\" inside a field"));
    add(p.repeated, QStringLiteral("repeating a pair above"));
    add(p.over_limit, QStringLiteral("beyond the %1 pairs one list holds").arg(kListCapacity));
    add(p.unknown_type, QStringLiteral("of a note type the deck does not describe"));
    return plural(p.skipped(), "note", "notes") + QStringLiteral(" will be skipped: ") +
           reasons.join(QStringLiteral("; ")) + u'.';
}

QString deck_list_name_refusal(const QString& languages_folder, const QString& language, QString& name) {
    name.replace(u' ', u'_');
    if (name.isEmpty()) return QStringLiteral("Please type a name for the new list.");
    // A list's name also names the students' "-u.txt" and "-k.txt" files.
    if (const QString refusal = path_name_refusal(name, QStringLiteral("list name"), 6); !refusal.isEmpty())
        return refusal;
    if (file_exists(languages_folder + language + u'/' + name + QStringLiteral(".txt")) ||
        name.compare(QStringLiteral("master_") + language, Qt::CaseInsensitive) == 0)
        return QStringLiteral("That list already exists for this language.  Please choose another list name.");
    return QString();
}

std::optional<DeckImportPlan> plan_deck_import(const AnkiDeck& deck, const DeckPairs& pairs,
                                               const DeckImportTarget& target, QString* error) {
    auto refuse = [&](const QString& why) {
        if (error) *error = why;
        return std::nullopt;
    };
    const QString deck_name = QFileInfo(deck.path).fileName();
    if (target.language.isEmpty()) return refuse(QStringLiteral("First select a language."));
    if (deck.notes.empty())
        return refuse(QStringLiteral("The Anki deck %1 holds no notes. Nothing was imported.").arg(deck_name));
    if (pairs.pairs.empty())
        return refuse(QStringLiteral("No note of the Anki deck %1 gives a word pair with the fields chosen. "
                                     "Nothing was imported.")
                          .arg(deck_name));
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
    int next = kFirstNewNumber;
    if (file_exists(plan.counter_path)) {
        const auto line = read_first_line(plan.counter_path);
        if (!line) return refuse(QStringLiteral("Could not read the file %1.").arg(plan.counter_path));
        bool ok = false;
        next = line->trimmed().toInt(&ok);
        if (!ok || next < 0)
            return refuse(QStringLiteral("The file %1 does not hold a sound number. Please correct it so that it "
                                         "holds the next free number, for example 70000.")
                              .arg(plan.counter_path));
    }

    const bool has_target = !target.target_language.isEmpty();
    const QString target_folder = target.languages_folder + target.target_language + u'/';
    MasterIndex target_master;
    if (has_target) {
        target_master =
            read_master(target_folder + QStringLiteral("master_") + target.target_language + QStringLiteral(".txt"));
        if (!target_master.ok) return refuse(target_master.error);
    }

    AnkiMediaReader media(deck);
    QHash<QString, int> clip_of_media;
    QSet<QString> planned_paths;
    // A recording already on disk is the language's own and is kept; a deck never overwrites one.
    auto plan_recording = [&](const QString& sound, const QString& path) {
        if (file_exists(path) || planned_paths.contains(path)) {
            ++plan.already_recorded;
            return;
        }
        planned_paths.insert(path);
        auto it = clip_of_media.find(sound);
        if (it == clip_of_media.end()) {
            it = clip_of_media.insert(sound, int(plan.clips.size()));
            plan.clips.push_back({sound, {}});
        }
        plan.clips[size_t(*it)].paths << path;
    };

    int number = next;
    plan.list_lines.reserve(qsizetype(pairs.pairs.size()));
    int missing = 0;
    for (const DeckPair& p : pairs.pairs) {
        const QString key = pair_key(p.word, p.translation);
        QString sound_number = master.by_pair.value(key);
        if (sound_number.isEmpty()) {
            if (number > kLastSoundNumber)
                return refuse(QStringLiteral("Only %1 sound numbers up to 99999 are still free in this language, too "
                                             "few for the new words of this deck. Nothing was imported.")
                                  .arg(std::max(0, kLastSoundNumber - next + 1)));
            sound_number = QStringLiteral("%1").arg(number++, 5, 10, QChar(u'0'));
            master.by_pair.insert(key, sound_number);
            plan.master_added << format_entry(p.word, p.translation, sound_number);
            ++plan.added;
        } else {
            ++plan.reused;
        }
        plan.list_lines << format_entry(p.word, p.translation, sound_number);

        if (!p.word_sound.isEmpty()) {
            if (!media.has(p.word_sound)) ++missing;
            else if (is_sound_number(sound_number)) plan_recording(p.word_sound, recording_path(folder, sound_number));
        }
        if (!p.translation_sound.isEmpty()) {
            const QString target_number = has_target ? target_master.by_word.value(p.translation) : QString();
            if (!is_sound_number(target_number)) ++plan.translation_sounds_unmatched;
            else if (!media.has(p.translation_sound)) ++missing;
            else plan_recording(p.translation_sound, recording_path(target_folder, target_number));
        }
    }
    plan.next_number = number;
    plan.missing_media = missing;
    return plan;
}

DeckImportOutcome run_deck_import(const AnkiDeck& deck, const DeckImportPlan& plan, DeckImportProgress& progress,
                                  int threads) {
    DeckImportOutcome r;
    r.list_name = plan.list_name;
    r.missing_media = plan.missing_media;
    const int total = int(plan.clips.size());
    progress.total = total;
    progress.converted = 0;

    std::vector<QByteArray> converted(static_cast<size_t>(total));
    std::atomic<int> next{0};
    std::mutex failure_lock;
    QString failure;
    auto work = [&] {
        AnkiMediaReader media(deck);
        for (;;) {
            if (progress.cancel.load()) return;
            {
                std::lock_guard<std::mutex> l(failure_lock);
                if (!failure.isEmpty()) return;
            }
            const int k = next.fetch_add(1);
            if (k >= total) return;
            const DeckImportPlan::Clip& clip = plan.clips[size_t(k)];
            QString why;
            std::optional<QByteArray> mp3;
            if (const auto bytes = media.read(clip.media, &why)) {
                mp3 = convert_to_recording(*bytes, &why);
                if (!mp3)
                    why = QStringLiteral("The media file %1 in %2 cannot be converted: %3.")
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

    const QString unchanged = QStringLiteral("Nothing was imported: the files of the language are as they were.");
    if (progress.cancel.load()) {
        r.cancelled = true;
        r.message = QStringLiteral("The import was cancelled. ") + unchanged;
        return r;
    }
    if (!failure.isEmpty()) {
        r.message = failure + QStringLiteral("\r\n") + unchanged;
        return r;
    }

    // The recording folders a language lacks are made first and taken away again if the change fails,
    // so that a failed import leaves the tree as it found it.
    QStringList made_folders;
    FileChanges changes;
    for (size_t k = 0; k < plan.clips.size(); ++k) {
        for (const QString& path : plan.clips[k].paths) {
            const QString dir = QFileInfo(path).absolutePath();
            if (!QFileInfo::exists(dir)) {
                if (!QDir().mkpath(dir)) {
                    for (auto it = made_folders.crbegin(); it != made_folders.crend(); ++it) QDir().rmdir(*it);
                    r.message = QStringLiteral("Could not make the folder %1.\r\n").arg(dir) + unchanged;
                    return r;
                }
                made_folders << dir;
            }
            changes.rewrite_bytes(path, converted[k]);
            ++r.recordings;
        }
    }
    if (plan.added > 0) changes.rewrite_lines(plan.counter_path, {u' ' + QString::number(plan.next_number) + u' '});
    if (plan.added > 0) changes.append_lines(plan.master_path, plan.master_added);
    changes.rewrite_lines(plan.list_path, plan.list_lines);
    QString error;
    if (!changes.apply(&error)) {
        for (auto it = made_folders.crbegin(); it != made_folders.crend(); ++it) QDir().rmdir(*it);
        r.recordings = 0;
        r.message = error + QStringLiteral("\r\n") + unchanged;
        return r;
    }
    r.ok = true;
    r.entries = int(plan.list_lines.size());
    r.message = QStringLiteral("%1 imported into the new list %2, with %3.")
                    .arg(plural(r.entries, "word pair was", "word pairs were"), plan.list_name,
                         plural(r.recordings, "new recording", "new recordings"));
    if (plan.reused > 0)
        r.message += u' ' + plural(plan.reused, "of them was", "of them were") +
                     QStringLiteral(" already in the language and kept its sound number.");
    if (plan.already_recorded > 0)
        r.message += u' ' + plural(plan.already_recorded, "sound was", "sounds were") +
                     QStringLiteral(" left out because the word already has a recording.");
    if (plan.missing_media > 0)
        r.message += plan.missing_media == 1
                         ? QStringLiteral(" 1 sound named by a note is missing from the deck; that word came without it.")
                         : QStringLiteral(" %1 sounds named by notes are missing from the deck; those words came "
                                          "without them.")
                               .arg(plan.missing_media);
    if (plan.translation_sounds_unmatched > 0)
        r.message += u' ' + plural(plan.translation_sounds_unmatched, "translation sound was", "translation sounds were") +
                     QStringLiteral(" left out: the translation is not an entry of the target language.");
    return r;
}

}  // namespace ql
