#include "core/data_folder.h"

#include "core/help_texts.h"
#include "core/ui_text.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace ql {

StartOptions parse_start_options(const QStringList& arguments) {
    StartOptions options;
    const QString dataEq = QStringLiteral("--data=");
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            options.action = StartOptions::Action::Help;
            return options;
        }
        if (arg == QLatin1String("--version")) {
            options.action = StartOptions::Action::Version;
            return options;
        }
        QString value;
        if (arg == QLatin1String("--data")) {
            if (i + 1 >= arguments.size()) {
                options.action = StartOptions::Action::Error;
                options.error = QStringLiteral("--data needs a folder");
                return options;
            }
            value = arguments.at(++i);
        } else if (arg.startsWith(dataEq)) {
            value = arg.mid(dataEq.size());
        } else {
            continue;
        }
        // An empty value would silently mean the working folder; better to say so.
        if (value.isEmpty()) {
            options.action = StartOptions::Action::Error;
            options.error = QStringLiteral("--data needs a folder");
            return options;
        }
        options.data_folder = value;
    }
    return options;
}

QString start_help_text() {
    return QStringLiteral(
        "Usage: quillory [--data FOLDER]\n"
        "\n"
        "Quillory, a vocabulary tutor: word lists, spoken flash cards, MP3 drills and student tests.\n"
        "\n"
        "  --data FOLDER  keep the languages, the students' progress and the results in FOLDER\n"
        "  --help         show this help and exit\n"
        "  --version      show the version and exit\n"
        "\n"
        "Without --data, the folder Quillory is started in is used when it holds a languages folder;\n"
        "otherwise $XDG_DATA_HOME/quillory (~/.local/share/quillory). A data folder without a\n"
        "languages folder receives the sample languages and their recordings on its first use.\n");
}

QString start_version_text() { return QStringLiteral("quillory ") + kVersion + u'\n'; }

QStringList installed_sample_folders(const QString& executable_dir, const QString& xdg_data_dirs) {
    QStringList folders;
    if (!executable_dir.isEmpty())
        folders << QDir::cleanPath(executable_dir + QStringLiteral("/../share/quillory"));
    // An unset or empty list means the default the XDG base directories name.
    const QString dirs = xdg_data_dirs.isEmpty() ? QStringLiteral("/usr/local/share:/usr/share") : xdg_data_dirs;
    for (const QString& dir : dirs.split(u':', Qt::SkipEmptyParts)) {
        if (!QDir::isAbsolutePath(dir)) continue;
        const QString folder = QDir::cleanPath(dir + QStringLiteral("/quillory"));
        if (!folders.contains(folder)) folders << folder;
    }
    return folders;
}

namespace {

bool holds_languages(const QString& folder) {
    return QFileInfo(folder + QStringLiteral("/languages")).isDir();
}

// Copies are the student's own from now on: writable, whatever the installed files' modes.
constexpr QFileDevice::Permissions kFileMode = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ReadUser | QFileDevice::WriteUser |
                                               QFileDevice::ReadGroup | QFileDevice::ReadOther;
constexpr QFileDevice::Permissions kFolderMode =
    kFileMode | QFileDevice::ExeOwner | QFileDevice::ExeUser | QFileDevice::ExeGroup | QFileDevice::ExeOther;

// Copies every file under `from` to the same place under `to`; on failure names the file that
// could not be copied. Broken links are listed too (QDir::System), so that a damaged install is
// reported rather than laid incomplete.
bool copy_tree(const QString& from, const QString& to, QString* failed) {
    const QDir source(from);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + u'/' + source.relativeFilePath(path);
        if (it.fileInfo().isDir()) {
            if (!QDir().mkpath(target) || !QFile::setPermissions(target, kFolderMode)) {
                *failed = target;
                return false;
            }
            continue;
        }
        if (!QFile::copy(path, target) || !QFile::setPermissions(target, kFileMode)) {
            *failed = path;
            return false;
        }
    }
    return true;
}

// A clip is copied under a temporary name first: one cut short by a crash must not be taken for
// finished by the next start.
bool copy_clip(const QString& from, const QString& to, QString* failed) {
    if (QFileInfo::exists(to) || !QFileInfo::exists(from)) return true;
    const QString part = to + QStringLiteral(".part");
    QFile::remove(part);
    if (!QFile::copy(from, part) || !QFile::setPermissions(part, kFileMode) || !QFile::rename(part, to)) {
        QFile::remove(part);
        if (QFileInfo::exists(to)) return true;  // another start laid it meanwhile
        *failed = to;
        return false;
    }
    return true;
}

void lay_sample(const QString& folder, const QString& sample, DataFolder* result) {
    QString failed;
    for (const char* clip : {"silence.mp3", "beep.mp3"}) {
        if (!copy_clip(sample + u'/' + QLatin1String(clip), folder + u'/' + QLatin1String(clip), &failed)) {
            result->error = Quillory::tr("The sample recordings could not be copied into %1: %2 could not be "
                                           "written.").arg(folder, failed);
            return;
        }
    }
    // The languages are gathered under a temporary name and take their real one only when complete,
    // so an interrupted first start leaves no half-copied languages folder that the next start would
    // take for the student's own.
    QTemporaryDir partial(folder + QStringLiteral("/languages.partial-XXXXXX"));
    if (!partial.isValid() || !QFile::setPermissions(partial.path(), kFolderMode)) {
        result->error = Quillory::tr("The sample languages could not be copied into %1: %2").arg(folder, partial.errorString());
        return;
    }
    if (!copy_tree(sample + QStringLiteral("/languages"), partial.path(), &failed)) {
        result->error = Quillory::tr("The sample languages could not be copied into %1: %2 could not be "
                                       "copied.").arg(folder, failed);
        return;
    }
    if (QDir().rename(partial.path(), folder + QStringLiteral("/languages"))) {
        result->laid_sample = true;
        return;
    }
    if (!holds_languages(folder))
        result->error = Quillory::tr("The sample languages could not be moved into place in %1.").arg(folder);
}

}  // namespace

DataFolder prepare_data_folder(const DataFolderPlaces& places) {
    DataFolder result;
    if (!places.explicit_folder.isEmpty()) {
        result.folder = QDir::cleanPath(QDir(places.working_folder).absoluteFilePath(places.explicit_folder));
    } else if (holds_languages(places.working_folder)) {
        result.folder = places.working_folder;
        return result;
    } else {
        // A relative XDG_DATA_HOME is invalid by the XDG rules and is ignored.
        const QString base = !places.xdg_data_home.isEmpty() && QDir::isAbsolutePath(places.xdg_data_home)
                                 ? places.xdg_data_home
                                 : places.home + QStringLiteral("/.local/share");
        result.folder = QDir::cleanPath(base + QStringLiteral("/quillory"));
    }
    if (holds_languages(result.folder)) return result;
    if (!QDir().mkpath(result.folder)) {
        result.error = Quillory::tr("The data folder %1 could not be made; nothing can be kept. Start Quillory "
                                      "with --data and a folder that can be written.").arg(result.folder);
        return result;
    }
    for (const QString& sample : places.sample_folders) {
        if (holds_languages(sample)) {
            lay_sample(result.folder, sample, &result);
            break;
        }
    }
    return result;
}

}  // namespace ql
