#include "core/main_view.h"
#include "core/qlmod.h"
#include "support/data_tree.h"
#include "support/fake_audio.h"
#include "support/fake_prompter.h"
#include "support/fake_pump.h"
#include "windows/edit_list.h"
#include "windows/qlrecord.h"

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

struct FakeMain : MainView {
    void display_words() override {}
    void refresh_known_list() override {}
    void set_label6(const QString&) override {}
    void set_label8(const QString&) override {}
    void show_main() override { ++shown; }
    void choose_language(const QString& l) override { chosen << l; }
    int shown = 0;
    QStringList chosen;
};

class RecordWindow : public ::testing::Test {
protected:
    void SetUp() override {
        m.prompter = &prompter;
        m.pump = &pump;
        m.audio = &audio;
        m.main_view = &main;
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
        m.record_single_word = "no";
    }
    QlRecord* open() {
        auto* w = new QlRecord(m);
        w->load();
        window = w;
        return w;
    }
    void TearDown() override {
        if (window) delete window.data();
    }

    DataTree t;
    Qlmod m;
    FakePrompter prompter;
    FakePump pump;
    FakeAudio audio{&pump};
    FakeMain main;
    QPointer<QlRecord> window;
};

TEST_F(RecordWindow, ListModeSplitsTheListByRecording) {
    QlRecord* w = open();
    EXPECT_EQ(w->current_list->text(), u"colores");
    EXPECT_EQ(w->words_with_sound->text(), u"1 Words With Sound Files");
    EXPECT_EQ(w->words_without_sound->text(), u"2 Words Without Sound Files");
    ASSERT_EQ(w->span_list_wo->count(), 2);
    EXPECT_EQ(w->span_list_wo->item(1)->text(), u"verde");
    EXPECT_EQ(w->eng_list_w->item(0)->text(), u"red");
}

}  // namespace
