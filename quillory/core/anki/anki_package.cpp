#include "anki_package.h"
#include "core/zip_error.h"

#include "core/anki/proto_reader.h"
#include "core/ui_text.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonArray>
#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <sqlite3.h>
#include <zip.h>
#include <zstd.h>

namespace ql {

namespace {

// No collection or media file of a deck comes near this; a bigger one is a zip bomb or a broken file.
constexpr qint64 kMaxUnpacked = qint64(2) << 30;

const char kSqliteMagic[] = "SQLite format 3";  // followed by a zero byte

// One whole entry of the archive; std::nullopt when it is missing or cannot be read.
std::optional<QByteArray> read_entry(zip_t* z, const QString& name, QString* why) {
    const zip_int64_t index = zip_name_locate(z, name.toUtf8().constData(), 0);
    if (index < 0) {
        if (why) *why = Quillory::tr("it is not in the package");
        return std::nullopt;
    }
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(z, zip_uint64_t(index), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE) ||
        st.size > zip_uint64_t(kMaxUnpacked)) {
        if (why) *why = Quillory::tr("its size cannot be read");
        return std::nullopt;
    }
    zip_file_t* f = zip_fopen_index(z, zip_uint64_t(index), 0);
    if (!f) {
        if (why) *why = QString::fromLocal8Bit(zip_strerror(z));
        return std::nullopt;
    }
    QByteArray out(qsizetype(st.size), Qt::Uninitialized);
    qint64 got = 0;
    while (got < out.size()) {
        const zip_int64_t n = zip_fread(f, out.data() + got, zip_uint64_t(out.size() - got));
        if (n <= 0) break;
        got += n;
    }
    const bool ok = got == out.size();
    if (!ok && why) *why = QString::fromLocal8Bit(zip_file_strerror(f));
    zip_fclose(f);
    if (!ok) return std::nullopt;
    return out;
}

bool has_entry(zip_t* z, const char* name) { return zip_name_locate(z, name, 0) >= 0; }

// ---- SQLite over bytes in memory ----
struct Db {
    sqlite3* db = nullptr;
    ~Db() {
        if (db) sqlite3_close(db);
    }
};

// Anki's current schema sorts names with its own collation; the reads here never need its order,
// only its presence.
int unicase_compare(void*, int na, const void* a, int nb, const void* b) {
    const QString sa = QString::fromUtf8(static_cast<const char*>(a), na);
    const QString sb = QString::fromUtf8(static_cast<const char*>(b), nb);
    return sa.compare(sb, Qt::CaseInsensitive);
}

template <typename Row>
bool each_row(sqlite3* db, const char* sql, QString* error, Row row) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) != SQLITE_OK) {
        *error = QString::fromUtf8(sqlite3_errmsg(db));
        return false;
    }
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) row(st);
    if (rc != SQLITE_DONE) *error = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_finalize(st);
    return rc == SQLITE_DONE;
}

QString column_text(sqlite3_stmt* st, int col) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, col));
    return p ? QString::fromUtf8(p, sqlite3_column_bytes(st, col)) : QString();
}

bool read_legacy_note_types(sqlite3* db, std::vector<AnkiNoteType>& out, QString* error) {
    QByteArray models;
    if (!each_row(db, "SELECT models FROM col LIMIT 1", error, [&](sqlite3_stmt* st) {
            models = QByteArray(reinterpret_cast<const char*>(sqlite3_column_blob(st, 0)), sqlite3_column_bytes(st, 0));
        }))
        return false;
    const QJsonObject all = QJsonDocument::fromJson(models).object();
    for (auto it = all.begin(); it != all.end(); ++it) {
        const QJsonObject m = it.value().toObject();
        AnkiNoteType t;
        t.id = it.key().toLongLong();
        if (m.contains(QStringLiteral("id"))) t.id = qint64(m.value(QStringLiteral("id")).toDouble());
        t.name = m.value(QStringLiteral("name")).toString();
        std::vector<std::pair<int, QString>> fields;
        const QJsonArray flds = m.value(QStringLiteral("flds")).toArray();
        for (int k = 0; k < flds.size(); ++k) {
            const QJsonObject f = flds[k].toObject();
            fields.emplace_back(f.value(QStringLiteral("ord")).toInt(k), f.value(QStringLiteral("name")).toString());
        }
        std::stable_sort(fields.begin(), fields.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& f : fields) t.fields << f.second;
        out.push_back(std::move(t));
    }
    return true;
}

bool read_current_note_types(sqlite3* db, std::vector<AnkiNoteType>& out, QString* error) {
    std::map<qint64, AnkiNoteType> types;
    if (!each_row(db, "SELECT id, name FROM notetypes", error, [&](sqlite3_stmt* st) {
            AnkiNoteType& t = types[sqlite3_column_int64(st, 0)];
            t.id = sqlite3_column_int64(st, 0);
            t.name = column_text(st, 1);
        }))
        return false;
    if (!each_row(db, "SELECT ntid, name FROM fields ORDER BY ntid, ord", error, [&](sqlite3_stmt* st) {
            const auto it = types.find(sqlite3_column_int64(st, 0));
            if (it != types.end()) it->second.fields << column_text(st, 1);
        }))
        return false;
    for (auto& [id, t] : types) out.push_back(std::move(t));
    return true;
}

bool read_collection(QByteArray bytes, AnkiDeck& deck, QString* error) {
    if (bytes.size() < 100 || std::memcmp(bytes.constData(), kSqliteMagic, sizeof kSqliteMagic) != 0) {
        *error = Quillory::tr("its collection is not an SQLite database");
        return false;
    }
    // A collection saved in write-ahead mode says so in bytes 18 and 19; read from memory it has no
    // log beside it, so it is read as a plain database.
    if (bytes[18] == 2) bytes[18] = 1;
    if (bytes[19] == 2) bytes[19] = 1;
    Db d;
    if (sqlite3_open_v2(":memory:", &d.db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        *error = Quillory::tr("SQLite cannot be started");
        return false;
    }
    sqlite3_create_collation(d.db, "unicase", SQLITE_UTF8, nullptr, unicase_compare);
    // SQLite owns and frees the copy; `bytes` is ours to drop.
    auto* buf = static_cast<unsigned char*>(sqlite3_malloc64(sqlite3_uint64(bytes.size())));
    if (!buf) {
        *error = Quillory::tr("the collection does not fit in memory");
        return false;
    }
    std::memcpy(buf, bytes.constData(), size_t(bytes.size()));
    if (sqlite3_deserialize(d.db, "main", buf, bytes.size(), bytes.size(),
                            SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_READONLY) != SQLITE_OK) {
        *error = Quillory::tr("its collection is not an SQLite database");
        return false;
    }
    QString why;
    const bool types_ok = deck.form == AnkiForm::Anki21b ? read_current_note_types(d.db, deck.note_types, &why)
                                                         : read_legacy_note_types(d.db, deck.note_types, &why);
    if (!types_ok) {
        *error = Quillory::tr("its collection cannot be read (%1)").arg(why);
        return false;
    }
    if (!each_row(d.db, "SELECT id, mid, flds FROM notes ORDER BY id", &why, [&](sqlite3_stmt* st) {
            AnkiNote n;
            n.id = sqlite3_column_int64(st, 0);
            n.type_id = sqlite3_column_int64(st, 1);
            n.fields = column_text(st, 2).split(QChar(0x1f));
            deck.notes.push_back(std::move(n));
        })) {
        *error = Quillory::tr("its notes cannot be read (%1)").arg(why);
        return false;
    }
    return true;
}

// ---- the media list ----
bool read_media_json(const QByteArray& bytes, AnkiDeck& deck) {
    QJsonParseError pe;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &pe);
    if (pe.error != QJsonParseError::NoError || !doc.isObject()) return false;
    const QJsonObject o = doc.object();
    for (auto it = o.begin(); it != o.end(); ++it)
        if (it.value().isString()) deck.media.insert(it.value().toString(), it.key());
    return true;
}

// MediaEntries { repeated MediaEntry entries = 1; }
// MediaEntry { string name = 1; uint32 size = 2; bytes sha1 = 3; optional uint32 legacy_zip_filename = 255; }
// An entry's file in the archive is named by its place in the list, unless it names one.
bool read_media_entries(const QByteArray& bytes, AnkiDeck& deck) {
    ProtoReader list(bytes);
    int index = 0;
    while (list.next()) {
        if (list.field() != 1 || list.wire_type() != ProtoReader::LengthDelimited) continue;
        ProtoReader entry(list.bytes());
        QString name, zip_name = QString::number(index);
        while (entry.next()) {
            if (entry.field() == 1 && entry.wire_type() == ProtoReader::LengthDelimited)
                name = QString::fromUtf8(entry.bytes());
            else if (entry.field() == 255 && entry.wire_type() == ProtoReader::Varint)
                zip_name = QString::number(entry.value());
        }
        if (entry.malformed()) return false;
        if (!name.isEmpty()) deck.media.insert(name, zip_name);
        ++index;
    }
    return !list.malformed();
}

// PackageMetadata { Version version = 1; } with 3 the current form.
int package_version(const QByteArray& meta) {
    ProtoReader r(meta);
    while (r.next())
        if (r.field() == 1 && r.wire_type() == ProtoReader::Varint) return int(r.value());
    return 0;
}

}  // namespace

bool is_zstd(const QByteArray& bytes) {
    return bytes.size() >= 4 && static_cast<unsigned char>(bytes[0]) == 0x28 &&
           static_cast<unsigned char>(bytes[1]) == 0xb5 && static_cast<unsigned char>(bytes[2]) == 0x2f &&
           static_cast<unsigned char>(bytes[3]) == 0xfd;
}

std::optional<QByteArray> zstd_decompress(const QByteArray& bytes, qint64 limit) {
    std::unique_ptr<ZSTD_DCtx, size_t (*)(ZSTD_DCtx*)> ctx(ZSTD_createDCtx(), ZSTD_freeDCtx);
    if (!ctx) return std::nullopt;
    QByteArray out;
    const unsigned long long known = ZSTD_getFrameContentSize(bytes.constData(), size_t(bytes.size()));
    if (known != ZSTD_CONTENTSIZE_ERROR && known != ZSTD_CONTENTSIZE_UNKNOWN && qint64(known) <= limit)
        out.reserve(qsizetype(known));
    ZSTD_inBuffer in{bytes.constData(), size_t(bytes.size()), 0};
    std::vector<char> chunk(ZSTD_DStreamOutSize());
    size_t last = 1;
    while (in.pos < in.size) {
        ZSTD_outBuffer o{chunk.data(), chunk.size(), 0};
        last = ZSTD_decompressStream(ctx.get(), &o, &in);
        if (ZSTD_isError(last)) return std::nullopt;
        if (out.size() + qint64(o.pos) > limit) return std::nullopt;
        out.append(chunk.data(), qsizetype(o.pos));
        if (o.pos == 0 && last != 0 && in.pos == in.size) break;
    }
    // Flush what the decoder still holds once the input is used up.
    while (last != 0) {
        ZSTD_outBuffer o{chunk.data(), chunk.size(), 0};
        last = ZSTD_decompressStream(ctx.get(), &o, &in);
        if (ZSTD_isError(last) || o.pos == 0) break;
        if (out.size() + qint64(o.pos) > limit) return std::nullopt;
        out.append(chunk.data(), qsizetype(o.pos));
    }
    if (last != 0) return std::nullopt;  // the stream ends in the middle of a frame
    return out;
}

const AnkiNoteType* AnkiDeck::note_type(qint64 id) const {
    for (const AnkiNoteType& t : note_types)
        if (t.id == id) return &t;
    return nullptr;
}

std::optional<AnkiDeck> read_anki_package(const QString& path, QString* error) {
    const QString file = QFileInfo(path).fileName();
    auto fail = [&](const QString& why) {
        if (error) *error = Quillory::tr("The Anki deck %1 cannot be imported: %2.").arg(file, why);
        return std::nullopt;
    };
    int code = 0;
    zip_t* raw = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code);
    if (!raw) {
        if (code == ZIP_ER_NOZIP || code == ZIP_ER_INCONS) return fail(Quillory::tr("it is not a zip archive"));
        return fail(zip_error_text(code));
    }
    std::unique_ptr<zip_t, void (*)(zip_t*)> z(raw, [](zip_t* p) { zip_discard(p); });

    AnkiDeck deck;
    deck.path = path;
    const char* collection = nullptr;
    if (has_entry(z.get(), "collection.anki21b")) {
        deck.form = AnkiForm::Anki21b;
        collection = "collection.anki21b";
    } else if (has_entry(z.get(), "collection.anki21")) {
        deck.form = AnkiForm::Anki21;
        collection = "collection.anki21";
    } else if (has_entry(z.get(), "collection.anki2")) {
        deck.form = AnkiForm::Anki2;
        collection = "collection.anki2";
    } else {
        return fail(Quillory::tr("the zip archive holds no Anki collection"));
    }
    QString why;
    auto bytes = read_entry(z.get(), QString::fromLatin1(collection), &why);
    if (!bytes) return fail(Quillory::tr("its collection cannot be read (%1)").arg(why));
    if (deck.form == AnkiForm::Anki21b) {
        bytes = zstd_decompress(*bytes, kMaxUnpacked);
        if (!bytes) return fail(Quillory::tr("its collection is not valid zstd-compressed data"));
    }
    if (!read_collection(std::move(*bytes), deck, &why)) return fail(why);

    int version = 0;
    if (has_entry(z.get(), "meta"))
        if (const auto meta = read_entry(z.get(), QStringLiteral("meta"), nullptr)) version = package_version(*meta);
    deck.media_compressed = version >= 3;
    if (has_entry(z.get(), "media")) {
        auto media = read_entry(z.get(), QStringLiteral("media"), &why);
        if (!media) return fail(Quillory::tr("its media list cannot be read (%1)").arg(why));
        // The current form compresses the list and writes it as protocol buffers; older ones write JSON.
        bool ok;
        if (deck.media_compressed || is_zstd(*media)) {
            const auto plain = zstd_decompress(*media, kMaxUnpacked);
            ok = plain && read_media_entries(*plain, deck);
        } else {
            ok = read_media_json(*media, deck);
        }
        if (!ok) return fail(Quillory::tr("its media list is damaged"));
    }
    return deck;
}

AnkiMediaReader::AnkiMediaReader(const AnkiDeck& deck) : deck_(deck) {
    int code = 0;
    archive_ = zip_open(QFile::encodeName(deck.path).constData(), ZIP_RDONLY, &code);
    if (!archive_) open_error_ = zip_error_text(code);
}

AnkiMediaReader::~AnkiMediaReader() {
    if (archive_) zip_discard(archive_);
}

bool AnkiMediaReader::has(const QString& name) const {
    const auto it = deck_.media.constFind(name);
    return archive_ && it != deck_.media.constEnd() && zip_name_locate(archive_, it->toUtf8().constData(), 0) >= 0;
}

std::optional<QByteArray> AnkiMediaReader::read(const QString& name, QString* error) {
    auto fail = [&](const QString& why) {
        if (error) *error = Quillory::tr("The media file %1 in %2 cannot be read: %3.")
                                .arg(name, QFileInfo(deck_.path).fileName(), why);
        return std::nullopt;
    };
    if (!archive_) return fail(open_error_);
    const auto it = deck_.media.constFind(name);
    if (it == deck_.media.constEnd()) return fail(Quillory::tr("it is not in the package's media list"));
    QString why;
    auto bytes = read_entry(archive_, *it, &why);
    if (!bytes) return fail(why);
    if (deck_.media_compressed) {
        bytes = zstd_decompress(*bytes, kMaxUnpacked);
        if (!bytes) return fail(Quillory::tr("it is not valid zstd-compressed data"));
    }
    return bytes;
}

}  // namespace ql
