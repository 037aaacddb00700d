#pragma once
#include "support/run_pieces.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace ql::testing {

// A throw-away working folder with helpers to lay files and read them back byte for byte.
class DataTree {
public:
    DataTree();
    QString root() const { return dir_.path() + u'/'; }
    QString path(const QString& relative) const { return root() + relative; }
    // Writes bytes exactly as given, creating folders.
    void write(const QString& relative, const QByteArray& bytes) const;
    // Writes lines each ended by CR LF (UTF-8).
    void write_lines(const QString& relative, const QStringList& lines) const;
    QByteArray read(const QString& relative) const;
    bool exists(const QString& relative) const;
    void mkdir(const QString& relative) const;
    // Points the state's folders at this tree for the given student (as start-up does).
    void attach(RunPieces& m, const QString& student = QStringLiteral("ann")) const;
    // Copies the repository's sample word lists (text only) into languages/.
    void copy_sample_lists() const;

private:
    QTemporaryDir dir_;
};

// CR LF-joined bytes of the given lines, each ended by CR LF.
QByteArray crlf(const QStringList& lines);

}  // namespace ql::testing
