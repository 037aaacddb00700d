#include "qlplay_card.h"

#include "core/main_view.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QPointer>

namespace ql {

FlashCardWindow::FlashCardWindow(Qlmod& m, DrillKind kind, QWidget* parent)
    : QWidget(parent), m_(m), drill_(std::make_shared<Drill>(m, kind, this)) {
    word_lbl_ = make_label("word_lbl", QStringLiteral("Word"));
    word_lbl2_ = make_label("word_lbl2", QStringLiteral("Translation"));
    num_lbl_ = make_label("num_lbl", QStringLiteral("Words remaining"));
    repeat_lbl_ = make_label("repeat_lbl", QStringLiteral("Play count"));
    speed_lbl_ = make_label("speed_lbl", QStringLiteral("Pause between plays"));
    for (QLabel* l : {word_lbl_, word_lbl2_}) {
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // A delayed text keeps its place, so the card does not jump when it appears.
        QSizePolicy p = l->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        l->setSizePolicy(p);
    }
}

FlashCardWindow::~FlashCardWindow() { drill_->detach_view(); }

QLabel* FlashCardWindow::make_label(const char* name, const QString& purpose) {
    auto* l = new QLabel(this);
    l->setObjectName(QString::fromLatin1(name));
    // The name stays the shown text (the word, the count, the pause), which a fixed name would hide.
    l->setAccessibleDescription(purpose);
    l->setFont(QFont(QStringLiteral("Arial"), 10));
    return l;
}

QHBoxLayout* FlashCardWindow::make_status_row() {
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    auto rule = [this] {
        auto* f = new QFrame(this);
        f->setFrameShape(QFrame::VLine);
        f->setFrameShadow(QFrame::Sunken);
        return f;
    };
    // The count gets what the short play count and pause leave, so that it is not cut on the small
    // card.
    row->addWidget(num_lbl_, 1);
    row->addWidget(rule());
    row->addWidget(repeat_lbl_);
    row->addWidget(rule());
    row->addWidget(speed_lbl_);
    repeat_lbl_->setMinimumWidth(repeat_lbl_->fontMetrics().horizontalAdvance(QStringLiteral("60 of 60")));
    speed_lbl_->setMinimumWidth(speed_lbl_->fontMetrics().horizontalAdvance(QStringLiteral("0.00 sec")));
    return row;
}

QPushButton* FlashCardWindow::make_button(const char* name, const QString& caption, void (Drill::*action)()) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, action] { guarded([action](Drill& d) { (d.*action)(); }); });
    return b;
}

void FlashCardWindow::set_word_point_size(int points) {
    for (QLabel* l : {word_lbl_, word_lbl2_}) {
        QFont f = l->font();
        f.setPointSize(points);
        l->setFont(f);
    }
}

void FlashCardWindow::start() {
    show();
    raise();
    activateWindow();
    guarded([](Drill& d) { d.playwords(); });
}

void FlashCardWindow::guarded(const std::function<void(Drill&)>& action) {
    QPointer<FlashCardWindow> self(this);
    const auto drill = drill_;  // outlives this window if it goes away meanwhile
    ++busy_;
    action(*drill);
    if (!self) return;
    --busy_;
    if (closed_ && busy_ == 0) deleteLater();
}

void FlashCardWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FlashCardWindow::closeEvent(QCloseEvent* event) {
    drill_->window_closed();
    event->accept();
    if (!closed_) {
        closed_ = true;
        if (m_.main_view) m_.main_view->show_main();
    }
    // While a handler of this window is still on the stack (a drill waiting, a compilation running)
    // deletion waits for it to return; the drill ends at its next check.
    if (busy_ == 0) deleteLater();
}

}  // namespace ql
