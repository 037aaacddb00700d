// The real speech engine: libespeak-ng with the installed data.
#include "audio/espeak_voice.h"
#include "support/data_tree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace ql;
using namespace ql::testing;

TEST(EspeakVoice, HolaInTheSpanishVoiceIsASpokenWordOfPlausibleLength) {
    EspeakVoice voice;
    DataTree tree;
    const QString es = voice_for_language(tree.path("languages/"), QStringLiteral("spanish"), voice);
    ASSERT_EQ(es, "es") << voice.error().toStdString();
    std::vector<int16_t> pcm;
    ASSERT_TRUE(voice.synthesize(es, QStringLiteral("hola"), pcm)) << voice.error().toStdString();
    const double seconds = double(pcm.size()) / kVoiceSampleRate;
    EXPECT_GT(seconds, 0.25);
    EXPECT_LT(seconds, 1.5);
    // Loud enough to hear, and not one click: a good share of the samples carry sound.
    const auto loud = std::count_if(pcm.begin(), pcm.end(), [](int16_t s) { return std::abs(s) > 1000; });
    EXPECT_GT(*std::max_element(pcm.begin(), pcm.end()), 4000);
    EXPECT_GT(double(loud) / double(pcm.size()), 0.05);

    // A longer phrase takes longer.
    std::vector<int16_t> longer;
    ASSERT_TRUE(voice.synthesize(es, QStringLiteral("hola, buenos días, ¿cómo estás?"), longer));
    EXPECT_GT(longer.size(), 2 * pcm.size());
}

TEST(EspeakVoice, LanguageFoldersFindTheirVoicesByNameAndUnknownOnesNone) {
    EspeakVoice voice;
    const QList<VoiceInfo> voices = voice.voices();
    ASSERT_FALSE(voices.isEmpty());
    EXPECT_EQ(voice_from_list(QStringLiteral("spanish"), voices), "es");
    EXPECT_EQ(voice_from_list(QStringLiteral("English"), voices).left(2), "en");
    EXPECT_EQ(voice_from_list(QStringLiteral("german"), voices), "de");
    EXPECT_EQ(voice_from_list(QStringLiteral("russian"), voices), "ru");
    EXPECT_TRUE(voice_from_list(QStringLiteral("portuguese"), voices).startsWith(QStringLiteral("pt")));
    EXPECT_TRUE(voice_from_list(QStringLiteral("nosuchtongue"), voices).isEmpty());
    // Every chosen code speaks.
    for (const char* language : {"english", "portuguese", "german"}) {
        std::vector<int16_t> pcm;
        EXPECT_TRUE(voice.synthesize(voice_from_list(QString::fromLatin1(language), voices), QStringLiteral("one"), pcm))
            << language << ": " << voice.error().toStdString();
    }
}

TEST(EspeakVoice, AVoiceThatFailsSaysSoAndTheNextGoodOneStillSpeaks) {
    EspeakVoice voice;
    std::vector<int16_t> pcm;
    EXPECT_FALSE(voice.synthesize(QStringLiteral("no-such-voice"), QStringLiteral("hola"), pcm));
    EXPECT_TRUE(pcm.empty());
    EXPECT_TRUE(voice.error().contains(QStringLiteral("no-such-voice"))) << voice.error().toStdString();
    EXPECT_TRUE(voice.synthesize(QStringLiteral("es"), QStringLiteral("hola"), pcm)) << voice.error().toStdString();
    EXPECT_FALSE(pcm.empty());
}

TEST(EspeakVoice, MissingDataFailsEveryCallWithAMessageInsteadOfCrashing) {
    DataTree tree;
    // An existing folder is taken as the data folder; a missing one would fall back to the installed data.
    tree.mkdir("empty_espeak_data");
    EspeakVoice voice(tree.path("empty_espeak_data"));
    std::vector<int16_t> pcm;
    EXPECT_TRUE(voice.voices().isEmpty());
    EXPECT_FALSE(voice.synthesize(QStringLiteral("es"), QStringLiteral("hola"), pcm));
    EXPECT_TRUE(voice.error().startsWith(QStringLiteral("The speech engine could not start"))) << voice.error().toStdString();
    // The folder it looked in is named, so that a user knows where the data is missing.
    EXPECT_TRUE(voice.error().endsWith(QStringLiteral(" (it looked for its data in %1)").arg(tree.path("empty_espeak_data"))))
        << voice.error().toStdString();
    EXPECT_FALSE(voice.synthesize(QStringLiteral("es"), QStringLiteral("hola"), pcm));
}
