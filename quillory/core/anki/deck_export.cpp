#include "deck_export.h"

#include "core/mp3_encode.h"
#include "core/new_recordings.h"
#include "core/text_file.h"
#include "core/ui_text.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <cstring>
#include <memory>
#include <sqlite3.h>
#include <zip.h>

namespace ql {

namespace {

struct Note {
    QString front, back;  // field HTML, sounds included
    QString sort_text;    // the front as text, for Anki's sort and duplicate check
    QString guid;
};

QString field_html(const QString& text) { return text.toHtmlEscaped(); }

qint64 checksum(const QString& text) {
    // The first 8 hex digits of the SHA-1 of the field as text: Anki's duplicate check.
    const QByteArray h = QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1);
    return qint64((quint32(quint8(h[0])) << 24) | (quint32(quint8(h[1])) << 16) | (quint32(quint8(h[2])) << 8) |
                  quint32(quint8(h[3])));
}

// A note keeps its identity across exports of the same entry, so Anki updates it rather than adding a twin.
QString stable_guid(const QString& language, const QString& number, const QString& word) {
    const QByteArray h = QCryptographicHash::hash((language + u'/' + number + u'/' + word).toUtf8(),
                                                  QCryptographicHash::Sha1);
    return QString::fromLatin1(h.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals).left(10));
}

// The note type's id stays the same in every package, so repeated imports share one note type.
constexpr qint64 kNoteTypeId = 1342697561419;

QJsonObject basic_note_type(qint64 deck_id, qint64 now_s) {
    auto field = [](const char* name, int ord) {
        return QJsonObject{{"name", QString::fromLatin1(name)}, {"ord", ord}, {"sticky", false}, {"rtl", false},
                           {"font", "Arial"}, {"size", 20}, {"media", QJsonArray()}};
    };
    const QJsonObject card{{"name", "Card 1"},
                           {"ord", 0},
                           {"qfmt", "{{Front}}"},
                           {"afmt", "{{FrontSide}}\n\n<hr id=answer>\n\n{{Back}}"},
                           {"did", QJsonValue::Null},
                           {"bqfmt", ""},
                           {"bafmt", ""}};
    return QJsonObject{
        {"id", kNoteTypeId},
        {"name", "Basic (Quillory)"},
        {"type", 0},
        {"mod", now_s},
        {"usn", -1},
        {"sortf", 0},
        {"did", deck_id},
        {"tmpls", QJsonArray{card}},
        {"flds", QJsonArray{field("Front", 0), field("Back", 1)}},
        {"css", ".card {\n font-family: arial;\n font-size: 20px;\n text-align: center;\n color: black;\n "
                "background-color: white;\n}\n"},
        {"latexPre", "\\documentclass[12pt]{article}\n\\special{papersize=3in,5in}\n\\usepackage[utf8]{inputenc}\n"
                     "\\usepackage{amssymb,amsmath}\n\\pagestyle{empty}\n\\setlength{\\parindent}{0in}\n"
                     "\\begin{document}\n"},
        {"latexPost", "\\end{document}"},
        {"latexsvg", false},
        {"tags", QJsonArray()},
        {"vers", QJsonArray()},
        {"req", QJsonArray{QJsonArray{0, "any", QJsonArray{0}}}},
    };
}

QJsonObject deck_json(qint64 id, const QString& name, qint64 now_s) {
    return QJsonObject{{"id", id},
                       {"name", name},
                       {"mod", now_s},
                       {"usn", -1},
                       {"lrnToday", QJsonArray{0, 0}},
                       {"revToday", QJsonArray{0, 0}},
                       {"newToday", QJsonArray{0, 0}},
                       {"timeToday", QJsonArray{0, 0}},
                       {"collapsed", false},
                       {"browserCollapsed", false},
                       {"desc", ""},
                       {"dyn", 0},
                       {"conf", 1},
                       {"extendNew", 10},
                       {"extendRev", 50}};
}

QJsonObject default_deck_options() {
    return QJsonObject{
        {"id", 1},
        {"name", "Default"},
        {"mod", 0},
        {"usn", 0},
        {"maxTaken", 60},
        {"autoplay", true},
        {"timer", 0},
        {"replayq", true},
        {"dyn", false},
        {"new", QJsonObject{{"bury", false}, {"delays", QJsonArray{1, 10}}, {"initialFactor", 2500},
                            {"ints", QJsonArray{1, 4, 0}}, {"order", 1}, {"perDay", 20}}},
        {"rev", QJsonObject{{"bury", false}, {"ease4", 1.3}, {"ivlFct", 1}, {"maxIvl", 36500}, {"perDay", 200},
                            {"hardFactor", 1.2}}},
        {"lapse", QJsonObject{{"delays", QJsonArray{10}}, {"leechAction", 1}, {"leechFails", 8}, {"minInt", 1},
                              {"mult", 0}}},
    };
}

const char kSchema[] = R"(
CREATE TABLE col (
    id integer primary key, crt integer not null, mod integer not null, scm integer not null,
    ver integer not null, dty integer not null, usn integer not null, ls integer not null,
    conf text not null, models text not null, decks text not null, dconf text not null, tags text not null);
CREATE TABLE notes (
    id integer primary key, guid text not null, mid integer not null, mod integer not null,
    usn integer not null, tags text not null, flds text not null, sfld integer not null,
    csum integer not null, flags integer not null, data text not null);
CREATE TABLE cards (
    id integer primary key, nid integer not null, did integer not null, ord integer not null,
    mod integer not null, usn integer not null, type integer not null, queue integer not null,
    due integer not null, ivl integer not null, factor integer not null, reps integer not null,
    lapses integer not null, left integer not null, odue integer not null, odid integer not null,
    flags integer not null, data text not null);
CREATE TABLE revlog (
    id integer primary key, cid integer not null, usn integer not null, ease integer not null,
    ivl integer not null, lastIvl integer not null, factor real not null, time integer not null,
    type integer not null);
CREATE TABLE graves (usn integer not null, oid integer not null, type integer not null);
CREATE INDEX ix_notes_usn on notes (usn);
CREATE INDEX ix_cards_usn on cards (usn);
CREATE INDEX ix_revlog_usn on revlog (usn);
CREATE INDEX ix_cards_nid on cards (nid);
CREATE INDEX ix_cards_sched on cards (did, queue, due);
CREATE INDEX ix_revlog_cid on revlog (cid);
CREATE INDEX ix_notes_csum on notes (csum);
)";

struct Statement {
    sqlite3_stmt* st = nullptr;
    ~Statement() { sqlite3_finalize(st); }
};

void bind_text(sqlite3_stmt* st, int at, const QString& s) {
    const QByteArray u = s.toUtf8();
    sqlite3_bind_text(st, at, u.constData(), int(u.size()), SQLITE_TRANSIENT);
}

bool write_collection(const QString& path, const QString& deck_name, const std::vector<Note>& notes, QString* why) {
    sqlite3* raw = nullptr;
    if (sqlite3_open(QFile::encodeName(path).constData(), &raw) != SQLITE_OK) {
        *why = QString::fromUtf8(sqlite3_errmsg(raw));
        sqlite3_close(raw);
        return false;
    }
    std::unique_ptr<sqlite3, int (*)(sqlite3*)> db(raw, sqlite3_close);
    auto exec = [&](const char* sql) {
        char* msg = nullptr;
        if (sqlite3_exec(db.get(), sql, nullptr, nullptr, &msg) == SQLITE_OK) return true;
        *why = QString::fromUtf8(msg);
        sqlite3_free(msg);
        return false;
    };
    if (!exec("PRAGMA journal_mode=DELETE") || !exec("BEGIN") || !exec(kSchema)) return false;

    const QDateTime now = QDateTime::currentDateTimeUtc();
    const qint64 now_ms = now.toMSecsSinceEpoch();
    const qint64 now_s = now_ms / 1000;
    const qint64 deck_id = now_ms;
    const QJsonObject conf{{"nextPos", int(notes.size()) + 1}, {"estTimes", true}, {"activeDecks", QJsonArray{1}},
                           {"sortType", "noteFld"}, {"timeLim", 0}, {"sortBackwards", false}, {"addToCur", true},
                           {"curDeck", deck_id}, {"newBury", true}, {"newSpread", 0}, {"dueCounts", true},
                           {"curModel", QString::number(kNoteTypeId)}, {"collapseTime", 1200}};
    const QJsonObject models{{QString::number(kNoteTypeId), basic_note_type(deck_id, now_s)}};
    QJsonObject default_deck = deck_json(1, QStringLiteral("Default"), now_s);
    const QJsonObject decks{{"1", default_deck}, {QString::number(deck_id), deck_json(deck_id, deck_name, now_s)}};
    const QJsonObject dconf{{"1", default_deck_options()}};
    auto json = [](const QJsonObject& o) { return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)); };

    Statement col;
    sqlite3_prepare_v2(db.get(), "INSERT INTO col VALUES (1, ?, ?, ?, 11, 0, 0, 0, ?, ?, ?, ?, '{}')", -1, &col.st,
                       nullptr);
    // The collection's day starts at today's midnight (UTC): due days are counted from it.
    sqlite3_bind_int64(col.st, 1, QDateTime(now.date(), QTime(0, 0), Qt::UTC).toSecsSinceEpoch());
    sqlite3_bind_int64(col.st, 2, now_ms);
    sqlite3_bind_int64(col.st, 3, now_ms);
    bind_text(col.st, 4, json(conf));
    bind_text(col.st, 5, json(models));
    bind_text(col.st, 6, json(decks));
    bind_text(col.st, 7, json(dconf));
    if (sqlite3_step(col.st) != SQLITE_DONE) {
        *why = QString::fromUtf8(sqlite3_errmsg(db.get()));
        return false;
    }

    Statement note, card;
    sqlite3_prepare_v2(db.get(), "INSERT INTO notes VALUES (?, ?, ?, ?, -1, '', ?, ?, ?, 0, '')", -1, &note.st, nullptr);
    sqlite3_prepare_v2(db.get(), "INSERT INTO cards VALUES (?, ?, ?, 0, ?, -1, 0, 0, ?, 0, 0, 0, 0, 0, 0, 0, 0, '')",
                       -1, &card.st, nullptr);
    for (size_t k = 0; k < notes.size(); ++k) {
        const Note& n = notes[k];
        const qint64 id = now_ms + qint64(k);
        sqlite3_reset(note.st);
        sqlite3_bind_int64(note.st, 1, id);
        bind_text(note.st, 2, n.guid);
        sqlite3_bind_int64(note.st, 3, kNoteTypeId);
        sqlite3_bind_int64(note.st, 4, now_s);
        bind_text(note.st, 5, n.front + QChar(0x1f) + n.back);
        bind_text(note.st, 6, n.sort_text);
        sqlite3_bind_int64(note.st, 7, checksum(n.sort_text));
        sqlite3_reset(card.st);
        sqlite3_bind_int64(card.st, 1, id);
        sqlite3_bind_int64(card.st, 2, id);
        sqlite3_bind_int64(card.st, 3, deck_id);
        sqlite3_bind_int64(card.st, 4, now_s);
        sqlite3_bind_int64(card.st, 5, qint64(k) + 1);  // new cards come in list order
        if (sqlite3_step(note.st) != SQLITE_DONE || sqlite3_step(card.st) != SQLITE_DONE) {
            *why = QString::fromUtf8(sqlite3_errmsg(db.get()));
            return false;
        }
    }
    return exec("COMMIT");
}

// The recording of a sound number as MP3 bytes: the installed file, or a new recording deciphered and
// encoded. Empty when there is none; `unreadable` set when there is one that cannot be read.
QByteArray recording_mp3(const QString& language_folder, const QString& number, const QString& scratch,
                         bool& unreadable) {
    unreadable = false;
    if (number.size() < 2) return {};
    const QString mp3 = language_folder + number.left(2) + u'/' + number + QStringLiteral(".mp3");
    if (QFileInfo(mp3).isFile()) {
        QFile f(mp3);
        if (f.open(QIODevice::ReadOnly)) return f.readAll();
        unreadable = true;
        return {};
    }
    const QString str = language_folder + QStringLiteral("new_str/") + number.left(2) + u'/' + number +
                        QStringLiteral(".str");
    if (!QFileInfo(str).isFile()) return {};
    const QString raw = scratch + QStringLiteral("/take.raw");
    const CipherOutcome c = decipher_sound_file(str, raw);
    QFile f(raw);
    QByteArray pcm;
    if (c.ok() && f.open(QIODevice::ReadOnly)) pcm = f.readAll();
    f.close();
    QFile::remove(raw);
    if (pcm.size() < 2) {
        unreadable = true;
        return {};
    }
    std::vector<int16_t> samples(size_t(pcm.size() / 2));
    std::memcpy(samples.data(), pcm.constData(), samples.size() * 2);
    QByteArray out = encode_mp3(samples);
    unreadable = out.isEmpty();
    return out;
}

bool zip_package(const QString& archive, const QString& collection, const QByteArray& media_json,
                 const std::vector<QByteArray>& media, QString* why) {
    int code = 0;
    zip_t* z = zip_open(QFile::encodeName(archive).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!z) {
        zip_error_t e;
        zip_error_init_with_code(&e, code);
        *why = QString::fromLocal8Bit(zip_error_strerror(&e));
        zip_error_fini(&e);
        return false;
    }
    auto add = [&](const QByteArray& name, zip_source_t* src) {
        if (src && zip_file_add(z, name.constData(), src, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) >= 0) return true;
        if (src) zip_source_free(src);
        return false;
    };
    // libzip reads the buffers at zip_close; they all outlive it.
    bool ok = add("collection.anki2", zip_source_file(z, QFile::encodeName(collection).constData(), 0, -1)) &&
              add("media", zip_source_buffer(z, media_json.constData(), zip_uint64_t(media_json.size()), 0));
    for (size_t k = 0; ok && k < media.size(); ++k) {
        ok = add(QByteArray::number(qulonglong(k)),
                 zip_source_buffer(z, media[k].constData(), zip_uint64_t(media[k].size()), 0));
        // MP3 does not shrink under deflate; storing it saves the work.
        if (ok) zip_set_file_compression(z, zip_uint64_t(k + 2), ZIP_CM_STORE, 0);
    }
    if (!ok || zip_close(z) != 0) {
        *why = QString::fromLocal8Bit(zip_strerror(z));
        zip_discard(z);
        return false;
    }
    return true;
}

// Our sound number -> the target language's, from the translation index.
QHash<QString, QString> target_numbers_of(const DeckExportSource& s) {
    QHash<QString, QString> numbers;
    if (s.target_language.isEmpty()) return numbers;
    const auto index = read_lines(s.languages_folder + s.language + QStringLiteral("/trans_index_") + s.language +
                                  u'_' + s.target_language + QStringLiteral(".dat"));
    for (const QString& l : index.value_or(QStringList())) {
        const QStringList f = l.split(u'|');
        if (f.size() == 2 && !f[1].trimmed().isEmpty()) numbers.insert(f[0].trimmed(), f[1].trimmed());
    }
    return numbers;
}

// The package's media files as they are gathered: a sound named twice goes in once.
class MediaFiles {
public:
    explicit MediaFiles(QString scratch) : scratch_(std::move(scratch)) {}

    // The [sound:] reference to a recording of `language`, its file taken in; empty when it has none.
    QString sound_tag(const QString& language_folder, const QString& language, const QString& number) {
        const QString name = language + u'_' + number + QStringLiteral(".mp3");
        if (!index_of_.contains(name)) {
            bool unreadable = false;
            QByteArray mp3 = recording_mp3(language_folder, number, scratch_, unreadable);
            if (unreadable) ++unreadable_;
            if (mp3.isEmpty()) return QString();
            const QString index = QString::number(files_.size());
            files_.push_back(std::move(mp3));
            names_.insert(index, name);
            index_of_.insert(name, index);
        }
        return QStringLiteral("[sound:%1]").arg(name);
    }

    const std::vector<QByteArray>& files() const { return files_; }
    // The package's "media" list: the file names in the archive to the names the notes use.
    QByteArray names_json() const { return QJsonDocument(names_).toJson(QJsonDocument::Compact); }
    int unreadable() const { return unreadable_; }

private:
    QString scratch_;
    QJsonObject names_;
    std::vector<QByteArray> files_;
    QHash<QString, QString> index_of_;
    int unreadable_ = 0;
};

// One note per entry with a foreign word, in list order; `left_out` counts the others.
std::vector<Note> notes_of(const QStringList& lines, const DeckExportSource& s, MediaFiles& media, int& left_out) {
    const QString folder = s.languages_folder + s.language + u'/';
    const QString target_folder = s.languages_folder + s.target_language + u'/';
    const QHash<QString, QString> target_numbers = target_numbers_of(s);
    std::vector<Note> notes;
    for (const QString& l : lines) {
        const auto e = parse_entry(l);
        if (!e) continue;
        if (e->word.trimmed().isEmpty()) {
            ++left_out;
            continue;
        }
        Note n;
        n.sort_text = e->word;
        n.front = field_html(e->word) + media.sound_tag(folder, s.language, e->sound_number);
        n.back = field_html(e->translation);
        if (const QString t = target_numbers.value(e->sound_number); !t.isEmpty())
            n.back += media.sound_tag(target_folder, s.target_language, t);
        n.guid = stable_guid(s.language, e->sound_number, e->word);
        notes.push_back(std::move(n));
    }
    return notes;
}

// The collection and its media zipped in the scratch folder, then put in place of `destination` in
// one step; on failure `why` says what went wrong and `destination` is as it was.
bool write_package(const QString& scratch, const QString& deck_name, const std::vector<Note>& notes,
                   const MediaFiles& media, const QString& destination, QString* why) {
    const QString collection = scratch + QStringLiteral("/collection.anki2");
    const QString archive = scratch + QStringLiteral("/deck.apkg");
    if (!write_collection(collection, deck_name, notes, why) ||
        !zip_package(archive, collection, media.names_json(), media.files(), why)) {
        *why = Quillory::tr("The Anki deck could not be made: %1").arg(*why);
        return false;
    }
    QFile packed(archive);
    if (!packed.open(QIODevice::ReadOnly)) {
        *why = Quillory::tr("The Anki deck could not be made: %1").arg(packed.errorString());
        return false;
    }
    return write_bytes(destination, packed.readAll(), why);
}

QString exported_message(const DeckExportOutcome& r, const QString& list, const QString& destination) {
    QString message = Quillory::tr("The list %1 was exported to %2 as an Anki deck of %3 with %4.")
                          .arg(list, destination, (r.notes == 1 ? Quillory::tr("%n note", nullptr, r.notes) : Quillory::tr("%n notes", nullptr, r.notes)),
                               (r.sounds == 1 ? Quillory::tr("%n recording", nullptr, r.sounds) : Quillory::tr("%n recordings", nullptr, r.sounds)));
    if (r.left_out > 0)
        message += r.left_out == 1 ? Quillory::tr(" 1 entry without a foreign word was left out.")
                                   : Quillory::tr(" %1 entries without a foreign word were left out.").arg(r.left_out);
    if (r.unreadable_sounds > 0)
        message += r.unreadable_sounds == 1
                       ? Quillory::tr(" 1 recording could not be read; its note has no sound.")
                       : Quillory::tr(" %1 recordings could not be read; their notes have no sound.").arg(r.unreadable_sounds);
    return message;
}

}  // namespace

DeckExportOutcome export_anki_deck(const DeckExportSource& s, const QString& destination) {
    DeckExportOutcome r;
    const QString list_path = s.languages_folder + s.language + u'/' + s.list + QStringLiteral(".txt");
    const auto lines = read_lines(list_path);
    if (!lines) {
        r.message = Quillory::tr("Could not read the file %1.").arg(list_path);
        return r;
    }
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        r.message = Quillory::tr("Could not make a temporary folder: %1").arg(scratch.errorString());
        return r;
    }
    MediaFiles media(scratch.path());
    const std::vector<Note> notes = notes_of(*lines, s, media, r.left_out);
    r.unreadable_sounds = media.unreadable();
    if (notes.empty()) {
        r.message = Quillory::tr("The list %1 holds no words to export.").arg(s.list);
        return r;
    }
    QString why;
    if (!write_package(scratch.path(), s.language + QStringLiteral("::") + s.list, notes, media, destination, &why)) {
        r.message = why;
        return r;
    }
    r.ok = true;
    r.notes = int(notes.size());
    r.sounds = int(media.files().size());
    r.message = exported_message(r, s.list, destination);
    return r;
}

}  // namespace ql
