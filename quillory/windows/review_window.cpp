#include "review_window.h"

#include "core/audio_engine.h"
#include "core/known_words.h"
#include "core/main_view.h"
#include "say_it_window.h"
#include "core/text_file.h"
#include "todays_review_mp3.h"
#include "core/ui_text.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace ql {

namespace {

// A label that shows changing text gives that text to screen readers as its name.
void show_text(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleName(text);
}

QLabel* make_label(QWidget* parent, const char* name, int point_size, bool bold) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    QFont f = l->font();
    if (point_size > 0) f.setPointSize(point_size);
    f.setBold(bold);
    l->setFont(f);
    return l;
}

QPushButton* make_button(QWidget* parent, const char* name, const QString& caption, const QString& keys) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(caption);
    b->setAccessibleDescription(keys);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

ReviewWindow::ReviewWindow(const RunContext& run, QWidget* parent)
    : QWidget(parent), player_(run.player), services_(run.services), lang_(run.language), shown_(run.shown), drill_(run.drill) {
    setObjectName(QStringLiteral("review_window"));
    setWindowTitle(Quillory::tr("Review"));
    setWindowFlag(Qt::Window);
    build_controls();
}

void ReviewWindow::build_controls() {
    progress_ = make_label(this, "progress", 0, false);
    foreign_word_ = make_label(this, "foreign_word", 24, true);
    translation_ = make_label(this, "translation", 18, false);
    summary_ = make_label(this, "summary", 12, true);
    keys_hint_ = make_label(this, "keys_hint", 0, false);
    show_text(keys_hint_, Quillory::tr("Space: Show Answer    Right or 2: I knew it    Left or 1: I forgot    "
                                         "S: Say It    Escape: close"));
    progress_->setAccessibleDescription(Quillory::tr("Word under review, of the words due"));
    foreign_word_->setAccessibleDescription(Quillory::tr("Foreign word"));
    translation_->setAccessibleDescription(Quillory::tr("Translation"));
    summary_->setAccessibleDescription(Quillory::tr("Result of the review"));
    foreign_word_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    translation_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette p = translation_->palette();
    p.setColor(QPalette::WindowText, QColor(0, 96, 0));
    translation_->setPalette(p);
    for (QLabel* l : {foreign_word_, translation_}) l->setMinimumHeight(l->fontMetrics().height() * 2);

    show_answer_ = make_button(this, "show_answer", Quillory::tr("Show Answer"), Quillory::tr("Space"));
    forgot_ = make_button(this, "forgot", Quillory::tr("I forgot"), Quillory::tr("Left arrow or 1"));
    knew_it_ = make_button(this, "knew_it", Quillory::tr("I knew it"), Quillory::tr("Right arrow or 2"));
    close_ = make_button(this, "close_review", Quillory::tr("Close"), Quillory::tr("Escape"));
    review_mp3_ = make_button(this, "review_mp3", Quillory::tr("Today's Review as MP3"), QString());
    review_mp3_->setAccessibleDescription(
        Quillory::tr("Saves the words due today as an MP3 with captions; the review itself is not changed"));
    connect(review_mp3_, &QPushButton::clicked, this, [this] { make_todays_review_mp3(player_, lang_, drill_); });
    connect(show_answer_, &QPushButton::clicked, this, &ReviewWindow::on_show_answer);
    connect(knew_it_, &QPushButton::clicked, this, &ReviewWindow::on_knew_it);
    connect(forgot_, &QPushButton::clicked, this, &ReviewWindow::on_forgot);
    say_it_ = make_button(this, "say_it", Quillory::tr("Say It"), QStringLiteral("S"));
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    connect(say_it_, &QPushButton::clicked, this, &ReviewWindow::on_say_it);
    for (QPushButton* b : {show_answer_, forgot_, knew_it_, close_, say_it_, review_mp3_}) b->installEventFilter(this);

    auto* root = new QVBoxLayout(this);
    root->addWidget(progress_);
    root->addStretch(1);
    root->addWidget(foreign_word_);
    root->addWidget(translation_);
    root->addWidget(summary_);
    root->addStretch(1);
    root->addWidget(show_answer_);
    auto* answers = new QHBoxLayout;
    answers->addWidget(forgot_);
    answers->addWidget(knew_it_);
    root->addLayout(answers);
    root->addWidget(keys_hint_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(say_it_);
    bottom->addWidget(review_mp3_);
    bottom->addStretch(1);
    bottom->addWidget(close_);
    root->addLayout(bottom);
    setTabOrder(show_answer_, forgot_);
    setTabOrder(forgot_, knew_it_);
    setTabOrder(knew_it_, say_it_);
    setTabOrder(say_it_, review_mp3_);
    setTabOrder(review_mp3_, close_);
    resize(520, 360);
}

ReviewWindow* ReviewWindow::open(const RunContext& run) {
    auto* w = new ReviewWindow(run);
    w->start();
    return w;
}

void ReviewWindow::start() {
    // A flag left by an earlier drill or test would cut every wait short.
    player_.cancel.set_playback(Playback::Running);
    player_.cancel.set_skip(false);
    session_ = std::make_unique<ReviewSession>(services_, player_.workspace, lang_);
    show();
    raise();
    activateWindow();
    present();
}

void ReviewWindow::present() {
    const ReviewSession& s = *session_;
    revealed_ = false;
    show_text(translation_, QString());
    knew_it_->setEnabled(false);
    forgot_->setEnabled(false);
    if (s.finished()) {
        show_text(progress_, Quillory::tr("%1 of %2").arg(QString::number(s.total()), QString::number(s.total())));
        show_text(foreign_word_, QString());
        show_text(summary_, Quillory::tr("%1 reviewed, %2 kept, %3 back to learning")
                                    .arg(QString::number(s.reviewed()), QString::number(s.kept()),
                                         QString::number(s.forgotten())));
        for (QPushButton* b : {show_answer_, forgot_, knew_it_, say_it_}) {
            b->setEnabled(false);
            b->hide();
        }
        for (QLabel* l : {foreign_word_, translation_, keys_hint_}) l->hide();
        close_->setFocus();
        return;
    }
    show_text(progress_, Quillory::tr("%1 of %2").arg(QString::number(s.position() + 1), QString::number(s.total())));
    const auto entry = parse_entry(s.current().entry);
    show_text(foreign_word_, entry ? entry->word : QString());
    const QString why = SayItWindow::unavailable_reason(player_, lang_, entry ? entry->sound_number : QString());
    say_it_->setEnabled(why.isEmpty());
    say_it_->setToolTip(why);
    show_answer_->setEnabled(true);
    show_answer_->setFocus();
    if (entry) play(entry->sound_number, lang_.current_language);
}

void ReviewWindow::play(const QString& sound_number, const QString& language) {
    // The play's waits touch no window: it goes on from the event loop, even past a close. The main
    // window's number label keeps showing its own list's last sound.
    play_word_sound(player_, {lang_, shown_}, sound_number, language, WordSoundOptions{.show_number = false});
}

void ReviewWindow::on_show_answer() {
    if (revealed_ || closed_ || session_->finished()) return;
    revealed_ = true;
    const auto entry = parse_entry(session_->current().entry);
    show_text(translation_, entry ? entry->translation : QString());
    show_answer_->setEnabled(false);
    knew_it_->setEnabled(true);
    forgot_->setEnabled(true);
    knew_it_->setFocus();
    // The translation is heard as a click on the main window's translation column plays it.
    bool ok = false;
    const int k = entry ? entry->sound_number.toInt(&ok) : -1;
    if (ok && k >= 0 && k < int(lang_.target_sound_numbers.size()))
        play(lang_.target_sound_numbers[size_t(k)], lang_.target_language);
}

void ReviewWindow::on_knew_it() {
    if (!revealed_ || closed_ || session_->finished()) return;
    if (session_->knew_it()) present();
}

void ReviewWindow::on_forgot() {
    if (!revealed_ || closed_ || session_->finished()) return;
    if (!session_->forgot()) return;
    // The main window's entries may be the known file the word just left.
    reload_shown(shown_);
    if (services_.main_view) services_.main_view->display_words();
    present();
}

void ReviewWindow::on_say_it() {
    // Not over the word's own sound: the take would record it.
    if (services_.audio && player_.last_channel != 0 && services_.audio->is_playing(player_.last_channel)) return;
    if (closed_ || !session_ || session_->finished() || !say_it_->isEnabled()) return;
    const auto entry = parse_entry(session_->current().entry);
    if (!entry) return;
    SayItWindow::open(player_, {lang_, shown_}, entry->word, entry->sound_number, this);
}

bool ReviewWindow::handle_key(int key) {
    switch (key) {
    case Qt::Key_S:
        on_say_it();
        return true;
    case Qt::Key_Space:
        on_show_answer();
        return true;
    case Qt::Key_Right:
    case Qt::Key_2:
        on_knew_it();
        return true;
    case Qt::Key_Left:
    case Qt::Key_1:
        on_forgot();
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        return false;
    }
}

bool ReviewWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier) return false;
    // Space presses the focused Close or MP3 button as usual; on the answer buttons it only shows
    // the answer, so a second Space cannot count a word as known by accident.
    if (key->key() == Qt::Key_Space && (watched == close_ || watched == review_mp3_)) return false;
    return handle_key(key->key());
}

void ReviewWindow::keyPressEvent(QKeyEvent* event) {
    if (!(event->modifiers() & ~Qt::KeypadModifier) && handle_key(event->key())) return;
    QWidget::keyPressEvent(event);
}

void ReviewWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!closed_) {
        closed_ = true;
        if (services_.main_view) {
            // Forgotten words left a known file, which may now be empty; each move has already
            // reloaded the entries the main window shows.
            if (session_ && session_->forgotten() > 0) {
                if (!shown_.shown_file.isEmpty())
                    services_.main_view->set_word_count_text(Quillory::tr("%n Words", nullptr, shown_.shown_count()));
                services_.main_view->refresh_known_list();
            }
            services_.main_view->show_main();
        }
    }
    deleteLater();
}

}  // namespace ql
