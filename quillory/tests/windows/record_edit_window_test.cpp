#include "core/record_edit.h"
#include "core/text_file.h"
#include "support/run_session.h"
#include "support/window_test.h"
#include "windows/list_editor_window.h"
#include "windows/record_edit_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace ql;
using namespace ql::testing;

namespace {

class RecordWindow : public WindowTest {
protected:
    void SetUp() override {
        t.attach(m);
        t.write_lines("languages/spanish/colores.txt",
                      {"rojo|red|01001", "azul|blue|70012", "verde|green|01003", "sin numero|no number|"});
        t.write_lines("languages/spanish/master_spanish.txt", {"rojo|red|01001", "azul|blue|70012", "verde|green|01003"});
        t.write("languages/spanish/01/01001.mp3", "x");
        m.current_language = "spanish";
        m.current_list = "colores";
        m.master_file = t.path("languages/spanish/master_spanish.txt");
        m.unknown_file = t.path("users/ann/spanish/colores-u.txt");
        m.known_file = t.path("users/ann/spanish/colores-k.txt");
        t.mkdir("users/ann/spanish");
    }
    // Opens on this entry of the shown entries alone, or on the list.
    std::optional<int> single_entry;
    RecordEditWindow* open() {
        auto* w = new RecordEditWindow(m, single_entry);
        w->load();
        window = w;
        return w;
    }
    // The window last opened, while it exists.
    QPointer<RecordEditWindow> window;
};

TEST_F(RecordWindow, ListModeSplitsTheListByRecording) {
    RecordEditWindow* w = open();
    EXPECT_EQ(w->list_name_label->text(), u"colores");
    EXPECT_EQ(w->recorded_caption->text(), u"1 Words With Sound Files");
    EXPECT_EQ(w->unrecorded_caption->text(), u"2 Words Without Sound Files");
    ASSERT_EQ(w->unrecorded_words_view->count(), 2);
    EXPECT_EQ(w->unrecorded_words_view->item(1)->text(), u"verde");
    EXPECT_EQ(w->recorded_translations_view->item(0)->text(), u"red");
}

TEST_F(RecordWindow, ClickingAPairShowsAndPlaysItInEitherGroup) {
    RecordEditWindow* w = open();
    click_row(w->recorded_words_view, 0);
    EXPECT_EQ(w->word_box->text(), u"rojo");
    EXPECT_EQ(w->translation_box->text(), u"red");
    EXPECT_EQ(w->sound_number_label->text(), u"File: 01001");
    EXPECT_EQ(w->edit_state().chosen_list, u"with sounds");
    EXPECT_EQ(w->edit_state().current_sound_number, u"01001");
    EXPECT_EQ(w->recorded_translations_view->currentRow(), 0);
    ASSERT_EQ(audio.played.size(), 1);
    EXPECT_TRUE(audio.played[0].endsWith("languages/spanish/01/01001.mp3"));

    // The same row clicked again is heard again.
    click_row(w->recorded_words_view, 0);
    EXPECT_EQ(audio.played.size(), 2);

    // A translation click selects its word.
    click_row(w->unrecorded_translations_view, 1);
    EXPECT_EQ(w->unrecorded_words_view->currentRow(), 1);
    EXPECT_EQ(w->word_box->text(), u"verde");
    EXPECT_EQ(w->edit_state().chosen_list, u"without sounds");
    EXPECT_EQ(w->sound_number_label->text(), u"File: 01003");
}

TEST_F(RecordWindow, LongTextsGetTheSmallerType) {
    const QString sixty(60, u'a');
    t.write_lines("languages/spanish/colores.txt", {sixty + "|x|01001", sixty + "b|y|01002"});
    RecordEditWindow* w = open();
    click_row(w->recorded_words_view, 0);
    EXPECT_EQ(w->word_box->font().pointSize(), 10);
    EXPECT_TRUE(w->translation_box->font().bold());
    click_row(w->unrecorded_words_view, 0);
    EXPECT_EQ(w->word_box->font().pointSize(), 8);
    EXPECT_FALSE(w->word_box->font().bold());
    EXPECT_EQ(w->translation_box->font().pointSize(), 8);
}

TEST_F(RecordWindow, SaveRewritesTheFilesAndMovesDown) {
    t.write_lines("users/ann/spanish/colores-u.txt", {"azul|blue|70012"});
    RecordEditWindow* w = open();
    click_row(w->unrecorded_words_view, 0);
    w->translation_box->setText("light blue");
    QTest::mouseClick(w->save_text, Qt::LeftButton);
    EXPECT_EQ(t.read("languages/spanish/colores.txt"),
              crlf({"rojo|red|01001", "azul|light blue|70012", "verde|green|01003", "sin numero|no number|"}));
    EXPECT_EQ(t.read("languages/spanish/master_spanish.txt"), crlf({"rojo|red|01001", "azul|light blue|70012", "verde|green|01003"}));
    EXPECT_EQ(t.read("users/ann/spanish/colores-u.txt"), crlf({"azul|light blue|70012"}));
    EXPECT_EQ(t.read("languages/spanish/changes_spanish.dat"), crlf({"azul|blue|70012->azul|light blue|70012"}));
    EXPECT_EQ(w->unrecorded_words_view->currentRow(), 1);
    EXPECT_EQ(w->word_box->text(), u"verde");
    // The list still shows the old text until it is refreshed.
    EXPECT_EQ(w->unrecorded_translations_view->item(0)->text(), u"blue");
    QTest::mouseClick(w->refresh_lists, Qt::LeftButton);
    EXPECT_EQ(w->unrecorded_translations_view->item(0)->text(), u"light blue");
    EXPECT_EQ(w->unrecorded_words_view->currentRow(), -1);

    // At the end of the group the selection stays.
    click_row(w->unrecorded_words_view, 1);
    QTest::mouseClick(w->save_text, Qt::LeftButton);
    EXPECT_EQ(w->unrecorded_words_view->currentRow(), 1);
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(RecordWindow, SaveWithoutAChosenPairOrWithABarIsRefused) {
    RecordEditWindow* w = open();
    const QByteArray before = t.read("languages/spanish/colores.txt");
    QTest::mouseClick(w->save_text, Qt::LeftButton);
    click_row(w->unrecorded_words_view, 0);
    w->word_box->setText("a|b");
    QTest::mouseClick(w->save_text, Qt::LeftButton);
    QTest::mouseClick(w->add_word, Qt::LeftButton);
    EXPECT_EQ(prompter.messages().size(), 3);
    EXPECT_EQ(prompter.messages().value(0), u"You have to select a word on one of the lists.");
    EXPECT_TRUE(prompter.messages().value(1).startsWith("The text may not contain the character \"|\""));
    EXPECT_EQ(t.read("languages/spanish/colores.txt"), before);
}

TEST_F(RecordWindow, AddAndDeleteShowAfterRefresh) {
    RecordEditWindow* w = open();
    w->word_box->setText("blanco");
    w->translation_box->setText("white");
    QTest::mouseClick(w->add_word, Qt::LeftButton);
    EXPECT_EQ(t.read("languages/spanish/colores.txt"),
              crlf({"rojo|red|01001", "azul|blue|70012", "verde|green|01003", "sin numero|no number|", "blanco|white|70000"}));
    EXPECT_EQ(t.read("users/ann/spanish/colores-u.txt"), crlf({"blanco|white|70000"}));
    EXPECT_EQ(w->unrecorded_words_view->count(), 2);
    QTest::mouseClick(w->refresh_lists, Qt::LeftButton);
    ASSERT_EQ(w->unrecorded_words_view->count(), 3);
    EXPECT_EQ(w->unrecorded_words_view->item(2)->text(), u"blanco");
    EXPECT_EQ(w->unrecorded_caption->text(), u"3 Words Without Sound Files");

    click_row(w->unrecorded_words_view, 0);
    QTest::mouseClick(w->delete_word, Qt::LeftButton);
    EXPECT_EQ(t.read("languages/spanish/colores.txt"),
              crlf({"rojo|red|01001", "verde|green|01003", "sin numero|no number|", "blanco|white|70000"}));
    EXPECT_EQ(t.read("languages/spanish/changes_spanish.dat"), crlf({"word_deleted->azul|blue|70012"}));
    EXPECT_EQ(w->unrecorded_words_view->count(), 3);
}

TEST_F(RecordWindow, RefreshLeavesNoRowSelectedEvenWhileTheClickedWordStillPlays) {
    RecordEditWindow* w = open();
    w->show();
    auto expect_nothing_selected = [w](const char* when) {
        for (QListWidget* l : {w->recorded_words_view, w->recorded_translations_view, w->unrecorded_words_view, w->unrecorded_translations_view}) {
            EXPECT_EQ(l->currentRow(), -1) << when;
            EXPECT_TRUE(l->selectedItems().isEmpty()) << when;
        }
    };
    pump.after(0.3, [w] { QTest::mouseClick(w->refresh_lists, Qt::LeftButton); });
    click_row(w->recorded_words_view, 0);
    pump.run();
    expect_nothing_selected("refresh during the click's sound");

    click_row(w->unrecorded_words_view, 0);
    pump.after(0.3, [w] { QTest::mouseClick(w->refresh_lists, Qt::LeftButton); });
    QTest::mouseClick(w->delete_word, Qt::LeftButton);
    pump.run();
    expect_nothing_selected("refresh after a delete");
}

TEST_F(RecordWindow, OneWordModeShowsOnlyThatWordSelectedAndPlaysIt) {
    m.shown_words = QStringList{"rojo", "azul", ""};
    m.shown_translations = QStringList{"red", "blue", ""};
    m.shown_sound_numbers = QStringList{"01001", "01001", ""};
    compute_shown_rows(m);
    single_entry = 0;
    RecordEditWindow* w = open();
    EXPECT_EQ(w->recorded_caption->text(), u"Words With Sound Files");
    EXPECT_EQ(w->unrecorded_caption->text(), u"Words Without Sound Files");
    ASSERT_EQ(w->recorded_words_view->count(), 1);
    EXPECT_EQ(w->unrecorded_words_view->count(), 0);
    EXPECT_EQ(w->recorded_words_view->currentRow(), 0);
    EXPECT_EQ(w->recorded_translations_view->currentRow(), 0);
    EXPECT_EQ(w->word_box->text(), u"rojo");
    EXPECT_EQ(audio.played.size(), 1);

    // A word without a recording goes to the other group.
    m.shown_sound_numbers[0] = "70012";
    QTest::mouseClick(w->refresh_lists, Qt::LeftButton);
    EXPECT_EQ(w->recorded_words_view->count(), 0);
    EXPECT_EQ(w->unrecorded_words_view->currentRow(), 0);
    EXPECT_EQ(w->edit_state().current_sound_number, u"70012");
}

TEST_F(RecordWindow, MessageButtonsAndExit) {
    RecordEditWindow* w = open();
    QTest::mouseClick(w->instructions_text, Qt::LeftButton);
    QTest::mouseClick(w->instructions_record, Qt::LeftButton);
    QTest::mouseClick(w->license, Qt::LeftButton);
    const QStringList msgs = prompter.messages();
    ASSERT_EQ(msgs.size(), 3);
    EXPECT_TRUE(msgs[0].startsWith("First correct the spelling of the words on the left before recording.  Try to make "
                                   "the translations one word. Do not modify the english words. If two or three"));
    EXPECT_TRUE(msgs[0].endsWith("Click the 'email' button for more instruction on how to email the corrected lists. "));
    EXPECT_TRUE(msgs[1].contains("of making a mistake: you can do the recordings again and it simply erases the first "
                                 "recording.  \r\rWhen finished"));
    EXPECT_TRUE(msgs[2].startsWith("    ") && msgs[2].endsWith("."));
    EXPECT_EQ(w->windowTitle(), u"www.quillory.org");

    QTest::mouseClick(w->exit_button, Qt::LeftButton);
    EXPECT_EQ(main_view.shown, 1);
    EXPECT_EQ(m.cancel.playback(), Playback::Stop);
    // Opened again, the window starts with the flag down so that a recording run can start.
    RecordEditWindow* again = new RecordEditWindow(m);
    again->load();
    EXPECT_EQ(m.cancel.playback(), Playback::Running);
    delete again;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(RecordWindow, EveryControlIsNamedAndCaptioned) {
    RecordEditWindow* w = open();
    const std::pair<const char*, const char*> captions[] = {
        {"point8_single", "0.8 second"}, {"one_many", "1 second"}, {"one2_single", "1.2 second"},
        {"one4_many", "1.4 seconds"}, {"two_sec_single", "2 seconds"}, {"five_many", "5 seconds"},
        {"unlimited", "Start Recording (no time limit)"}, {"stop_auto_record", "STOP"},
        {"record_speed", "Click for fast method"}, {"zip", "Email Files"}, {"Command1", "Advanced List Editing"},
        {"save_text", "Save the above text changes"}, {"add_word", "Add the above text as a new word/phrase pair"},
        {"delete_word", "Delete this word/phrase pair"}, {"refresh_lists", "Refresh Lists to Show Changes"},
        {"exit_button", "Exit and Return"}, {"instructions_text", "Text Editing Instructions"},
        {"instructions_record", "Recording Instructions"}, {"license", "License"}};
    for (const auto& [name, caption] : captions) {
        auto* b = w->findChild<QPushButton*>(name);
        ASSERT_TRUE(b) << name;
        EXPECT_EQ(b->text(), QString(caption)) << name;
    }
    EXPECT_EQ(w->findChild<QLabel*>("Label5")->text(), u"Record and Edit Words");
    EXPECT_EQ(w->findChild<QLabel*>("Label2")->text(), u"Record Selected Word");
    EXPECT_EQ(w->findChild<QLabel*>("Label3")->text(), u"Record Multiple Words");
    EXPECT_EQ(w->findChild<QCheckBox*>("Check1")->text(), u"Do not automaticaly remove silence from beginning and end.");
    EXPECT_FALSE(w->keeps_silence());
    EXPECT_EQ(w->findChildren<QPushButton*>().size(), 26 + 3 + 4 + 6);
    for (auto* l : w->findChildren<QListWidget*>()) EXPECT_FALSE(l->accessibleName().isEmpty());
}

// ---- the list editor, opened over the record-and-edit window ----

ListEditorWindow* open_editor(RecordEditWindow* w) {
    QTest::mouseClick(w->advanced_edit_button, Qt::LeftButton);
    return w->editor.data();
}

TEST_F(RecordWindow, EditorSavedUnchangedGainsOneEmptyLine) {
    t.write_lines("languages/spanish/colores.txt", {"rojo|red|01001", "azul|blue|70012", "verde|green|01003"});
    RecordEditWindow* w = open();
    ListEditorWindow* e = open_editor(w);
    ASSERT_TRUE(e);
    EXPECT_TRUE(e->isVisible());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(e->windowTitle(), u"Edit Word List");
    EXPECT_EQ(e->text_box->toPlainText(), u"rojo|red|01001\nazul|blue|70012\nverde|green|01003\n");
    QPointer<ListEditorWindow> guard(e);
    QTest::mouseClick(e->save_and_exit, Qt::LeftButton);
    EXPECT_EQ(t.read("languages/spanish/colores.txt"), crlf({"rojo|red|01001", "azul|blue|70012", "verde|green|01003", ""}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(main_view.shown, 0);
}

TEST_F(RecordWindow, EditorStartsANewListAndRefusesAnExistingName) {
    RecordEditWindow* w = open();
    ListEditorWindow* e = open_editor(w);
    ASSERT_TRUE(e);
    prompter.answer_input("verbs");
    QTest::mouseClick(e->start_new_list, Qt::LeftButton);
    EXPECT_EQ(prompter.shown().back().text, u"What should be the name of the new word list?");
    EXPECT_TRUE(prompter.shown().back().title.isEmpty());
    EXPECT_TRUE(t.exists("languages/spanish/verbs.txt"));
    EXPECT_EQ(t.read("languages/spanish/verbs.txt"), QByteArray());
    EXPECT_TRUE(e->text_box->toPlainText().isEmpty());

    prompter.answer_input("colores");
    QTest::mouseClick(e->start_new_list, Qt::LeftButton);
    EXPECT_EQ(prompter.messages(), QStringList{"That file already exits."});
    QTest::keyClicks(e->text_box, "ir|to go|70100");
    QTest::mouseClick(e->save_and_exit, Qt::LeftButton);
    EXPECT_EQ(t.read("languages/spanish/verbs.txt"), crlf({"ir|to go|70100"}));
    EXPECT_EQ(t.read("languages/spanish/colores.txt"),
              crlf({"rojo|red|01001", "azul|blue|70012", "verde|green|01003", "sin numero|no number|"}));
}

TEST_F(RecordWindow, EditorWithoutAListWritesTemporaryAndUnicodeKeepsEveryCharacter) {
    RecordEditWindow* w = open();
    m.current_list.clear();
    ListEditorWindow* e = open_editor(w);
    ASSERT_TRUE(e);
    EXPECT_EQ(prompter.messages(),
              QStringList{"A list was not chosen. A blank form will be opened in case you want to start a new list."});
    EXPECT_EQ(m.current_list, u"temporary");
    EXPECT_TRUE(e->text_box->toPlainText().isEmpty());
    e->text_box->setPlainText(QString::fromUtf8("дом|house|70001\nl\u00A0été|summer|70002"));
    QTest::mouseClick(e->save_and_exit_unicode, Qt::LeftButton);
    const QByteArray bytes = t.read("languages/spanish/temporary.txt");
    EXPECT_EQ(bytes, QByteArray("\xEF\xBB\xBF") + crlf({QString::fromUtf8("дом|house|70001"), QString::fromUtf8("l\u00A0été|summer|70002")}));
    // The readers take the byte-order mark in their stride.
    EXPECT_EQ(read_lines(t.path("languages/spanish/temporary.txt"))->value(0), QString::fromUtf8("дом|house|70001"));
    EXPECT_EQ(create_arrays(m, m, t.path("languages/spanish/temporary.txt")).without_words.value(0), QString::fromUtf8("дом"));
}

TEST_F(RecordWindow, EditorPlainSaveKeepsAnEightBitListEightBit) {
    t.write("languages/spanish/colores.txt", "a\xF1il|indigo|70001\r\n");
    RecordEditWindow* w = open();
    ListEditorWindow* e = open_editor(w);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->text_box->toPlainText(), QString::fromUtf8("añil|indigo|70001\n"));
    e->text_box->setPlainText(QString::fromUtf8("añil|indigo|70001\nbegoña|name|70002"));
    QTest::mouseClick(e->save_and_exit, Qt::LeftButton);
    EXPECT_EQ(t.read("languages/spanish/colores.txt"), QByteArray("a\xF1il|indigo|70001\r\nbego\xF1" "a|name|70002\r\n"));
}

TEST_F(RecordWindow, EditorIsNotShownForAListThatCannotBeRead) {
    RecordEditWindow* w = open();
    m.current_list = "gone";
    EXPECT_EQ(open_editor(w), nullptr);
    EXPECT_EQ(prompter.messages(), QStringList{"The file " + t.path("languages/spanish/gone.txt") + " could not be read."});
    for (QWidget* top : QApplication::topLevelWidgets()) EXPECT_FALSE(qobject_cast<ListEditorWindow*>(top) && top->isVisible());
}

TEST_F(RecordWindow, ClosingTheWindowLeavesTheEditorAndItsText) {
    RecordEditWindow* w = open();
    QPointer<ListEditorWindow> e = open_editor(w);
    ASSERT_TRUE(e);
    e->text_box->appendPlainText("typed|words|70050");
    QTest::mouseClick(w->exit_button, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    ASSERT_TRUE(e);
    EXPECT_TRUE(e->isVisible());
    QTest::mouseClick(e->save_and_exit, Qt::LeftButton);
    EXPECT_TRUE(t.read("languages/spanish/colores.txt").endsWith("typed|words|70050\r\n"));
}

TEST_F(RecordWindow, EditorLeftWithoutSavingWritesNothing) {
    RecordEditWindow* w = open();
    const QByteArray before = t.read("languages/spanish/colores.txt");
    ListEditorWindow* e = open_editor(w);
    ASSERT_TRUE(e);
    e->text_box->setPlainText("junk");
    QTest::mouseClick(e->exit_without_save, Qt::LeftButton);
    EXPECT_EQ(t.read("languages/spanish/colores.txt"), before);
}

}  // namespace
