// The preview shown before a word list from another tutor is imported.
#include "support/window_test.h"
#include "core/word_formats.h"
#include "windows/import_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace ql;
using namespace ql::testing;

namespace {

QByteArray fixture_bytes(const char* name) {
    QFile f(QStringLiteral(QL_TEST_DATA "/") + QString::fromLatin1(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

class Preview : public WindowTest {
protected:
    void SetUp() override {
        t.attach(m);
        t.write_lines("languages/spanish/colors.txt", {"rojo|red|00001"});
    }
    void open(const char* file, const QByteArray& bytes) {
        WordTable table = parse_word_file(bytes, QString::fromLatin1(file));
        ASSERT_TRUE(table.error.isEmpty()) << table.error.toStdString();
        d = std::make_unique<ImportDialog>(m, m.prompter, "spanish", "english", t.path(file), bytes, std::move(table));
        d->show();
    }
    template <class T> T* get(const char* name) {
        T* w = d->findChild<T*>(name);
        EXPECT_TRUE(w) << name;
        return w;
    }
    QStringList column(int c) {
        auto* table = get<QTableWidget>("preview_table");
        QStringList out;
        for (int r = 0; r < table->rowCount(); ++r) out << table->item(r, c)->text();
        return out;
    }
    QString text(const char* label) { return get<QLabel>(label)->text(); }

    std::unique_ptr<ImportDialog> d;
};

}  // namespace

TEST_F(Preview, ShowsThePairsTheColumnsAndWhatIsSkipped) {
    open("import_spreadsheet.csv", fixture_bytes("import_spreadsheet.csv"));
    EXPECT_EQ(text("file_label"), "File: import_spreadsheet.csv (text with one pair per line)");
    EXPECT_EQ(get<QComboBox>("separator_box")->currentText(), "Comma");
    EXPECT_TRUE(get<QCheckBox>("header_check")->isChecked());
    EXPECT_EQ(get<QComboBox>("word_column_box")->currentText(), "Spanish");
    EXPECT_EQ(get<QComboBox>("translation_column_box")->currentText(), "English");
    EXPECT_EQ(column(0), (QStringList{"casa", "el, la", "comilla", "niño", "año"}));
    EXPECT_EQ(column(1), (QStringList{"house", "the, it", "the \"quote\" mark", "child", "year"}));
    EXPECT_EQ(text("count_label"), "5 word pairs will be imported into a new list of spanish.");
    EXPECT_TRUE(text("skipped_label").startsWith("4 lines will be skipped: 1 with an empty field (line 7);"));
    EXPECT_EQ(get<QLineEdit>("list_name_edit")->text(), "import_spreadsheet");
    EXPECT_EQ(get<QLabel>("skipped_label")->accessibleName(), text("skipped_label"));

    // Swapping the columns swaps the preview; the same column twice cannot be imported.
    get<QComboBox>("word_column_box")->setCurrentIndex(1);
    EXPECT_EQ(text("count_label"), "Choose two different columns for the word and its translation.");
    EXPECT_FALSE(get<QDialogButtonBox>("buttons")->button(QDialogButtonBox::Ok)->isEnabled());
    get<QComboBox>("translation_column_box")->setCurrentIndex(0);
    EXPECT_EQ(column(0).first(), "house");

    // The header line becomes a pair when the box is cleared.
    get<QCheckBox>("header_check")->setChecked(false);
    EXPECT_EQ(column(0).first(), "Spanish");
    EXPECT_EQ(get<QComboBox>("word_column_box")->currentText(), "Column 1");
}

TEST_F(Preview, ShowsTwentyPairsOfALongFileAndRereadsWithAnotherSeparator) {
    QByteArray bytes;
    for (int i = 0; i < 45; ++i) bytes += QStringLiteral("uno %1;one, %1\n").arg(i).toUtf8();
    open("long.csv", bytes);
    EXPECT_EQ(get<QComboBox>("separator_box")->currentText(), "Semicolon");
    EXPECT_EQ(get<QTableWidget>("preview_table")->rowCount(), ImportDialog::kPreviewRows);
    EXPECT_EQ(text("count_label"), "45 word pairs will be imported into a new list of spanish. The first 20 are shown.");
    EXPECT_EQ(text("skipped_label"), "No line will be skipped.");
    get<QComboBox>("separator_box")->setCurrentText("Comma");
    EXPECT_EQ(column(0).first(), "uno 0;one");
    EXPECT_EQ(column(1).first(), "0");
}

TEST_F(Preview, KvtmlOffersItsLanguagesAndHidesTheTextChoices) {
    open("import_three_languages.kvtml", fixture_bytes("import_three_languages.kvtml"));
    EXPECT_EQ(text("file_label"), "File: import_three_languages.kvtml (KVTML vocabulary document in 3 languages)");
    EXPECT_FALSE(get<QComboBox>("separator_box")->isVisible());
    EXPECT_FALSE(get<QCheckBox>("header_check")->isVisible());
    auto* word = get<QComboBox>("word_column_box");
    EXPECT_EQ(word->count(), 3);
    EXPECT_EQ(word->currentText(), "Español (es)");
    EXPECT_EQ(get<QComboBox>("translation_column_box")->currentText(), "English (en)");
    EXPECT_EQ(column(1), (QStringList{"dog", "house & home", "water"}));
    EXPECT_EQ(text("skipped_label"), "1 entry will be skipped: 1 with an empty field (line 47).");
}

// The translation heading names the language of the column chosen for the translations.
TEST_F(Preview, TheTranslationHeadingNamesTheChosenColumnsLanguage) {
    open("import_three_languages.kvtml", fixture_bytes("import_three_languages.kvtml"));
    auto heading = [&](int c) { return get<QTableWidget>("preview_table")->horizontalHeaderItem(c)->text(); };
    EXPECT_EQ(heading(0), "Foreign word (spanish)");
    EXPECT_EQ(heading(1), "Translation (english)");
    get<QComboBox>("translation_column_box")->setCurrentText("Deutsch (de)");
    EXPECT_EQ(heading(1), "Translation (german)");
    EXPECT_EQ(column(1).first(), "der Hund");

    // Columns the file does not name keep the target's name.
    open("colors.csv", "negro,black\nblanco,white\n");
    EXPECT_EQ(heading(1), "Translation (english)");
}

// A first line that names the columns is taken as their names, not imported as a pair.
TEST_F(Preview, AHeaderLineIsGuessedAndTheBoxTicked) {
    for (const char* header : {"Word,Translation", "Spanish word,English meaning", "Vocabulario,Significado"}) {
        open("header.csv", QByteArray(header) + "\ncasa,house\nperro,dog\ngato,cat\n");
        EXPECT_TRUE(get<QCheckBox>("header_check")->isChecked()) << header;
        EXPECT_EQ(column(0), (QStringList{"casa", "perro", "gato"})) << header;
    }
    // Words that happen to lead the list are words.
    for (const char* first : {"Hola,hello", "casa,house"}) {
        open("words.csv", QByteArray(first) + "\nperro,dog\ngato,cat\nluna,moon\n");
        EXPECT_FALSE(get<QCheckBox>("header_check")->isChecked()) << first;
        EXPECT_EQ(column(0).size(), 4) << first;
    }
}

TEST_F(Preview, OkKeepsTheDialogOpenUntilTheNameIsFree) {
    open("colors.csv", "negro,black\n");
    auto* ok = get<QDialogButtonBox>("buttons")->button(QDialogButtonBox::Ok);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(prompter.messages(),
              QStringList{"That list already exists for this language.  Please choose another list name."});
    EXPECT_TRUE(d->isVisible());
    get<QLineEdit>("list_name_edit")->setText("more colors");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(d->list_name(), "more_colors");
    EXPECT_EQ(d->pairs().pairs, (std::vector<WordPair>{{"negro", "black"}}));
    // Nothing is written by the preview itself.
    EXPECT_FALSE(t.exists("languages/spanish/more_colors.txt"));
}
