#include "small_card_window.h"

#include "core/prompter.h"
#include "core/ui_text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace ql {

SmallCardWindow::SmallCardWindow(const RunContext& run, QWidget* parent) : CardWindowBase(run, DrillKind::Small, parent) {
    setObjectName(QStringLiteral("qlplay2"));
    setWindowTitle(kProgramTitle);
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);

    set_word_point_size(16);
    QFont bold = top_word_label_->font();
    bold.setBold(true);
    top_word_label_->setFont(bold);

    auto* resume = make_button("resume", Quillory::tr("Resume"), &Drill::resume);
    auto* pause = make_button("pause", Quillory::tr("Pause"), &Drill::pause);
    auto* next = make_button("next_word", Quillory::tr("Next"), &Drill::next_word);
    auto* speed = make_button("change_speed", Quillory::tr("Speed"), &Drill::change_speed);
    auto* repeats = make_button("change_repeat", Quillory::tr("# Repeats"), &Drill::change_repeat);
    auto* known = make_button("i_know_this_word", Quillory::tr("Mark Word As Known"), &Drill::i_know_this_word);
    auto* both = make_button("speak_both", Quillory::tr("Say Both"), &Drill::speak_both);
    auto* top_only = make_button("say_bottom", Quillory::tr("Top Only"), &Drill::say_bottom);
    auto* interlace = make_button("interlace", Quillory::tr("Interlace"), &Drill::interlace);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(6, 6, 6, 6);
    root->setSpacing(3);
    root->addWidget(top_word_label_);
    root->addWidget(bottom_word_label_);
    root->addLayout(make_status_row());
    auto* grid = new QGridLayout;
    grid->setSpacing(3);
    const QList<QList<QPushButton*>> rows{{resume, pause, next}, {speed, repeats, known}, {both, top_only, interlace}};
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c) grid->addWidget(rows[r][c], r, c);
    root->addLayout(grid);
    QWidget* order[] = {resume, pause, next, speed, repeats, known, both, top_only, interlace};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
    resize(360, 200);
}

void SmallCardWindow::open(const RunContext& run) {
    auto* w = new SmallCardWindow(run);
    w->start();
}

}  // namespace ql
