// Anki decks from the main window: a dropped deck's preview with its field choice, the import with its
// progress bar, and the export menu item.
#include "core/app_state.h"
#include "core/anki/anki_package.h"
#include "support/anki_deck_maker.h"
#include "support/data_tree.h"
#include "support/fake_audio.h"
#include "support/fake_prompter.h"
#include "support/fake_pump.h"
#include "windows/deck_import_dialog.h"
#include "windows/main_window.h"
#include "windows/window_openers.h"

#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QProgressDialog>
#include <QTableWidget>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

using namespace ql;
using namespace ql::testing;

namespace {

class DeckFromMain : public ::testing::Test {
protected:
    void SetUp() override {
        t.write_lines("languages/spanish/master_spanish.txt", {"casa|house|00412"});
        t.write_lines("languages/spanish/animals.txt", {"casa|house|00412"});
        t.write("languages/spanish/highest_num.dat", " 70010 \r\n");
        m.working_folder = t.root();
        m.prompter = &prompter;
        m.pump = &pump;
        m.audio = &audio;
        w = std::make_unique<MainWindow>(m, openers);
        w->show();
        prompter.answer_input("ann");
        w->start_up();
    }
    void TearDown() override { w.reset(); }

    // 24 Basic notes, each with a clip, and 2 of a type that holds the translation first.
    void write_deck(const QString& relative) {
        MadeDeck d;
        d.form = AnkiForm::Anki21b;
        d.types = {{1, "Basic", {"Front", "Back"}}, {2, "Reversed", {"English", "Spanish", "Notes"}}};
        const QByteArray clip = wav_clip(44100, 2, 0.1, 0.3);
        for (int i = 0; i < 24; ++i) {
            d.notes.push_back({1, {QStringLiteral("<i>palabra</i> %1[sound:p%1.wav]").arg(i), QStringLiteral("word %1").arg(i)}});
            d.media.emplace_back(QStringLiteral("p%1.wav").arg(i), clip);
        }
        d.notes.push_back({1, {"", "nothing"}});
        d.notes.push_back({2, {"moon", "luna", "a note"}});
        d.notes.push_back({2, {"sun", "sol[sound:gone.mp3]", ""}});
        t.mkdir("in");
        write_apkg(t.path(relative), d);
    }

    DataTree t;
    AppState m;
    FakePrompter prompter;
    FakePump pump;
    FakeAudio audio{&pump};
    WindowOpeners openers;
    std::unique_ptr<MainWindow> w;
};

}  // namespace

TEST_F(DeckFromMain, ADroppedDeckIsPreviewedWithItsFieldsThenImported) {
    write_deck("in/Spanish words.apkg");
    bool previewed = false, progress_seen = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<DeckImportDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(d);
        previewed = true;
        auto* types = d->findChild<QComboBox*>("note_type_box");
        auto* word = d->findChild<QComboBox*>("word_column_box");
        auto* translation = d->findChild<QComboBox*>("translation_column_box");
        auto* table = d->findChild<QTableWidget*>("preview_table");
        EXPECT_EQ(types->count(), 2);
        EXPECT_EQ(word->currentText(), "Front");
        EXPECT_EQ(translation->currentText(), "Back");
        EXPECT_EQ(table->rowCount(), DeckImportDialog::kPreviewRows);
        EXPECT_EQ(table->item(0, 0)->text(), "palabra 0");
        EXPECT_EQ(table->item(0, 2)->text(), "yes");
        EXPECT_EQ(d->findChild<QLabel*>("count_label")->text(),
                  "26 word pairs will be imported into a new list of spanish, 24 with a recording. The first 20 are "
                  "shown.");
        EXPECT_EQ(d->findChild<QLabel*>("skipped_label")->text(), "1 note will be skipped: 1 with an empty field.");
        // The second type's word is its second field.
        types->setCurrentIndex(1);
        EXPECT_EQ(word->currentText(), "English");
        word->setCurrentIndex(1);
        translation->setCurrentIndex(0);
        EXPECT_EQ(d->findChild<QLabel*>("skipped_label")->text(),
                  "1 note will be skipped: 1 with an empty field. 1 sound named by a note is missing from the deck; "
                  "that word comes without it.");
        EXPECT_EQ(d->findChild<QLineEdit*>("list_name_edit")->text(), "Spanish_words");
        QTimer::singleShot(0, [&] {
            progress_seen = QApplication::activeModalWidget() &&
                            QApplication::activeModalWidget()->objectName() == "deck_import_progress";
        });
        d->accept();
    });
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(t.path("in/Spanish words.apkg"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.get(), &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.get(), &drop);
    EXPECT_TRUE(previewed);
    EXPECT_TRUE(progress_seen);
    EXPECT_EQ(prompter.messages().value(0),
              "26 word pairs were imported into the new list Spanish_words, with 24 new recordings. 1 sound named by a "
              "note is missing from the deck; that word came without it.");
    const QStringList lines = QString::fromUtf8(t.read("languages/spanish/Spanish_words.txt")).split("\r\n");
    EXPECT_EQ(lines.value(0), "palabra 0|word 0|70010");
    EXPECT_EQ(lines.value(24), "luna|moon|70034");
    EXPECT_EQ(lines.value(25), "sol|sun|70035");
    EXPECT_TRUE(t.exists("languages/spanish/70/70033.mp3"));
    EXPECT_EQ(w->findChild<QListWidget*>("lists_list")->currentItem()->text(), "Spanish_words");
}

TEST_F(DeckFromMain, ExportWritesTheChosenListAsADeck) {
    w->findChild<QListWidget*>("lists_list")->setCurrentRow(0);
    w->export_anki_deck_file(t.path("out.apkg"));
    EXPECT_EQ(prompter.messages().value(0),
              "The list animals was exported to " + t.path("out.apkg") + " as an Anki deck of 1 note with 0 recordings.");
    QString error;
    const auto deck = read_anki_package(t.path("out.apkg"), &error);
    ASSERT_TRUE(deck) << error.toStdString();
    ASSERT_EQ(deck->notes.size(), 1u);
    EXPECT_EQ(deck->notes[0].fields, (QStringList{"casa", "house"}));
}
