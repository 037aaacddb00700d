#include "todays_review.h"

#include "drill.h"
#include "drill_settings.h"
#include "language_session.h"
#include "player.h"
#include "review_schedule.h"
#include "new_recordings.h"
#include "spoken_words.h"

#include <QFile>
#include <QTemporaryFile>
#include <cstring>

namespace ql {

namespace {

// A contributor's new recording as samples: deciphered into a private temporary file (never beside
// the recording, where a pack would pick it up), read, and removed.
std::optional<Pcm> deciphered_samples(const QString& str_path) {
    QTemporaryFile raw;
    if (!raw.open()) return std::nullopt;
    raw.close();
    if (!decipher_sound_file(str_path, raw.fileName()).ok()) return std::nullopt;
    if (!raw.open()) return std::nullopt;
    const QByteArray bytes = raw.readAll();
    if (bytes.size() < 2) return std::nullopt;
    Pcm pcm;
    pcm.rate = 22050;
    pcm.samples.resize(size_t(bytes.size() / 2));
    std::memcpy(pcm.samples.data(), bytes.constData(), pcm.samples.size() * 2);
    return pcm;
}

}  // namespace

ReviewMp3Outcome compile_todays_review(Player& p, const LanguageSession& lang, const DrillSettings& drill,
                                       const std::function<void(int, int)>& progress) {
    ReviewClipSources s;
    s.languages_folder = p.workspace.languages_folder;
    s.language = lang.current_language;
    s.target_language = lang.target_language;
    s.translation_sound = [&lang](const QString& sound) { return translation_sound_number(lang, sound); };
    {
        QFile silence(p.workspace.working_folder + QStringLiteral("silence.mp3"));
        if (silence.open(QIODevice::ReadOnly)) s.silence = silence.readAll();
    }
    // The drill's own defaults when the flash cards have not been opened yet this run.
    s.repeats = drill.repeat_count > 0 ? drill.repeat_count : 4;
    s.silence_clips = silence_clips(p.pause_seconds > 0.0f ? p.pause_seconds : 0.8f);
    s.speed_percent = valid_speech_speed(p.speech_speed);
    s.cache = p.services.speed_clips;
    s.new_recording = deciphered_samples;
    if (voice_wanted(p))
        s.voice = [&p](const QString& text, const QString& language) { return spoken_clip_of_text(p, text, language); };
    s.progress = progress;
    return write_review_mp3(review_language_folder(p.workspace, lang), review_today(p.services.date_clock), s);
}

void load_student_speech_speed(Player& p) {
    p.speech_speed = p.workspace.user_folder.isEmpty() ? kNaturalSpeed : load_speech_speed(student_settings_path(p.workspace));
}

bool choose_speech_speed(Player& p, int percent) {
    p.speech_speed = valid_speech_speed(percent);
    return !p.workspace.user_folder.isEmpty() && save_speech_speed(student_settings_path(p.workspace), p.speech_speed);
}

}  // namespace ql
