#include "speech_voice.h"

#include "text_file.h"

#include <limits>

namespace ql {

namespace {

// "Spanish (Spain)" and "Spanish_(Spain)" both name the language "spanish".
QString language_of_name(const QString& name) {
    QString base = name;
    base.replace(u'_', u' ');
    const qsizetype paren = base.indexOf(u'(');
    if (paren >= 0) base.truncate(paren);
    return base.trimmed().toLower();
}

int fit(const VoiceInfo& v, const QString& base) {
    int best = std::numeric_limits<int>::max();
    for (const auto& [priority, code] : v.languages)
        if (code.compare(base, Qt::CaseInsensitive) == 0) best = std::min(best, priority);
    // A voice whose own code is the bare language ("es", "pt") fits it even when it does not list it.
    if (!v.languages.isEmpty()) {
        const QString& own = v.languages.first().second;
        if (own.compare(base, Qt::CaseInsensitive) == 0) best = std::min(best, v.languages.first().first);
    }
    return best;
}

}  // namespace

QString voice_from_list(const QString& language, const QList<VoiceInfo>& voices) {
    const QString wanted = language.trimmed().toLower();
    if (wanted.isEmpty()) return {};
    const VoiceInfo* chosen = nullptr;
    int chosen_fit = 0;
    for (const VoiceInfo& v : voices) {
        if (v.languages.isEmpty() || language_of_name(v.name) != wanted) continue;
        // MBROLA voices need separately installed databases; a voice that may not speak is no choice.
        if (v.identifier.startsWith(QStringLiteral("mb/"))) continue;
        const QString own = v.languages.first().second;
        const int f = fit(v, own.section(u'-', 0, 0));
        const bool better = !chosen || f < chosen_fit ||
                            (f == chosen_fit && own.size() < chosen->languages.first().second.size());
        if (better) {
            chosen = &v;
            chosen_fit = f;
        }
    }
    return chosen ? chosen->languages.first().second : QString();
}

QString voice_override_path(const QString& languages_folder, const QString& language) {
    return languages_folder + language + QStringLiteral("/voice_") + language + QStringLiteral(".dat");
}

QString voice_for_language(const QString& languages_folder, const QString& language, SpeechVoice& engine) {
    if (language.isEmpty()) return {};
    const QString override_file = voice_override_path(languages_folder, language);
    if (file_exists(override_file)) {
        const QString line = read_first_line(override_file).value_or(QString()).trimmed();
        if (!line.isEmpty()) return line;
    }
    return voice_from_list(language, engine.voices());
}

}  // namespace ql
