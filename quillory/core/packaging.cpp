#include "packaging.h"
#include "zip_error.h"

#include "list_admin.h"
#include "prompter.h"
#include "workspace.h"
#include "text_file.h"
#include "core/ui_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <zip.h>

namespace ql {

namespace {

// Checks that a written archive opens cleanly and holds what was packed.
bool archive_opens(const QString& archive, qsizetype expected, QString* error) {
    int code = 0;
    zip_t* z = zip_open(QFile::encodeName(archive).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!z) {
        *error = Quillory::tr("The archive %1 cannot be opened: %2").arg(archive, zip_error_text(code));
        return false;
    }
    const zip_int64_t entries = zip_get_num_entries(z, 0);
    zip_discard(z);
    if (entries != expected) {
        *error = Quillory::tr("The archive %1 is incomplete.").arg(archive);
        return false;
    }
    return true;
}

// Copies over an earlier copy only once the new one is whole.
bool copy_archive(const QString& from, const QString& to, QString* error) {
    const QString part = to + QStringLiteral(".part");
    QFile::remove(part);
    std::error_code ec;
    if (!QFile::copy(from, part)) {
        *error = Quillory::tr("Could not copy %1 to %2.").arg(from, to);
        return false;
    }
    std::filesystem::rename(QFile::encodeName(part).toStdString(), QFile::encodeName(to).toStdString(), ec);
    if (ec) {
        QFile::remove(part);
        *error = Quillory::tr("Could not copy %1 to %2: %3").arg(from, to, QString::fromStdString(ec.message()));
        return false;
    }
    return true;
}

QString folder_of(const QString& path) { return path.endsWith(u'/') ? path : path + u'/'; }

}  // namespace

bool make_archive(const QString& folder, const QString& archive, const QString& suffix, QStringList* packed,
                  QString* error) {
    const QString dir = folder_of(folder);
    const QString archive_abs = QFileInfo(archive).absoluteFilePath();
    QStringList names;
    for (const QString& name : folder_entries(dir)) {
        const QFileInfo fi(dir + name);
        if (!fi.isFile() || fi.absoluteFilePath() == archive_abs) continue;
        if (!suffix.isEmpty() && !name.endsWith(suffix, Qt::CaseInsensitive)) continue;
        names << name;
    }
    if (packed) *packed = names;
    if (names.isEmpty()) return true;

    int code = 0;
    zip_t* z = zip_open(QFile::encodeName(archive).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!z) {
        *error = Quillory::tr("The archive %1 cannot be written: %2").arg(archive, zip_error_text(code));
        return false;
    }
    for (const QString& name : names) {
        zip_source_t* src = zip_source_file(z, QFile::encodeName(dir + name).constData(), 0, -1);
        if (!src || zip_file_add(z, name.toUtf8().constData(), src, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) < 0) {
            if (src) zip_source_free(src);
            *error = Quillory::tr("The archive %1 cannot be written: %2").arg(archive, QString::fromLocal8Bit(zip_strerror(z)));
            zip_discard(z);
            return false;
        }
    }
    // The archive takes its name only once it is whole: libzip writes to a temporary file first.
    if (zip_close(z) != 0) {
        *error = Quillory::tr("The archive %1 cannot be written: %2").arg(archive, QString::fromLocal8Bit(zip_strerror(z)));
        zip_discard(z);
        return false;
    }
    return archive_opens(archive, names.size(), error);
}

bool zip_new_recordings(const Workspace& w, const QString& language, Prompter* prompter, const QString& kind) {
    const QString base = w.languages_folder + language + QStringLiteral("/new_") + kind + u'/';
    const QString out = w.working_folder + QStringLiteral("recordings/") + kind + u'/';
    for (const QString& nn : folder_entries(base)) {
        // Only the two-digit sub-folders hold recordings; anything else left here is not packed.
        if (!QFileInfo(base + nn).isDir()) continue;
        const QString archive = base + nn + u'/' + nn + QStringLiteral(".zip");
        QStringList packed;
        QString error;
        if (!make_archive(base + nn, archive, u'.' + kind, &packed, &error)) {
            if (prompter) prompter->message(error);
            return false;
        }
        if (packed.isEmpty()) continue;
        const QString name = language + u'_' + kind + u'_' + nn + QStringLiteral(".zip");
        if (prompter)
            prompter->message(Quillory::tr("Currently the program is working on %1.  Please wait about 5 seconds before clicking 'OK' below.").arg(name));
        if (!copy_archive(archive, out + name, &error)) {
            if (prompter) prompter->message(error);
            return false;
        }
    }
    return true;
}

void pack_contribution(const Workspace& w, const QString& language, Prompter& p) {
    const QString recordings = w.working_folder + QStringLiteral("recordings");
    const QString address = contact::kSubmissionAddress;
    const bool go = p.ok_cancel(
        Quillory::tr("Use this function AFTER you have finished recording ALL the words and phrases for the %1 language.  "
                     "Clicking 'OK' below will place the recordings in the folder called %2.  Please email all the "
                     "'str' zip files to me at %3. Do not email zip files to %4 because my spam filter may block them.  "
                     "It is best to email the files one at a time in a seperate email because they are big files.  "
                     "\r\rClick 'OK' to run this function or 'Cancel' to go back.")
            .arg(language, recordings, address, contact::kEmail));
    if (!go) {
        p.message(Quillory::tr("The action has been cancelled."));
        return;
    }
    QDir().mkpath(recordings + QStringLiteral("/str"));

    zip_new_recordings(w, language, &p, QStringLiteral("str"));

    const QString folder = w.languages_folder + language + u'/';
    const QString archive = folder + language + QStringLiteral(".zip");
    QStringList packed;
    QString error;
    if (!make_archive(folder, archive, QString(), &packed, &error)) {
        p.message(error);
        return;
    }
    if (packed.isEmpty()) {
        p.message(Quillory::tr("The folder %1 holds no files to pack.").arg(folder));
        return;
    }
    p.message(Quillory::tr("The program is busy.  Please wait 3 seconds before clicking 'OK' below.  "
                             "This message will appear about 10 times before it is finished."));
    if (!copy_archive(archive, recordings + QStringLiteral("/text_") + language + QStringLiteral(".zip"), &error)) {
        p.message(error);
        return;
    }
    p.message(Quillory::tr("This action is finished.\rPlease email the files located in the %1 folder to me at %2.").arg(recordings, address));
}

}  // namespace ql
