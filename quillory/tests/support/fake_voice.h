#pragma once
#include "core/speech_voice.h"

#include <QStringList>
#include <cmath>

namespace ql::testing {

// A voice that "speaks" a tone of 0.1 s per character, so lengths are predictable, and remembers
// what it was asked to say.
class FakeVoice : public SpeechVoice {
public:
    QList<VoiceInfo> voices() override {
        if (!fail_start) return list;
        error_ = QStringLiteral("The speech engine could not start: no data.");
        return {};
    }
    bool synthesize(const QString& voice, const QString& text, std::vector<int16_t>& pcm) override {
        pcm.clear();
        if (fail_start || failing_voices.contains(voice)) {
            error_ = QStringLiteral("The voice \"") + voice + QStringLiteral("\" could not be used.");
            return false;
        }
        spoken << voice + u':' + text;
        pcm.resize(size_t(text.size()) * kVoiceSampleRate / 10);
        for (size_t i = 0; i < pcm.size(); ++i) pcm[i] = int16_t(8000 * std::sin(double(i) * 0.126));
        return true;
    }
    QString error() const override { return error_; }

    QList<VoiceInfo> list = {
        {QStringLiteral("Spanish (Spain)"), QStringLiteral("roa/es"), {{5, QStringLiteral("es")}}},
        {QStringLiteral("English (Great Britain)"), QStringLiteral("gmw/en"), {{2, QStringLiteral("en-gb")}, {2, QStringLiteral("en")}}},
    };
    bool fail_start = false;
    QStringList failing_voices;
    QStringList spoken;  // "voice:text", in order

private:
    QString error_;
};

}  // namespace ql::testing
