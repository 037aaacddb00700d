#include "recording.h"

#include "audio_engine.h"
#include "new_recordings.h"
#include "prompter.h"
#include "player.h"
#include "silence_trim.h"
#include "text_file.h"
#include "core/ui_text.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace ql {

namespace {

void tell(Prompter* prompter, const QString& text) {
    if (prompter) prompter->message(text);
}

void audio_failure(Prompter* prompter, const char* step, AudioError error) {
    tell(prompter, audio_failure_message(Quillory::tr(step), error));
}

}  // namespace

int take_length_samples(int rate, float seconds) {
    const double n = std::floor(double(seconds) * double(rate));
    if (!(n > 0)) return 0;
    return n > 2.0e9 ? 2000000000 : int(n);
}

QString prepare_new_recording(const Workspace& w, const LanguageSession& lang, const QString& sound_number) {
    const QString base = w.languages_folder + lang.current_language + QStringLiteral("/new_str/");
    QDir().mkpath(base + sound_number.left(2));
    const QString path = new_sound_path(w, sound_number, lang.current_language);
    QFile::remove(path);
    return path;
}

QString kept_take_path(const QString& str_path) {
    if (str_path.endsWith(QStringLiteral(".str"))) return str_path.left(str_path.size() - 4) + QStringLiteral(".raw");
    return str_path + QStringLiteral(".raw");
}

QCoro::Task<TakeResult> record_sound(const Services& m, CancelToken& token, QString str_path, int rate,
                                     float seconds, short channels,
                                     short bytes_per_sample, bool keep_silence,
                                     std::function<void(const QByteArray&)> on_take) {
    if (!m.audio) co_return TakeResult::Failed;
    AudioEngine& audio = *m.audio;
    const int n = take_length_samples(rate, seconds);

    const AudioResult<int> made = audio.new_take(n);
    if (!made) {
        audio_failure(m.prompter, QT_TRANSLATE_NOOP("Quillory", "Sample Alloc Error:"), made.error());
        co_return TakeResult::Failed;
    }
    const int take = *made;
    // Every way out below releases the take.
    struct Release {
        AudioEngine& a;
        int t;
        ~Release() { a.free_take(t); }
    } release{audio, take};

    if (const AudioResult<> started = audio.start_recording(take); !started) {
        audio_failure(m.prompter, QT_TRANSLATE_NOOP("Quillory", "Record StartSample Error:"), started.error());
        co_return TakeResult::Failed;
    }
    for (;;) {
        if (audio.recorded_samples() >= n - kStopMarginSamples) break;
        // As a wait does, the flag is tested before the event loop gets a turn. Only STOP ends
        // these waits: a skip flag left up must not turn the polling into a spin.
        if (token.playback() == Playback::Stop) break;
        if (m.clock) co_await sleep_for(*m.clock, 0.01, &token, WaitEnds::OnStop);
        if (token.playback() == Playback::Stop) break;
    }
    if (const AudioResult<> stopped = audio.stop_recording(); !stopped) {
        audio_failure(m.prompter, QT_TRANSLATE_NOOP("Quillory", "Record Stop Error:"), stopped.error());
        co_return TakeResult::Failed;
    }

    const int p = std::clamp(audio.recorded_samples(), 0, n);
    const qsizetype b = qsizetype(channels) * p * bytes_per_sample;
    if (b < 4) co_return TakeResult::TooShort;

    // The take's bytes as the device gave them; a take shorter than `b` leaves the rest silent.
    const AudioResult<std::vector<int16_t>> samples = audio.take_samples(take, int((b + 1) / 2));
    if (!samples) {
        audio_failure(m.prompter, QT_TRANSLATE_NOOP("Quillory", "Sample Lock Error:"), samples.error());
        co_return TakeResult::Failed;
    }
    QByteArray bytes(b, '\0');
    std::memcpy(bytes.data(), samples->data(), size_t(std::min<qsizetype>(b, qsizetype(samples->size()) * 2)));

    if (on_take) on_take(bytes);
    co_return store_take(m.prompter, str_path, std::move(bytes), keep_silence);
}

TakeResult store_take(Prompter* prompter, const QString& str_path, QByteArray take, bool keep_silence) {
    if (take.size() < 4) return TakeResult::TooShort;
    if (!keep_silence) take = trim_silence(std::move(take));

    const QString tmp = raw_take_path(str_path);
    {
        QFile f(tmp);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(take) != take.size() || !f.flush()) {
            tell(prompter, Quillory::tr("Could not write the file %1: %2").arg(tmp, f.errorString()));
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
    tell(prompter, Quillory::tr("The recording could not be stored as %1.\r\n%2\r\n"
                           "The recorded sound is kept, not enciphered, in %3.")
                .arg(str_path, r.describe(), where));
    return TakeResult::CipherFailed;
}

}  // namespace ql
