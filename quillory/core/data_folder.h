#pragma once
#include <QString>
#include <QStringList>

namespace ql {

// What the command line asks for. Options the program does not know are left to Qt, which takes
// its own (-platform, -style, ...) and ignores the rest, as the program always has.
struct StartOptions {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    QString data_folder;  // from --data; empty when not given
    QString error;        // set with Action::Error
};
StartOptions parse_start_options(const QStringList& arguments);  // without the program name
QString start_help_text();
QString start_version_text();

// Where the data folder may come from. The environment values are passed in, not read, so that
// every rule can be tried without touching the process's own environment.
struct DataFolderPlaces {
    QString explicit_folder;  // --data, taken relative to the working folder
    QString working_folder;   // the folder the program was started in
    QString xdg_data_home;    // $XDG_DATA_HOME as set (may be empty)
    QString home;             // $HOME
    QStringList sample_folders;  // installed sample data, best first (see installed_sample_folders)
};

struct DataFolder {
    QString folder;          // absolute, without a trailing '/'
    bool laid_sample = false;  // the sample languages were copied in by this start
    QString error;           // a message for the student when the folder could not be made or filled
};

// The folder every path hangs off: --data when given; else the working folder when it holds
// languages/, exactly as a start inside a prepared working folder always did; else
// $XDG_DATA_HOME/quillory (~/.local/share/quillory). A chosen folder without languages/ is made
// and receives the installed sample languages, their recordings and the compilation clips.
DataFolder prepare_data_folder(const DataFolderPlaces& places);

// Folders that may hold the installed sample: share/quillory beside the executable's prefix first
// (an installed tree, a DESTDIR, or the build tree), then each of $XDG_DATA_DIRS.
QStringList installed_sample_folders(const QString& executable_dir, const QString& xdg_data_dirs);

}  // namespace ql
