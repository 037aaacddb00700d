#include "recording.h"

#include "audio_engine.h"
#include "new_recordings.h"
#include "prompter.h"
#include "app_state.h"
#include "silence_trim.h"
#include "text_file.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace ql {

namespace {

void tell(AppState& m, const QString& text) {
    if (m.prompter) m.prompter->message(text);
}

void audio_failure(AppState& m, const char* step) {
    tell(m, audio_failure_message(QLatin1String(step), m.audio->get_error()));
}

}  // namespace

int take_length_samples(int rate, float seconds) {
    const double n = std::floor(double(seconds) * double(rate));
    if (!(n > 0)) return 0;
    return n > 2.0e9 ? 2000000000 : int(n);
}

QString prepare_new_recording(AppState& m, const QString& sound_number) {
    const QString base = m.languages_folder + m.current_language + QStringLiteral("/new_str/");
    QDir().mkpath(base + sound_number.left(2));
    const QString path = new_sound_path(m, sound_number, m.current_language);
    QFile::remove(path);
    return path;
}

QString kept_take_path(const QString& str_path) {
    if (str_path.endsWith(QStringLiteral(".str"))) return str_path.left(str_path.size() - 4) + QStringLiteral(".raw");
    return str_path + QStringLiteral(".raw");
}

QCoro::Task<TakeResult> record_sound(AppState& m, QString str_path, int rate, float seconds, short channels,
                                     short bytes_per_sample, bool keep_silence,
                                     std::function<void(const QByteArray&)> on_take) {
    if (!m.audio) co_return TakeResult::Failed;
    AudioEngine& audio = *m.audio;
    const int n = take_length_samples(rate, seconds);

    const int sample = audio.sample_alloc(n);
    if (sample == 0) {
        audio_failure(m, "Sample Alloc Error:");
        co_return TakeResult::Failed;
    }
    // Every way out below releases the sample.
    struct Release {
        AudioEngine& a;
        int s;
        ~Release() { a.sample_free(s); }
    } release{audio, sample};

    if (!audio.record_start_sample(sample)) {
        audio_failure(m, "Record StartSample Error:");
        co_return TakeResult::Failed;
    }
    for (;;) {
        if (audio.record_get_position() >= n - kStopMarginSamples) break;
        // As a wait does, the flag is tested before the event loop gets a turn. Only STOP ends
        // these waits: a skip flag left up must not turn the polling into a spin.
        if (m.cancel.playback() == Playback::Stop) break;
        if (m.clock) co_await sleep_for(*m.clock, 0.01, &m.cancel, WaitEnds::OnStop);
        if (m.cancel.playback() == Playback::Stop) break;
    }
    if (!audio.record_stop()) {
        audio_failure(m, "Record Stop Error:");
        co_return TakeResult::Failed;
    }

    const int p = std::clamp(audio.record_get_position(), 0, n);
    const qsizetype b = qsizetype(channels) * p * bytes_per_sample;
    if (b < 4) co_return TakeResult::TooShort;

    void* p1 = nullptr;
    void* p2 = nullptr;
    unsigned l1 = 0, l2 = 0;
    if (!audio.sample_lock(sample, 0, int(b), &p1, &l1, &p2, &l2) || !p1) {
        audio_failure(m, "Sample Lock Error:");
        co_return TakeResult::Failed;
    }
    QByteArray take(b, '\0');
    const qsizetype first = std::min<qsizetype>(b, l1);
    std::memcpy(take.data(), p1, size_t(first));
    if (first < b && p2) std::memcpy(take.data() + first, p2, size_t(std::min<qsizetype>(b - first, l2)));
    if (!audio.sample_unlock(sample, p1, p2, l1, l2)) audio_failure(m, "Sample Unlock Error:");

    if (on_take) on_take(take);
    co_return store_take(m, str_path, std::move(take), keep_silence);
}

TakeResult store_take(AppState& m, const QString& str_path, QByteArray take, bool keep_silence) {
    if (take.size() < 4) return TakeResult::TooShort;
    if (!keep_silence) take = trim_silence(std::move(take));

    const QString tmp = raw_take_path(str_path);
    {
        QFile f(tmp);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(take) != take.size() || !f.flush()) {
            tell(m, QStringLiteral("Could not write the file %1: %2").arg(tmp, f.errorString()));
            f.close();
            QFile::remove(tmp);
            return TakeResult::WriteFailed;
        }
    }

    const CipherOutcome r = encipher_sound_file(tmp, str_path);
    if (r.ok()) {
        QFile::remove(tmp);
        return TakeResult::Stored;
    }
    // Half an enciphered file would play as noise; the contributor's voice must not be lost either.
    QFile::remove(str_path);
    const QString kept = kept_take_path(str_path);
    QFile::remove(kept);
    const QString where = QFile::rename(tmp, kept) ? kept : tmp;
    tell(m, QStringLiteral("The recording could not be stored as %1.\r\n%2\r\n"
                           "The recorded sound is kept, not enciphered, in %3.")
                .arg(str_path, r.describe(), where));
    return TakeResult::CipherFailed;
}

}  // namespace ql
