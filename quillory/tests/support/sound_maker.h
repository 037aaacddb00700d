#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ql::testing {

// Real sounds for tests, made the way the sample recordings are (espeak-ng, sox, lame) and decoded
// with an independent decoder (libmpg123). Callers skip when the tools are missing.
bool have_sound_tools();

// A word spoken by espeak-ng as 16-bit mono PCM at 22050 Hz.
QByteArray spoken_pcm(const QString& word, const QString& voice = QStringLiteral("es"));
// Encodes 16-bit mono PCM at `rate` with lame; `lame_args` pick the format (the recordings use
// "-t -m m -b 32 --resample 22.05"). Empty on failure.
QByteArray encode_mp3(const QByteArray& pcm, int rate, const QStringList& lame_args);
// The recordings' format: 22050 Hz mono, 32 kbit/s, no LAME tag frame.
QByteArray recording_mp3(const QByteArray& pcm);

// The bytes of a file in tests/data.
QByteArray test_data_file(const QString& name);

struct Decoded {
    qint64 samples = -1;  // per channel; -1 when the decoder failed
    long rate = 0;
};
// Every frame the decoder turns into sound, without gapless trimming: what a player of a joined
// file hears.
Decoded decode_mp3(const QByteArray& mp3);

}  // namespace ql::testing
