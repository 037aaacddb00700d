// Both flash-card windows opened the way a student opens them: from the main window's buttons and
// from a double-click on a known list, on the real event loop.
#include "core/clock.h"
#include "support/window_test.h"
#include "windows/main_window.h"
#include "windows/large_card_window.h"
#include "windows/small_card_window.h"
#include "windows/window_openers.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include "support/event_loop.h"
#include "windows/card_window_base.h"

#include <gtest/gtest.h>
#include <memory>

using namespace ql;
using namespace ql::testing;

namespace {

class FlashFromMain : public WindowTest {
protected:
    FlashFromMain() {
        use_program_clock();
        openers.large_flash_cards = [this](bool main_stays_visible) { LargeCardWindow::open(m, main_stays_visible); };
        openers.small_flash_card = [this] { SmallCardWindow::open(m); };
        QStringList lines;
        for (int i = 0; i < 12; ++i) {
            const QString s = QStringLiteral("%1").arg(i + 1, 5, 10, QLatin1Char('0'));
            lines << QStringLiteral("palabra%1|word%1|%2").arg(i).arg(s);
            t.write(QStringLiteral("languages/spanish/%1/%2.mp3").arg(s.left(2), s), "mp3");
        }
        t.write_lines("languages/spanish/colores.txt", lines);
        w = start_main_window();
        m.pause_seconds = 0.01f;
        m.repeat_count = 2;
        m.bottom_mode = BottomMode::WordOnly;
        select_list();
    }
    ~FlashFromMain() override {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName().startsWith("qlplay")) top->close();
        settle();
    }

    static void settle() {
        for (int i = 0; i < 5; ++i) event_loop_turn();
    }
    static void at_ms(int ms, std::function<void()> action) { QTimer::singleShot(ms, qApp, std::move(action)); }
    QListWidget* list(const char* name) { return w->findChild<QListWidget*>(QString::fromLatin1(name)); }
    void select_list() {
        QListWidget* lists = list("lists_list");
        const auto items = lists->findItems("colores", Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        QTest::mouseClick(lists->viewport(), Qt::LeftButton, {}, lists->visualItemRect(items[0]).center());
        ASSERT_EQ(m.shown_count(), 12);
    }

    std::unique_ptr<MainWindow> w;
};

}  // namespace

TEST_F(FlashFromMain, LargeFlashCardsHideTheMainWindowUntilClosed) {
    bool main_hidden = false;
    QPointer<QWidget> card;
    at_ms(300, [&] {
        card = visible_window("qlplay");
        ASSERT_TRUE(card);
        main_hidden = !w->isVisible();
        click(card, "pause");
    });
    click(w.get(), "flash_cards");
    // Until Pause has stopped the drill.
    run_until([&] { return card && !static_cast<CardWindowBase*>(card.data())->drill().running(); });
    EXPECT_TRUE(main_hidden);
    ASSERT_TRUE(card);
    EXPECT_EQ(card->findChild<QLabel*>("num_lbl")->text(), u"12 words remain on this list");

    at_ms(300, [&] { click(card, "i_know_this_word"); });
    at_ms(600, [&] { card->close(); });
    click(card, "resume");
    run_until([&] { return card.isNull(); });
    settle();
    EXPECT_TRUE(card.isNull());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(list("words_list")->count(), 11);  // the main window shows the list less the known word
    EXPECT_EQ(list("known_lists")->count(), 1);
}

TEST_F(FlashFromMain, SmallCardIsOnTopAndClosingItMidDrillBringsTheMainWindowBack) {
    bool on_top = false, main_hidden = false, closed = false;
    at_ms(300, [&] {
        QWidget* card = visible_window("qlplay2");
        ASSERT_TRUE(card);
        on_top = card->windowFlags() & Qt::WindowStaysOnTopHint;
        main_hidden = !w->isVisible();
        card->close();
        closed = true;
    });
    click(w.get(), "small_flash");
    run_until([&] { return closed; });
    settle();
    EXPECT_TRUE(on_top);
    EXPECT_TRUE(main_hidden);
    EXPECT_FALSE(visible_window("qlplay2"));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(m.cancel.playback(), Playback::Stop);
}

TEST_F(FlashFromMain, KnownListDoubleClickDrillsTheKnownWordsWithTheMainWindowVisible) {
    t.write_lines("users/ann/spanish/colores-k.txt", {"uno|one|00101", "dos|two|00102", "tres|three|00103"});
    w->refresh_known_list();
    QListWidget* known = list("known_lists");
    ASSERT_EQ(known->count(), 1);
    const QByteArray unknown_before = t.read("users/ann/spanish/colores-u.txt");
    const QPoint at = known->visualItemRect(known->item(0)).center();
    bool main_visible = false;
    QString shown_word;
    at_ms(300, [&] {
        QWidget* card = visible_window("qlplay");
        ASSERT_TRUE(card);
        main_visible = w->isVisible();
        shown_word = card->findChild<QLabel*>("word_lbl")->text();
        click(card, "i_know_this_word");  // already known: nothing moves
    });
    bool closed = false;
    at_ms(700, [&] {
        visible_window("qlplay")->close();
        closed = true;
    });
    QTest::mousePress(known->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(known->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(known->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(known->viewport(), Qt::LeftButton, {}, at);
    run_until([&] { return closed; });
    settle();
    EXPECT_TRUE(main_visible);
    EXPECT_TRUE(QStringList({"uno", "dos", "tres"}).contains(shown_word)) << shown_word.toStdString();
    EXPECT_EQ(t.read("users/ann/spanish/colores-u.txt"), unknown_before);
    EXPECT_EQ(t.read("users/ann/spanish/colores-k.txt"), crlf({"uno|one|00101", "dos|two|00102", "tres|three|00103"}));
    EXPECT_FALSE(visible_window("qlplay"));
}
