// Importing and exporting word lists from the main window: the File menu's items and a dropped file.
#include "support/window_test.h"
#include "core/text_file.h"
#include "support/run_session.h"
#include "windows/import_dialog.h"
#include "windows/main_window.h"
#include "windows/window_openers.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QMenu>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <memory>

using namespace ql;
using namespace ql::testing;

namespace {

class ImportFromMain : public WindowTest {
protected:
    void SetUp() override {
        t.write_lines("languages/spanish/master_spanish.txt", {"casa|house|00412", "perro|dog|00007"});
        t.write_lines("languages/spanish/animals.txt", {"perro|dog|00007"});
        t.write_lines("languages/spanish/trans_spanish.dat", {"english"});
        t.write("languages/spanish/highest_num.dat", " 70010 \r\n");
        w = start_main_window();
    }

    // Runs `act` while the preview is open: `in_dialog` gets the dialog, then it is closed by OK
    // (accept) or Cancel.
    void with_preview(const std::function<void()>& act, const std::function<void(ImportDialog*)>& in_dialog, bool ok) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<ImportDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(d);
            seen = true;
            if (in_dialog) in_dialog(d);
            ok ? d->accept() : d->reject();
        });
        act();
        EXPECT_TRUE(seen);
    }
    std::map<QString, QByteArray> snapshot() const {
        std::map<QString, QByteArray> files;
        QDirIterator it(t.root(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString p = it.next();
            QFile f(p);
            files[p] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }
        return files;
    }
    QListWidget* list(const char* name) { return w->findChild<QListWidget*>(name); }

    std::unique_ptr<MainWindow> w;
};

}  // namespace

TEST_F(ImportFromMain, FileMenuHoldsImportAndExportBeforeExit) {
    QStringList names;
    for (QAction* a : w->findChild<QMenu*>("mnu_file")->actions()) names << a->text();
    EXPECT_EQ(names, (QStringList{"&Import Word List...", "&Export Word List...", "Import &Anki Deck...",
                                  "Export as Anki &Deck...", "&Progress...", "Today's &Review as MP3...", "E&xit"}));
    EXPECT_TRUE(w->acceptDrops());
}

TEST_F(ImportFromMain, OkWritesTheListAndShowsItChosen) {
    t.write("in/Food words.csv", "casa,house\r\npan,bread\r\n\"sal, fina\",salt\r\n");
    with_preview([&] { w->import_word_list_file(t.path("in/Food words.csv")); },
                 [](ImportDialog* d) { EXPECT_EQ(d->findChild<QLineEdit*>("list_name_edit")->text(), "Food words"); },
                 true);
    EXPECT_EQ(prompter.messages().first(),
              "3 word pairs were imported into the new list Food_words. 1 of them was already in the language and kept "
              "its sound number.");
    EXPECT_EQ(t.read("languages/spanish/Food_words.txt"),
              crlf({"casa|house|00412", "pan|bread|70010", "sal, fina|salt|70011"}));
    EXPECT_EQ(t.read("languages/spanish/master_spanish.txt"),
              crlf({"casa|house|00412", "perro|dog|00007", "pan|bread|70010", "sal, fina|salt|70011"}));
    EXPECT_EQ(t.read("languages/spanish/highest_num.dat"), " 70012 \r\n");
    EXPECT_EQ(rows(list("lists_list")), (QStringList{"animals", "Food_words"}));
    EXPECT_EQ(list("lists_list")->currentItem()->text(), "Food_words");
    EXPECT_EQ(rows(list("words_list")), (QStringList{"casa", "pan", "sal, fina"}));
}

TEST_F(ImportFromMain, CancelAndAMalformedFileChangeNothing) {
    t.write("in/words.tsv", "gato\tcat\r\n");
    t.write("in/broken.csv", "uno,one\r\n\"dos,two\r\n");
    const auto before = snapshot();
    with_preview([&] { w->import_word_list_file(t.path("in/words.tsv")); }, nullptr, false);
    EXPECT_TRUE(prompter.messages().isEmpty());
    w->import_word_list_file(t.path("in/broken.csv"));
    EXPECT_EQ(prompter.messages(),
              QStringList{"Nothing was imported from broken.csv.\r\nThe quoted field that starts on line 2 is never "
                          "closed: a quotation mark is missing, so the lines after it cannot be read as words."});
    EXPECT_EQ(snapshot(), before);
}

TEST_F(ImportFromMain, ADroppedFileIsImported) {
    t.write("in/dropped.tsv", "gato\tcat\r\n");
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(t.path("in/dropped.tsv"))});
    // The window takes the drop only when it accepted the drag entering it.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    with_preview([&] { QApplication::sendEvent(w.get(), &drop); }, nullptr, true);
    EXPECT_EQ(t.read("languages/spanish/dropped.txt"), crlf({"gato|cat|70010"}));
}

TEST_F(ImportFromMain, ExportWritesTheChosenListOfThisLanguage) {
    w->export_word_list_file(t.path("out.txt"));
    EXPECT_EQ(prompter.messages().last(), "First select a list of words to export.");
    list("lists_list")->setCurrentRow(0);
    w->export_word_list_file(t.path("out.kvtml"));
    EXPECT_EQ(prompter.messages().last(), "The list animals was exported to " + t.path("out.kvtml") + ".");
    EXPECT_TRUE(t.read("out.kvtml").contains("<text>perro</text>"));
    w->export_word_list_file(t.path("out.txt"));
    EXPECT_EQ(t.read("out.txt"), "#separator:tab\r\n#html:false\r\nperro\tdog\r\n");
}
