#include "support/window_test.h"
#include "windows/results_window.h"

#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace ql;
using namespace ql::testing;

namespace {

struct ResultsWindowFixture : public WindowTest {
    QString results_text;  // the text handed to the window
    void SetUp() override {
        t.attach(m);
        results_text = QStringLiteral("ann\tspanish\tcolores\t2\t100%\t00:03 \tMultiple Choice\tText Only\t12/7/2026 2:30:00 PM\r\n"
                                        "bo\tspanish\tmaster\t1\t0%\t00:05 \tSpelling\tSound Only\t12/7/2026 2:31:00 PM\r\n");
        ResultsWindow::save_name().clear();
    }
};

}  // namespace

TEST_F(ResultsWindowFixture, ShowsTheTextWithItsCaptions) {
    ResultsWindow w(m, m, results_text);
    EXPECT_EQ(w.objectName(), u"test_results");
    EXPECT_EQ(w.windowTitle(), u"Test Results");
    EXPECT_EQ(child<QPushButton>(w, "print_test_results")->text(),
              u"Print Text Directly to Default Printer. May not finish printing until program is exited.");
    EXPECT_EQ(child<QPushButton>(w, "save_and_exit")->text(), u"Save to a file");
    EXPECT_EQ(child<QPushButton>(w, "exit_without_save")->text(), u"Exit");
    auto* box = w.findChild<QPlainTextEdit*>(QStringLiteral("TextBox1"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->toPlainText(), QString(results_text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

TEST_F(ResultsWindowFixture, SaveWritesTheTextWithCrLfAndRemembersTheName) {
    results_text += QStringLiteral("d\u00e9j\u00e0\u00a0vu");
    {
        ResultsWindow w(m, m, results_text);
        w.show();
        prompter.answer_input(QStringLiteral("mine.txt"));
        QTest::mouseClick(child<QPushButton>(w, "save_and_exit"), Qt::LeftButton);
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(main_view.shown, 1);
    }
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].kind, u"input");
    EXPECT_EQ(prompter.shown()[0].title, u"Save File");
    EXPECT_EQ(prompter.shown()[0].text, u"What would you like to save this file as?");
    // The text keeps its CR LF lines and always ends with one more.
    EXPECT_EQ(t.read("mine.txt"), results_text.toUtf8() + "\r\n");
    EXPECT_EQ(ResultsWindow::save_name(), u"mine.txt");

    // An absolute name is used as typed; an edited text is what gets saved.
    ResultsWindow w(m, m, results_text);
    w.findChild<QPlainTextEdit*>(QStringLiteral("TextBox1"))->setPlainText(QStringLiteral("edited\n"));
    prompter.answer_input(t.path("other.txt"));
    w.on_save_and_exit();
    EXPECT_EQ(t.read("other.txt"), QByteArray("edited\r\n\r\n"));
}

TEST_F(ResultsWindowFixture, ANameThatCannotBeCreatedKeepsTheWindowAndTheText) {
    ResultsWindow w(m, m, results_text);
    w.show();
    prompter.cancel_input();
    prompter.answer_input(QString());
    prompter.answer_input(QStringLiteral("no/such/folder/x.txt"));
    for (int i = 0; i < 3; ++i) QTest::mouseClick(child<QPushButton>(w, "save_and_exit"), Qt::LeftButton);
    const QStringList messages = prompter.messages();
    ASSERT_EQ(messages.size(), 3);
    EXPECT_EQ(messages[0], u"No file name was given, so the text was not saved.");
    EXPECT_EQ(messages[1], u"No file name was given, so the text was not saved.");
    EXPECT_TRUE(messages[2].contains(t.path("no/such/folder/x.txt"))) << messages[2].toStdString();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(main_view.shown, 0);
    EXPECT_EQ(w.text(), QString(results_text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    // The last name typed is offered next time.
    EXPECT_EQ(ResultsWindow::save_name(), u"no/such/folder/x.txt");
    QTest::mouseClick(child<QPushButton>(w, "exit_without_save"), Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(main_view.shown, 1);
}

TEST_F(ResultsWindowFixture, PrintsTheTextToAPdf) {
    ResultsWindow w(m, m, results_text);
    w.print_to_file = t.path("out.pdf");
    QTest::mouseClick(child<QPushButton>(w, "print_test_results"), Qt::LeftButton);
    EXPECT_TRUE(prompter.shown().empty());
    ASSERT_TRUE(t.exists("out.pdf"));
    // The job is complete as soon as the click returns.
    EXPECT_TRUE(t.read("out.pdf").trimmed().endsWith("%%EOF"));
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), t.path("out.pdf"), QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString printed = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(printed.contains(QStringLiteral("ann"))) << printed.toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("Multiple Choice"))) << printed.toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("12/7/2026 2:31:00 PM"))) << printed.toStdString();
}

TEST_F(ResultsWindowFixture, NoDefaultPrinterIsSaid) {
    ResultsWindow w(m, m, results_text);
    w.default_printer_name = [] { return QString(); };
    QTest::mouseClick(child<QPushButton>(w, "print_test_results"), Qt::LeftButton);
    EXPECT_EQ(prompter.messages(),
              QStringList{"There is no default printer, so the text was not printed. Set up a default printer, or save the text to a file."});
}
