#pragma once
#include "player.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace ql {

// Words that have no recording, spoken by the voice while the student has it turned on
// (speak_missing_words). With it off nothing here runs and a missing recording stays silent.

// The text of the entry whose sound number is `s` in `language`: a word of the current language or a
// translation in the target language, from the shown entries, else the current list and master file
// (the record-and-edit window plays entries that are not shown). Empty when no entry has the number.
QString word_text(const LanguageSession& lang, const ShownWords& shown, const QString& s, const QString& language);

// True when the voice should be asked for this word at all.
bool voice_wanted(const Player& p);

// The word synthesised for playing, or std::nullopt when it has no text, its language has no voice,
// or the voice fails (the first failure of the run is reported once through the prompter).
std::optional<std::vector<int16_t>> spoken_samples(Player& p, WordsOnShow words, const QString& s, const QString& language);

// The word as an MP3 clip for a compiled file, from the clip cache; std::nullopt as above.
std::optional<QByteArray> spoken_clip(Player& p, WordsOnShow words, const QString& s, const QString& language);

// The same for a text already known (a compilation reads its entries once at its start).
// `voice` empty: chosen for the language now.
std::optional<QByteArray> spoken_clip_of_text(Player& p, const QString& text, const QString& language,
                                              const QString& voice = {});
// The voice chosen for `language`, or empty (the engine's failure reported once).
QString chosen_voice(Player& p, const QString& language);

// The message shown once when the voice fails.
QString voice_failure_text(const QString& error);

// The student's setting file and the toggle in it.
QString student_settings_path(const Workspace& w);
bool load_speak_missing_words(const Workspace& w);
bool save_speak_missing_words(const Workspace& w, bool on);

}  // namespace ql
