#include "record_edit_window.h"
#include "take_wave.h"

#include "core/packaging.h"
#include "core/prompter.h"
#include "core/app_state.h"
#include "core/recording.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

namespace ql {

namespace {

// Colours of the prompt and the word box during a run.
const QColor kOrange(0xFF, 0x80, 0x00);  // counting down, and after a take
const QColor kYellow(0xFF, 0xFF, 0x00);  // speak now

void set_background(QLabel* l, const QColor& c) {
    QPalette p = l->palette();
    p.setColor(QPalette::Window, c);
    l->setPalette(p);
}

void set_background(QLineEdit* e, const QColor& c) {
    QPalette p = e->palette();
    p.setColor(QPalette::Base, c);
    e->setPalette(p);
}

bool stopping(const AppState& m) { return m.cancel.playback() == Playback::Stop; }

}  // namespace

// ---- the buttons that start a run ----

void RecordEditWindow::on_duration(float seconds, bool single) {
    if (run_under_way_) return;
    m.single_take = single;
    m.record_seconds = seconds;
    run_recording();
}

void RecordEditWindow::on_stop_auto_record() { m.cancel.set_playback(Playback::Stop); }

void RecordEditWindow::on_record_speed() {
    if (m.fast_pause) {
        m.prompter->message(QStringLiteral("This makes the pause between recordings longer (slow). Click again to make "
                                           "it shorter (fast)."));
        m.fast_pause = false;
        record_speed->setText(QStringLiteral("Click for fast method"));
    } else {
        m.prompter->message(QStringLiteral("This makes the pause between recordings shorter (fast). Click again to "
                                           "make it longer (slow)."));
        m.fast_pause = true;
        record_speed->setText(QStringLiteral("Click for slow method"));
    }
}

void RecordEditWindow::on_zip() {
    if (run_under_way_) return;
    pack_contribution(m);
}

QCoro::Task<> RecordEditWindow::run_recording() {
    co_await record_words();
    m.single_take = false;
    m.record_seconds = 1.0f;
    // Closed during the run: the window waited for the run to end before going.
    if (delete_after_run_) deleteLater();
}

void RecordEditWindow::set_run_enabled(bool enabled) {
    for (const DurationButton& d : duration_buttons) d.button->setEnabled(enabled);
    for (QPushButton* b : {unlimited, zip}) b->setEnabled(enabled);
}

// ---- the run ----

QCoro::Task<> RecordEditWindow::record_words() {
    if (run_under_way_) co_return;
    m.sound_suppression = SoundSuppression::On;
    if (m.chosen_list.isEmpty()) {
        m.prompter->message(QStringLiteral(
            "You have to select a word on one of the lists. If you just added the word and don't see it, you need to "
            "click the refresh button and then look at the bottom of the list."));
        m.sound_suppression = SoundSuppression::Off;
        co_return;
    }

    // The window may be closed during any wait; closing it asks the run to stop and keeps the
    // window until the run has ended.
    const QString group = m.chosen_list;
    // A STOP pressed while nothing was recording must not silently end this run before its first take.
    m.cancel.set_playback(Playback::Running);
    m.cancel.set_skip(false);
    run_under_way_ = true;
    set_run_enabled(false);
    int batch = 0;
    bool first_word = true;
    int index = -1;

    auto set_colours = [&](const QColor& c) {
        set_background(word_box, c);
        set_background(countdown, c);
    };

    for (;;) {
        QListWidget* list = words_view_for(group);
        index = list->currentRow();
        if (index < 0) {
            m.prompter->message(QStringLiteral("You have to select a word on one of the lists."));
            m.sound_suppression = SoundSuppression::Off;
            run_under_way_ = false;
            set_run_enabled(true);
            co_return;
        }
        m.current_sound_number = numbers_for(group).value(index);

        if (batch == 10) {
            // A new batch of ten starts at the top of the view.
            batch = 0;
            QListWidget* eng = group == kWithSounds ? recorded_translations_view : unrecorded_translations_view;
            for (QListWidget* l : {list, eng})
                if (QListWidgetItem* it = l->item(index)) l->scrollToItem(it, QAbstractItemView::PositionAtTop);
        }
        ++batch;

        sound_number_label->setText(QStringLiteral("File: ") + m.current_sound_number);
        set_colours(kOrange);

        if (first_word || !m.fast_pause || m.single_take) {
            first_word = false;
            countdown->setText(QStringLiteral("2"));
            if (stopping(m)) break;
            co_await wait_seconds(m, 0.6f);
            if (stopping(m)) break;
            countdown->setText(QStringLiteral("1"));
            co_await wait_seconds(m, 0.6f);
        } else {
            countdown->setText(QStringLiteral("1"));
            co_await wait_seconds(m, 0.7f);
        }
        if (stopping(m)) break;

        countdown->setText(QStringLiteral("Speak"));
        set_colours(kYellow);
        co_await wait_seconds(m, 0.13f);
        if (stopping(m)) break;

        const QString path = prepare_new_recording(m, m.current_sound_number);
        if (m.record_seconds == 0.0f) m.record_seconds = kDefaultTakeSeconds;
        const bool keep_silence = keep_silence_box->isChecked();
        // The take is checked and drawn as it is stored; nothing here waits or asks.
        QPointer<TakePanel> panel(take_panel);
        const QListWidgetItem* taken = list->item(index);
        const QString taken_word = taken ? taken->text() : QString();
        co_await record_sound(m, path, kTakeRate, m.record_seconds, kTakeChannels, kTakeBytesPerSample, keep_silence,
                              [&](const QByteArray& take) {
                                  if (panel) panel->show_take(take, kTakeRate, !keep_silence, taken_word);
                              });

        set_colours(kOrange);
        countdown->clear();
        if (m.single_take) break;

        if (index + 1 >= list->count()) break;  // the end of the list ends the run
        select_row(group, index + 1);
    }

    // Finish.
    if (m.single_take) {
        select_row(group, index + 1);
    } else if (stopping(m) && index > 2) {
        // Back over the words around the interruption.
        select_row(group, index - 2);
    }
    m.single_take = false;
    m.cancel.set_playback(Playback::Running);
    m.sound_suppression = SoundSuppression::Off;
    countdown->clear();
    set_background(countdown, QApplication::palette().color(QPalette::Button));
    set_background(word_box, Qt::white);
    run_under_way_ = false;
    set_run_enabled(true);
}

}  // namespace ql
