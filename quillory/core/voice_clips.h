#pragma once
#include "speech_voice.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace ql {

// Synthesised words encoded as MP3 clips for compiled files, kept under the user's cache folder so
// that a second compilation reuses them. Never inside languages/: a contributor's pack must hold only
// real recordings.
class VoiceClipCache {
public:
    // `folder` ends in '/'; by default $XDG_CACHE_HOME/quillory/voice/ (~/.cache/quillory/voice/).
    explicit VoiceClipCache(QString folder = default_folder());
    static QString default_folder();
    const QString& folder() const { return folder_; }

    // Where the clip of `text` in `voice` for `language` is kept.
    QString clip_path(const QString& language, const QString& voice, const QString& text) const;

    // The clip, from the cache or synthesised, encoded and stored now. std::nullopt when the voice
    // fails (engine.error() says why); nothing is stored then. A clip that cannot be stored is still
    // returned: the compilation does not depend on the cache.
    std::optional<QByteArray> clip(const QString& language, const QString& voice, const QString& text,
                                   SpeechVoice& engine);

private:
    QString folder_;
};

}  // namespace ql
