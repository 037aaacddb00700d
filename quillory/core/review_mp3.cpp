#include "review_mp3.h"

#include "mp3_encode.h"
#include "mpeg_frames.h"
#include "text_file.h"
#include "core/ui_text.h"

#include <QDir>
#include <QFile>
#include <cmath>

namespace ql {

namespace {

std::optional<QByteArray> read_file(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    return f.readAll();
}

// The review's file and its playing time as it grows: the same reckoning as every compiled file,
// where only the file's very first frame can be a tag that players skip.
class JoinedClips {
public:
    void append(const QByteArray& clip) {
        const MpegPlayLength length = mpeg_play_length(clip);
        seconds_ += audio_seen_ ? length.seconds_after_other_audio() : length.seconds;
        if (length.frames > 0 || length.leading_tag_samples > 0) audio_seen_ = true;
        bytes_ += clip;
        bytes_ += QByteArray("\r\n", 2);
    }
    double seconds() const { return seconds_; }
    QByteArray take() { return std::move(bytes_); }

private:
    QByteArray bytes_;
    double seconds_ = 0.0;
    bool audio_seen_ = false;
};

class ClipFinder {
public:
    explicit ClipFinder(const ReviewClipSources& s) : s_(s) {}

    // The sound of `sound` in `language` as it goes into the file: its recording, else its new
    // recording, else the voice speaking `text`; stretched when the speed is below the natural one.
    std::optional<QByteArray> clip(const QString& sound, const QString& language, const QString& text) {
        if (sound.isEmpty()) return std::nullopt;
        const QString folder = s_.languages_folder + language + u'/';
        if (auto recording = read_file(folder + sound.left(2) + u'/' + sound + QStringLiteral(".mp3")))
            return stretched(*recording);
        if (s_.new_recording) {
            const QString str = folder + QStringLiteral("new_str/") + sound.left(2) + u'/' + sound + QStringLiteral(".str");
            if (auto enciphered = read_file(str)) {
                auto samples = [&] { return s_.new_recording(str); };
                std::optional<QByteArray> made;
                if (s_.cache) {
                    made = s_.cache->encoded_pcm(*enciphered, s_.speed_percent, samples);
                } else if (auto pcm = samples()) {
                    const Pcm slowed = stretch_speech(*pcm, speed_factor(s_.speed_percent));
                    QByteArray mp3 = encode_mp3(slowed.samples, slowed.rate);
                    if (!mp3.isEmpty()) made = std::move(mp3);
                }
                if (made) return made;
            }
        }
        if (s_.voice && !text.trimmed().isEmpty())
            if (auto spoken = s_.voice(text, language)) return stretched(*spoken);
        return std::nullopt;
    }

private:
    QByteArray stretched(const QByteArray& mp3) {
        if (valid_speech_speed(s_.speed_percent) == kNaturalSpeed) return mp3;
        auto slowed = s_.cache ? s_.cache->stretched_mp3(mp3, s_.speed_percent)
                               : stretched_mp3_uncached(mp3, s_.speed_percent);
        // A recording that does not decode still goes in as it is, as it would at the natural speed.
        return slowed ? *slowed : mp3;
    }

    const ReviewClipSources& s_;
};

}  // namespace

ReviewMp3 compose_review_mp3(const std::vector<ReviewItem>& due, const ReviewClipSources& sources) {
    ReviewMp3 out;
    out.due = int(due.size());
    ClipFinder finder(sources);
    JoinedClips joined;
    const int repeats = std::max(0, sources.repeats);
    auto pause = [&] {
        if (sources.silence.isEmpty()) return;
        for (int k = 0; k < sources.silence_clips; ++k) joined.append(sources.silence);
    };
    for (size_t i = 0; i < due.size(); ++i) {
        if (i % 10 == 0 && sources.progress) sources.progress(int(i), out.due);
        const auto entry = parse_entry(due[i].entry);
        if (!entry) continue;
        const QString sound = entry->sound_number.trimmed();
        const QString translation_sound = sources.translation_sound ? sources.translation_sound(sound) : QString();
        const auto word = finder.clip(sound, sources.language, entry->word);
        const auto translation = finder.clip(translation_sound, sources.target_language, entry->translation);
        // A word with no sound at all would only be silence; it is left out and not captioned.
        if ((!word && !translation) || repeats == 0) continue;
        ++out.words;
        out.captions << Caption{joined.seconds(), caption_text(entry->word, entry->translation)};
        for (int r = 0; r < repeats; ++r) {
            if (word) {
                joined.append(*word);
                pause();
            }
            if (translation) {
                joined.append(*translation);
                pause();
            }
        }
    }
    out.seconds = joined.seconds();
    out.bytes = joined.take();
    return out;
}

QString review_mp3_path(const QString& language_folder, const QDate& day) {
    return language_folder + QStringLiteral("review_") + day.toString(Qt::ISODate) + QStringLiteral(".mp3");
}

ReviewMp3Outcome write_review_mp3(const QString& language_folder, const QDate& today,
                                  const ReviewClipSources& sources) {
    ReviewMp3Outcome outcome;
    outcome.mp3_path = review_mp3_path(language_folder, today);
    outcome.lrc_path = caption_path(outcome.mp3_path);
    // Brought in line with the known files in memory only: compiling must not touch the schedule.
    const std::vector<ReviewItem> due = ReviewSchedule::open(language_folder, today, true).due(today);
    outcome.due = int(due.size());
    if (due.empty()) return outcome;
    const ReviewMp3 mp3 = compose_review_mp3(due, sources);
    outcome.words = mp3.words;
    outcome.seconds = mp3.seconds;
    if (mp3.words == 0) return outcome;

    QByteArray lrc;
    for (const QString& line : lrc_lines(mp3.captions)) lrc += encode_line(line);
    QDir().mkpath(language_folder);
    FileChanges changes;
    changes.rewrite_bytes(outcome.mp3_path, mp3.bytes);
    // Caption tracks are UTF-8 whatever the language folder's own files use.
    changes.rewrite_bytes(outcome.lrc_path, lrc);
    outcome.written = changes.apply(&outcome.error);
    return outcome;
}

QString play_time_text(double seconds) {
    const qint64 s = seconds > 0 ? qint64(std::llround(seconds)) : 0;
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

QString review_mp3_message(const ReviewMp3Outcome& o) {
    if (o.due == 0) return Quillory::tr("No words are due for review today, so no MP3 was made.");
    if (!o.error.isEmpty())
        return Quillory::tr("Today's review could not be saved.\r\n%1").arg(o.error);
    if (o.words == 0)
        return Quillory::tr("None of the %1 words due today has a sound, so no MP3 was made.").arg(o.due);
    QString text = Quillory::tr("Today's review is ready: %1 %2, playing %3.")
                       .arg(o.words)
                       .arg(o.words == 1 ? Quillory::tr("word") : Quillory::tr("words"))
                       .arg(play_time_text(o.seconds));
    if (o.words < o.due)
        text += Quillory::tr(" %1 of the words due had no sound and were left out.").arg(o.due - o.words);
    text += Quillory::tr("\r\nIt was saved as %1, with its captions beside it.").arg(QDir::toNativeSeparators(o.mp3_path));
    return text;
}

}  // namespace ql
