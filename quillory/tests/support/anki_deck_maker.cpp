#include "anki_deck_maker.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <cmath>
#include <cstring>
#include <FLAC/stream_encoder.h>
#include <lame/lame.h>
#include <sqlite3.h>
#include <stdexcept>
#include <vorbis/vorbisenc.h>
#include <zip.h>
#include <zstd.h>

namespace ql::testing {

namespace {

std::vector<float> tone(int rate, int channels, double silence_s, double tone_s) {
    const int quiet = int(std::lround(silence_s * rate));
    const int loud = int(std::lround(tone_s * rate));
    std::vector<float> out(size_t(2 * quiet + loud) * size_t(channels), 0.0f);
    for (int i = 0; i < loud; ++i)
        for (int c = 0; c < channels; ++c)
            out[size_t(quiet + i) * size_t(channels) + size_t(c)] = 0.5f * float(std::sin(2 * M_PI * 440.0 * i / rate));
    return out;
}

void put_le(QByteArray& b, quint32 v, int n) {
    for (int k = 0; k < n; ++k) b.append(char((v >> (8 * k)) & 0xff));
}

void exec(sqlite3* db, const QString& sql) {
    char* msg = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &msg) != SQLITE_OK) {
        const std::string m = msg ? msg : "?";
        sqlite3_free(msg);
        throw std::runtime_error(m);
    }
}

QString quoted(const QString& s) { return u'\'' + QString(s).replace(u'\'', QStringLiteral("''")) + u'\''; }

QByteArray zstd(const QByteArray& b) {
    QByteArray out(qsizetype(ZSTD_compressBound(size_t(b.size()))), Qt::Uninitialized);
    const size_t n = ZSTD_compress(out.data(), size_t(out.size()), b.constData(), size_t(b.size()), 3);
    out.truncate(qsizetype(n));
    return out;
}

}  // namespace

QByteArray tone_pcm(int rate, int channels, double silence_s, double tone_s) {
    const std::vector<float> f = tone(rate, channels, silence_s, tone_s);
    QByteArray out;
    out.reserve(qsizetype(f.size() * 2));
    for (float v : f) put_le(out, quint32(quint16(qint16(std::lround(v * 32767)))), 2);
    return out;
}

QByteArray wav_clip(int rate, int channels, double silence_s, double tone_s) {
    const QByteArray data = tone_pcm(rate, channels, silence_s, tone_s);
    QByteArray b("RIFF");
    put_le(b, quint32(36 + data.size()), 4);
    b += "WAVEfmt ";
    put_le(b, 16, 4);
    put_le(b, 1, 2);
    put_le(b, quint32(channels), 2);
    put_le(b, quint32(rate), 4);
    put_le(b, quint32(rate * channels * 2), 4);
    put_le(b, quint32(channels * 2), 2);
    put_le(b, 16, 2);
    b += "data";
    put_le(b, quint32(data.size()), 4);
    return b + data;
}

QByteArray mp3_clip(int rate, int channels, double silence_s, double tone_s) {
    const QByteArray pcm = tone_pcm(rate, channels, silence_s, tone_s);
    lame_global_flags* gf = lame_init();
    lame_set_num_channels(gf, channels);
    lame_set_in_samplerate(gf, rate);
    lame_set_out_samplerate(gf, rate);
    lame_set_brate(gf, 128);
    lame_set_mode(gf, channels == 1 ? MONO : JOINT_STEREO);
    lame_init_params(gf);
    const int frames = int(pcm.size() / 2 / channels);
    QByteArray out(frames * 2 + 7200 * 2, Qt::Uninitialized);
    auto* buf = reinterpret_cast<unsigned char*>(out.data());
    const auto* s = reinterpret_cast<const short*>(pcm.constData());
    int n = channels == 1 ? lame_encode_buffer(gf, s, nullptr, frames, buf, int(out.size()))
                          : lame_encode_buffer_interleaved(gf, const_cast<short*>(s), frames, buf, int(out.size()));
    n += lame_encode_flush(gf, buf + n, int(out.size()) - n);
    lame_close(gf);
    out.truncate(n);
    return out;
}

QByteArray ogg_clip(int rate, int channels, double silence_s, double tone_s) {
    const std::vector<float> f = tone(rate, channels, silence_s, tone_s);
    vorbis_info vi;
    vorbis_info_init(&vi);
    vorbis_encode_init_vbr(&vi, channels, rate, 0.4f);
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_dsp_state vd;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block vb;
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, 1);
    QByteArray out;
    ogg_page og;
    ogg_packet op, oc, ocode;
    vorbis_analysis_headerout(&vd, &vc, &op, &oc, &ocode);
    ogg_stream_packetin(&os, &op);
    ogg_stream_packetin(&os, &oc);
    ogg_stream_packetin(&os, &ocode);
    while (ogg_stream_flush(&os, &og)) {
        out.append(reinterpret_cast<const char*>(og.header), og.header_len);
        out.append(reinterpret_cast<const char*>(og.body), og.body_len);
    }
    const long frames = long(f.size()) / channels;
    const long step = 1024;
    for (long at = 0; at <= frames; at += step) {
        const long n = std::min(step, frames - at);
        if (n > 0) {
            float** buffer = vorbis_analysis_buffer(&vd, int(n));
            for (long i = 0; i < n; ++i)
                for (int c = 0; c < channels; ++c) buffer[c][i] = f[size_t((at + i) * channels + c)];
        }
        vorbis_analysis_wrote(&vd, int(std::max(0L, n)));
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            while (vorbis_bitrate_flushpacket(&vd, &op)) {
                ogg_stream_packetin(&os, &op);
                while (ogg_stream_pageout(&os, &og)) {
                    out.append(reinterpret_cast<const char*>(og.header), og.header_len);
                    out.append(reinterpret_cast<const char*>(og.body), og.body_len);
                }
            }
        }
        if (n <= 0) break;
    }
    while (ogg_stream_flush(&os, &og)) {
        out.append(reinterpret_cast<const char*>(og.header), og.header_len);
        out.append(reinterpret_cast<const char*>(og.body), og.body_len);
    }
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return out;
}

QByteArray flac_clip(int rate, int channels, double silence_s, double tone_s) {
    const QByteArray pcm = tone_pcm(rate, channels, silence_s, tone_s);
    const auto* s = reinterpret_cast<const qint16*>(pcm.constData());
    std::vector<FLAC__int32> wide(s, s + pcm.size() / 2);
    QByteArray out;
    FLAC__StreamEncoder* e = FLAC__stream_encoder_new();
    FLAC__stream_encoder_set_channels(e, unsigned(channels));
    FLAC__stream_encoder_set_bits_per_sample(e, 16);
    FLAC__stream_encoder_set_sample_rate(e, unsigned(rate));
    // Written to a file, the encoder fills this in at the end; streamed, it must be told.
    FLAC__stream_encoder_set_total_samples_estimate(e, wide.size() / size_t(channels));
    auto write = [](const FLAC__StreamEncoder*, const FLAC__byte buffer[], size_t bytes, uint32_t, uint32_t,
                    void* data) {
        static_cast<QByteArray*>(data)->append(reinterpret_cast<const char*>(buffer), qsizetype(bytes));
        return FLAC__STREAM_ENCODER_WRITE_STATUS_OK;
    };
    FLAC__stream_encoder_init_stream(e, write, nullptr, nullptr, nullptr, &out);
    FLAC__stream_encoder_process_interleaved(e, wide.data(), unsigned(wide.size() / size_t(channels)));
    FLAC__stream_encoder_finish(e);
    FLAC__stream_encoder_delete(e);
    return out;
}

QByteArray proto_varint(quint64 v) {
    QByteArray b;
    do {
        char c = char(v & 0x7f);
        v >>= 7;
        if (v) c = char(c | 0x80);
        b.append(c);
    } while (v);
    return b;
}

QByteArray proto_field(int field, quint64 varint) { return proto_varint(quint64(field) << 3) + proto_varint(varint); }

QByteArray proto_field(int field, const QByteArray& bytes) {
    return proto_varint((quint64(field) << 3) | 2) + proto_varint(quint64(bytes.size())) + bytes;
}

QByteArray collection_bytes(const MadeDeck& deck) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/c.db");
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    const bool current = deck.form == AnkiForm::Anki21b;
    exec(db, QStringLiteral("CREATE TABLE col (id integer primary key, crt integer not null, mod integer not null, "
                            "scm integer not null, ver integer not null, dty integer not null, usn integer not null, "
                            "ls integer not null, conf text not null, models text not null, decks text not null, "
                            "dconf text not null, tags text not null)"));
    exec(db, QStringLiteral("CREATE TABLE notes (id integer primary key, guid text not null, mid integer not null, "
                            "mod integer not null, usn integer not null, tags text not null, flds text not null, "
                            "sfld integer not null, csum integer not null, flags integer not null, data text not null)"));
    QJsonObject models;
    if (current) {
        // The current schema keeps note types and their fields in tables; col.models is left empty.
        exec(db, QStringLiteral("CREATE TABLE notetypes (id integer not null primary key, name text not null, "
                                "mtime_secs integer not null, usn integer not null, config blob not null)"));
        exec(db, QStringLiteral("CREATE TABLE fields (ntid integer not null, ord integer not null, name text not null, "
                                "config blob not null, primary key (ntid, ord)) without rowid"));
        for (const MadeNoteType& t : deck.types) {
            exec(db, QStringLiteral("INSERT INTO notetypes VALUES (%1, %2, 0, 0, x'')").arg(t.id).arg(quoted(t.name)));
            // Stored out of order, as nothing promises the rows' order.
            for (int k = int(t.fields.size()) - 1; k >= 0; --k)
                exec(db, QStringLiteral("INSERT INTO fields VALUES (%1, %2, %3, x'')").arg(t.id).arg(k).arg(quoted(t.fields[k])));
        }
    } else {
        for (const MadeNoteType& t : deck.types) {
            QJsonArray flds;
            // Listed out of order: the ord values say where each field stands.
            for (int k = int(t.fields.size()) - 1; k >= 0; --k)
                flds.append(QJsonObject{{"name", t.fields[k]}, {"ord", k}, {"sticky", false}});
            models.insert(QString::number(t.id), QJsonObject{{"id", t.id}, {"name", t.name}, {"flds", flds}});
        }
    }
    exec(db, QStringLiteral("INSERT INTO col VALUES (1, 0, 0, 0, %1, 0, 0, 0, '{}', %2, '{}', '{}', '{}')")
                 .arg(current ? 18 : 11)
                 .arg(quoted(current ? QString() : QString::fromUtf8(QJsonDocument(models).toJson()))));
    qint64 id = 1500000000000;
    for (const MadeNote& n : deck.notes)
        exec(db, QStringLiteral("INSERT INTO notes VALUES (%1, 'g%1', %2, 0, 0, '', %3, '', 0, 0, '')")
                     .arg(id++)
                     .arg(n.type)
                     .arg(quoted(n.fields.join(QChar(0x1f)))));
    sqlite3_close(db);
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void write_zip(const QString& path, const std::vector<std::pair<QString, QByteArray>>& entries) {
    int code = 0;
    zip_t* z = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!z) throw std::runtime_error("zip_open");
    for (const auto& [name, bytes] : entries) {
        zip_source_t* src = zip_source_buffer(z, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        zip_file_add(z, name.toUtf8().constData(), src, ZIP_FL_OVERWRITE);
    }
    if (zip_close(z) != 0) throw std::runtime_error("zip_close");
}

std::vector<std::pair<QString, QByteArray>> read_zip(const QString& path) {
    std::vector<std::pair<QString, QByteArray>> out;
    int code = 0;
    zip_t* z = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code);
    if (!z) return out;
    for (zip_int64_t k = 0; k < zip_get_num_entries(z, 0); ++k) {
        zip_stat_t st;
        zip_stat_index(z, zip_uint64_t(k), 0, &st);
        QByteArray b(qsizetype(st.size), Qt::Uninitialized);
        zip_file_t* f = zip_fopen_index(z, zip_uint64_t(k), 0);
        zip_fread(f, b.data(), st.size);
        zip_fclose(f);
        out.emplace_back(QString::fromUtf8(st.name), b);
    }
    zip_discard(z);
    return out;
}

void write_apkg(const QString& path, const MadeDeck& deck) {
    std::vector<std::pair<QString, QByteArray>> entries;
    const QByteArray collection = collection_bytes(deck);
    if (deck.form == AnkiForm::Anki21b) {
        MadeDeck stub;  // what old versions find: one note asking to update
        stub.types = {{1, QStringLiteral("Basic"), {QStringLiteral("Front"), QStringLiteral("Back")}}};
        stub.notes = {{1, {QStringLiteral("Please update to the latest Anki version"), QString()}}};
        entries.emplace_back(QStringLiteral("collection.anki2"), collection_bytes(stub));
        entries.emplace_back(QStringLiteral("collection.anki21b"), zstd(collection));
        entries.emplace_back(QStringLiteral("meta"), proto_field(1, 3));
        QByteArray list;
        for (size_t k = 0; k < deck.media.size(); ++k) {
            const QByteArray& bytes = deck.media[k].second;
            list += proto_field(1, proto_field(1, deck.media[k].first.toUtf8()) + proto_field(2, quint64(bytes.size())) +
                                       proto_field(3, QByteArray(20, '\x5a')));
            entries.emplace_back(QString::number(k), zstd(bytes));
        }
        entries.emplace_back(QStringLiteral("media"), zstd(list));
    } else {
        entries.emplace_back(deck.form == AnkiForm::Anki21 ? QStringLiteral("collection.anki21")
                                                           : QStringLiteral("collection.anki2"),
                             collection);
        if (deck.form == AnkiForm::Anki21) entries.emplace_back(QStringLiteral("meta"), proto_field(1, 2));
        QJsonObject list;
        for (size_t k = 0; k < deck.media.size(); ++k) {
            list.insert(QString::number(k), deck.media[k].first);
            entries.emplace_back(QString::number(k), deck.media[k].second);
        }
        entries.emplace_back(QStringLiteral("media"), QJsonDocument(list).toJson());
    }
    write_zip(path, entries);
}

}  // namespace ql::testing
