#pragma once
// Small helpers the windows build their controls with. A control is created with its parent and
// its objectName at once, because the objectName is the handle tests and tools find it by, and
// because controls are put into the keyboard order in the order they are created: a window builds
// its controls in reading order and only then arranges them in layouts.
#include <QBoxLayout>
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <initializer_list>

namespace ql::build {

template <typename W>
W* named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

inline QLabel* label(QWidget* parent, const char* name, const QString& text) {
    return named(new QLabel(text, parent), name);
}

inline QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    return named(new QPushButton(caption, parent), name);
}

inline void set_font(QWidget* w, qreal points, bool bold) {
    QFont f = w->font();
    f.setPointSizeF(points);
    f.setBold(bold);
    w->setFont(f);
}

inline void set_base_colour(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, colour);
    w->setPalette(p);
}

// Tab goes from each control to the next one given; controls not named keep their places.
inline void chain_tab_order(std::initializer_list<QWidget*> order) {
    QWidget* previous = nullptr;
    for (QWidget* w : order) {
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

inline void add_widgets(QBoxLayout* box, std::initializer_list<QWidget*> widgets) {
    for (QWidget* w : widgets) box->addWidget(w);
}

}  // namespace ql::build
