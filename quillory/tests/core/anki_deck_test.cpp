#include "core/anki/anki_package.h"
#include "core/anki/deck_export.h"
#include "core/anki/deck_import.h"
#include "core/anki/proto_reader.h"
#include "core/new_recordings.h"
#include "core/sound_convert.h"
#include "core/text_file.h"
#include "support/anki_deck_maker.h"
#include "support/data_tree.h"
#include "support/sound_maker.h"

#include <QDirIterator>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <cerrno>
#include <map>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

using namespace ql;
using namespace ql::testing;

namespace {

constexpr int kFrame = 576;  // samples in one MPEG-2 layer III frame

// Every file and folder under a root, with the files' bytes.
std::map<QString, QByteArray> snapshot(const QString& root) {
    std::map<QString, QByteArray> out;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        const QString rel = p.mid(root.size());
        if (it.fileInfo().isDir()) {
            out[rel + u'/'] = QByteArray();
        } else {
            QFile f(p);
            f.open(QIODevice::ReadOnly);
            out[rel] = f.readAll();
        }
    }
    return out;
}

// Samples from the first to the last that stands out of the silence (the test tones swing to 0.5).
qint64 audible_span(const QByteArray& mp3) {
    QString why;
    const auto s = decode_sound(mp3, &why);
    if (!s) return -1;
    const std::vector<int16_t> pcm = to_mono_pcm(*s, s->rate);
    qint64 first = -1, last = -1;
    for (size_t i = 0; i < pcm.size(); ++i)
        if (std::abs(pcm[i]) > 1600) {
            if (first < 0) first = qint64(i);
            last = qint64(i);
        }
    return first < 0 ? 0 : last - first + 1;
}

class FullDisk : public WriteDevice {
public:
    int fail_at = 0, writes = 0;
    FullDisk() { set_write_device(this); }
    ~FullDisk() override { set_write_device(nullptr); }
    ssize_t write(int fd, const char* data, size_t size) override {
        if (++writes >= fail_at) {
            errno = ENOSPC;
            return -1;
        }
        return ::write(fd, data, size);
    }
};

// An exported collection opened for reading: each row's columns joined by ",".
class Collection {
public:
    explicit Collection(const QByteArray& bytes) {
        const QString path = dir_.path() + QStringLiteral("/c.anki2");
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        EXPECT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db_), SQLITE_OK);
    }
    ~Collection() { sqlite3_close(db_); }
    Collection(const Collection&) = delete;
    Collection& operator=(const Collection&) = delete;

    QStringList query(const QString& sql) const {
        QStringList rows;
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &st, nullptr);
        while (sqlite3_step(st) == SQLITE_ROW) {
            QStringList cols;
            for (int c = 0; c < sqlite3_column_count(st); ++c)
                cols << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c)));
            rows << cols.join(u',');
        }
        sqlite3_finalize(st);
        return rows;
    }
    // A table's column names in order, separated by spaces.
    QString columns(const char* table) const {
        QStringList names;
        for (const QString& row : query(QStringLiteral("PRAGMA table_info(%1)").arg(QLatin1String(table))))
            names << row.section(u',', 1, 1);
        return names.join(u' ');
    }

private:
    QTemporaryDir dir_;
    sqlite3* db_ = nullptr;
};

const QStringList kBasicFields{QStringLiteral("Front"), QStringLiteral("Back")};

class AnkiDeckTest : public ::testing::Test {
protected:
    DataTree tree;
    QTemporaryDir decks;

    void SetUp() override {
        tree.write_lines(QStringLiteral("languages/spanish/master_spanish.txt"), {QStringLiteral("casa|house|00412")});
        tree.write_lines(QStringLiteral("languages/spanish/highest_num.dat"), {QStringLiteral(" 70010 ")});
        tree.write_lines(QStringLiteral("languages/spanish/trans_spanish.dat"), {QStringLiteral("english")});
        tree.write_lines(QStringLiteral("languages/spanish/trans_index_spanish_english.dat"),
                         {QStringLiteral("00412|00412")});
        tree.write_lines(QStringLiteral("languages/english/master_english.txt"),
                         {QStringLiteral("house|casa|00412"), QStringLiteral("dog|perro|00413")});
    }

    QString deck_path(const QString& name) const { return decks.path() + u'/' + name; }

    DeckImportTarget target(const QString& list) const {
        return {tree.root() + QStringLiteral("languages/"), QStringLiteral("spanish"), QStringLiteral("english"), list};
    }

    // A deck of every case a real one throws up: three clip kinds, a reused pair, a translation with
    // and without a target entry, a missing file, an empty field and a repeat.
    MadeDeck sample_deck(AnkiForm form) const {
        MadeDeck d;
        d.form = form;
        d.types = {{1342, QStringLiteral("Basic"), kBasicFields},
                   {2024, QStringLiteral("Reversed"), {QStringLiteral("English"), QStringLiteral("Spanish")}}};
        d.notes = {
            {1342, {QStringLiteral("el perro[sound:perro.mp3]"), QStringLiteral("dog")}},
            {1342, {QStringLiteral("<b>el gato</b>&nbsp;[sound:gato.ogg]"), QStringLiteral("cat")}},
            {1342, {QStringLiteral("casa [sound:casa.wav]"), QStringLiteral("house[sound:house.mp3]")}},
            {1342, {QStringLiteral("el sol[sound:missing.mp3]"), QStringLiteral("sun")}},
            {1342, {QString(), QStringLiteral("empty")}},
            {1342, {QStringLiteral("el perro"), QStringLiteral("dog")}},
            {2024, {QStringLiteral("moon[sound:moon.mp3]"), QStringLiteral("la luna")}},
        };
        d.media = {{QStringLiteral("perro.mp3"), mp3_clip(44100, 2, 0.3, 1.0)},
                   {QStringLiteral("gato.ogg"), ogg_clip(48000, 1, 0.3, 1.5)},
                   {QStringLiteral("casa.wav"), wav_clip(44100, 2, 0.3, 1.2)},
                   {QStringLiteral("house.mp3"), mp3_clip(22050, 1, 0.3, 0.8)},
                   {QStringLiteral("moon.mp3"), mp3_clip(22050, 1, 0.2, 0.5)}};
        return d;
    }

    DeckImportOutcome import(const QString& path, const QString& list, const FieldChoices& choices,
                             QString* refusal = nullptr, DeckImportProgress* given = nullptr) {
        QString error;
        const auto deck = read_anki_package(path, &error);
        if (!deck) {
            if (refusal) *refusal = error;
            return {};
        }
        const DeckPairs pairs = collect_deck_pairs(*deck, choices);
        const auto plan = plan_deck_import(*deck, pairs, target(list), &error);
        if (!plan) {
            if (refusal) *refusal = error;
            return {};
        }
        DeckImportProgress own;
        return run_deck_import(*deck, *plan, given ? *given : own, 2);
    }
};

TEST(ProtoReaderTest, WalksHandWrittenMediaEntriesAndStopsAtDamage) {
    // MediaEntries with two entries: {name "a.mp3", size 300, sha1 2 bytes, an unknown fixed32 and
    // fixed64}, then {name "b", legacy_zip_filename 7}.
    const QByteArray first = QByteArray::fromHex("0a05612e6d7033" "10ac02" "1a02beef" "2501020304" "290102030405060708");
    const QByteArray second = QByteArray::fromHex("0a0162" "f80f07");
    const QByteArray list = QByteArray::fromHex("0a") + char(first.size()) + first + QByteArray::fromHex("0a") +
                            char(second.size()) + second;
    ProtoReader outer(list);
    std::vector<QByteArray> entries;
    while (outer.next()) {
        ASSERT_EQ(outer.field(), 1);
        ASSERT_EQ(outer.wire_type(), ProtoReader::LengthDelimited);
        entries.push_back(outer.bytes().toByteArray());
    }
    EXPECT_FALSE(outer.malformed());
    ASSERT_EQ(entries.size(), 2u);

    ProtoReader a(entries[0]);
    std::vector<std::pair<int, quint64>> seen;
    QByteArray name;
    while (a.next()) {
        seen.emplace_back(a.field(), a.value());
        if (a.field() == 1) name = a.bytes().toByteArray();
    }
    EXPECT_EQ(name, "a.mp3");
    EXPECT_EQ(seen, (std::vector<std::pair<int, quint64>>{
                        {1, 0}, {2, 300}, {3, 0}, {4, 0x04030201}, {5, 0x0807060504030201ull}}));
    ProtoReader b(entries[1]);
    ASSERT_TRUE(b.next());
    ASSERT_TRUE(b.next());
    EXPECT_EQ(b.field(), 255);
    EXPECT_EQ(b.value(), 7u);

    // A length that runs past the end, a varint that never ends, and a group are damage, not data.
    for (const char* hex : {"0a05612e", "08ffffffffffffffffffff01", "0b"}) {
        ProtoReader bad(QByteArray::fromHex(hex));
        while (bad.next()) {
        }
        EXPECT_TRUE(bad.malformed()) << hex;
    }
}

// Each package form in use, with MP3, Ogg and 44.1 kHz stereo WAV clips.
class AnkiFormTest : public AnkiDeckTest, public ::testing::WithParamInterface<AnkiForm> {};

TEST_P(AnkiFormTest, ImportsLinesAndTrimmedRecordings) {
    const QString path = deck_path(QStringLiteral("animals.apkg"));
    write_apkg(path, sample_deck(GetParam()));
    QString error;
    const auto deck = read_anki_package(path, &error);
    ASSERT_TRUE(deck) << error.toStdString();
    EXPECT_EQ(deck->form, GetParam());
    ASSERT_EQ(deck->note_types.size(), 2u);
    EXPECT_EQ(deck->note_types[1].fields, (QStringList{QStringLiteral("English"), QStringLiteral("Spanish")}));

    // The second note type holds the translation first.
    const FieldChoices choices{{2024, FieldChoice{1, 0}}};
    const DeckPairs pairs = collect_deck_pairs(*deck, choices);
    EXPECT_EQ(pairs.notes, 7);
    EXPECT_EQ(pairs.empty_field, 1);
    EXPECT_EQ(pairs.repeated, 1);
    EXPECT_EQ(deck_skipped_summary(pairs),
              QStringLiteral("2 notes will be skipped: 1 with an empty field; 1 repeating a pair above."));

    const DeckImportOutcome r = import(path, QStringLiteral("animals"), choices, &error);
    ASSERT_TRUE(r.ok) << (error + r.message).toStdString();
    EXPECT_EQ(r.message,
              QStringLiteral("5 word pairs were imported into the new list animals, with 4 new recordings. 1 of them was "
                             "already in the language and kept its sound number. 1 sound named by a note is missing "
                             "from the deck; that word came without it. 1 translation sound was left out: the "
                             "translation is not an entry of the target language."));
    EXPECT_EQ(tree.read(QStringLiteral("languages/spanish/animals.txt")),
              crlf({QStringLiteral("el perro|dog|70010"), QStringLiteral("el gato|cat|70011"),
                    QStringLiteral("casa|house|00412"), QStringLiteral("el sol|sun|70012"),
                    QStringLiteral("la luna|moon|70013")}));
    EXPECT_EQ(tree.read(QStringLiteral("languages/spanish/master_spanish.txt")),
              crlf({QStringLiteral("casa|house|00412"), QStringLiteral("el perro|dog|70010"),
                    QStringLiteral("el gato|cat|70011"), QStringLiteral("el sol|sun|70012"),
                    QStringLiteral("la luna|moon|70013")}));
    EXPECT_EQ(tree.read(QStringLiteral("languages/spanish/highest_num.dat")), crlf({QStringLiteral(" 70014 ")}));

    // Each recording holds its clip's tone, the silence around it cut off, in the recordings' format.
    const std::pair<const char*, double> expected[] = {{"languages/spanish/70/70010.mp3", 1.0},
                                                       {"languages/spanish/70/70011.mp3", 1.5},
                                                       {"languages/spanish/00/00412.mp3", 1.2},
                                                       {"languages/english/00/00412.mp3", 0.8}};
    for (const auto& [file, seconds] : expected) {
        const QByteArray mp3 = tree.read(QString::fromLatin1(file));
        ASSERT_FALSE(mp3.isEmpty()) << file;
        EXPECT_TRUE(mp3.startsWith("\xff\xf3")) << file << ": MPEG-2 layer III without a tag";
        const Decoded whole = decode_mp3(mp3);
        EXPECT_EQ(whole.rate, 22050) << file;
        const qint64 tone = qint64(seconds * 22050);
        EXPECT_NEAR(double(audible_span(mp3)), double(tone), kFrame) << file;
        // Encoder delay and the last frame's padding only: the 0.3 s of silence on each side are gone.
        EXPECT_LE(whole.samples, tone + 1105 + 2 * kFrame) << file;
    }
    EXPECT_FALSE(tree.exists(QStringLiteral("languages/spanish/70/70012.mp3")));
    EXPECT_FALSE(tree.exists(QStringLiteral("languages/spanish/70/70013.mp3")));
}

INSTANTIATE_TEST_SUITE_P(Forms, AnkiFormTest, ::testing::Values(AnkiForm::Anki2, AnkiForm::Anki21, AnkiForm::Anki21b));

TEST_F(AnkiDeckTest, RecordingsOfTheLanguageAreKept) {
    tree.write(QStringLiteral("languages/spanish/00/00412.mp3"), "ours");
    const QString path = deck_path(QStringLiteral("d.apkg"));
    MadeDeck d;
    d.types = {{1, QStringLiteral("Basic"), kBasicFields}};
    d.notes = {{1, {QStringLiteral("casa[sound:c.wav]"), QStringLiteral("house")}}};
    d.media = {{QStringLiteral("c.wav"), wav_clip(22050, 1, 0.1, 0.5)}};
    write_apkg(path, d);
    const DeckImportOutcome r = import(path, QStringLiteral("more"), {});
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.recordings, 0);
    EXPECT_EQ(tree.read(QStringLiteral("languages/spanish/00/00412.mp3")), "ours");
}

TEST(SoundConvertTest, FlacClipsBecomeRecordings) {
    QString why;
    const auto mp3 = convert_to_recording(flac_clip(44100, 2, 0.3, 0.9), &why);
    ASSERT_TRUE(mp3) << why.toStdString();
    EXPECT_NEAR(double(audible_span(*mp3)), 0.9 * 22050, kFrame);
    EXPECT_FALSE(convert_to_recording(flac_clip(44100, 2, 0.3, 0.9).left(200), &why));
    EXPECT_EQ(why, QStringLiteral("its FLAC audio is damaged"));
}

// A contributor's new recordings are stored enciphered; a deck carries them as MP3 like the rest.
TEST_F(AnkiDeckTest, NewRecordingsGoOutDecipheredAndEncoded) {
    tree.write_lines(QStringLiteral("languages/spanish/new.txt"), {QStringLiteral("sol|sun|70020")});
    const QByteArray take = tone_pcm(22050, 1, 0.0, 0.7);
    tree.write(QStringLiteral("languages/spanish/new_str/70/70020.tmp"), take);
    ASSERT_TRUE(encipher_sound_file(tree.path(QStringLiteral("languages/spanish/new_str/70/70020.tmp")),
                                    tree.path(QStringLiteral("languages/spanish/new_str/70/70020.str")))
                    .ok());
    const QString out = deck_path(QStringLiteral("new.apkg"));
    const DeckExportOutcome e = export_anki_deck(
        {tree.root() + QStringLiteral("languages/"), QStringLiteral("spanish"), QStringLiteral("new"), QString()}, out);
    ASSERT_TRUE(e.ok) << e.message.toStdString();
    EXPECT_EQ(e.sounds, 1);
    std::map<QString, QByteArray> entries;
    for (auto& [name, bytes] : read_zip(out)) entries[name] = bytes;
    EXPECT_NEAR(double(audible_span(entries[QStringLiteral("0")])), double(take.size() / 2), kFrame);
}

TEST_F(AnkiDeckTest, ExportsALegacyCollectionThatImportsBack) {
    write_apkg(deck_path(QStringLiteral("in.apkg")), sample_deck(AnkiForm::Anki2));
    ASSERT_TRUE(import(deck_path(QStringLiteral("in.apkg")), QStringLiteral("animals"), {{2024, FieldChoice{1, 0}}}).ok);

    const QString out = deck_path(QStringLiteral("out.apkg"));
    const DeckExportOutcome e = export_anki_deck(
        {tree.root() + QStringLiteral("languages/"), QStringLiteral("spanish"), QStringLiteral("animals"),
         QStringLiteral("english")},
        out);
    ASSERT_TRUE(e.ok) << e.message.toStdString();
    EXPECT_EQ(e.message, QStringLiteral("The list animals was exported to %1 as an Anki deck of 5 notes with 4 "
                                        "recordings.").arg(out));

    // The package Anki reads: the legacy collection, the JSON media list, media named by number.
    std::map<QString, QByteArray> entries;
    for (auto& [name, bytes] : read_zip(out)) entries[name] = bytes;
    ASSERT_TRUE(entries.count(QStringLiteral("collection.anki2")));
    EXPECT_EQ(QJsonDocument::fromJson(entries[QStringLiteral("media")]).object(),
              (QJsonObject{{"0", "spanish_70010.mp3"}, {"1", "spanish_70011.mp3"}, {"2", "spanish_00412.mp3"},
                           {"3", "english_00412.mp3"}}));
    EXPECT_EQ(entries[QStringLiteral("0")], tree.read(QStringLiteral("languages/spanish/70/70010.mp3")));

    // The tables and columns every Anki since 2.1 opens a legacy collection by.
    const Collection col(entries[QStringLiteral("collection.anki2")]);
    EXPECT_EQ(col.columns("col"), QStringLiteral("id crt mod scm ver dty usn ls conf models decks dconf tags"));
    EXPECT_EQ(col.columns("notes"), QStringLiteral("id guid mid mod usn tags flds sfld csum flags data"));
    EXPECT_EQ(col.columns("cards"), QStringLiteral("id nid did ord mod usn type queue due ivl factor reps lapses "
                                                   "left odue odid flags data"));
    EXPECT_EQ(col.columns("revlog"), QStringLiteral("id cid usn ease ivl lastIvl factor time type"));
    EXPECT_EQ(col.columns("graves"), QStringLiteral("usn oid type"));
    EXPECT_EQ(col.query(QStringLiteral("SELECT ver FROM col")), QStringList{QStringLiteral("11")});
    const QStringList notes = col.query(QStringLiteral("SELECT flds, sfld FROM notes ORDER BY id"));
    ASSERT_EQ(notes.size(), 5);
    EXPECT_EQ(notes[2], QStringLiteral("casa[sound:spanish_00412.mp3]\x1fhouse[sound:english_00412.mp3],casa"));
    EXPECT_EQ(col.query(QStringLiteral("SELECT count(*) FROM cards JOIN notes ON cards.nid = notes.id")),
              QStringList{QStringLiteral("5")});
    const QJsonObject decks =
        QJsonDocument::fromJson(col.query(QStringLiteral("SELECT decks FROM col")).value(0).toUtf8()).object();
    QStringList deck_names;
    for (const QJsonValue& v : decks) deck_names << v.toObject().value(QStringLiteral("name")).toString();
    deck_names.sort();
    EXPECT_EQ(deck_names, (QStringList{QStringLiteral("Default"), QStringLiteral("spanish::animals")}));

    // Back in through the importer: the same pairs, each recording as long as it was.
    DataTree other;
    other.mkdir(QStringLiteral("languages/spanish"));
    QString error;
    const auto deck = read_anki_package(out, &error);
    ASSERT_TRUE(deck) << error.toStdString();
    ASSERT_EQ(deck->note_types.size(), 1u);
    EXPECT_EQ(deck->note_types[0].fields, kBasicFields);
    const auto plan = plan_deck_import(*deck, collect_deck_pairs(*deck, {}),
                                       {other.root() + QStringLiteral("languages/"), QStringLiteral("spanish"),
                                        QString(), QStringLiteral("back")},
                                       &error);
    ASSERT_TRUE(plan) << error.toStdString();
    DeckImportProgress progress;
    ASSERT_TRUE(run_deck_import(*deck, *plan, progress, 2).ok);
    EXPECT_EQ(other.read(QStringLiteral("languages/spanish/back.txt")),
              crlf({QStringLiteral("el perro|dog|70000"), QStringLiteral("el gato|cat|70001"),
                    QStringLiteral("casa|house|70002"), QStringLiteral("el sol|sun|70003"),
                    QStringLiteral("la luna|moon|70004")}));
    const std::pair<const char*, const char*> same[] = {{"70/70010", "70/70000"}, {"70/70011", "70/70001"},
                                                        {"00/00412", "70/70002"}};
    for (const auto& [was, is] : same) {
        const QByteArray before = tree.read(QStringLiteral("languages/spanish/%1.mp3").arg(QLatin1String(was)));
        const QByteArray after = other.read(QStringLiteral("languages/spanish/%1.mp3").arg(QLatin1String(is)));
        EXPECT_NEAR(double(audible_span(after)), double(audible_span(before)), kFrame) << is;
    }
}

TEST_F(AnkiDeckTest, BadDecksChangeNothingAndSayWhy) {
    const auto before = snapshot(tree.root());
    auto refused = [&](const QString& name, const QString& list = QStringLiteral("bad")) {
        QString error;
        const DeckImportOutcome r = import(deck_path(name), list, {}, &error);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(snapshot(tree.root()), before) << name.toStdString();
        return (r.ok ? QString() : error.isEmpty() ? r.message : error).toStdString();
    };

    {
        QFile f(deck_path(QStringLiteral("text.apkg")));
        f.open(QIODevice::WriteOnly);
        f.write("just some text, not a zip archive");
    }
    EXPECT_EQ(refused(QStringLiteral("text.apkg")),
              std::string("The Anki deck text.apkg cannot be imported: it is not a zip archive."));

    write_zip(deck_path(QStringLiteral("nocol.apkg")), {{QStringLiteral("media"), "{}"}});
    EXPECT_EQ(refused(QStringLiteral("nocol.apkg")),
              std::string("The Anki deck nocol.apkg cannot be imported: the zip archive holds no Anki collection."));

    write_zip(deck_path(QStringLiteral("notsql.apkg")),
              {{QStringLiteral("collection.anki2"), QByteArray(4096, 'x')}, {QStringLiteral("media"), "{}"}});
    EXPECT_EQ(refused(QStringLiteral("notsql.apkg")),
              std::string("The Anki deck notsql.apkg cannot be imported: its collection is not an SQLite database."));

    MadeDeck empty;
    empty.types = {{1, QStringLiteral("Basic"), kBasicFields}};
    write_apkg(deck_path(QStringLiteral("empty.apkg")), empty);
    EXPECT_EQ(refused(QStringLiteral("empty.apkg")),
              std::string("The Anki deck empty.apkg holds no notes. Nothing was imported."));

    // One clip that no decoder reads fails the whole deck, converted clips and all.
    MadeDeck broken = sample_deck(AnkiForm::Anki21b);
    broken.media[2].second = "RIFF and nothing of a wave";
    write_apkg(deck_path(QStringLiteral("broken.apkg")), broken);
    EXPECT_EQ(refused(QStringLiteral("broken.apkg")),
              std::string("The media file casa.wav in broken.apkg cannot be converted: it is not MP3, Ogg "
                             "Vorbis, FLAC or WAV audio.\r\nNothing was imported: the files of the "
                             "language are as they were."));

    // A disk that fills up while the recordings, the list and the master go in.
    write_apkg(deck_path(QStringLiteral("good.apkg")), sample_deck(AnkiForm::Anki2));
    for (int at : {1, 4, 7}) {
        FullDisk disk;
        disk.fail_at = at;
        EXPECT_NE(refused(QStringLiteral("good.apkg")).find("No space left on device"), std::string::npos) << at;
    }

    DeckImportProgress cancelled;
    cancelled.cancel = true;
    const DeckImportOutcome c = import(deck_path(QStringLiteral("good.apkg")), QStringLiteral("bad"), {}, nullptr, &cancelled);
    EXPECT_TRUE(c.cancelled);
    EXPECT_EQ(c.message, QStringLiteral("The import was cancelled. Nothing was imported: the files of the language are "
                                        "as they were."));
    EXPECT_EQ(snapshot(tree.root()), before);
}

}  // namespace
