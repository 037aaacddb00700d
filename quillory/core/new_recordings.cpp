#include "new_recordings.h"

#include "korvex_binding.h"
#include "prompter.h"
#include "player.h"
#include "text_file.h"
#include "wav_header.h"
#include "core/ui_text.h"

#include <QFile>

namespace ql {

namespace {

CipherOutcome sound_cipher(const QString& source, const QString& destination, int direction) {
    const KorvexResult r = blf_file_hex(QFile::encodeName(destination), QFile::encodeName(source),
                                        QByteArray(kSoundKeyHex), direction, QByteArray("CBC"),
                                        QByteArray(kSoundVectorHex));
    CipherOutcome out;
    out.loaded = r.loaded;
    out.code = r.code;
    out.error = r.error;
    return out;
}

// Only the extension changes: a folder name that happens to hold ".str" must stay as it is.
QString with_extension(const QString& path, const QString& ext) {
    if (path.endsWith(QStringLiteral(".str"))) return path.left(path.size() - 4) + ext;
    return path + ext;
}

}  // namespace

QString CipherOutcome::describe() const {
    if (!loaded) return Quillory::tr("The cipher library could not be loaded: %1").arg(error);
    return Quillory::tr("The cipher library reported error %1.").arg(code);
}

CipherOutcome encipher_sound_file(const QString& source, const QString& destination) {
    return sound_cipher(source, destination, -1);
}

CipherOutcome decipher_sound_file(const QString& source, const QString& destination) {
    return sound_cipher(source, destination, 0);
}

QString raw_take_path(const QString& str_path) { return with_extension(str_path, QStringLiteral(".tmp")); }

QString wav_path(const QString& str_path) { return with_extension(str_path, QStringLiteral(".wav")); }

QString decipher_to_wav(Prompter* prompter, const QString& str_path) {
    const QString t = raw_take_path(str_path);
    const CipherOutcome r = decipher_sound_file(str_path, t);
    QByteArray samples;
    bool read = false;
    {
        QFile f(t);
        if (f.open(QIODevice::ReadOnly)) {
            samples = f.readAll();
            read = f.error() == QFileDevice::NoError;
        }
    }
    QFile::remove(t);
    if (!r.loaded) {
        if (prompter) prompter->message(r.describe());
        return QString();
    }
    // A damaged recording deciphers to a bad pad or to nothing: it is not played.
    if (r.code != 0 || !read) return QString();

    const QString w = wav_path(str_path);
    QString error;
    if (!write_bytes(w, wav_header(std::uint32_t(samples.size())) + samples, &error)) {
        if (prompter) prompter->message(error);
        QFile::remove(w);
        return QString();
    }
    return w;
}

void attach_new_recording_player(PlaybackState& playback, const Services& services) {
    playback.decipher_to_wav = [&services](const QString& str_path) {
        return decipher_to_wav(services.prompter, str_path);
    };
}

}  // namespace ql
