// The set-up script that speaks the sample words, run on a small language of our own.
#include "audio/sdl_audio_engine.h"
#include "audio_test_util.h"
#include "support/data_tree.h"

#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace ql;
using namespace ql::testing;

namespace {

QString run_script(const QString& workdir, int* exit_code) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral(QL_SAMPLE_DIR "/make_sample.sh"), {workdir});
    p.waitForFinished(120000);
    *exit_code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromUtf8(p.readAll());
}

QStringList mp3s_under(const QString& folder) {
    QStringList found;
    QDirIterator it(folder, {QStringLiteral("*.mp3")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) found << QDir(folder).relativeFilePath(it.next());
    found.sort();
    return found;
}

// Seconds of sound in a file, as the engine decoded it.
double seconds_of(SdlAudioEngine& engine, const QString& path) {
    const AudioResult<int> sound = engine.load_file(path);
    return sound ? engine.sound_seconds(*sound) : -1;
}

}  // namespace

TEST(SampleScript, SpeaksEveryNumberedEntryOnceAndKeepsWhatIsThere) {
    for (const char* tool : {"espeak-ng", "lame", "sox"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) GTEST_SKIP() << tool << " missing";
    DataTree tree;
    // An existing languages folder is the student's: it is recorded, never replaced by the sample.
    tree.write("languages/spanish/master_spanish.txt",
               QByteArray("ni\xc3\xb1o|child, boy|04004\r\n"
                          "la sobremesa|after-dinner talk|\r\n"
                          "-v|a word that looks like an option|01002\r\n"
                          "only|two fields\r\n"
                          "four|fields|are|01003\r\n"
                          "evil|path|../../x\r\n"
                          "caf\xc3\xa9|coffee|04005"));  // no final line end

    int code = 0;
    const QString first = run_script(tree.root(), &code);
    ASSERT_EQ(code, 0) << first.toStdString();
    EXPECT_EQ(mp3s_under(tree.path("languages")),
              (QStringList{"spanish/01/01002.mp3", "spanish/04/04004.mp3", "spanish/04/04005.mp3"}));
    EXPECT_FALSE(tree.exists("languages/spanish/colores.txt"));
    EXPECT_TRUE(tree.exists("users"));
    EXPECT_FALSE(tree.exists("x.mp3"));

    use_audio_driver("dummy");
    SdlAudioEngine engine;
    ASSERT_TRUE(engine.open());
    const double word = seconds_of(engine, tree.path("languages/spanish/04/04004.mp3"));
    EXPECT_GT(word, 0.3);
    EXPECT_LT(word, 3.0);
    const double silence = seconds_of(engine, tree.path("silence.mp3"));
    EXPECT_GE(silence, 0.19);
    EXPECT_LT(silence, 0.35);  // the encoder pads to whole frames
    const double beep = seconds_of(engine, tree.path("beep.mp3"));
    EXPECT_GT(beep, 0.1);
    EXPECT_LT(beep, 1.0);

    const QByteArray before = tree.read("languages/spanish/04/04004.mp3");
    const QString second = run_script(tree.root(), &code);
    ASSERT_EQ(code, 0) << second.toStdString();
    EXPECT_TRUE(second.contains(QStringLiteral("0 recordings made, 3 already there"))) << second.toStdString();
    EXPECT_EQ(tree.read("languages/spanish/04/04004.mp3"), before);
}
