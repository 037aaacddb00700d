#include "card_window_base.h"

#include "core/main_view.h"
#include "core/ui_text.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>

namespace ql {

CardWindowBase::CardWindowBase(const RunContext& run, DrillKind kind, QWidget* parent)
    : QWidget(parent),
      services_(run.services),
      drill_(std::make_shared<Drill>(run.player, run.drill, run.language, run.shown, kind, this)) {
    top_word_label_ = make_label("word_lbl", Quillory::tr("Word"));
    bottom_word_label_ = make_label("word_lbl2", Quillory::tr("Translation"));
    remaining_label_ = make_label("num_lbl", Quillory::tr("Words remaining"));
    repeat_label_ = make_label("repeat_lbl", Quillory::tr("Play count"));
    speed_label_ = make_label("speed_lbl", Quillory::tr("Pause between plays"));
    for (QLabel* l : {top_word_label_, bottom_word_label_}) {
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // A delayed text keeps its place, so the card does not jump when it appears.
        QSizePolicy p = l->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        l->setSizePolicy(p);
    }
}

CardWindowBase::~CardWindowBase() { drill_->detach_view(); }

QLabel* CardWindowBase::make_label(const char* name, const QString& purpose) {
    auto* l = new QLabel(this);
    l->setObjectName(QString::fromLatin1(name));
    // The name stays the shown text (the word, the count, the pause), which a fixed name would hide.
    l->setAccessibleDescription(purpose);
    l->setFont(QFont(QStringLiteral("Arial"), 10));
    return l;
}

QHBoxLayout* CardWindowBase::make_status_row() {
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
    row->addWidget(remaining_label_, 1);
    row->addWidget(rule());
    row->addWidget(repeat_label_);
    row->addWidget(rule());
    row->addWidget(speed_label_);
    repeat_label_->setMinimumWidth(repeat_label_->fontMetrics().horizontalAdvance(Quillory::tr("%1 of %2").arg(QStringLiteral("60"), QStringLiteral("60"))));
    speed_label_->setMinimumWidth(speed_label_->fontMetrics().horizontalAdvance(Quillory::tr("%1 sec").arg(QStringLiteral("0.00"))));
    return row;
}

QPushButton* CardWindowBase::make_button(const char* name, const QString& caption,
                                         const std::function<void(Drill&)>& action) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, action] { action(*drill_); });
    return b;
}

void CardWindowBase::set_word_point_size(int points) {
    for (QLabel* l : {top_word_label_, bottom_word_label_}) {
        QFont f = l->font();
        f.setPointSize(points);
        l->setFont(f);
    }
}

void CardWindowBase::start() {
    show();
    raise();
    activateWindow();
    drill_->playwords();
}

void CardWindowBase::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CardWindowBase::closeEvent(QCloseEvent* event) {
    drill_->window_closed();
    event->accept();
    if (!closed_) {
        closed_ = true;
        if (services_.main_view) services_.main_view->show_main();
    }
    // The drill, kept alive by its own run, ends at its next check with no view to show.
    deleteLater();
}

}  // namespace ql
