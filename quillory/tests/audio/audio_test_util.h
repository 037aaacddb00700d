#pragma once
#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QThread>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <vector>

// Helpers shared by the tests that drive the real SDL engine.
namespace ql::testing {

// The recordings under tests/data (made with espeak-ng and lame, 22050 Hz mono).
// buenos_dias.mp3 lasts about 1.04 s, quick_brown_fox.mp3 about 3.29 s.
inline QString test_data(const char* name) { return QStringLiteral(QL_TEST_DATA "/") + QString::fromLatin1(name); }
inline constexpr double kFoxSeconds = 3.29;

// SDL reads its driver choice when the audio subsystem starts, so each test picks it before init.
inline void use_audio_driver(const char* driver) { ::setenv("SDL_AUDIODRIVER", driver, 1); }

// A 16-bit mono PCM WAV file at 22050 Hz holding `samples`.
inline QByteArray wav_bytes(const std::vector<int16_t>& samples) {
    auto le32 = [](QByteArray& b, uint32_t v) {
        for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xFF));
    };
    auto le16 = [](QByteArray& b, uint16_t v) {
        b.append(char(v & 0xFF));
        b.append(char(v >> 8));
    };
    const uint32_t data_len = uint32_t(samples.size() * 2);
    QByteArray b("RIFF");
    le32(b, 36 + data_len);
    b += "WAVEfmt ";
    le32(b, 16);
    le16(b, 1);
    le16(b, 1);
    le32(b, 22050);
    le32(b, 22050 * 2);
    le16(b, 2);
    le16(b, 16);
    b += "data";
    le32(b, data_len);
    for (int16_t s : samples) le16(b, uint16_t(s));
    return b;
}

// Polls `done` every few milliseconds for at most `limit_seconds`; returns whether it came true.
inline bool eventually(const std::function<bool()>& done, double limit_seconds = 10.0) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > qint64(limit_seconds * 1000)) return false;
        QThread::msleep(5);
    }
    return true;
}

}  // namespace ql::testing
