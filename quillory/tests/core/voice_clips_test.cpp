// Synthesised clips for compiled files: their voice, their MP3 form and their cache.
#include "core/mp3_encode.h"
#include "core/mpeg_frames.h"
#include "core/voice_clips.h"
#include "support/data_tree.h"
#include "support/fake_voice.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <cmath>

using namespace ql;
using namespace ql::testing;

TEST(VoiceChoice, TheVoiceNamedAfterTheLanguageThatSpeaksItsBareCodeUnlessTheFolderSaysOtherwise) {
    FakeVoice engine;
    engine.list.append({QStringLiteral("Spanish (Latin America)"), QStringLiteral("roa/es-419"),
                        {{5, QStringLiteral("es-419")}, {6, QStringLiteral("es")}}});
    engine.list.append({QStringLiteral("English (America)"), QStringLiteral("gmw/en-US"),
                        {{2, QStringLiteral("en-us")}, {3, QStringLiteral("en")}}});
    engine.list.append({QStringLiteral("Portuguese (Brazil)"), QStringLiteral("roa/pt-BR"),
                        {{5, QStringLiteral("pt-br")}, {6, QStringLiteral("pt")}}});
    EXPECT_EQ(voice_from_list(QStringLiteral("spanish"), engine.list), "es");
    EXPECT_EQ(voice_from_list(QStringLiteral("English"), engine.list), "en-gb");
    EXPECT_EQ(voice_from_list(QStringLiteral("portuguese"), engine.list), "pt-br");
    EXPECT_EQ(voice_from_list(QStringLiteral("french"), engine.list), "");

    DataTree tree;
    const QString languages = tree.path("languages/");
    EXPECT_EQ(voice_for_language(languages, QStringLiteral("spanish"), engine), "es");
    tree.write("languages/spanish/voice_spanish.dat", "es-419\r\n");
    EXPECT_EQ(voice_override_path(languages, QStringLiteral("spanish")), tree.path("languages/spanish/voice_spanish.dat"));
    EXPECT_EQ(voice_for_language(languages, QStringLiteral("spanish"), engine), "es-419");
    tree.write("languages/french/voice_french.dat", "fr-fr\n");
    EXPECT_EQ(voice_for_language(languages, QStringLiteral("french"), engine), "fr-fr");
    // An empty override file chooses by name, as if it were not there.
    tree.write("languages/english/voice_english.dat", "");
    EXPECT_EQ(voice_for_language(languages, QStringLiteral("english"), engine), "en-gb");
}

TEST(Mp3Encode, ASecondOfSamplesBecomesAnUntaggedMpeg2MonoClipOfTheSameLength) {
    std::vector<int16_t> pcm(22050);
    for (size_t i = 0; i < pcm.size(); ++i) pcm[i] = int16_t(10000 * std::sin(double(i) * 0.1));
    const QByteArray mp3 = encode_mp3(pcm);
    ASSERT_GE(mp3.size(), 4);
    // No ID3 or Xing frame: the clip opens with a sound frame, as the recordings do.
    const auto header = parse_mpeg_header(QByteArrayView(mp3).first(4));
    ASSERT_TRUE(header);
    EXPECT_EQ(header->version, 20);
    EXPECT_EQ(header->layer, 3);
    EXPECT_EQ(header->sample_rate, 22050);
    EXPECT_TRUE(header->mono);
    EXPECT_EQ(header->bitrate_kbps, 32);
    const MpegPlayLength length = mpeg_play_length(mp3);
    EXPECT_EQ(length.leading_tag_samples, 0);
    // The encoder's delay and padding add at most a few frames.
    EXPECT_GE(length.seconds, 1.0);
    EXPECT_LT(length.seconds, 1.15);
}

namespace {

class ClipCache : public ::testing::Test {
protected:
    DataTree tree;
    FakeVoice engine;
    VoiceClipCache cache{tree.path("cache/quillory/voice/")};
    QStringList cached() const { return QDir(cache.folder()).entryList(QDir::Files | QDir::Hidden); }
};

}  // namespace

TEST_F(ClipCache, AClipIsSynthesisedOnceAndReusedAndKeyedByLanguageVoiceAndText) {
    const auto first = cache.clip(QStringLiteral("spanish"), QStringLiteral("es"), QStringLiteral("hola"), engine);
    ASSERT_TRUE(first);
    EXPECT_NEAR(mpeg_play_length(*first).seconds, 0.4, 0.1);
    EXPECT_EQ(cached().size(), 1);
    const auto again = cache.clip(QStringLiteral("spanish"), QStringLiteral("es"), QStringLiteral("hola"), engine);
    EXPECT_EQ(again, first);
    EXPECT_EQ(engine.spoken, QStringList{"es:hola"});

    cache.clip(QStringLiteral("spanish"), QStringLiteral("es-419"), QStringLiteral("hola"), engine);
    cache.clip(QStringLiteral("galician"), QStringLiteral("es"), QStringLiteral("hola"), engine);
    cache.clip(QStringLiteral("spanish"), QStringLiteral("es"), QStringLiteral("Hola"), engine);
    EXPECT_EQ(engine.spoken.size(), 4);
    EXPECT_EQ(cached().size(), 4);
    // A name that would leave the folder stays a file in it.
    const QString odd = cache.clip_path(QStringLiteral("../x"), QStringLiteral("/"), QStringLiteral("../../etc"));
    EXPECT_TRUE(odd.startsWith(cache.folder()));
    EXPECT_FALSE(odd.mid(cache.folder().size()).contains(u'/'));
}

TEST_F(ClipCache, AFailingVoiceLeavesNothingInTheCacheAndADamagedClipIsMadeAgain) {
    engine.failing_voices << QStringLiteral("xx");
    EXPECT_FALSE(cache.clip(QStringLiteral("spanish"), QStringLiteral("xx"), QStringLiteral("hola"), engine));
    EXPECT_TRUE(cached().isEmpty());

    const QString path = cache.clip_path(QStringLiteral("spanish"), QStringLiteral("es"), QStringLiteral("hola"));
    tree.write(path.mid(tree.root().size()), "half a cl");
    const auto clip = cache.clip(QStringLiteral("spanish"), QStringLiteral("es"), QStringLiteral("hola"), engine);
    ASSERT_TRUE(clip);
    EXPECT_EQ(engine.spoken.size(), 1);
    EXPECT_EQ(tree.read(path.mid(tree.root().size())), *clip);
    EXPECT_EQ(cached().size(), 1);
}

TEST_F(ClipCache, ACacheThatCannotBeWrittenStillGivesTheClip) {
    tree.write("cache/quillory/voice", "a file where the folder should be");
    const auto clip = cache.clip(QStringLiteral("spanish"), QStringLiteral("es"), QStringLiteral("hola"), engine);
    ASSERT_TRUE(clip);
    EXPECT_GT(mpeg_play_length(*clip).frames, 0);
}

TEST(ClipCacheFolder, ClipsGoUnderTheUsersCacheFolderNeverTheDataFolder) {
    DataTree tree;
    const QByteArray old = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", tree.path("xdg-cache").toLocal8Bit());
    EXPECT_EQ(VoiceClipCache::default_folder(), tree.path("xdg-cache/quillory/voice/"));
    if (old.isNull()) qunsetenv("XDG_CACHE_HOME"); else qputenv("XDG_CACHE_HOME", old);
}
