#pragma once
#include "core/speech_voice.h"

#include <QByteArray>
#include <QString>

namespace ql {

// The program's voice: libespeak-ng, synthesising in-process (no daemon) into memory.
//
// The library keeps one process-wide state, so only one of these should exist; it starts the library
// on first use and stops it when destroyed. A data folder that is missing or unreadable makes every
// call fail with the library's own message instead of taking the program down.
class EspeakVoice final : public SpeechVoice {
public:
    // `data_path` empty: the library's installed data (or ESPEAK_DATA_PATH).
    explicit EspeakVoice(QString data_path = {});
    ~EspeakVoice() override;
    EspeakVoice(const EspeakVoice&) = delete;
    EspeakVoice& operator=(const EspeakVoice&) = delete;

    QList<VoiceInfo> voices() override;
    bool synthesize(const QString& voice, const QString& text, std::vector<int16_t>& pcm) override;
    QString error() const override { return error_; }

    // Words per minute; the installed recordings were spoken at 140.
    static constexpr int kWordsPerMinute = 140;

private:
    bool start();

    QString data_path_;
    QString error_;
    bool started_ = false;
    bool start_failed_ = false;
    int rate_ = 0;
    QByteArray voice_set_;  // the voice the library is set to, to skip setting it again
    QList<VoiceInfo> voices_;
    bool voices_listed_ = false;
};

}  // namespace ql
