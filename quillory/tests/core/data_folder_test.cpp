#include "core/data_folder.h"
#include "support/data_tree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace ql;
using ql::testing::DataTree;

namespace {

using Action = StartOptions::Action;

StartOptions parse(const QStringList& args) { return parse_start_options(args); }

// An installed sample as the install lays it: lists, a recording, the two compilation clips.
void lay_installed_sample(const DataTree& t, const QString& at) {
    t.write(at + "/languages/spanish/colores.txt", "rojo|red|00101\r\n");
    t.write(at + "/languages/spanish/01/00101.mp3", QByteArray("\xff\xfb mp3 frames", 14));
    t.write(at + "/languages/english/colours.txt", "red|rojo|00101\r\n");
    t.write(at + "/silence.mp3", "silence");
    t.write(at + "/beep.mp3", "beep");
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

}  // namespace

TEST(StartOptions, DataHelpVersionAndWhatIsLeftToQt) {
    EXPECT_EQ(parse({}).action, Action::Run);
    EXPECT_EQ(parse({"--data", "/tmp/x"}).data_folder, u"/tmp/x");
    EXPECT_EQ(parse({"--data=rel/dir"}).data_folder, u"rel/dir");
    // Qt's own options and anything unknown are left alone, as before.
    auto qt = parse({"-platform", "offscreen", "--data", "d", "-style", "fusion"});
    EXPECT_EQ(qt.action, Action::Run);
    EXPECT_EQ(qt.data_folder, u"d");
    EXPECT_EQ(parse({"--help"}).action, Action::Help);
    EXPECT_EQ(parse({"-h"}).action, Action::Help);
    EXPECT_EQ(parse({"--version", "--data"}).action, Action::Version);
    // A --data without a folder must not quietly start on some other folder.
    EXPECT_EQ(parse({"--data"}).action, Action::Error);
    EXPECT_EQ(parse({"--data="}).action, Action::Error);
    EXPECT_FALSE(parse({"--data"}).error.isEmpty());
    EXPECT_TRUE(start_help_text().contains(u"--data FOLDER"));
}

TEST(DataFolder, WorkingFolderWithLanguagesIsUsedAsItIsAndLeftUntouched) {
    DataTree t;
    t.mkdir("work/languages");
    lay_installed_sample(t, "sample");
    DataFolderPlaces p;
    p.working_folder = t.path("work");
    p.xdg_data_home = t.path("xdg");
    p.home = t.path("home");
    p.sample_folders = {t.path("sample")};
    const DataFolder d = prepare_data_folder(p);
    EXPECT_EQ(d.folder, p.working_folder);
    EXPECT_FALSE(d.laid_sample);
    EXPECT_TRUE(d.error.isEmpty());
    EXPECT_EQ(entries(t.path("work")), QStringList{"languages"});
    EXPECT_TRUE(entries(t.path("work/languages")).isEmpty());
    EXPECT_FALSE(t.exists("xdg"));
}

TEST(DataFolder, FirstStartElsewhereLaysTheSampleIntoTheXdgFolderOnce) {
    DataTree t;
    t.mkdir("start");
    lay_installed_sample(t, "sample");
    DataFolderPlaces p;
    p.working_folder = t.path("start");
    p.xdg_data_home = t.path("xdg");
    p.home = t.path("home");
    p.sample_folders = {t.path("missing"), t.path("sample")};
    QFile::setPermissions(t.path("sample/languages/english/colours.txt"), QFileDevice::ReadOwner | QFileDevice::ReadOther);
    const DataFolder d = prepare_data_folder(p);
    EXPECT_EQ(d.folder, t.path("xdg/quillory"));
    EXPECT_TRUE(d.laid_sample);
    EXPECT_TRUE(d.error.isEmpty()) << d.error.toStdString();
    EXPECT_EQ(t.read("xdg/quillory/languages/spanish/colores.txt"), "rojo|red|00101\r\n");
    EXPECT_EQ(t.read("xdg/quillory/languages/spanish/01/00101.mp3"), t.read("sample/languages/spanish/01/00101.mp3"));
    EXPECT_EQ(t.read("xdg/quillory/silence.mp3"), "silence");
    EXPECT_EQ(t.read("xdg/quillory/beep.mp3"), "beep");
    EXPECT_EQ(entries(t.path("xdg/quillory")), (QStringList{"beep.mp3", "languages", "silence.mp3"}));
    EXPECT_TRUE(entries(t.path("start")).isEmpty());
    // The copies are the student's to change, whatever the installed files' modes.
    EXPECT_TRUE(QFileInfo(t.path("xdg/quillory/languages/english/colours.txt")).permissions() & QFileDevice::WriteOwner);

    // The next start keeps the student's own changes and lays nothing again.
    t.write("xdg/quillory/languages/spanish/colores.txt", "changed|by the student|00101\r\n");
    QFile::remove(t.path("xdg/quillory/beep.mp3"));
    const DataFolder again = prepare_data_folder(p);
    EXPECT_EQ(again.folder, d.folder);
    EXPECT_FALSE(again.laid_sample);
    EXPECT_EQ(t.read("xdg/quillory/languages/spanish/colores.txt"), "changed|by the student|00101\r\n");
    EXPECT_FALSE(t.exists("xdg/quillory/beep.mp3"));
}

TEST(DataFolder, XdgDataHomeUnsetOrRelativeFallsBackToHome) {
    DataTree t;
    t.mkdir("start");
    DataFolderPlaces p;
    p.working_folder = t.path("start");
    p.home = t.path("home");
    EXPECT_EQ(prepare_data_folder(p).folder, t.path("home/.local/share/quillory"));
    EXPECT_TRUE(QFileInfo(t.path("home/.local/share/quillory")).isDir());
    p.xdg_data_home = QStringLiteral("relative/share");
    EXPECT_EQ(prepare_data_folder(p).folder, t.path("home/.local/share/quillory"));
    EXPECT_FALSE(t.exists("start/relative"));
}

TEST(DataFolder, ExplicitFolderWinsIsTakenFromTheWorkingFolderAndGetsTheSample) {
    DataTree t;
    t.mkdir("work/languages");
    t.write("work/mine/users/ann/spanish/colores-k.txt", "rojo|red|00101\r\n");
    lay_installed_sample(t, "sample");
    DataFolderPlaces p;
    p.working_folder = t.path("work");
    p.explicit_folder = QStringLiteral("mine/");
    p.home = t.path("home");
    p.sample_folders = {t.path("sample")};
    const DataFolder d = prepare_data_folder(p);
    EXPECT_EQ(d.folder, t.path("work/mine"));
    EXPECT_TRUE(d.laid_sample);
    EXPECT_TRUE(t.exists("work/mine/languages/spanish/colores.txt"));
    EXPECT_EQ(t.read("work/mine/users/ann/spanish/colores-k.txt"), "rojo|red|00101\r\n");
    EXPECT_FALSE(t.exists("home"));
}

TEST(DataFolder, FailuresAreReportedAndLeaveNoHalfCopiedLanguages) {
    DataTree t;
    t.mkdir("start");
    t.write("blocked", "a file where the folder should be");
    DataFolderPlaces p;
    p.working_folder = t.path("start");
    p.xdg_data_home = t.path("blocked");
    const DataFolder unmade = prepare_data_folder(p);
    EXPECT_TRUE(unmade.error.contains(t.path("blocked/quillory"))) << unmade.error.toStdString();

    // A sample file that cannot be read stops the copy: the student gets a message and no
    // languages folder that a later start would take for complete.
    lay_installed_sample(t, "sample");
    QFile::link(t.path("sample/gone.txt"), t.path("sample/languages/spanish/dangling.txt"));
    p.xdg_data_home = t.path("xdg");
    p.sample_folders = {t.path("sample")};
    const DataFolder broken = prepare_data_folder(p);
    EXPECT_FALSE(broken.error.isEmpty());
    EXPECT_TRUE(broken.error.contains(u"dangling.txt")) << broken.error.toStdString();
    EXPECT_FALSE(broken.laid_sample);
    EXPECT_FALSE(t.exists("xdg/quillory/languages"));
    for (const QString& e : entries(t.path("xdg/quillory"))) EXPECT_FALSE(e.startsWith(u"languages")) << e.toStdString();

    // Mended, the next start lays it.
    QFile::remove(t.path("sample/languages/spanish/dangling.txt"));
    EXPECT_TRUE(prepare_data_folder(p).laid_sample);
    EXPECT_TRUE(t.exists("xdg/quillory/languages/spanish/colores.txt"));
}

TEST(DataFolder, InstalledSampleIsLookedForBesideTheProgramFirstThenInXdgDataDirs) {
    EXPECT_EQ(installed_sample_folders("/opt/q/bin", "/a/share:relative:/b/share/:/opt/q/share"),
              (QStringList{"/opt/q/share/quillory", "/a/share/quillory", "/b/share/quillory"}));
    EXPECT_EQ(installed_sample_folders("/usr/bin", ""),
              (QStringList{"/usr/share/quillory", "/usr/local/share/quillory"}));
}
