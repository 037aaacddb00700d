#include "practice.h"

#include "core/player.h"
#include "core/audio_engine.h"
#include "core/mp3_encode.h"
#include "core/recording.h"
#include "core/silence_trim.h"
#include "core/take_check.h"
#include "core/text_file.h"
#include "core/ui_text.h"

#include <QDir>
#include <QFile>
#include <mpg123.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

namespace ql::say_it {

namespace {

// Every sound of the program plays at this rate; a recording at another rate is brought to it.
std::vector<int16_t> to_take_rate(std::vector<int16_t> in, long rate) {
    if (rate == kTakeRate || rate <= 0 || in.empty()) return in;
    const double step = double(rate) / kTakeRate;
    const size_t n = size_t(double(in.size()) / step);
    std::vector<int16_t> out(n);
    for (size_t k = 0; k < n; ++k) {
        const double x = double(k) * step;
        const size_t i = size_t(x);
        const double f = x - double(i);
        const double a = in[i], b = i + 1 < in.size() ? in[i + 1] : in[i];
        out[k] = int16_t(std::lround(a + f * (b - a)));
    }
    return out;
}

}  // namespace

std::optional<std::vector<int16_t>> decode_recording(const QString& mp3_path, QString* error) {
    auto fail = [&](const QString& why) -> std::optional<std::vector<int16_t>> {
        if (error) *error = Quillory::tr("The recording %1 could not be read: %2").arg(mp3_path, why);
        return std::nullopt;
    };
    if (!QFile::exists(mp3_path)) return fail(Quillory::tr("there is no such file"));
    static const int init = mpg123_init();
    (void)init;
    int err = MPG123_OK;
    std::unique_ptr<mpg123_handle, void (*)(mpg123_handle*)> h(mpg123_new(nullptr, &err), [](mpg123_handle* p) {
        mpg123_close(p);
        mpg123_delete(p);
    });
    if (!h) return fail(QString::fromUtf8(mpg123_plain_strerror(err)));
    mpg123_param(h.get(), MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_FORCE_MONO, 0);
    mpg123_format_none(h.get());
    const long* rates = nullptr;
    size_t rate_count = 0;
    mpg123_rates(&rates, &rate_count);
    for (size_t i = 0; i < rate_count; ++i) mpg123_format(h.get(), rates[i], MPG123_MONO, MPG123_ENC_SIGNED_16);
    if (mpg123_open(h.get(), QFile::encodeName(mp3_path).constData()) != MPG123_OK)
        return fail(QString::fromUtf8(mpg123_strerror(h.get())));

    std::vector<int16_t> pcm;
    std::vector<unsigned char> buf(16384);
    long rate = 0;
    for (;;) {
        size_t done = 0;
        const int r = mpg123_read(h.get(), buf.data(), buf.size(), &done);
        if (r == MPG123_NEW_FORMAT) {
            int channels = 0, enc = 0;
            mpg123_getformat(h.get(), &rate, &channels, &enc);
        }
        const size_t before = pcm.size();
        pcm.resize(before + done / 2);
        if (done >= 2) std::memcpy(pcm.data() + before, buf.data(), (done / 2) * 2);
        if (r == MPG123_DONE) break;
        if (r != MPG123_OK && r != MPG123_NEW_FORMAT) {
            if (pcm.empty()) return fail(QString::fromUtf8(mpg123_strerror(h.get())));
            break;  // a damaged tail: what was decoded is the word
        }
    }
    if (pcm.empty()) return fail(Quillory::tr("it holds no sound"));
    return to_take_rate(std::move(pcm), rate);
}

QString no_reference_reason(const QString& sound_number, bool recording_exists, bool voice_speaks) {
    if (sound_number.isEmpty()) return Quillory::tr("Say It needs the word's recording, and this word has no sound number.");
    if (recording_exists || voice_speaks) return {};
    return Quillory::tr("Say It needs the word's recording, and this word has none. Turning on the voice for words "
                          "without a recording lets you practise it against the voice.");
}

QString unavailable_reason(const Workspace& w, const QString& language, const QString& sound_number, bool voice_speaks) {
    const bool recording = !sound_number.isEmpty() && file_exists(installed_sound_path(w, sound_number, language));
    return no_reference_reason(sound_number, recording, voice_speaks);
}

std::optional<PracticeWord> practice_word(const Workspace& w, const QString& language, const QString& word,
                                          const QString& sound_number, const VoiceSamples& voice, QString* error) {
    if (error) error->clear();
    PracticeWord out{word, language, sound_number, w.user_folder, {}};
    if (sound_number.isEmpty()) return std::nullopt;
    const QString path = installed_sound_path(w, sound_number, language);
    auto pcm = file_exists(path) ? decode_recording(path, error) : voice ? voice() : std::nullopt;
    if (!pcm) return std::nullopt;
    out.reference = std::move(*pcm);
    return out;
}

double take_seconds_for(const std::vector<int16_t>& reference, int rate) {
    return (rate > 0 ? double(reference.size()) / rate : 0.0) + 1.0;
}

QCoro::Task<Capture> capture_take(AudioEngine& audio, Clock& clock, CancelToken& token, double seconds,
                                  std::function<void(double)> seconds_left) {
    Capture out;
    const int n = std::clamp(int(std::floor(seconds * kTakeRate)), 1, 60 * kTakeRate);
    const AudioResult<int> made = audio.new_take(n);
    if (!made) {
        out.status = Capture::Status::NoMicrophone;
        out.message = audio_failure_message(Quillory::tr("No microphone was found"), made.error());
        co_return out;
    }
    struct Release {
        AudioEngine& a;
        int t;
        ~Release() { a.free_take(t); }
    } release{audio, *made};
    if (const AudioResult<> started = audio.start_recording(*made); !started) {
        out.status = Capture::Status::NoMicrophone;
        out.message = audio_failure_message(Quillory::tr("No microphone was found"), started.error());
        co_return out;
    }
    // The same margin as a contributor's take: a late poll must never find the device wrapped round.
    const int stop_at = std::max(1, n - kStopMarginSamples);
    for (;;) {
        const int pos = audio.recorded_samples();
        if (seconds_left) seconds_left(std::max(0.0, double(stop_at - pos) / kTakeRate));
        if (pos >= stop_at || token.stopped()) break;
        co_await sleep_for(clock, 0.01, &token, WaitEnds::OnStop);
    }
    if (const AudioResult<> stopped = audio.stop_recording(); !stopped) {
        out.message = audio_failure_message(Quillory::tr("The recording could not be stopped."), stopped.error());
        co_return out;
    }
    const int p = std::clamp(audio.recorded_samples(), 0, n);
    if (p < 2) {
        out.status = Capture::Status::TooShort;
        co_return out;
    }
    const AudioResult<std::vector<int16_t>> samples = audio.take_samples(*made, p);
    if (!samples) {
        out.message = audio_failure_message(Quillory::tr("The recording could not be read."), samples.error());
        co_return out;
    }
    out.take = QByteArray(reinterpret_cast<const char*>(samples->data()), qsizetype(samples->size()) * 2);
    out.status = Capture::Status::Recorded;
    co_return out;
}

namespace {
constexpr double kNothingHeardDbfs = -40.0;
}  // namespace

QString take_problem(const QByteArray& take, int rate) {
    const TakeCheck c = check_take(take, rate);
    const bool quiet = c.notes.contains(Quillory::tr("Too quiet"));
    const bool short_speech = c.notes.contains(Quillory::tr("Very short"));
    if (c.notes.contains(Quillory::tr("Clipped")))
        return Quillory::tr("Your take was too loud and is clipped. Move back from the microphone or turn its "
                              "level down, then try again.");
    // Nothing near a voice's level: the learner did not speak (or the microphone is muted).
    if (quiet && short_speech && c.peak_dbfs < kNothingHeardDbfs)
        return Quillory::tr("Nothing was heard. Say the word when \"Speak\" shows.");
    if (quiet)
        return Quillory::tr("Your take was too quiet to compare. Speak closer to the microphone or turn its "
                              "level up, then try again.");
    if (short_speech)
        return Quillory::tr("Your take was too short to compare. Say the whole word when \"Speak\" shows.");
    return {};
}

std::vector<int16_t> trimmed_samples(const QByteArray& take) {
    const QByteArray kept = trim_silence(take);
    std::vector<int16_t> out(size_t(kept.size() / 2));
    if (!out.empty()) std::memcpy(out.data(), kept.constData(), out.size() * 2);
    return out;
}

QString practice_take_path(const QString& user_folder, const QString& language, const QString& sound_number) {
    return user_folder + language + QStringLiteral("/takes/") + sound_number + QStringLiteral(".mp3");
}

bool keep_take(const QString& user_folder, const QString& language, const QString& sound_number,
               const std::vector<int16_t>& samples, QString* error) {
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    // The sound number comes from a list file; it must not lead the file out of the takes folder.
    if (!is_safe_path_name(sound_number) || !is_safe_path_name(language))
        return fail(Quillory::tr("Your take could not be kept: the word's sound number \"%1\" cannot name a file.")
                        .arg(sound_number));
    const QString path = practice_take_path(user_folder, language, sound_number);
    const QString folder = path.left(path.lastIndexOf(u'/'));
    if (!QDir().mkpath(folder))
        return fail(Quillory::tr("Your take could not be kept: the folder %1 could not be made.").arg(folder));
    const QByteArray mp3 = encode_mp3(samples);
    if (mp3.isEmpty()) return fail(Quillory::tr("Your take could not be kept: the MP3 encoder failed."));
    FileChanges changes;
    changes.rewrite_bytes(path, mp3);
    QString why;
    if (!changes.apply(&why)) return fail(Quillory::tr("Your take could not be kept.\r\n%1").arg(why));
    return true;
}

QCoro::Task<QString> play_to_end(AudioEngine& audio, Clock& clock, CancelToken& token, std::vector<int16_t> samples) {
    if (samples.empty()) co_return QString();
    const AudioResult<int> sound = audio.load_samples(samples);
    if (!sound)
        co_return audio_failure_message(Quillory::tr("An error occured opening the sound file."), sound.error());
    const AudioResult<int> channel = audio.play(*sound);
    if (!channel) co_return audio_failure_message(Quillory::tr("An error occured playing the sample!"), channel.error());
    co_await audio.sound_end(*channel, clock, token);
    co_return QString();
}

}  // namespace ql::say_it
