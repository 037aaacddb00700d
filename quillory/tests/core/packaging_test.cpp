#include "core/packaging.h"
#include "support/run_pieces.h"
#include "support/data_tree.h"
#include "support/fake_prompter.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <gtest/gtest.h>
#include <zip.h>

#include <map>

using ql::testing::RunPieces;

using namespace ql;
using namespace ql::testing;

namespace {

// Member names of an archive (checked to open), or {"<unreadable>"}.
QStringList members(const QString& archive) {
    int code = 0;
    zip_t* z = zip_open(QFile::encodeName(archive).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!z) return {QStringLiteral("<unreadable>")};
    QStringList out;
    for (zip_int64_t k = 0; k < zip_get_num_entries(z, 0); ++k) out << QString::fromUtf8(zip_get_name(z, zip_uint64_t(k), 0));
    zip_discard(z);
    out.sort();
    return out;
}

QByteArray member(const QString& archive, const char* name) {
    int code = 0;
    zip_t* z = zip_open(QFile::encodeName(archive).constData(), ZIP_RDONLY, &code);
    if (!z) return {};
    QByteArray out;
    zip_stat_t st;
    if (zip_stat(z, name, 0, &st) == 0) {
        if (zip_file_t* f = zip_fopen(z, name, 0)) {
            out.resize(qsizetype(st.size));
            zip_fread(f, out.data(), st.size);
            zip_fclose(f);
        }
    }
    zip_discard(z);
    return out;
}

// Every file and folder under the working folder with a digest of its bytes.
std::map<QString, QByteArray> snapshot(const DataTree& t) {
    std::map<QString, QByteArray> out;
    QDirIterator it(t.root(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        out[QDir(t.root()).relativeFilePath(p)] =
            QFileInfo(p).isDir() ? QByteArray("dir") : QCryptographicHash::hash(t.read(QDir(t.root()).relativeFilePath(p)), QCryptographicHash::Sha1);
    }
    return out;
}

struct Rig {
    DataTree tree;
    RunPieces m;
    FakePrompter prompter;
    Rig() {
        tree.attach(m);
        m.prompter = &prompter;
        m.current_language = QStringLiteral("spanish");
        tree.write("languages/spanish/animals.txt", "gato|cat|00001\r\n");
        tree.write("languages/spanish/master_spanish.txt", "gato|cat|00001\r\n");
        tree.write("languages/spanish/highest_num.dat", " 70002 \r\n");
        tree.write("languages/spanish/00/00001.mp3", "ID3");
        tree.write("languages/english/00/00001.mp3", "ID3");
    }
    QString msg3(const char* nn) const {
        return QStringLiteral("Currently the program is working on spanish_str_%1.zip.  Please wait about 5 seconds "
                              "before clicking 'OK' below.").arg(QLatin1String(nn));
    }
    QString msg4() const {
        return QStringLiteral("The program is busy.  Please wait 3 seconds before clicking 'OK' below.  This message "
                              "will appear about 10 times before it is finished.");
    }
    QString msg5() const {
        return QStringLiteral("This action is finished.\rPlease email the files located in the ") + tree.root() +
               QStringLiteral("recordings folder to me at ") + QStringLiteral("words@quillory.org") + u'.';
    }
};

}  // namespace

TEST(Packaging, OneArchivePerRecordingFolderAndOneOfTheLanguageFiles) {
    Rig r;
    r.tree.write("languages/spanish/new_str/70/70000.str", QByteArray(24, 'a'));
    r.tree.write("languages/spanish/new_str/70/70001.str", QByteArray(40, 'b'));
    r.tree.write("languages/spanish/new_str/71/71000.str", QByteArray(8, 'c'));
    r.tree.write("languages/spanish/new_str/71/71001.raw", "not enciphered");
    const QString cwd = QDir::currentPath();
    r.prompter.answer_ok();
    pack_contribution(r.m, r.m.current_language, *r.m.prompter);

    const QString rec = r.tree.path("recordings/");
    EXPECT_EQ(members(rec + "str/spanish_str_70.zip"), (QStringList{"70000.str", "70001.str"}));
    EXPECT_EQ(members(rec + "str/spanish_str_71.zip"), QStringList{"71000.str"});
    EXPECT_EQ(member(rec + "str/spanish_str_70.zip", "70001.str"), QByteArray(40, 'b'));
    EXPECT_EQ(members(rec + "text_spanish.zip"),
              (QStringList{"animals.txt", "highest_num.dat", "master_spanish.txt"}));
    EXPECT_EQ(member(rec + "text_spanish.zip", "highest_num.dat"), QByteArray(" 70002 \r\n"));
    EXPECT_EQ(QDir(rec + "str").entryList(QDir::Files), (QStringList{"spanish_str_70.zip", "spanish_str_71.zip"}));

    const auto& shown = r.prompter.shown();
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown[0].kind, u"ok_cancel");
    EXPECT_EQ(shown[0].text,
              QStringLiteral("Use this function AFTER you have finished recording ALL the words and phrases for the "
                             "spanish language.  Clicking 'OK' below will place the recordings in the folder called ") +
                  r.tree.root() +
                  QStringLiteral("recordings.  Please email all the 'str' zip files to me at words@quillory.org. Do "
                                 "not email zip files to orrin.vale@quillory.org because my spam filter may block them.  "
                                 "It is best to email the files one at a time in a seperate email because they are big "
                                 "files.  \r\rClick 'OK' to run this function or 'Cancel' to go back."));
    EXPECT_EQ(r.prompter.messages(), (QStringList{r.msg3("70"), r.msg3("71"), r.msg4(), r.msg5()}));
    EXPECT_EQ(QDir::currentPath(), cwd);

    // A second click packs everything again over the earlier copies.
    r.tree.write("languages/spanish/new_str/70/70002.str", QByteArray(8, 'd'));
    r.prompter.clear();
    r.prompter.answer_ok();
    pack_contribution(r.m, r.m.current_language, *r.m.prompter);
    EXPECT_EQ(members(rec + "str/spanish_str_70.zip"), (QStringList{"70000.str", "70001.str", "70002.str"}));
    EXPECT_EQ(members(rec + "text_spanish.zip"),
              (QStringList{"animals.txt", "highest_num.dat", "master_spanish.txt"}));
    EXPECT_EQ(QDir(rec + "str").entryList(QDir::Files), (QStringList{"spanish_str_70.zip", "spanish_str_71.zip"}));
}

TEST(Packaging, NoRecordingsOrAStrayFileStillMakeTheTextArchive) {
    Rig r;
    r.prompter.answer_ok();
    pack_contribution(r.m, r.m.current_language, *r.m.prompter);
    EXPECT_EQ(members(r.tree.path("recordings/text_spanish.zip")),
              (QStringList{"animals.txt", "highest_num.dat", "master_spanish.txt"}));
    EXPECT_TRUE(QDir(r.tree.path("recordings/str")).exists());
    EXPECT_EQ(r.prompter.messages(), (QStringList{r.msg4(), r.msg5()}));

    // A file lying among the sub-folders is passed over; the folders after it are still packed.
    Rig s;
    s.tree.write("languages/spanish/new_str/00readme.txt", "notes");
    s.tree.write("languages/spanish/new_str/70/70000.str", QByteArray(8, 'a'));
    s.tree.mkdir("languages/spanish/new_str/71");  // nothing recorded here
    s.tree.write("languages/spanish/new_str/72/72000.str", QByteArray(8, 'a'));
    s.prompter.answer_ok();
    pack_contribution(s.m, s.m.current_language, *s.m.prompter);
    EXPECT_EQ(QDir(s.tree.path("recordings/str")).entryList(QDir::Files),
              (QStringList{"spanish_str_70.zip", "spanish_str_72.zip"}));
    EXPECT_EQ(s.prompter.messages(), (QStringList{s.msg3("70"), s.msg3("72"), s.msg4(), s.msg5()}));
}

TEST(Packaging, CancelChangesNothing) {
    Rig r;
    r.tree.write("languages/spanish/new_str/70/70000.str", QByteArray(24, 'a'));
    const auto before = snapshot(r.tree);
    r.prompter.answer_cancel();
    pack_contribution(r.m, r.m.current_language, *r.m.prompter);
    EXPECT_EQ(r.prompter.messages(), QStringList{QStringLiteral("The action has been cancelled.")});
    EXPECT_EQ(snapshot(r.tree), before);
}

TEST(Packaging, AnArchiveThatCannotBeWrittenIsReported) {
    Rig r;
    r.tree.write("languages/spanish/new_str/70/70000.str", QByteArray(24, 'a'));
    r.tree.mkdir("recordings/text_spanish.zip");  // a folder where the copy should go
    r.prompter.answer_ok();
    pack_contribution(r.m, r.m.current_language, *r.m.prompter);
    const QStringList msgs = r.prompter.messages();
    ASSERT_EQ(msgs.size(), 3);
    EXPECT_EQ(msgs[0], r.msg3("70"));
    EXPECT_EQ(msgs[1], r.msg4());
    EXPECT_TRUE(msgs[2].contains(r.tree.path("recordings/text_spanish.zip"))) << msgs[2].toStdString();
}
