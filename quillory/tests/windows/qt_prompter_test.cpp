#include "core/drill.h"
#include "support/run_session.h"
#include "core/help_texts.h"
#include "core/list_admin.h"
#include "core/packaging.h"
#include "support/run_pieces.h"
#include "support/data_tree.h"
#include "support/fake_prompter.h"
#include "windows/record_edit_window.h"
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

using ql::testing::RunPieces;

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

// Every long question and note of the program, as the program words them.
std::vector<ql::testing::FakePrompter::Shown> long_prompts() {
    ql::testing::DataTree t;
    ql::testing::FakePrompter fake;
    RunPieces m;
    t.attach(m);
    m.prompter = &fake;
    m.current_language = QStringLiteral("spanish");
    fake.answer_input(QStringLiteral("newlang"));
    fake.cancel_input();
    add_language(*m.prompter, m);
    fake.cancel_input();
    add_word_list(*m.prompter, m, m);
    const auto drill = std::make_shared<Drill>(m, m, m, m, DrillKind::Large, nullptr);
    fake.cancel_input();
    drill->create_mp3();
    fake.answer_ok();
    fake.cancel_input();
    ql::testing::run_session(m.clock, drill->auto_mp3());
    fake.answer_cancel();
    pack_contribution(m, m.current_language, *m.prompter);
    {
        RecordEditWindow record(m);
        record.on_instructions_text();
        record.on_instructions_record();
        record.on_license();
    }
    for (const HelpText& h : {instructions_text(), help_text(), troubleshooting_text(), about_text()})
        fake.message(h.text, h.title);
    std::vector<ql::testing::FakePrompter::Shown> out;
    for (const auto& s : fake.shown())
        if (s.text.size() > 150) out.push_back(s);
    return out;
}

TEST(QtPrompter, EveryLongPromptWrapsToFitTheScreenWithItsButtonsShown) {
    const auto prompts = long_prompts();
    ASSERT_GE(prompts.size(), 10u);
    QtPrompter p;
    for (const auto& shown : prompts) {
        QSize size;
        int buttons = 0;
        when_open([&](QDialog* d) {
            size = d->frameGeometry().size();
            for (QPushButton* b : d->findChildren<QPushButton*>()) {
                if (!b->isVisible()) continue;
                ++buttons;
                EXPECT_TRUE(d->rect().contains(QRect(b->mapTo(d, QPoint(0, 0)), b->size())))
                    << shown.text.left(40).toStdString();
            }
            // Every text shown whole: a label that does not wrap needs more width than any box has.
            for (QLabel* l : d->findChildren<QLabel*>()) {
                if (!l->isVisible() || l->text().isEmpty()) continue;
                EXPECT_GE(l->width(), l->minimumSizeHint().width()) << shown.text.left(40).toStdString();
                if (l->hasHeightForWidth())
                    EXPECT_GE(l->height(), l->heightForWidth(l->width())) << shown.text.left(40).toStdString();
            }
            d->reject();
        });
        if (shown.kind == u"input")
            p.input(shown.text, shown.title);
        else if (shown.kind == u"ok_cancel")
            p.ok_cancel(shown.text, shown.title);
        else
            p.message(shown.text, shown.title);
        EXPECT_GE(buttons, 1) << shown.text.left(40).toStdString();
        // Room left for a panel and the title bar on a 1280 x 800 screen.
        EXPECT_LE(size.width(), 1200) << shown.text.left(40).toStdString();
        EXPECT_LE(size.height(), 720) << shown.text.left(40).toStdString();
    }
}

}  // namespace
