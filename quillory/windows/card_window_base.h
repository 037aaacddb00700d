#pragma once
#include "core/drill.h"
#include "core/run_context.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <memory>

namespace ql {

// What both flash-card windows share: the drill they show and the labels it writes to. The window
// owns no flow: it forwards clicks to the drill, and closing it cancels the drill's run.
class CardWindowBase : public QWidget, public DrillView {
    Q_OBJECT
public:
    CardWindowBase(const RunContext& run, DrillKind kind, QWidget* parent = nullptr);
    ~CardWindowBase() override;

    // Shows the window and starts the drill, which runs on from the event loop.
    void start();
    Drill& drill() { return *drill_; }

    // DrillView
    void set_top_text(const QString& text) override { top_word_label_->setText(text); }
    void set_bottom_text(const QString& text) override { bottom_word_label_->setText(text); }
    void set_word_point_size(int points) override;
    void set_top_visible(bool visible) override { top_word_label_->setVisible(visible); }
    void set_bottom_visible(bool visible) override { bottom_word_label_->setVisible(visible); }
    void set_num_text(const QString& text) override { remaining_label_->setText(text); }
    void set_repeat_text(const QString& text) override { repeat_label_->setText(text); }
    void set_speed_text(const QString& text) override { speed_label_->setText(text); }
    void set_mp3_text(const QString&) override {}
    void set_progress(int, int) override {}

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape closes the card: the small one has no Exit button, and keyboard users need a way out.
    void keyPressEvent(QKeyEvent* event) override;
    QPushButton* make_button(const char* name, const QString& caption, const std::function<void(Drill&)>& action);
    QLabel* make_label(const char* name, const QString& purpose);
    // The count, play and pause labels in one row, kept apart by rules so that their texts never
    // read as one sentence.
    QHBoxLayout* make_status_row();

    const Services& services_;
    std::shared_ptr<Drill> drill_;
    QLabel* top_word_label_;
    QLabel* bottom_word_label_;
    QLabel* remaining_label_;
    QLabel* repeat_label_;
    QLabel* speed_label_;

private:
    bool closed_ = false;
};

}  // namespace ql
