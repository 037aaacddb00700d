#pragma once
#include <QList>
#include <QPair>
#include <QString>
#include <cstdint>
#include <vector>

namespace ql {

// One voice the speech library offers.
struct VoiceInfo {
    QString name;        // "Spanish (Spain)"
    QString identifier;  // "roa/es"
    // The languages it speaks, best first: (priority, code), a lower priority fitting better.
    QList<QPair<int, QString>> languages;
};

// The speech engine that speaks words without a recording. Implemented over libespeak-ng in the
// audio layer and by a fake in the tests; the core only asks for voices and samples.
class SpeechVoice {
public:
    virtual ~SpeechVoice() = default;
    // Empty when the engine cannot start (error() then says why).
    virtual QList<VoiceInfo> voices() = 0;
    // Speaks `text` in `voice` (a language code such as "es" or a voice name) into 16-bit mono samples
    // at 22050 Hz. False, with error() set, when the engine or the voice fails or nothing was spoken.
    virtual bool synthesize(const QString& voice, const QString& text, std::vector<int16_t>& pcm) = 0;
    virtual QString error() const = 0;
};

inline constexpr int kVoiceSampleRate = 22050;

// The voice for a language folder's name ("spanish" -> "es"): among the voices named after the
// language ("Spanish (Spain)", "Spanish (Latin America)"), the one that speaks the bare language code
// best. Empty when no voice carries the name.
QString voice_from_list(const QString& language, const QList<VoiceInfo>& voices);

// The one-line file in a language's folder that overrides the voice chosen by name.
QString voice_override_path(const QString& languages_folder, const QString& language);

// The voice for `language`: its override file's first line when it has one, else voice_from_list().
QString voice_for_language(const QString& languages_folder, const QString& language, SpeechVoice& engine);

}  // namespace ql
