// The record-and-edit window and the language and list administration, reached from the main window.
#include "core/text_file.h"
#include "support/run_session.h"
#include "support/window_test.h"
#include "windows/list_editor_window.h"
#include "windows/main_window.h"
#include "windows/record_edit_window.h"
#include "windows/window_openers.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace ql;
using namespace ql::testing;

namespace {

class AuthoringFromMain : public WindowTest {
protected:
    void SetUp() override {
        t.copy_sample_lists();
        t.write("languages/spanish/10/10001.mp3", "mp3");
        openers.record_and_edit = [this](std::optional<int> single_entry) {
            record = new RecordEditWindow(m, single_entry);
            record->load();
        };
        w = start_main_window();
    }
    QListWidget* list(const char* name) { return w->findChild<QListWidget*>(name); }
    void press(const char* name) { QTest::mouseClick(w->findChild<QPushButton*>(name), Qt::LeftButton); }
    void choose(const char* box, const QString& text) { click_row(list(box), rows(list(box)).indexOf(text)); }

    std::unique_ptr<MainWindow> w;
    QPointer<RecordEditWindow> record;
};

TEST_F(AuthoringFromMain, TheWholeListOpensAndExitBringsTheMainWindowBack) {
    choose("lang_list", "spanish");
    choose("lists_list", "colores");
    press("record_word_list");
    ASSERT_TRUE(record);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(record->isVisible());
    EXPECT_EQ(record->list_name_label->text(), u"colores");
    const auto entries = read_lines(t.path("languages/spanish/colores.txt"));
    EXPECT_EQ(record->recorded_words_view->count() + record->unrecorded_words_view->count(), entries->size());
    EXPECT_EQ(record->edit_state().changes_file, t.path("languages/spanish/changes_spanish.dat"));

    // The editor opens over it and leaves it in place.
    QTest::mouseClick(record->advanced_edit_button, Qt::LeftButton);
    ASSERT_TRUE(record->editor);
    QTest::mouseClick(record->editor->exit_without_save, Qt::LeftButton);
    EXPECT_TRUE(record->isVisible());

    QTest::mouseClick(record->exit_button, Qt::LeftButton);
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(record && record->isVisible());
}

TEST_F(AuthoringFromMain, TheSelectedWordOpensAloneAndItsTranslationCanBeSaved) {
    choose("lang_list", "spanish");
    choose("lists_list", "colores");
    QListWidget* words = list("words_list");
    ASSERT_GE(words->count(), 2);
    click_row(words, 1);
    const QString word = words->item(1)->text();
    press("record_word_word");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->recorded_words_view->count() + record->unrecorded_words_view->count(), 1);
    EXPECT_EQ(record->word_box->text(), word);
    ASSERT_FALSE(record->edit_state().current_sound_number.isEmpty());

    record->translation_box->setText("corrected");
    QTest::mouseClick(record->save_text, Qt::LeftButton);
    const QString line = word + "|corrected|" + record->edit_state().current_sound_number;
    EXPECT_TRUE(read_lines(t.path("languages/spanish/colores.txt"))->contains(line));
    EXPECT_TRUE(read_lines(t.path("languages/spanish/master_spanish.txt"))->contains(line));
    EXPECT_TRUE(read_lines(t.path("users/ann/spanish/colores-u.txt"))->contains(line));
    EXPECT_EQ(read_lines(t.path("languages/spanish/changes_spanish.dat"))->size(), 1);
}

TEST_F(AuthoringFromMain, AddingALanguageRefillsTheBoxAndAddingAListShowsIt) {
    prompter.answer_input("Portuguese");
    prompter.answer_input("english");
    press("new_language");
    EXPECT_EQ(rows(list("lang_list")), (QStringList{"english", "portuguese", "spanish"}));
    EXPECT_EQ(list("lang_list")->currentRow(), 0);
    EXPECT_EQ(m.current_language, u"english");
    EXPECT_TRUE(t.exists("languages/portuguese/master_portuguese.txt"));

    choose("lang_list", "portuguese");
    EXPECT_TRUE(rows(list("lists_list")).contains("colours"));
    prompter.answer_input("food and drink");
    press("add_list");
    EXPECT_EQ(prompter.messages().last(), u"food_and_drink");
    EXPECT_TRUE(rows(list("lists_list")).contains("food_and_drink"));
    EXPECT_EQ(m.current_language, u"portuguese");
    EXPECT_EQ(t.read("languages/portuguese/food_and_drink.txt"),
              QByteArray("portuguese word or phrase|student's language translation|99999\r\n"));
}

}  // namespace
