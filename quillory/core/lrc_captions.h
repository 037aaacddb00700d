#pragma once
#include <QList>
#include <QString>
#include <QStringList>

namespace ql {

// A caption track (LRC) beside a compiled MP3: one line per word, stamped with the moment its first
// clip starts, so that players which show lyrics show each word as it plays.
struct Caption {
    double seconds = 0.0;
    QString text;
};

// "[mm:ss.xx]", rounded to the nearest hundredth; minutes go past 99 rather than wrap.
QString lrc_time_stamp(double seconds);
// The text shown for a word: "word - translation".
QString caption_text(const QString& word, const QString& translation);
// The caption file of an MP3: the same name with ".lrc" for its extension.
QString caption_path(const QString& mp3_path);
QStringList lrc_lines(const QList<Caption>& captions);

// Caption files are always UTF-8 with CR LF, whatever set an old file was in.
// Replaces the caption file whole (atomically). On failure the old file is untouched and `error`
// names the file.
bool write_captions(const QString& lrc_path, const QList<Caption>& captions, QString* error = nullptr);
// Adds one line to a caption file that grows with its MP3, rewriting it whole so that a reader never
// sees half a line. The line goes in time order, after the lines stamped no later.
bool add_caption(const QString& lrc_path, const Caption& caption, QString* error = nullptr);

}  // namespace ql
