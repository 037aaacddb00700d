#include "support/window_test.h"
#include "support/run_session.h"
#include "support/recording_oracle.h"
#include "windows/record_edit_window.h"
#include "windows/take_wave.h"

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace ql;
using namespace ql::testing;

namespace {

class TakeCheckRun : public WindowTest {
protected:
    void SetUp() override {
        t.attach(m);
        m.current_language = QStringLiteral("spanish");
        m.current_list = QStringLiteral("numeros");
        m.master_file = t.path("languages/spanish/master_spanish.txt");
        m.unknown_file = t.path("users/ann/spanish/numeros-u.txt");
        m.known_file = t.path("users/ann/spanish/numeros-k.txt");
        const QStringList lines{"uno|one|70000", "dos|two|70001"};
        t.write_lines("languages/spanish/numeros.txt", lines);
        t.write_lines("languages/spanish/master_spanish.txt", lines);
        window = new RecordEditWindow(m);
        window->load();
        window->unrecorded_words_view->setCurrentRow(0);
        ASSERT_EQ(window->edit_state().chosen_list, QStringLiteral("without sounds"));
    }

    // One single take of a second with the microphone giving `level` from 0.1 s to 0.55 s.
    void take(short level) {
        audio.microphone.assign(22050 * 2, 0);
        for (size_t k = 2205; k < 12000; ++k) audio.microphone[k] = short((k / 40) % 2 ? level : -level - (level == 32767));
        window->unrecorded_words_view->setCurrentRow(0);
        QTest::mouseClick(window->findChild<QPushButton*>("one_single"), Qt::LeftButton);
        pump.run();  // the run goes to its end
    }
    QString note() const { return window->take_panel->findChild<QLabel*>("take_note")->text(); }

    QPointer<RecordEditWindow> window;
};

}  // namespace

// Each take is checked as it is stored and the note stays beside it until the next take; the run
// asks nothing and stores the take either way.
TEST_F(TakeCheckRun, EveryTakeIsNotedAndDrawnWithoutStoppingTheRun) {
    auto* wave = window->take_panel->findChild<TakeWave*>("take_wave");
    ASSERT_NE(wave, nullptr);
    EXPECT_FALSE(wave->has_take());

    auto* label = window->take_panel->findChild<QLabel*>("take_note");
    take(32767);  // a square wave at full scale
    // The single take moved the selection on to "dos"; the note says whose take it is.
    EXPECT_EQ(window->unrecorded_words_view->currentItem()->text(), u"dos");
    EXPECT_EQ(note(), u"uno:\nClipped");
    EXPECT_EQ(label->accessibleName(), u"uno: Clipped");
    EXPECT_TRUE(wave->has_take());
    EXPECT_TRUE(wave->accessibleDescription().startsWith("0.95 s recorded, 0.4")) << wave->accessibleDescription().toStdString();

    take(0);
    EXPECT_EQ(note(), u"uno:\nToo quiet\nVery short");
    // Each note whole on its line: the label is as wide as its longest.
    EXPECT_FALSE(label->wordWrap());
    EXPECT_GE(label->sizeHint().width(), label->fontMetrics().horizontalAdvance(QStringLiteral("Very short")));
    EXPECT_TRUE(t.exists("languages/spanish/new_str/70/70000.str"));

    take(12000);
    EXPECT_EQ(note(), u"");
    EXPECT_TRUE(prompter.shown().empty());
}
