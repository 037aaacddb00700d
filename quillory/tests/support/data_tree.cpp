#include "data_tree.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace ql::testing {

DataTree::DataTree() { EXPECT_TRUE(dir_.isValid()); }

void DataTree::write(const QString& relative, const QByteArray& bytes) const {
    const QString p = path(relative);
    QDir().mkpath(QFileInfo(p).absolutePath());
    QFile f(p);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << p.toStdString();
    f.write(bytes);
}

void DataTree::write_lines(const QString& relative, const QStringList& lines) const { write(relative, crlf(lines)); }

QByteArray DataTree::read(const QString& relative) const {
    QFile f(path(relative));
    if (!f.open(QIODevice::ReadOnly)) return QByteArray();
    return f.readAll();
}

bool DataTree::exists(const QString& relative) const { return QFileInfo::exists(path(relative)); }

void DataTree::mkdir(const QString& relative) const { QDir().mkpath(path(relative)); }

void DataTree::attach(RunPieces& m, const QString& student) const {
    m.working_folder = root();
    m.student_name = student;
    m.languages_folder = root() + QStringLiteral("languages/");
    m.user_folder = root() + QStringLiteral("users/") + student + u'/';
    QDir().mkpath(m.user_folder);
    QDir().mkpath(m.languages_folder);
}

void DataTree::copy_sample_lists() const {
    const QString from = QStringLiteral(QL_SAMPLE_DIR "/languages");
    QDirIterator it(from, {QStringLiteral("*.txt"), QStringLiteral("*.dat")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString rel = QStringLiteral("languages/") + QDir(from).relativeFilePath(src);
        QFile f(src);
        if (f.open(QIODevice::ReadOnly)) write(rel, f.readAll());
    }
}

QByteArray crlf(const QStringList& lines) {
    QByteArray out;
    for (const QString& l : lines) out += l.toUtf8() + "\r\n";
    return out;
}

}  // namespace ql::testing
