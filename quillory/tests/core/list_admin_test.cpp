#include "core/help_texts.h"
#include "core/list_admin.h"
#include "support/run_pieces.h"
#include "core/text_file.h"
#include "support/data_tree.h"
#include "support/fake_prompter.h"

#include <gtest/gtest.h>

using namespace ql;
using ql::testing::crlf;
using ql::testing::DataTree;
using ql::testing::RunPieces;
using ql::testing::FakePrompter;

namespace {

const QString kFound = QStringLiteral(
    "Thank you, that language was found on this computer.  Words lists from that language will now be formatted to "
    "be used in the new language you are adding so that the exiting words/phrases of the student's native language "
    "do not have to be retyped.  After clicking OK below you can select the new language in the list of languages, "
    "then select one of the word lists, and then select 'Record and Edit' to type the translations and record words "
    "for the new language.");
const QString kNotFound =
    QStringLiteral("That language folder is not on this computer, but your selection is being recorded.");

class Admin : public ::testing::Test {
protected:
    void SetUp() override {
        t.attach(m);
        m.prompter = &prompter;
    }
    DataTree t;
    RunPieces m;
    FakePrompter prompter;
};

}  // namespace

TEST_F(Admin, PortugueseIsDerivedFromEnglishFileByFile) {
    t.write_lines("languages/english/master_english.txt", {"red|rojo|00977", "dog|perro|00412"});
    t.write_lines("languages/english/colors.txt", {"red|rojo|00977", "no bar line 00500"});
    t.write_lines("languages/english/trans_english.dat", {"spanish"});
    t.write("languages/english/notes.doc", "not a list");
    prompter.answer_input("Portuguese");
    prompter.answer_input("English");
    EXPECT_TRUE(add_language(*m.prompter, m));

    ASSERT_EQ(prompter.shown().size(), 3u);
    EXPECT_TRUE(prompter.shown()[0].text.startsWith(
        "This button is for the user to add their own language to the Quillory program.  It's best to first email me at "));
    EXPECT_TRUE(prompter.shown()[0].text.endsWith(
        " to find out if I already have word lists for the language you want to add.  If you want to begin work on a "
        "new language, what do you want to call it?  Use 8 or fewer english letters and numbers, but not spaces."));
    EXPECT_TRUE(prompter.shown()[1].text.startsWith("You need to connect this new language to a 'target' language."));
    EXPECT_EQ(prompter.messages(), QStringList{kFound});
    for (const auto& s : prompter.shown()) EXPECT_TRUE(s.title.isEmpty());

    EXPECT_EQ(folder_entries(t.path("languages/portuguese")),
              (QStringList{"colors.txt", "master_portuguese.txt", "trans_index_portuguese_english.dat",
                           "trans_portuguese.dat"}));
    EXPECT_EQ(t.read("languages/portuguese/colors.txt"), crlf({"|red|00977", "|00500"}));
    EXPECT_EQ(t.read("languages/portuguese/master_portuguese.txt"), crlf({"|red|00977", "|dog|00412"}));
    // colors.txt comes before master_english.txt, and a number on two lists stands twice.
    EXPECT_EQ(t.read("languages/portuguese/trans_index_portuguese_english.dat"),
              crlf({"00977|00977", "00500|00500", "00977|00977", "00412|00412"}));
    EXPECT_EQ(t.read("languages/portuguese/trans_portuguese.dat"), crlf({"english"}));
    EXPECT_EQ(t.read("languages/english/trans_english.dat"), crlf({"spanish"}));
}

TEST_F(Admin, ATargetNotOnDiskIsRecordedBothWays) {
    prompter.answer_input("xhosa");
    prompter.answer_input("Zulu");
    EXPECT_TRUE(add_language(*m.prompter, m));
    EXPECT_EQ(prompter.messages(), QStringList{kNotFound});
    EXPECT_EQ(t.read("languages/zulu/trans_zulu.dat"), crlf({"xhosa"}));
    EXPECT_EQ(folder_entries(t.path("languages/zulu")), QStringList{"trans_zulu.dat"});
    EXPECT_EQ(folder_entries(t.path("languages/xhosa")), QStringList{"trans_xhosa.dat"});
    EXPECT_EQ(t.read("languages/xhosa/trans_xhosa.dat"), crlf({"zulu"}));
}

TEST_F(Admin, NamesAreLowerCasedAndAnAbandonedLanguageLeavesNothingBehind) {
    t.mkdir("languages/english");
    prompter.answer_input("Latin");
    prompter.cancel_input();
    EXPECT_FALSE(add_language(*m.prompter, m));
    EXPECT_FALSE(t.exists("languages/latin"));

    // A target refused at its own prompt abandons the language too.
    prompter.answer_input("Latin");
    prompter.answer_input("a/b");
    EXPECT_FALSE(add_language(*m.prompter, m));
    EXPECT_EQ(prompter.messages(), QStringList{unsafe_name_message("target language name")});
    EXPECT_EQ(folder_entries(t.path("languages")), QStringList{"english"});

    prompter.clear();
    prompter.cancel_input();
    EXPECT_FALSE(add_language(*m.prompter, m));
    EXPECT_EQ(prompter.shown().size(), 1u);
}

// Every file named after a language must fit a file name: the longest is
// "trans_index_<language>_<target>.dat", which needs 18 bytes besides the language's name.
TEST_F(Admin, ALanguageNameTooLongForItsFilesIsRefusedAtItsOwnPrompt) {
    prompter.answer_input(QString(240, u'h'));
    EXPECT_FALSE(add_language(*m.prompter, m));
    ASSERT_EQ(prompter.shown().size(), 2u);  // no target prompt
    EXPECT_EQ(prompter.messages(),
              QStringList{"The language name is too long: the files made from it may have names of at most 255 bytes, "
                          "which leaves 237 bytes for the language name (a letter outside the English alphabet takes "
                          "two or more). Please choose a shorter one."});
    EXPECT_TRUE(folder_entries(t.path("languages")).isEmpty());

    prompter.clear();
    const QString longest(237, u'h');
    prompter.answer_input(longest);
    prompter.answer_input("x");
    EXPECT_TRUE(add_language(*m.prompter, m));
    EXPECT_TRUE(t.exists("languages/" + longest + "/trans_" + longest + ".dat"));
    EXPECT_TRUE(t.exists("languages/x/trans_x.dat"));
}

TEST_F(Admin, AnExistingLanguageIsRefused) {
    t.write_lines("languages/spanish/colores.txt", {"rojo|red|01001"});
    prompter.answer_input("SPANISH");
    EXPECT_FALSE(add_language(*m.prompter, m));
    EXPECT_EQ(prompter.messages(), QStringList{"That language already exits.  Please choose another name."});
    EXPECT_EQ(folder_entries(t.path("languages/spanish")), QStringList{"colores.txt"});
}

TEST_F(Admin, NamesThatLeaveTheLanguagesFolderAreRefused) {
    prompter.answer_input("../evil");
    EXPECT_FALSE(add_language(*m.prompter, m));
    prompter.answer_input("good");
    prompter.answer_input("..");
    EXPECT_FALSE(add_language(*m.prompter, m));
    EXPECT_EQ(prompter.messages(), (QStringList{unsafe_name_message("language name"),
                                                unsafe_name_message("target language name")}));
    EXPECT_FALSE(t.exists("evil"));
    EXPECT_FALSE(t.exists("languages/good/trans_good.dat"));
}

TEST_F(Admin, AFolderThatCannotBeMadeIsReported) {
    t.write("blocked", "x");
    m.languages_folder = t.path("blocked/");
    prompter.answer_input("latin");
    EXPECT_FALSE(add_language(*m.prompter, m));
    EXPECT_EQ(prompter.messages(), QStringList{"The folder " + t.path("blocked/latin") + " could not be created."});
}

TEST_F(Admin, AListNamedFoodAndDrinkGetsTheTemplateLine) {
    m.current_language = "spanish";
    t.mkdir("languages/spanish");
    prompter.answer_input("food and drink");
    EXPECT_EQ(add_word_list(*m.prompter, m, m), std::optional<QString>("food_and_drink"));
    EXPECT_EQ(prompter.shown()[0].text,
              "This creates a new word/phrase list to be added to the currently selected language (spanish).  If this "
              "is not what you want to do, click cancel.  After creating this new list, you can add words and phrases "
              "to it using the 'Record and Edit Selected List' button. What is the name of the new list?  Use only "
              "english characters and numbers.");
    EXPECT_EQ(prompter.messages(), QStringList{"food_and_drink"});
    EXPECT_EQ(t.read("languages/spanish/food_and_drink.txt"),
              QByteArray("spanish word or phrase|student's language translation|99999\r\n"));

    prompter.clear();
    prompter.answer_input("food and drink");
    EXPECT_FALSE(add_word_list(*m.prompter, m, m));
    EXPECT_EQ(prompter.messages(),
              QStringList{"That list already exists for this language.  Please choose another list name."});

    prompter.clear();
    prompter.answer_input("a/b");
    EXPECT_FALSE(add_word_list(*m.prompter, m, m));
    EXPECT_EQ(prompter.messages(), QStringList{unsafe_name_message("list name")});
}

TEST_F(Admin, AListNeedsALanguage) {
    EXPECT_FALSE(add_word_list(*m.prompter, m, m));
    EXPECT_EQ(prompter.messages(), QStringList{"First select a language."});
}

TEST_F(Admin, TheAddLanguagePromptNamesTheMaintainerThatHelpNames) {
    prompter.cancel_input();
    add_language(*m.prompter, m);
    ASSERT_EQ(prompter.shown().size(), 1u);
    for (const char* reach : {"orrin.vale@quillory.org", "+1 555 0142"}) {
        EXPECT_TRUE(prompter.shown()[0].text.contains(QLatin1String(reach))) << reach;
        EXPECT_TRUE(help_text().text.contains(QLatin1String(reach))) << reach;
    }
}
