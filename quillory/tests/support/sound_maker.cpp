#include "sound_maker.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <mpg123.h>

namespace ql::testing {

namespace {

bool run(const QString& program, const QStringList& args, const QByteArray& input = {}) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForStarted()) return false;
    if (!input.isEmpty()) p.write(input);
    p.closeWriteChannel();
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QByteArray read_all(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

bool have_sound_tools() {
    for (const char* tool : {"espeak-ng", "lame", "sox"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) return false;
    return true;
}

QByteArray spoken_pcm(const QString& word, const QString& voice) {
    QTemporaryDir dir;
    const QString wav = dir.filePath("w.wav"), raw = dir.filePath("w.raw");
    if (!run("espeak-ng", {"-v", voice, "-s", "140", "-w", wav}, word.toUtf8())) return {};
    if (!run("sox", {wav, "-r", "22050", "-c", "1", "-b", "16", "-e", "signed-integer", "-L", "-t", "raw", raw}))
        return {};
    return read_all(raw);
}

QByteArray encode_mp3(const QByteArray& pcm, int rate, const QStringList& lame_args) {
    QTemporaryDir dir;
    const QString raw = dir.filePath("in.raw"), mp3 = dir.filePath("out.mp3");
    {
        QFile f(raw);
        if (!f.open(QIODevice::WriteOnly) || f.write(pcm) != pcm.size()) return {};
    }
    QStringList args{"--quiet", "-r", "-s", QString::number(rate / 1000.0), "--bitwidth", "16", "--signed",
                     "--little-endian", "-m", "m"};
    args << lame_args << raw << mp3;
    if (!run("lame", args)) return {};
    return read_all(mp3);
}

QByteArray recording_mp3(const QByteArray& pcm) {
    return encode_mp3(pcm, 22050, {"-t", "-b", "32", "--resample", "22.05"});
}

QByteArray test_data_file(const QString& name) {
    QFile f(QStringLiteral(QL_TEST_DATA "/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

Decoded decode_mp3(const QByteArray& mp3) {
    Decoded out;
    mpg123_init();
    int err = 0;
    mpg123_handle* h = mpg123_new(nullptr, &err);
    if (!h) return out;
    mpg123_param(h, MPG123_REMOVE_FLAGS, MPG123_GAPLESS, 0);
    mpg123_param(h, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    mpg123_format_none(h);
    for (long rate : {8000L, 11025L, 12000L, 16000L, 22050L, 24000L, 32000L, 44100L, 48000L})
        mpg123_format(h, rate, MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open_feed(h) != MPG123_OK) {
        mpg123_delete(h);
        return out;
    }
    qint64 bytes = 0;
    int channels = 1;
    std::vector<unsigned char> buf(1 << 16);
    size_t done = 0;
    int r = mpg123_decode(h, reinterpret_cast<const unsigned char*>(mp3.constData()), size_t(mp3.size()), buf.data(),
                          buf.size(), &done);
    for (;;) {
        bytes += qint64(done);
        if (r == MPG123_NEW_FORMAT) {
            int enc = 0;
            mpg123_getformat(h, &out.rate, &channels, &enc);
        } else if (r == MPG123_NEED_MORE || r == MPG123_DONE) {
            break;
        } else if (r != MPG123_OK) {
            mpg123_delete(h);
            return out;
        }
        r = mpg123_decode(h, nullptr, 0, buf.data(), buf.size(), &done);
    }
    mpg123_delete(h);
    out.samples = bytes / 2 / channels;
    return out;
}

}  // namespace ql::testing
