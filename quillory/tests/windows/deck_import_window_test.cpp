// Anki decks from the main window: a dropped deck's preview with its field choice, the import with its
// progress bar and Cancel, and the export menu item.
#include "support/window_test.h"
#include "core/anki/anki_package.h"
#include "support/anki_deck_maker.h"
#include "support/event_loop.h"
#include "windows/deck_import_dialog.h"
#include "windows/main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QDirIterator>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QProgressBar>
#include <QTableWidget>
#include <QUrl>
#include <gtest/gtest.h>
#include <map>
#include <memory>

using namespace ql;
using namespace ql::testing;

namespace {

class DeckFromMain : public WindowTest {
protected:
    void SetUp() override {
        t.write_lines("languages/spanish/master_spanish.txt", {"casa|house|00412"});
        t.write_lines("languages/spanish/animals.txt", {"casa|house|00412"});
        t.write("languages/spanish/highest_num.dat", " 70010 \r\n");
        w = start_main_window();
    }

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

    void drop(const QString& relative) {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(t.path(relative))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.get(), &enter);
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.get(), &dropped);
    }

    // Every file and folder of the data tree with the files' bytes.
    std::map<QString, QByteArray> snapshot() const {
        std::map<QString, QByteArray> out;
        QDirIterator it(t.path("languages"), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString p = it.next();
            QFile f(p);
            out[p] = it.fileInfo().isDir() ? QByteArray("<folder>") : (f.open(QIODevice::ReadOnly) ? f.readAll() : "?");
        }
        return out;
    }

    DeckImportDialog* preview() const { return w->findChild<DeckImportDialog*>(); }

    std::unique_ptr<MainWindow> w;
};

}  // namespace

TEST_F(DeckFromMain, ADroppedDeckIsPreviewedWithItsFieldsThenImported) {
    write_deck("in/Spanish words.apkg");
    drop("in/Spanish words.apkg");
    DeckImportDialog* d = preview();
    ASSERT_TRUE(d);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->windowModality(), Qt::WindowModal);
    auto* types = child<QComboBox>(d, "note_type_box");
    auto* word = child<QComboBox>(d, "word_column_box");
    auto* translation = child<QComboBox>(d, "translation_column_box");
    auto* table = child<QTableWidget>(d, "preview_table");
    EXPECT_EQ(types->count(), 2);
    EXPECT_EQ(word->currentText(), "Front");
    EXPECT_EQ(translation->currentText(), "Back");
    EXPECT_EQ(table->rowCount(), DeckImportDialog::kPreviewRows);
    EXPECT_EQ(table->item(0, 0)->text(), "palabra 0");
    EXPECT_EQ(table->item(0, 2)->text(), "yes");
    EXPECT_EQ(text_of(d, "count_label"),
              "26 word pairs will be imported into a new list of spanish, 24 with a recording. The first 20 are shown.");
    EXPECT_EQ(text_of(d, "skipped_label"), "1 note will be skipped: 1 with an empty field.");
    // The second type's word is its second field.
    types->setCurrentIndex(1);
    EXPECT_EQ(word->currentText(), "English");
    word->setCurrentIndex(1);
    translation->setCurrentIndex(0);
    EXPECT_EQ(text_of(d, "skipped_label"),
              "1 note will be skipped: 1 with an empty field. 1 sound named by a note is missing from the deck; "
              "that word comes without it.");
    EXPECT_EQ(child<QLineEdit>(d, "list_name_edit")->text(), "Spanish_words");

    click(d, "ok_button");
    auto* progress = w->findChild<QDialog*>("deck_import_progress");
    ASSERT_TRUE(progress);
    EXPECT_TRUE(progress->isVisible());
    EXPECT_EQ(child<QProgressBar>(progress, "progress_bar")->maximum(), 24);
    EXPECT_TRUE(prompter.messages().isEmpty());  // the import goes on behind the bar

    ASSERT_TRUE(run_until([&] { return !prompter.messages().isEmpty(); }));
    EXPECT_EQ(prompter.messages().value(0),
              "26 word pairs were imported into the new list Spanish_words, with 24 new recordings. 1 sound named by a "
              "note is missing from the deck; that word came without it.");
    const QStringList lines = QString::fromUtf8(t.read("languages/spanish/Spanish_words.txt")).split("\r\n");
    EXPECT_EQ(lines.value(0), "palabra 0|word 0|70010");
    EXPECT_EQ(lines.value(24), "luna|moon|70034");
    EXPECT_EQ(lines.value(25), "sol|sun|70035");
    EXPECT_TRUE(t.exists("languages/spanish/70/70033.mp3"));
    EXPECT_EQ(w->findChild<QListWidget*>("lists_list")->currentItem()->text(), "Spanish_words");
    delete_closed_windows();
    EXPECT_EQ(w->findChild<QDialog*>("deck_import_progress"), nullptr);
    EXPECT_EQ(preview(), nullptr);
}

TEST_F(DeckFromMain, CancelLeavesEveryFileAsItWasAndNoImportStartsMeanwhile) {
    write_deck("in/deck.apkg");
    const auto before = snapshot();
    drop("in/deck.apkg");
    ASSERT_TRUE(preview());
    click(preview(), "ok_button");
    auto* progress = w->findChild<QDialog*>("deck_import_progress");
    ASSERT_TRUE(progress);
    // A second file dropped while the first is under way would take the same sound numbers.
    drop("in/deck.apkg");
    EXPECT_EQ(prompter.messages(),
              QStringList{"An Anki deck is being imported. Please wait until it is done, then try again."});
    click(progress, "cancel_button");
    EXPECT_EQ(text_of(progress, "progress_label"), "Cancelling...");
    EXPECT_TRUE(progress->isVisible());  // until the job has unwound

    ASSERT_TRUE(run_until([&] { return prompter.messages().size() == 2; }));
    EXPECT_EQ(prompter.messages().value(1),
              "The import was cancelled. Nothing was imported: the files of the language are as they were.");
    EXPECT_EQ(snapshot(), before);
    delete_closed_windows();
    EXPECT_EQ(w->findChild<QDialog*>("deck_import_progress"), nullptr);
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
