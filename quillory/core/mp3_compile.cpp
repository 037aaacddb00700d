#include "mp3_compile.h"

#include "drill.h"
#include "lrc_captions.h"
#include "mpeg_frames.h"
#include "prompter.h"
#include "speech_speed.h"
#include "speech_voice.h"
#include "spoken_words.h"
#include "text_file.h"
#include "core/ui_text.h"

#include <QFile>
#include <QHash>
#include <optional>

namespace ql {

QString out_file_path(const Workspace& w) { return w.working_folder + QStringLiteral("out_file.mp3"); }

QString word_block_path(const Workspace& w, int block) {
    return w.working_folder + QStringLiteral("100words") + QString::number(block) + QStringLiteral(".mp3");
}

void append_word_mark(const Workspace& w) {
    append_file_bytes(w.working_folder + QStringLiteral("beep.mp3"), out_file_path(w));
}

double compiled_seconds(const QString& mp3_path) {
    QFile f(mp3_path);
    if (!f.open(QIODevice::ReadOnly)) return 0.0;
    return mpeg_play_length(f.readAll()).seconds;
}

namespace {

struct Clip {
    QByteArray bytes;  // the file and the CR LF that joins it to the next
    MpegPlayLength length;
};

Clip clip_of(QByteArray bytes) {
    Clip c;
    c.bytes = std::move(bytes);
    c.length = mpeg_play_length(c.bytes);
    c.bytes += QByteArray("\r\n", 2);
    return c;
}

std::optional<Clip> read_clip(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    return clip_of(f.readAll());
}

// One block file, opened on its first append so that a block with nothing to write leaves no file,
// as separate appends would. Sources are read once per entry (clips once per run) instead of once per
// repetition: a thousand entries with five repeats are over a hundred thousand appends.
class BlockWriter {
public:
    explicit BlockWriter(const QString& path) : file_(path) {
        if (QFile::exists(path)) QFile::remove(path);
    }
    void append(const std::optional<Clip>& clip) {
        if (!clip || failed_) return;
        if (!file_.isOpen() && !file_.open(QIODevice::WriteOnly | QIODevice::Append)) {
            failed_ = true;
            return;
        }
        if (file_.write(clip->bytes) != clip->bytes.size()) failed_ = true;
        // Only the file's very first frame can be a tag that players skip; later ones play.
        seconds_ += audio_seen_ ? clip->length.seconds_after_other_audio() : clip->length.seconds;
        if (clip->length.frames > 0 || clip->length.leading_tag_samples > 0) audio_seen_ = true;
    }
    // The entry about to be appended starts here.
    void caption(const QString& text) { captions_ << Caption{seconds_, text}; }
    // True when everything appended reached the file.
    bool finish() {
        if (file_.isOpen() && !file_.flush()) failed_ = true;
        const bool written = file_.isOpen() && !failed_;
        file_.close();
        const QString lrc = caption_path(file_.fileName());
        if (written && !captions_.isEmpty()) {
            if (!write_captions(lrc, captions_)) caption_failed_ = true;
        } else if (QFile::exists(lrc)) {
            // The old track would caption a file that is gone or only partly written.
            QFile::remove(lrc);
        }
        return !failed_;
    }
    QString path() const { return file_.fileName(); }
    bool caption_failed() const { return caption_failed_; }

private:
    QFile file_;
    bool failed_ = false;
    bool caption_failed_ = false;
    bool audio_seen_ = false;
    double seconds_ = 0.0;
    QList<Caption> captions_;
};

}  // namespace

QCoro::Task<WordBlocksResult> write_word_blocks(Player& m, WordsOnShow on_show, int repeats, int silence,
                                                std::function<void(int, int)> progress) {
    // The run is fixed at its start even if the main window loads another list while it runs.
    const ShownWords& shown = on_show.shown;
    const QStringList sounds = shown.shown_sound_numbers;
    const QString language = on_show.language.current_language;
    const QString target_language = on_show.language.target_language;
    const QStringList words = shown.shown_words, translations = shown.shown_translations;
    const int n = shown.shown_count();
    QStringList translation_sounds;
    translation_sounds.reserve(n);
    for (int i = 0; i < n; ++i) translation_sounds << translation_sound_number(on_show.language, sounds[i]);

    const auto silence_clip = read_clip(m.workspace.working_folder + QStringLiteral("silence.mp3"));
    const auto beep_clip = read_clip(m.workspace.working_folder + QStringLiteral("beep.mp3"));
    // With the student's voice on, an entry without a recording goes in spoken; each language's voice
    // is chosen once for the run.
    QHash<QString, QString> voices;
    WordBlocksResult result;
    bool voice_failed = false;  // for the entry being written
    // At a slower speech speed each recording and spoken clip goes in stretched; the silences and
    // the beep keep their length.
    const bool slowed = valid_speech_speed(m.speech_speed) != kNaturalSpeed;
    auto recording = [&](const QString& s, const QString& lang, const QString& text) -> std::optional<Clip> {
        if (s.isEmpty()) return std::nullopt;
        std::optional<Clip> clip;
        if (!slowed) {
            clip = read_clip(installed_sound_path(m.workspace, s, lang));
        } else {
            QFile f(installed_sound_path(m.workspace, s, lang));
            if (f.open(QIODevice::ReadOnly)) clip = clip_of(compiled_clip_at_speed(m, f.readAll()));
        }
        if (!clip && voice_wanted(m) && m.services.voice_clips && !text.trimmed().isEmpty()) {
            auto v = voices.find(lang);
            if (v == voices.end()) v = voices.insert(lang, chosen_voice(m, lang));
            // A language without a voice stays silent, as in playing; an engine that fails is told.
            const bool asked = !v->isEmpty() || !m.services.voice->error().isEmpty();
            if (!v->isEmpty())
                if (auto spoken = spoken_clip_of_text(m, text, lang, *v))
                    clip = clip_of(slowed ? compiled_clip_at_speed(m, *spoken) : std::move(*spoken));
            if (!clip && asked) {
                voice_failed = true;
                if (result.left_out_reason.isEmpty()) result.left_out_reason = m.services.voice->error();
            }
        }
        return clip;
    };

    std::optional<BlockWriter> block;
    auto close_block = [&] {
        if (!block) return;
        if (block->finish())
            ++result.files_completed;
        else
            result.failed_files << block->path();
        if (block->caption_failed()) result.failed_files << caption_path(block->path());
        block.reset();
    };
    for (int i = 0; i < n; ++i) {
        if (i % 10 == 0) {
            if (progress) progress(i, n);
            // A timed wait here would add seconds per thousand words.
            if (m.services.clock) co_await next_turn(*m.services.clock);
        }
        if (i % 100 == 0) {
            close_block();
            block.emplace(word_block_path(m.workspace, i / 100 + 1));
        }
        voice_failed = false;
        const auto word = recording(sounds[i], language, words[i]);
        const auto translation = recording(translation_sounds[i], target_language, translations[i]);
        if (voice_failed) ++result.words_left_out;
        if ((word || translation) && repeats > 0) block->caption(caption_text(words[i], translations[i]));
        for (int r = 0; r < repeats; ++r) {
            block->append(translation);
            block->append(word);
            for (int k = 0; k < silence; ++k) block->append(silence_clip);
        }
        block->append(beep_clip);
    }
    close_block();
    co_return result;
}

QString word_blocks_summary(const WordBlocksResult& result) {
    const QString done = Quillory::tr("%n files have been completed.", nullptr, result.files_completed);
    if (result.words_left_out == 0) return done;
    const int n = result.words_left_out;
    QString text = done + QStringLiteral("\r\n") +
                   (n == 1 ? Quillory::tr("%n word was left out: it has no recording and the voice could not speak it.", nullptr, n)
                           : Quillory::tr("%n words were left out: they have no recording and the voice could not "
                                          "speak them.", nullptr, n));
    if (!result.left_out_reason.isEmpty()) text += QStringLiteral("\r\n") + result.left_out_reason;
    return text;
}

}  // namespace ql
