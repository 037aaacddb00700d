#include "audio_engine.h"
#include "clock.h"
#include "main_view.h"
#include "prompter.h"
#include "player.h"
#include "drill.h"
#include "lrc_captions.h"
#include "mp3_compile.h"
#include "speech_speed.h"
#include "spoken_words.h"
#include "text_file.h"
#include "core/ui_text.h"

#include <QFile>

namespace ql {

QString installed_sound_path(const Workspace& w, const QString& s, const QString& language) {
    return w.languages_folder + language + u'/' + s.left(2) + u'/' + s + QStringLiteral(".mp3");
}

QString new_sound_path(const Workspace& w, const QString& s, const QString& language) {
    return w.languages_folder + language + QStringLiteral("/new_str/") + s.left(2) + u'/' + s + QStringLiteral(".str");
}

namespace {
QCoro::Task<> play_file_or_samples(Player& m, QString path, const std::vector<int16_t>* pcm,
                                   bool include_new_recordings = false);

// The caption of a compiled clip: the entry whose word (or, in the target language, whose
// translation) it speaks, among the shown entries, else in the list and master files (the review
// and the record-and-edit window play entries the main window does not show); the bare number when
// no entry has it.
QString clip_caption(WordsOnShow on_show, const QString& s, const QString& language) {
    const LanguageSession& lang = on_show.language;
    const ShownWords& shown = on_show.shown;
    const bool word = language == lang.current_language;
    if (!word && language != lang.target_language) return s;
    auto speaks = [&](const QString& number) {
        return word ? number.trimmed() == s : translation_sound_number(lang, number.trimmed()) == s;
    };
    for (int i = 0; i < shown.shown_count(); ++i)
        if (speaks(shown.shown_sound_numbers[i])) return caption_text(shown.shown_words[i], shown.shown_translations[i]);
    for (const QString& path : {lang.list_file, lang.master_file}) {
        if (path.isEmpty() || !file_exists(path)) continue;
        const auto lines = read_lines(path);
        if (!lines) continue;
        for (const QString& line : *lines)
            if (const auto e = parse_entry(line); e && speaks(e->sound_number)) return caption_text(e->word, e->translation);
    }
    return s;
}

// Writes a word into the open compilation instead of playing it: its recording, or the voice's clip
// when `spoken` is given, with a caption line unless the caller captions it, then the silences. A
// word with neither goes in as nothing but its silences.
void write_to_compilation(Player& m, WordsOnShow words, const QString& s, const QString& language, const QString& path,
                          const QByteArray* spoken, bool captioned_by_caller) {
    const QString out = out_file_path(m.workspace);
    const bool clip = spoken || file_exists(path);
    if (clip && !captioned_by_caller) {
        const QString lrc = caption_path(out);
        if (!add_caption(lrc, Caption{compiled_seconds(out), clip_caption(words, s, language)}) && m.services.prompter)
            m.services.prompter->message(Quillory::tr("Could not write the file %1.").arg(lrc));
    }
    if (spoken) {
        append_bytes(compiled_clip_at_speed(m, *spoken), out);
    } else if (valid_speech_speed(m.speech_speed) != kNaturalSpeed) {
        QFile in(path);
        if (in.open(QIODevice::ReadOnly)) append_bytes(compiled_clip_at_speed(m, in.readAll()), out);
    } else {
        append_file_bytes(path, out);
    }
    for (int i = 0; i < m.mp3.silence_clips; ++i)
        append_file_bytes(m.workspace.working_folder + QStringLiteral("silence.mp3"), out);
}

}  // namespace

QCoro::Task<> play_word_sound(Player& m, WordsOnShow words, QString s, QString language, WordSoundOptions options) {
    if (s.isEmpty()) co_return;
    QString path = installed_sound_path(m.workspace, s, language);
    bool installed = true;
    if (options.include_new_recordings) {
        const QString fresh = new_sound_path(m.workspace, s, language);
        if (file_exists(fresh)) {
            path = fresh;
            installed = false;
        }
    }
    const bool exists = file_exists(path);
    const bool compiling = installed && m.mp3.open();
    // With the student's voice on, a word without a recording is spoken (or compiled) instead, and
    // does not count as missing.
    std::optional<std::vector<int16_t>> spoken;
    std::optional<QByteArray> spoken_clip_bytes;
    if (!exists && voice_wanted(m)) {
        if (compiling)
            spoken_clip_bytes = spoken_clip(m, words, s, language);
        else
            spoken = spoken_samples(m, words, s, language);
    }
    if (exists || spoken || spoken_clip_bytes)
        m.missing_sound_count = 0;
    else
        ++m.missing_sound_count;
    if (m.services.main_view && options.show_number) m.services.main_view->set_sound_file_text(Quillory::tr("File # %1").arg(s));

    if (compiling)
        co_return write_to_compilation(m, words, s, language, path, spoken_clip_bytes ? &*spoken_clip_bytes : nullptr,
                                       options.captioned_by_caller);
    if (spoken)
        co_await play_spoken_samples(m, std::move(*spoken));
    else
        co_await play_sound_file(m, path, options.include_new_recordings);
}

QCoro::Task<> play_sound_file(Player& m, QString path, bool include_new_recordings) {
    co_await play_file_or_samples(m, path, nullptr, include_new_recordings);
}

// A synthesised word is timed exactly as a recording, so Stop, Skip and the 1.5-second rule act on both.
QCoro::Task<> play_spoken_samples(Player& m, std::vector<int16_t> pcm) {
    co_await play_file_or_samples(m, QString(), &pcm);
}

namespace {

// The deciphered copy of a new recording is deleted once it has been heard.
void remove_played_wav(const QString& played) {
    if (played.endsWith(QStringLiteral("wav"))) QFile::remove(played);
}

QCoro::Task<> play_file_or_samples(Player& m, QString path, const std::vector<int16_t>* pcm,
                                   bool include_new_recordings) {
    QString played = path;
    if (m.sound_suppression == SoundSuppression::On) co_return remove_played_wav(played);
    if (!pcm && !file_exists(path)) {
        co_await wait_seconds(m, 1.0f);
        co_await wait_seconds(m, m.pause_seconds);
        co_return remove_played_wav(played);
    }
    if (!pcm && path.endsWith(QStringLiteral("str"))) {
        if (!include_new_recordings || !m.decipher_to_wav) co_return remove_played_wav(played);
        played = m.decipher_to_wav(path);
        if (played.isEmpty()) co_return;
    }

    // Slower speech plays the stretched samples; a file that does not decode is handed to the
    // engine as it is, which plays it at its own speed or says what is wrong with it.
    const int speed = valid_speech_speed(m.speech_speed);
    std::vector<int16_t> slowed;
    if (m.services.audio && speed != kNaturalSpeed) {
        if (pcm)
            slowed = slowed_samples(*pcm, speed);
        else if (auto stretched = slowed_samples_of_file(played, speed))
            slowed = std::move(*stretched);
        if (!slowed.empty()) pcm = &slowed;
    }

    int channel = 0;
    if (m.services.audio) {
        const AudioResult<int> sound = pcm ? m.services.audio->load_samples(*pcm) : m.services.audio->load_file(played);
        if (!sound) {
            if (m.services.prompter)
                m.services.prompter->message(audio_failure_message(Quillory::tr("An error occured opening the sound file."),
                                                          sound.error()));
        } else {
            const AudioResult<int> playing = m.services.audio->play(*sound);
            if (playing) channel = *playing;
            else if (m.services.prompter)
                m.services.prompter->message(audio_failure_message(Quillory::tr("An error occured playing the sample!"),
                                                          playing.error()));
        }
        // After a failure this is 0, never the channel of an earlier sound that may still play.
        m.last_channel = channel;
    }

    if (m.pause_seconds >= 1.5f) {
        // A pending skip never cuts a sound short: only Stop ends this wait. The test's Stop and
        // Exit set Quit, and the question must not outlast its sound either.
        if (channel != 0 && m.services.clock) co_await m.services.audio->sound_end(channel, *m.services.clock, m.cancel);
        if (m.cancel.stopped()) co_return remove_played_wav(played);
        co_await wait_seconds(m, m.pause_seconds);
    } else {
        // The fixed wait stands for a word's playing time, which a slower speed stretches too.
        co_await wait_seconds(m, speed == kNaturalSpeed ? 0.8f : 0.8f * 100.0f / float(speed));
        co_await wait_seconds(m, m.pause_seconds);
    }
    remove_played_wav(played);
}

}  // namespace

QByteArray compiled_clip_at_speed(const Player& m, const QByteArray& clip) {
    const int speed = valid_speech_speed(m.speech_speed);
    if (speed == kNaturalSpeed) return clip;
    auto slowed = m.services.speed_clips ? m.services.speed_clips->stretched_mp3(clip, speed)
                                         : stretched_mp3_uncached(clip, speed);
    // A clip that does not decode goes in as it is, as it would at the natural speed.
    return slowed ? *slowed : clip;
}

bool append_file_bytes(const QString& source, const QString& destination) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) return false;
    return append_bytes(in.readAll(), destination);
}

bool append_bytes(const QByteArray& clip, const QString& destination) {
    const QByteArray bytes = clip + QByteArray("\r\n", 2);
    QFile out(destination);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
    return out.write(bytes) == bytes.size();
}

QCoro::Task<> wait_seconds(Player& m, float t) {
    // A NaN would never compare as elapsed and the wait would never end.
    if (!m.services.clock || !(t > 0.0f)) co_return;
    // The flags are tested before the event loop gets a turn, so a wait begun while one is set
    // returns at once.
    co_await sleep_for(*m.services.clock, double(t), &m.cancel);
}

int random_between(Player& m, int low, int high) {
    std::uniform_real_distribution<double> r(0.0, 1.0);
    return int(r(m.rng) * (double(high) - double(low) + 1.0)) + low;
}

}  // namespace ql
