#include "spoken_words.h"

#include "drill.h"
#include "prompter.h"
#include "speech_voice.h"
#include "text_file.h"
#include "voice_clips.h"
#include "core/ui_text.h"

#include <QSettings>

namespace ql {

namespace {

QString text_in_file(const QString& path, const QString& s, bool translation) {
    if (path.isEmpty() || !file_exists(path)) return {};
    const auto lines = read_lines(path);
    if (!lines) return {};
    for (const QString& line : *lines) {
        const auto e = parse_entry(line);
        if (e && e->sound_number.trimmed() == s) return translation ? e->translation : e->word;
    }
    return {};
}

void report_failure(Player& m);

}  // namespace

QString chosen_voice(Player& m, const QString& language) {
    if (!m.services.voice) return {};
    const QString voice = voice_for_language(m.workspace.languages_folder, language, *m.services.voice);
    if (voice.isEmpty() && !m.services.voice->error().isEmpty() && !m.voice_failure_shown) {
        m.voice_failure_shown = true;
        if (m.services.prompter) m.services.prompter->message(voice_failure_text(m.services.voice->error()));
    }
    return voice;
}

namespace {

void report_failure(Player& m) {
    if (m.voice_failure_shown) return;
    m.voice_failure_shown = true;
    if (m.services.prompter) m.services.prompter->message(voice_failure_text(m.services.voice->error()));
}

}  // namespace

QString voice_failure_text(const QString& error) {
    return Quillory::tr("Words that have no recording cannot be spoken:\r\n%1\r\nThey stay silent for the rest of this session "
                      "unless another voice works.")
        .arg(error);
}

QString word_text(const LanguageSession& m, const ShownWords& shown, const QString& s, const QString& language) {
    if (s.isEmpty()) return {};
    const int n = shown.shown_count();
    if (language == m.current_language) {
        for (int i = 0; i < n && i < shown.shown_sound_numbers.size(); ++i)
            if (shown.shown_sound_numbers[i] == s) return shown.shown_words.value(i);
        QString text = text_in_file(m.list_file, s, false);
        if (text.isEmpty() && m.master_file != m.list_file) text = text_in_file(m.master_file, s, false);
        return text;
    }
    if (language == m.target_language) {
        for (int i = 0; i < n && i < shown.shown_sound_numbers.size(); ++i)
            if (translation_sound_number(m, shown.shown_sound_numbers[i]) == s) return shown.shown_translations.value(i);
    }
    return {};
}

bool voice_wanted(const Player& m) { return m.speak_missing_words && m.services.voice; }

std::optional<std::vector<int16_t>> spoken_samples(Player& m, WordsOnShow words, const QString& s, const QString& language) {
    if (!voice_wanted(m)) return std::nullopt;
    const QString text = word_text(words.language, words.shown, s, language).trimmed();
    if (text.isEmpty()) return std::nullopt;
    const QString voice = chosen_voice(m, language);
    if (voice.isEmpty()) return std::nullopt;
    std::vector<int16_t> pcm;
    if (!m.services.voice->synthesize(voice, text, pcm)) {
        report_failure(m);
        return std::nullopt;
    }
    return pcm;
}

std::optional<QByteArray> spoken_clip(Player& m, WordsOnShow words, const QString& s, const QString& language) {
    if (!voice_wanted(m) || !m.services.voice_clips) return std::nullopt;
    return spoken_clip_of_text(m, word_text(words.language, words.shown, s, language), language);
}

std::optional<QByteArray> spoken_clip_of_text(Player& m, const QString& word, const QString& language,
                                              const QString& known_voice) {
    if (!voice_wanted(m) || !m.services.voice_clips) return std::nullopt;
    const QString text = word.trimmed();
    if (text.isEmpty()) return std::nullopt;
    const QString voice = known_voice.isEmpty() ? chosen_voice(m, language) : known_voice;
    if (voice.isEmpty()) return std::nullopt;
    auto clip = m.services.voice_clips->clip(language, voice, text, *m.services.voice);
    if (!clip) report_failure(m);
    return clip;
}

QString student_settings_path(const Workspace& m) { return m.user_folder + QStringLiteral("settings.ini"); }

bool load_speak_missing_words(const Workspace& m) {
    if (m.user_folder.isEmpty()) return false;
    QSettings settings(student_settings_path(m), QSettings::IniFormat);
    return settings.value(QStringLiteral("voice/speak_words_without_recording"), false).toBool();
}

bool save_speak_missing_words(const Workspace& m, bool on) {
    if (m.user_folder.isEmpty()) return false;
    QSettings settings(student_settings_path(m), QSettings::IniFormat);
    settings.setValue(QStringLiteral("voice/speak_words_without_recording"), on);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace ql
