#pragma once
#include "player.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace ql {

// Compiled MP3 files are installed recordings and clips joined byte by byte, each followed by CR LF;
// nothing is decoded or encoded.
QString out_file_path(const Workspace& w);  // the drill's compilation
QString word_block_path(const Workspace& w, int block);  // block from 1: 100words<block>.mp3

// Marks the start of a compiled word of the drill (a beep).
void append_word_mark(const Workspace& w);

// Playing time of a compiled file as it stands, from its frame headers; 0 when it is missing.
double compiled_seconds(const QString& mp3_path);

struct WordBlocksResult {
    int files_completed = 0;     // block files written without a write error
    QStringList failed_files;    // block files that could not be written whole
    // Entries without a recording that the voice was asked to speak and could not, and why (the
    // voice's first error of the run).
    int words_left_out = 0;
    QString left_out_reason;
};

// The closing note of a whole-list compilation: the count of files, and the words left out, if any.
QString word_blocks_summary(const WordBlocksResult& result);

// Writes every shown entry, in list order, into blocks of 100: per entry `repeats` times the
// translation's recording, the word's recording and `silence` silence clips, then one beep. Missing
// recordings add nothing. Beside each block goes its caption track (100words<block>.lrc), one line
// // per entry whose recordings went in, replaced together with the block. Every ten entries
// `progress(done, total)` is called and, with a clock, the event loop gets a turn so the window can
// repaint. The entries are read once at the start: a list reloaded meanwhile does not change the run.
QCoro::Task<WordBlocksResult> write_word_blocks(Player& player, WordsOnShow words, int repeats, int silence,
                                                std::function<void(int done, int total)> progress = {});

}  // namespace ql
