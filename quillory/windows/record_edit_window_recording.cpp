#include "record_edit_window.h"
#include "take_wave.h"

#include "core/packaging.h"
#include "core/prompter.h"
#include "core/player.h"
#include "core/recording.h"
#include "core/ui_text.h"

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

}  // namespace

// ---- the buttons that start a run ----

void RecordEditWindow::on_duration(float seconds, bool single) {
    if (run_.under_way()) return;
    run_.start(RecordingSettings{edit_.chosen_list, seconds, single});
}

void RecordEditWindow::on_stop_auto_record() { run_.stop(); }

void RecordEditWindow::on_record_speed() {
    if (fast_pause_) {
        services_.prompter->message(Quillory::tr("This makes the pause between recordings longer (slow). Click again to make "
                                           "it shorter (fast)."));
        fast_pause_ = false;
        record_speed->setText(Quillory::tr("Click for fast method"));
    } else {
        services_.prompter->message(Quillory::tr("This makes the pause between recordings shorter (fast). Click again to "
                                           "make it longer (slow)."));
        fast_pause_ = true;
        record_speed->setText(Quillory::tr("Click for slow method"));
    }
}

void RecordEditWindow::on_zip() {
    if (run_.under_way()) return;
    pack_contribution(workspace_, lang_.current_language, *services_.prompter);
}

// ---- the run: what it needs, shows and reads ----

RecordingServices RecordEditWindow::recording_services() {
    Player& player = player_;
    const Workspace& workspace = workspace_;
    const LanguageSession& lang = lang_;
    RecordingServices s;
    s.clock = services_.clock;
    s.token = &player.cancel;
    s.prompter = services_.prompter;
    s.silence = [&player](bool on) { player.sound_suppression = on ? SoundSuppression::On : SoundSuppression::Off; };
    s.take = [&player, &workspace, &lang](QString number, float seconds, bool keep_silence,
                                          std::function<void(const QByteArray&)> on_take) {
        return record_sound(player.services, player.cancel, prepare_new_recording(workspace, lang, number), kTakeRate,
                            seconds, kTakeChannels, kTakeBytesPerSample, keep_silence, std::move(on_take));
    };
    return s;
}

void RecordEditWindow::recording_ended() {
    // Closed during the run: the window waited for the run to end before going.
    if (delete_after_run_) deleteLater();
}

int RecordEditWindow::selected_row(const QString& group) const {
    const QListWidget* l = words_view_for(group);
    return l ? l->currentRow() : -1;
}

int RecordEditWindow::row_count(const QString& group) const {
    const QListWidget* l = words_view_for(group);
    return l ? l->count() : 0;
}

QString RecordEditWindow::word(const QString& group, int row) const {
    const QListWidget* l = words_view_for(group);
    const QListWidgetItem* item = l ? l->item(row) : nullptr;
    return item ? item->text() : QString();
}

QString RecordEditWindow::sound_number(const QString& group, int row) const { return numbers_for(group).value(row); }

void RecordEditWindow::scroll_to_top(const QString& group, int row) {
    QListWidget* eng = group == kWithSounds ? recorded_translations_view : unrecorded_translations_view;
    for (QListWidget* l : {words_view_for(group), eng})
        if (QListWidgetItem* it = l ? l->item(row) : nullptr) l->scrollToItem(it, QAbstractItemView::PositionAtTop);
}

void RecordEditWindow::show_sound_number(const QString& number) {
    edit_.current_sound_number = number;
    sound_number_label->setText(Quillory::tr("File: %1").arg(number));
}

void RecordEditWindow::show_prompt(const QString& text, RecordingPrompt colour) {
    const QColor c = colour == RecordingPrompt::Speak ? kYellow : kOrange;
    set_background(word_box, c);
    set_background(countdown, c);
    countdown->setText(text);
}

void RecordEditWindow::show_take(const QByteArray& take, const TakeCheck& check, bool trimmed, const QString& taken_word) {
    if (take_panel) take_panel->show_take(take, kTakeRate, check, trimmed, taken_word);
}

void RecordEditWindow::show_ended() {
    countdown->clear();
    set_background(countdown, QApplication::palette().color(QPalette::Button));
    set_background(word_box, Qt::white);
}

void RecordEditWindow::enable_run_buttons(bool enabled) {
    for (const DurationButton& d : duration_buttons) d.button->setEnabled(enabled);
    for (QPushButton* b : {unlimited, zip}) b->setEnabled(enabled);
}


}  // namespace ql
