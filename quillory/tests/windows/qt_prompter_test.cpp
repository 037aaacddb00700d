#include "windows/qt_prompter.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace ql;

namespace {

// Runs `act` on the dialog once it is open (the prompter's calls block in the dialog's loop).
void when_open(std::function<void(QDialog*)> act) {
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [act, poll] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget()); d && d->isVisible()) {
            act(d);
            return;
        }
        QTimer::singleShot(10, *poll);
    };
    QTimer::singleShot(0, *poll);
}

QString label_text(QDialog* d) {
    QString all;
    for (QLabel* l : d->findChildren<QLabel*>()) all += l->text();
    return all;
}

TEST(QtPrompter, MessageShowsTheTextWithLineFeedsAndTheProgramTitle) {
    QtPrompter p;
    QString title, text;
    when_open([&](QDialog* d) {
        title = d->windowTitle();
        text = label_text(d);
        static_cast<QMessageBox*>(d)->button(QMessageBox::Ok)->click();
    });
    p.message(QStringLiteral("first line\r\nsecond <b>line</b>"));
    EXPECT_EQ(title, kProgramTitle);
    EXPECT_TRUE(text.contains(QStringLiteral("first line\nsecond <b>line</b>"))) << text.toStdString();
}

TEST(QtPrompter, OkCancelReportsTheButtonPressed) {
    QtPrompter p;
    when_open([](QDialog* d) { static_cast<QMessageBox*>(d)->button(QMessageBox::Cancel)->click(); });
    EXPECT_FALSE(p.ok_cancel(QStringLiteral("Go on?"), QStringLiteral("Question")));
    QString title;
    when_open([&](QDialog* d) {
        title = d->windowTitle();
        static_cast<QMessageBox*>(d)->button(QMessageBox::Ok)->click();
    });
    EXPECT_TRUE(p.ok_cancel(QStringLiteral("Go on?"), QStringLiteral("Question")));
    EXPECT_EQ(title, u"Question");
}

TEST(QtPrompter, InputGivesTheTypedTextOrNothingOnCancel) {
    QtPrompter p;
    QString title, shown_default;
    when_open([&](QDialog* d) {
        auto* in = static_cast<QInputDialog*>(d);
        title = in->windowTitle();
        shown_default = in->textValue();
        in->setTextValue(QStringLiteral("José"));
        in->accept();
    });
    EXPECT_EQ(p.input(QStringLiteral("Name?"), QStringLiteral("Student Name"), QStringLiteral("x")), u"José");
    EXPECT_EQ(title, u"Student Name");
    EXPECT_EQ(shown_default, u"x");

    when_open([](QDialog* d) { d->reject(); });
    EXPECT_EQ(p.input(QStringLiteral("Name?")), std::nullopt);

    // OK on an empty box is an empty answer, not a cancel.
    when_open([](QDialog* d) { d->accept(); });
    EXPECT_EQ(p.input(QStringLiteral("Name?")), QString());
}

}  // namespace
