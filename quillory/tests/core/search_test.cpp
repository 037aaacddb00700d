#include "support/run_pieces.h"
#include "core/search.h"
#include "core/text_file.h"
#include "support/data_tree.h"
#include "support/fake_prompter.h"

#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

using ql::testing::RunPieces;

using namespace ql;
using ql::testing::DataTree;
using ql::testing::FakePrompter;

namespace {

struct SearchFixture : ::testing::Test {
    DataTree t;
    RunPieces m;
    FakePrompter prompter;
    void SetUp() override {
        clear_master_cache();
        t.copy_sample_lists();
        t.attach(m);
        m.prompter = &prompter;
        m.current_language = QStringLiteral("spanish");
        m.master_file = m.languages_folder + QStringLiteral("spanish/master_spanish.txt");
    }
    // The shown words after typing `text` in the box of `field`.
    QStringList found(SearchField field, const QString& text) {
        EXPECT_TRUE(search_master_list(m.master_file, m.prompter, m, field, text));
        return m.shown_count() ? m.shown_words.mid(0, m.shown_count()) : QStringList();
    }
    QStringList found_translations(const QString& text) {
        search_master_list(m.master_file, m.prompter, m, SearchField::Translation, text);
        return m.shown_translations.mid(0, m.shown_count());
    }
};

}  // namespace

TEST_F(SearchFixture, ForeignWordsMustBeginWithTheText) {
    EXPECT_EQ(found(SearchField::Word, QStringLiteral("ca")),
              (QStringList{"caballo", "casa", "cama", QStringLiteral("café")}));
    // The shown arrays keep the empty element after the hits, and the rows are rebuilt.
    EXPECT_EQ(m.shown_words.size(), 5);
    EXPECT_TRUE(m.shown_words.last().isEmpty());
    EXPECT_EQ(m.shown_rows.size(), 4u);
    EXPECT_TRUE(m.shown_are_search_results);
    EXPECT_EQ(m.shown_sound_numbers.value(1), u"04001");
    // The text is lower-cased first.
    EXPECT_EQ(found(SearchField::Word, QStringLiteral("Ca")), found(SearchField::Word, QStringLiteral("ca")));
    EXPECT_FALSE(found(SearchField::Word, QStringLiteral("oc")).contains(QStringLiteral("boca")));
}

TEST_F(SearchFixture, AccentsFoldOnlyWhenTheTextHasNone) {
    EXPECT_EQ(found(SearchField::Word, QStringLiteral("nino")), (QStringList{QStringLiteral("niño")}));
    EXPECT_EQ(found(SearchField::Word, QStringLiteral("NIÑO")), (QStringList{QStringLiteral("niño")}));
    // Hits keep their stored spelling.
    EXPECT_EQ(found(SearchField::Word, QStringLiteral("caf")), (QStringList{QStringLiteral("café")}));
    EXPECT_EQ(found(SearchField::Word, QStringLiteral("café")), (QStringList{QStringLiteral("café")}));
    t.write("languages/spanish/master_spanish.txt", "nino|boy (no accent)|09001\r\nni\xc3\xb1o|child, boy|04004\r\n");
    EXPECT_EQ(found(SearchField::Word, QStringLiteral("niño")), (QStringList{QStringLiteral("niño")}));
    EXPECT_EQ(found(SearchField::Word, QStringLiteral("nino")), (QStringList{"nino", QStringLiteral("niño")}));
}

TEST_F(SearchFixture, TranslationsMatchAtTheStartAfterToOrAfterAComma) {
    EXPECT_EQ(found_translations(QStringLiteral("eat")),
              (QStringList{"to eat", "food, eat", "to devour, eat up"}));
    EXPECT_FALSE(found_translations(QStringLiteral("eat")).contains(QStringLiteral("to beat")));
    EXPECT_EQ(found_translations(QStringLiteral("hom")), (QStringList{"house, home"}));
    t.write("languages/spanish/master_spanish.txt", "a|x,home|1\r\nb|Home|2\r\nc|at home|3\r\n");
    // Fields are compared as stored: a capital letter is not found by the lower-cased text.
    EXPECT_EQ(found_translations(QStringLiteral("Home")), (QStringList{"x,home"}));
    t.write("languages/spanish/master_spanish.txt", "Casa|house|1\r\ncasa|house|2\r\n");
    EXPECT_EQ(found(SearchField::Word, QStringLiteral("Ca")), QStringList{"casa"});
}

TEST_F(SearchFixture, ShortTextsDoNothingAndAMissingMasterIsReported) {
    m.shown_words = QStringList{"kept", ""};
    EXPECT_FALSE(search_master_list(m.master_file, m.prompter, m, SearchField::Word, QStringLiteral("c")));
    EXPECT_FALSE(search_master_list(m.master_file, m.prompter, m, SearchField::Word, QString()));
    EXPECT_EQ(m.shown_words, (QStringList{"kept", ""}));
    EXPECT_TRUE(prompter.shown().empty());

    m.master_file = m.languages_folder + QStringLiteral("english/master_english.txt");
    QFile::remove(m.master_file);
    EXPECT_FALSE(search_master_list(m.master_file, m.prompter, m, SearchField::Word, QStringLiteral("ca")));
    EXPECT_EQ(prompter.messages(),
              QStringList{QStringLiteral("Required master list file was not found. You need ") + m.master_file});
    EXPECT_EQ(m.shown_words, (QStringList{"kept", ""}));
}

TEST_F(SearchFixture, HitsStopAtTheTableSize) {
    QByteArray big;
    for (int i = 0; i < kMaxSearchHits + 50; ++i) big += "word" + QByteArray::number(i) + "|x|" + QByteArray::number(10000 + i) + "\r\n";
    t.write("languages/spanish/master_spanish.txt", big);
    EXPECT_EQ(found(SearchField::Word, QStringLiteral("wo")).size(), kMaxSearchHits);
    EXPECT_EQ(m.shown_words.size(), kMaxSearchHits + 1);
}

TEST_F(SearchFixture, AChangedMasterIsReadAgainWithTheSameHitsAsAFreshRead) {
    const QStringList first = found(SearchField::Word, QStringLiteral("co"));
    EXPECT_EQ(first, (QStringList{"conejo", "comer", "comida", "cocina"}));
    // Rewritten in place, same size, within the same second: still noticed.
    QByteArray master = t.read("languages/spanish/master_spanish.txt");
    master.replace("conejo|", "cenejo|");
    t.write("languages/spanish/master_spanish.txt", master);
    EXPECT_EQ(found(SearchField::Word, QStringLiteral("co")), (QStringList{"comer", "comida", "cocina"}));
    // Replaced atomically by another file.
    ASSERT_TRUE(write_lines(m.master_file, {QStringLiteral("cosa|thing|05001")}));
    const QStringList cached = found(SearchField::Word, QStringLiteral("co"));
    clear_master_cache();
    EXPECT_EQ(cached, found(SearchField::Word, QStringLiteral("co")));
    EXPECT_EQ(cached, QStringList{"cosa"});
}

TEST_F(SearchFixture, APreReadMasterServesTheFirstSearchAndAChangeAfterItIsStillNoticed) {
    preread_master(m.master_file);
    EXPECT_EQ(found(SearchField::Word, QStringLiteral("co")), (QStringList{"conejo", "comer", "comida", "cocina"}));

    clear_master_cache();
    preread_master(m.master_file);
    while (master_preread_pending()) QThread::msleep(1);
    QByteArray master = t.read("languages/spanish/master_spanish.txt");
    master.replace("conejo|", "cenejo|");
    t.write("languages/spanish/master_spanish.txt", master);
    EXPECT_EQ(found(SearchField::Word, QStringLiteral("co")), (QStringList{"comer", "comida", "cocina"}));
}
