#include "drill.h"
#include "known_words.h"
#include "review_schedule.h"

#include "lrc_captions.h"
#include "main_view.h"
#include "mp3_compile.h"
#include "prompter.h"
#include "spoken_words.h"
#include "text_file.h"
#include "core/ui_text.h"

#include <QFile>
#include <QLocale>
#include <cmath>

namespace ql {

std::optional<double> number_answer(const QString& text) {
    bool ok = false;
    const double v = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<int> whole_number_answer(const QString& text) {
    const auto v = number_answer(text);
    if (!v) return std::nullopt;
    const double r = std::nearbyint(*v);  // the default rounding mode sends halves to even
    if (r < -32768.0 || r > 32767.0) return std::nullopt;
    return int(r);
}

int silence_clips(double seconds) {
    if (!(seconds > 0)) return 0;
    // 1 / 0.2 is 4.999... in binary; a millionth of slack keeps typed decimals whole.
    const double clips = std::floor(seconds * 5.0 + 1e-6);
    return clips > 32767.0 ? 32767 : int(clips);
}

int word_point_size(const QString& top, const QString& bottom) {
    const auto longest = std::max(top.size(), bottom.size());
    if (longest > 75) return 12;
    if (longest > 19) return 24;
    return 48;
}

QString translation_sound_number(const LanguageSession& m, const QString& sound) {
    bool ok = false;
    const int n = sound.trimmed().toInt(&ok);
    if (!ok || n < 0 || n >= int(m.target_sound_numbers.size())) return QString();
    return m.target_sound_numbers[size_t(n)];
}

void ask_repeat_count(Prompter& prompter, DrillSettings& m) {
    const auto answer = prompter.input(Quillory::tr(
        "How many times should words be repeated before going to the next word? Recommended ranges are from 3 to 30."));
    if (answer) {
        const auto v = number_answer(*answer);
        if (v && *v >= 1.0 && *v <= 60.0) {
            m.repeat_count = int(std::nearbyint(*v));
            return;
        }
    }
    m.repeat_count = 3;
    prompter.message(Quillory::tr("That was too few or too many. It is now set to 3."));
}

Drill::Drill(Player& player, DrillSettings& settings, const LanguageSession& language, ShownWords& shown, DrillKind kind,
             DrillView* view)
    : player_(player), settings_(settings), lang_(language), shown_(shown), kind_(kind), view_(view) {}

Drill::Flow Drill::check() const {
    if (player_.cancel.playback() == Playback::Stop || !player_.cancel.drill_current(run_number_)) return Flow::End;
    if (player_.cancel.skip()) return Flow::Draw;
    return Flow::Go;
}

void Drill::normalise() {
    if (kind_ == DrillKind::Large) {
        if (settings_.top_text_delay >= 100 || settings_.top_text_delay <= 0) settings_.top_text_delay = 0;
        if (settings_.bottom_text_delay >= 100 || settings_.bottom_text_delay <= 0) settings_.bottom_text_delay = 0;
        if (player_.pause_seconds == 0.0f) player_.pause_seconds = 0.8f;
        player_.mp3.silence_clips = silence_clips(player_.pause_seconds);
        if (settings_.repeat_count == 0) settings_.repeat_count = 4;
        if (settings_.bottom_mode == BottomMode::Unset) settings_.bottom_mode = BottomMode::WordOnly;
    } else {
        if (player_.pause_seconds == 0.0f) player_.pause_seconds = 0.2f;
        if (settings_.repeat_count == 0) settings_.repeat_count = 3;
        if (settings_.bottom_mode == BottomMode::Unset) settings_.bottom_mode = BottomMode::TranslationFirst;
    }
    player_.cancel.set_playback(Playback::Running);
    player_.cancel.set_skip(false);
}

QCoro::Task<> Drill::playwords() {
    // One run at a time: a run stopped a moment ago ends at the event loop's next turn.
    if (running() || compiling_) co_return;
    // A window closed under a run must not take the run's state with it.
    const auto keep = shared_from_this();
    ++runs_;
    run_number_ = player_.cancel.begin_drill();
    normalise();
    co_await run();
    leave_word();
    player_.missing_sound_count = 0;
    --runs_;
}

QCoro::Task<> Drill::run() {
    for (;;) {
        // Draw
        leave_word();
        player_.cancel.set_skip(false);
        if (kind_ == DrillKind::Small && player_.missing_sound_count > 7) {
            player_.services.prompter->message(Quillory::tr("Not enough files had sound files"));
            co_return;
        }
        const int n = shown_.shown_count();
        if (n == 1) co_return;
        if (n == 0) {
            if (!co_await wait_for_entries()) co_return;
            continue;
        }
        settings_.previous_index = settings_.current_index;
        do {
            settings_.current_index = random_between(player_, 0, n - 1);
        } while (n > 10 && settings_.current_index == settings_.previous_index);

        Word w;
        w.index = settings_.current_index;
        w.top = shown_.shown_words[w.index];
        w.bottom = shown_.shown_translations[w.index];
        w.sound = shown_.shown_sound_numbers[w.index];
        w.translation_sound = translation_sound_number(lang_, w.sound);
        on_screen_ = w;

        if (kind_ == DrillKind::Large) {
            if (view_) view_->set_num_text(Quillory::tr("%n words remain on this list", nullptr, n));
            if (player_.services.main_view) player_.services.main_view->set_word_count_text(Quillory::tr("%n Words", nullptr, n));
            if (view_) {
                view_->set_word_point_size(word_point_size(w.top, w.bottom));
                view_->set_top_text(w.top);
                view_->set_bottom_text(w.bottom);
            }
            if (player_.mp3.open()) {
                compiled_start_ = compiled_seconds(out_file_path(player_.workspace));
                compiled_caption_ = caption_text(w.top, w.bottom);
                compiled_recording_ = false;
                append_word_mark(player_.workspace);
                compiled_word_ = true;
                if (view_) view_->set_mp3_text(Quillory::tr("%n words added", nullptr, settings_.words_added));
            }
        } else if (view_) {
            view_->set_top_text(w.top);
            view_->set_bottom_text(w.bottom);
            view_->set_num_text(Quillory::tr("%n words remain on this list", nullptr, n));
        }

        if (co_await play_word(w) == Flow::End) co_return;
    }
}

QCoro::Task<Drill::Flow> Drill::play_word(Word w) {
    const bool large = kind_ == DrillKind::Large;
    const float short_wait = large ? 0.001f : 0.01f;

    // Translation first
    if (settings_.bottom_mode == BottomMode::TranslationFirst || (settings_.bottom_mode == BottomMode::Interlace && settings_.interlace_every > 1)) {
        co_await wait_seconds(player_, 0.01f);
        if (auto f = check(); f != Flow::Go) co_return f;
        co_await play(w.translation_sound, lang_.target_language);
        if (!large) {
            if (auto f = check(); f != Flow::Go) co_return f;
        }
    }
    if (!large) co_await wait_seconds(player_, 0.01f);

    int c = 0;
    for (int k = 1; k <= settings_.repeat_count; ++k) {
        if (large && view_) {
            view_->set_top_visible(k > settings_.top_text_delay);
            view_->set_bottom_visible(k > settings_.bottom_text_delay);
        }
        if (view_) {
            view_->set_repeat_text(Quillory::tr("%1 of %2").arg(QString::number(k), QString::number(settings_.repeat_count)));
            view_->set_speed_text(Quillory::tr("%1 sec").arg(QString::number(player_.pause_seconds)));
        }
        co_await wait_seconds(player_, short_wait);
        if (auto f = check(); f != Flow::Go) co_return f;
        co_await play(w.sound, lang_.current_language);
        if (auto f = check(); f != Flow::Go) co_return f;

        ++c;
        if (settings_.bottom_mode == BottomMode::Interlace && k != settings_.repeat_count && c == settings_.interlace_every) {
            c = 0;
            co_await wait_seconds(player_, short_wait);
            // Pause or Skip pressed during that wait must not let one more sound out.
            if (auto f = check(); f != Flow::Go) co_return f;
            co_await play(w.translation_sound, lang_.target_language);
            if (auto f = check(); f != Flow::Go) co_return f;
        }
    }
    co_return Flow::Draw;
}

QCoro::Task<bool> Drill::wait_for_entries() {
    // Nothing to play: show an empty card and sleep in the event loop until Pause, close, or a list
    // with entries is loaded under the drill. Cycling over the empty element would burn a core.
    on_screen_ = Word{};
    if (view_) {
        view_->set_top_text(QString());
        view_->set_bottom_text(QString());
        view_->set_num_text(Quillory::tr("%n words remain on this list", nullptr, 0));
    }
    if (kind_ == DrillKind::Large && player_.services.main_view) player_.services.main_view->set_word_count_text(Quillory::tr("%n Words", nullptr, 0));
    for (;;) {
        if (check() == Flow::End) co_return false;
        player_.cancel.set_skip(false);
        if (shown_.shown_count() != 0) co_return true;
        if (!player_.services.clock) co_return false;
        co_await wait_seconds(player_, 0.5f);
    }
}

void Drill::leave_word() {
    if (!compiled_word_) return;
    compiled_word_ = false;
    if (compiled_recording_) {
        const QString lrc = caption_path(out_file_path(player_.workspace));
        if (!add_caption(lrc, Caption{compiled_start_, compiled_caption_}) && !caption_failure_reported_) {
            caption_failure_reported_ = true;
            player_.services.prompter->message(Quillory::tr("Could not write the file %1.").arg(lrc));
        }
    }
    if (player_.mp3.open()) --player_.mp3.words_pending;
    ++settings_.words_added;
    if (player_.mp3.words_pending == 0 && view_)
        view_->set_mp3_text(Quillory::tr("%n words added", nullptr, settings_.words_added));
}

QCoro::Task<> Drill::play(QString sound, QString language) {
    // A compiled word gets a caption only when one of its recordings goes into the file, which is
    // when playing it would take the installed recording.
    // Drills play installed recordings only, so every clip of a compiled word goes into the file.
    const bool compiling = compiled_word_ && player_.mp3.open() && !sound.isEmpty();
    const bool recorded = file_exists(installed_sound_path(player_.workspace, sound, language));
    if (compiling && recorded) compiled_recording_ = true;
    // The large drill captions its compiled word once, at its mark, when it leaves the word.
    co_await play_word_sound(player_, {lang_, shown_}, sound, language, WordSoundOptions{.captioned_by_caller = compiled_word_});
    // With the voice on, a word without a recording goes in spoken, and is captioned like one.
    if (compiling && !recorded && voice_wanted(player_) && player_.missing_sound_count == 0) compiled_recording_ = true;
}

int Drill::shown_entry() const {
    if (on_screen_.index < 0 || on_screen_.index >= shown_.shown_count()) return -1;
    return on_screen_.index;
}

// ---- buttons ----

void Drill::pause() { player_.cancel.set_playback(Playback::Stop); }

void Drill::resume() {
    if (player_.cancel.playback() == Playback::Stop && !compiling_) playwords();
}

void Drill::next_word() { player_.cancel.set_skip(true); }

void Drill::i_know_this_word() {
    player_.cancel.set_skip(true);
    // The entry on screen, found again if the arrays were reloaded since it was drawn (the main
    // window may load another list meanwhile); a second press finds it gone and moves nothing.
    if (on_screen_.index < 0) return;
    int index = -1;
    const int n = shown_.shown_count();
    auto is_shown = [&](int i) {
        return shown_.shown_words[i] == on_screen_.top && shown_.shown_translations[i] == on_screen_.bottom &&
               shown_.shown_sound_numbers[i] == on_screen_.sound;
    };
    if (on_screen_.index < n && is_shown(on_screen_.index)) {
        index = on_screen_.index;
    } else {
        for (int i = 0; i < n && index < 0; ++i)
            if (is_shown(i)) index = i;
    }
    if (index < 0) return;
    if (mark_word_known(player_.services.prompter, lang_, shown_, review_today(player_.services.date_clock), index)) {
        on_screen_.index = -1;
        if (player_.services.main_view) player_.services.main_view->display_words();
    }
    if (player_.services.main_view) player_.services.main_view->refresh_known_list();
}

void Drill::change_repeat() {
    ask_repeat_count(*player_.services.prompter, settings_);
    player_.cancel.set_skip(true);
}

void Drill::change_speed() {
    const bool large = kind_ == DrillKind::Large;
    const QString question =
        large ? Quillory::tr("How long should the pause between words be (in seconds)?  Use 0.1 for a quick speed and 2 "
                               "for slow. For phrases, it needs to be 1 or higher.")
              : Quillory::tr("How long should the pause between words be (in seconds)? Use 0.1 for a quick speed and 2 "
                               "for slow. For phrases, it needs to be 1 or higher.");
    const auto answer = player_.services.prompter->input(question, Quillory::tr("Speed Bump"));
    const auto v = answer ? number_answer(*answer) : std::nullopt;
    if (v && *v >= 0.01 && *v <= 10.0) {
        player_.pause_seconds = float(*v);
    } else if (large) {
        player_.pause_seconds = 0.2f;
        player_.services.prompter->message(Quillory::tr("That was less than 0.01 or more than 10. It's been set to .2 second."));
    } else {
        player_.pause_seconds = 0.1f;
        player_.services.prompter->message(Quillory::tr("That was less than 0.01 or more than 10. It's been set to .1 second."));
    }
    if (large) player_.mp3.silence_clips = silence_clips(player_.pause_seconds);
}

void Drill::say_bottom() {
    player_.services.prompter->message(Quillory::tr("This plays just the top word."));
    settings_.bottom_mode = BottomMode::WordOnly;
}

void Drill::speak_both() {
    player_.services.prompter->message(
        Quillory::tr("If both language's sound files are installed, this plays both the top and bottom words."));
    settings_.bottom_mode = BottomMode::TranslationFirst;
}

void Drill::ask_whole_number(const QString& question, int& setting) {
    if (const auto answer = player_.services.prompter->input(question))
        if (const auto v = whole_number_answer(*answer)) setting = *v;
}

void Drill::interlace() {
    ask_whole_number(kind_ == DrillKind::Large
                         ? Quillory::tr("How many times should the foreign word be played before the translation is "
                                          "played?  This works only if both languages are installed.")
                         : Quillory::tr("How many times should the top word be played before the bottom word is "
                                          "played?   This works only if both languages are installed."),
                     settings_.interlace_every);
    settings_.bottom_mode = BottomMode::Interlace;
}

void Drill::delay_top() {
    ask_whole_number(Quillory::tr("How many times should the TOP word play before showing the TOP word's text?  "
                                    "Enter only a number."),
                     settings_.top_text_delay);
}

void Drill::delay_bottom() {
    ask_whole_number(Quillory::tr("How many times should the TOP word play before showing the BOTTOM word's text?  "
                                    "Enter only a number."),
                     settings_.bottom_text_delay);
}

void Drill::create_mp3() {
    const auto answer = player_.services.prompter->input(Quillory::tr(
        "This will create an mp3 file for your portable mp3 player. It is not useful unless you have the sound files "
        "for both languages.  The mp3 file this creates will be stored in the quillory folder and called "
        "out_file.mp3.  What you heard before seeing this message is what the mp3 will sound like. You can click "
        "cancel now to listen to check if the current 'repeat', 'speed', and 'interlace' settings are what you want. "
        "I recommend the settings to be 6, 0.4, and 1.  This means each foreign word will be played 6 times with a "
        "pause of 0.4 seconds between words and the translation will be spoken ('interlaced') every 1 times the "
        "foreign word is spoken. If you want to create the mp3 file now, enter the number of words you want in the "
        "mp3 file in the blank below and click OK.  I recommend 50."));
    if (!answer) return;
    const auto words = whole_number_answer(*answer);
    if (!words) return;
    player_.mp3.words_pending = *words;
    settings_.words_added = 0;
    // A new compilation starts afresh: the word on screen was not marked in this file, and the rest of
    // its plays must not leak into it, so the drill moves on to a new word (which gets the mark).
    compiled_word_ = false;
    // An answer of 0 or less compiles nothing, so the word being drilled plays on undisturbed.
    if (running() && *words > 0) player_.cancel.set_skip(true);
    const QString out = out_file_path(player_.workspace);
    if (QFile::exists(out)) QFile::remove(out);
    if (QFile::exists(caption_path(out))) QFile::remove(caption_path(out));
    caption_failure_reported_ = false;
    player_.services.prompter->message(Quillory::tr(
        "When the recording is completed, the flash cards will resume normal mode and begin playing aloud.  When "
        "this finishes, rename out_file.mp3 if you don't want it deleted the next time you use this function."));
}

QCoro::Task<> Drill::auto_mp3() {
    if (compiling_) co_return;
    const auto keep = shared_from_this();
    auto cancelled = [&] { player_.services.prompter->message(Quillory::tr("Action has been cancelled")); };
    if (!player_.services.prompter->ok_cancel(Quillory::tr(
            "This will create MP3 files for the current word list in blocks of 100 words.  The mp3 files will be "
            "stored in the quillory folder and named 100words1.mp3, 100words2.mp3 etc.  If these files already exit "
            "from a previous session, they will be deleted.")))
        co_return cancelled();
    const auto repeats_answer = player_.services.prompter->input(
        Quillory::tr("How many times should each word be repeated?  I recommend 5.  Type only a number. It may take 5 "
                       "minutes for this operation to complete if you select 5 repeats and there are 1000 words on this "
                       "word list.  With a setting of 5, each mp3 file is 4 MB and 15 minuutes long (for word lists, not "
                       "phrases).  There will a message to let you know when it's complete.  You may click cancel to "
                       "stop this operation."),
        QString(), QStringLiteral("5"));
    if (!repeats_answer || repeats_answer->isEmpty()) co_return cancelled();
    const auto silence_answer = player_.services.prompter->input(
        Quillory::tr("How many seconds of silence should there be between words?  Enter zero \"0\" for no pause "
                       "between words (it's fast) or 0.5 for a little bit of a pause."),
        QString(), QStringLiteral("5"));
    if (!silence_answer || silence_answer->isEmpty()) co_return cancelled();
    // Answers that are not numbers would otherwise compile nothing and still report the files as done.
    const auto repeats = whole_number_answer(*repeats_answer);
    const auto seconds = number_answer(*silence_answer);
    if (!repeats || !seconds) co_return cancelled();
    const int silence = silence_clips(*seconds);
    player_.mp3.silence_clips = silence;

    compiling_ = true;
    // The task is made before it is awaited: GCC 12 mishandles a std::function temporary built inside
    // a co_await expression, and the progress callback must live as long as the run.
    auto blocks = write_word_blocks(player_, {lang_, shown_}, *repeats, silence, [this](int done, int total) {
        if (view_) {
            view_->set_mp3_text(Quillory::tr("%n words completed", nullptr, done));
            view_->set_progress(done, total);
        }
    });
    const auto result = co_await std::move(blocks);
    compiling_ = false;
    if (view_) view_->set_progress(0, 0);
    for (const QString& f : result.failed_files)
        player_.services.prompter->message(Quillory::tr("Could not write the file %1.").arg(f));
    player_.services.prompter->message(word_blocks_summary(result));
    if (view_) view_->set_mp3_text(QString());
}

void Drill::window_closed() { player_.cancel.set_playback(Playback::Stop); }

}  // namespace ql
