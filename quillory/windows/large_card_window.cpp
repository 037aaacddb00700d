#include "large_card_window.h"

#include "say_it_window.h"
#include "core/ui_text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QProgressBar>
#include <QVBoxLayout>

namespace ql {

LargeCardWindow::LargeCardWindow(const RunContext& run, QWidget* parent)
    : CardWindowBase(run, DrillKind::Large, parent), player_(run.player), lang_(run.language), shown_(run.shown) {
    setObjectName(QStringLiteral("qlplay"));
    setWindowTitle(Quillory::tr("Random Word Play"));
    setWindowFlag(Qt::Window);

    compilation_label_ = make_label("mp3_label", Quillory::tr("MP3 compilation"));
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("mp3_progress"));
    progress_->setAccessibleName(Quillory::tr("MP3 compilation progress"));
    progress_->setVisible(false);

    set_word_point_size(48);
    top_word_label_->setMinimumHeight(90);
    bottom_word_label_->setMinimumHeight(90);

    auto* pause = make_button("pause", Quillory::tr("Pause"), &Drill::pause);
    auto* resume = make_button("resume", Quillory::tr("Resume"), &Drill::resume);
    auto* next = make_button("next_word", Quillory::tr("Skip"), &Drill::next_word);
    auto* known = make_button("i_know_this_word", Quillory::tr("Mark Word As Known"), &Drill::i_know_this_word);
    auto* repeats = make_button("change_repeat", Quillory::tr("# Repeats"), &Drill::change_repeat);
    auto* speed = make_button("change_speed", Quillory::tr("Speed"), &Drill::change_speed);
    auto* top_only = make_button("say_bottom", Quillory::tr("Say Top Only"), &Drill::say_bottom);
    auto* both = make_button("speak_both", Quillory::tr("Say Both"), &Drill::speak_both);
    auto* interlace = make_button("interlace", Quillory::tr("Interlace"), &Drill::interlace);
    auto* delay_top = make_button("delay_top", Quillory::tr("Delay Showing Top"), &Drill::delay_top);
    auto* delay_bottom = make_button("delay_bottom", Quillory::tr("Delay Showing Bottom"), &Drill::delay_bottom);
    auto* create = make_button("create_mp3", Quillory::tr("Create MP3 File Based on Current Settings"), &Drill::create_mp3);
    auto* all = make_button("auto_mp3", Quillory::tr("Create MP3 files for all words on this list"), &Drill::auto_mp3);
    auto* exit = new QPushButton(Quillory::tr("Exit"), this);
    exit->setObjectName(QStringLiteral("exit_btn"));
    exit->setAutoDefault(false);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    say_it_ = new QPushButton(Quillory::tr("Say It"), this);
    say_it_->setObjectName(QStringLiteral("say_it"));
    say_it_->setAccessibleName(Quillory::tr("Say It"));
    say_it_->setAccessibleDescription(Quillory::tr("Key S"));
    say_it_->setAutoDefault(false);
    connect(say_it_, &QPushButton::clicked, this, &LargeCardWindow::on_say_it);
    set_top_text(QString());

    auto* root = new QVBoxLayout(this);
    root->addWidget(top_word_label_, 3);
    root->addWidget(bottom_word_label_, 3);
    root->addLayout(make_status_row());
    auto* mp3 = new QHBoxLayout;
    mp3->addWidget(compilation_label_, 1);
    mp3->addWidget(progress_, 2);
    root->addLayout(mp3);

    auto* grid = new QGridLayout;
    const QList<QList<QPushButton*>> rows{{pause, resume, next, known, say_it_},
                                          {repeats, speed, delay_top, delay_bottom},
                                          {top_only, both, interlace, exit}};
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c) grid->addWidget(rows[r][c], r, c);
    grid->addWidget(create, 3, 0, 1, 2);
    grid->addWidget(all, 3, 2, 1, 2);
    root->addLayout(grid);

    // Keyboard order follows the screen: drill controls first, then settings, MP3 and Exit.
    QWidget* order[] = {pause, resume, next, known, say_it_, repeats, speed, delay_top, delay_bottom,
                        top_only, both, interlace, create, all, exit};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
    resize(960, 560);
}

void LargeCardWindow::open(const RunContext& run, bool /*main_stays_visible*/) {
    // The main window hid itself before calling unless a known list was double-clicked; closing shows
    // it either way.
    auto* w = new LargeCardWindow(run);
    w->start();
}

void LargeCardWindow::set_top_text(const QString& text) {
    CardWindowBase::set_top_text(text);
    const int i = drill_ ? drill_->shown_entry() : -1;
    const QString why = i < 0 ? Quillory::tr("Say It practises the word on the card, and no word is shown.")
                              : SayItWindow::unavailable_reason(player_, lang_, shown_.shown_sound_numbers.value(i));
    say_it_->setEnabled(why.isEmpty());
    say_it_->setToolTip(why);
}

void LargeCardWindow::on_say_it() {
    const int i = drill_->shown_entry();
    if (i < 0 || !say_it_->isEnabled()) return;
    const bool was_running = drill_->running();
    drill_->pause();
    SayItWindow* panel = SayItWindow::open(player_, {lang_, shown_}, shown_.shown_words.value(i),
                                           shown_.shown_sound_numbers.value(i), this);
    if (!panel || !was_running) return;
    // The drill goes on, as Resume does, once the panel is closed.
    connect(panel, &SayItWindow::closed, this, [this] {
        if (isVisible()) drill_->resume();
    });
}

void LargeCardWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_S && event->modifiers() == Qt::NoModifier && say_it_->isEnabled()) {
        on_say_it();
        return;
    }
    CardWindowBase::keyPressEvent(event);
}

void LargeCardWindow::set_mp3_text(const QString& text) { compilation_label_->setText(text); }

void LargeCardWindow::set_progress(int done, int total) {
    progress_->setVisible(total > 0);
    if (total > 0) {
        progress_->setRange(0, total);
        progress_->setValue(done);
    }
}

}  // namespace ql
