#include "voice_clips.h"

#include "cache_file.h"
#include "mp3_encode.h"
#include "mpeg_frames.h"

#include <QCryptographicHash>
#include <QFile>
#include <QStandardPaths>

namespace ql {

namespace {

// Raised whenever the voice's speed or the encoding changes, so that old clips are not reused.
constexpr char kClipFormat[] = "espeak-140wpm/mp3-mpeg2-32k-mono/1";

}  // namespace

VoiceClipCache::VoiceClipCache(QString folder) : folder_(std::move(folder)) {
    if (!folder_.isEmpty() && !folder_.endsWith(u'/')) folder_ += u'/';
}

QString VoiceClipCache::default_folder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/quillory/voice/");
}

QString VoiceClipCache::clip_path(const QString& language, const QString& voice, const QString& text) const {
    // Hashed: the text may hold any character, and a name must not be able to leave the folder.
    QCryptographicHash h(QCryptographicHash::Sha256);
    h.addData(QByteArrayView(kClipFormat));
    for (const QString& part : {language, voice, text}) {
        h.addData(QByteArrayView("\0", 1));
        h.addData(part.toUtf8());
    }
    return folder_ + QString::fromLatin1(h.result().toHex().left(40)) + QStringLiteral(".mp3");
}

std::optional<QByteArray> VoiceClipCache::clip(const QString& language, const QString& voice, const QString& text,
                                               SpeechVoice& engine) {
    const QString path = clip_path(language, voice, text);
    {
        QFile cached(path);
        if (cached.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = cached.readAll();
            // A clip that does not open with a frame (damaged by hand, emptied) is made again.
            if (parse_mpeg_header(QByteArrayView(bytes).first(std::min<qsizetype>(4, bytes.size())))) return bytes;
        }
    }
    std::vector<int16_t> pcm;
    if (!engine.synthesize(voice, text, pcm)) return std::nullopt;
    const QByteArray mp3 = encode_mp3(pcm);
    if (mp3.isEmpty()) return std::nullopt;

    store_cache_file(folder_, path, mp3);
    return mp3;
}

}  // namespace ql
